#pragma once

#include "devicelink/PromEncode.h"
#include "devicelink/SerialLink.h"

#include <QDialog>
#include <array>
#include <optional>

class ApplicationState;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The dialog that finds the controller on COM1 to COM4 and programs it with
// the image of the configuration in memory. Opened modally; closing it in
// any way sets the abort flag and closes the port, so a search or download
// under way ends at once.
class TavloComms : public QDialog {
    Q_OBJECT
public:
    static constexpr int Ports = 4;

    explicit TavloComms(ApplicationState& state, QWidget* parent = nullptr);
    ~TavloComms() override;

    // The maker's site, named in the message for a controller this editor
    // cannot program.
    static const QString UpdateSite;

    void done(int result) override;

signals:
    void SearchFinished();
    void ProgrammingFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QRadioButton* option = nullptr;
        QLineEdit* podType = nullptr;
        QFrame* blanking = nullptr;
    };

    void BuildControls();
    void Activated();
    void SearchClicked();
    void OptionClicked(int i);
    void ProgramPodClicked();
    void search_for_pod();
    void ClearOptions();
    std::optional<int> ChosenRow() const;
    void ShowProgress(int value, const QString& label);
    void ProgrammingFailed();

    ApplicationState& state_;
    SerialPort& port_;  // a child of the dialog
    bool AbortWait = false;
    SerialLink link_;
    PromEncode encoder_;
    std::array<bool, Ports> portIsVersion1_{true, true, true, true};
    bool busy_ = false;       // a search or programming run is under way
    bool activated_ = false;  // this showing has run its search

    std::array<Row, Ports> rows_;
    QLabel* blanking1_ = nullptr;
    QFrame* pleaseWait_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* programPod_ = nullptr;
    QPushButton* command2_ = nullptr;
};

// Opens the download dialog modally on the configuration in memory.
void ShowTavloComms(ApplicationState& state, QWidget* parent);
