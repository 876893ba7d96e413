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

    TavloComms(ApplicationState& state, SerialPort& port, QWidget* parent = nullptr);
    ~TavloComms() override;

    // The maker's site, named in the message for a controller this editor
    // cannot program.
    static const QString UpdateSite;

    void done(int result) override;

    // For tests: the controls as the user sees them.
    QRadioButton* Option1(int i) const { return rows_[static_cast<std::size_t>(i)].option; }
    QLineEdit* PodType(int i) const { return rows_[static_cast<std::size_t>(i)].podType; }
    QFrame* Blanking(int i) const { return rows_[static_cast<std::size_t>(i)].blanking; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* ProgramPod() const { return programPod_; }
    QPushButton* Command2() const { return command2_; }
    QFrame* PleaseWait() const { return pleaseWait_; }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    bool PortIsVersion1(int i) const { return portIsVersion1_[static_cast<std::size_t>(i)]; }

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
    SerialPort& port_;
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
