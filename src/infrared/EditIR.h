#pragma once

#include "model/IRclass.h"

#include <QDialog>
#include <array>

class ApplicationState;
class IRClassGlobals;
class IRGraph;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class QTreeWidget;
class QTreeWidgetItem;
class SerialPort;

// The IR library editor: edits WorkIRLibrary in place (its names, notes and
// named commands), captures commands from a remote control through a
// capture pod and plays them back, and on Done stores the library into the
// IR database and saves it. Cancel puts back the library it was given.
class EditIR : public QDialog {
    Q_OBJECT
public:
    explicit EditIR(ApplicationState& state, QWidget* parent = nullptr);

    // The close box: nothing is stored or restored. During a pod operation
    // the editor closes once the operation has seen the abort and returned.
    void reject() override;

private:
    // Building the form.
    void BuildControls();
    QWidget* BuildHeader();
    QWidget* BuildCommands();
    QWidget* BuildButtons();
    QWidget* BuildCapture();
    void ConnectControls();

    // Opening.
    void FillHeaderFields();
    void FillCommandTree();
    QTreeWidgetItem* AddCommandNode(int index);

    // The commands.
    int SelectedCommandIndex() const;
    void SelectionChanged();
    void ClearSelection();
    void NodeRenamed(QTreeWidgetItem* node);
    void DeleteClicked();
    void PortClicked();
    void NameFieldLeft(QLineEdit* field);

    void UpdateCommandButtons();
    void EnableEditorControls(bool enabled);

    // Leaving.
    void DoneClicked();
    void MainCancelClicked();
    void CloseDown();

    bool eventFilter(QObject* watched, QEvent* event) override;

    ApplicationState& state_;
    IRClassGlobals& ir_;
    IRclass BackupLibrary;
    bool PortChosen = false;
    // A pod operation is running; the close box only asks it to end.
    bool busy_ = false;
    bool closeRequested_ = false;
    bool filling_ = false;

    QComboBox* Manufacturer;
    QComboBox* TypeCombo1;
    QLineEdit* Model;
    QPlainTextEdit* Notes;
    QTreeWidget* treeview1;
    IRGraph* IRGraph1;
    QStackedLayout* frontOfButtons_;
    QFrame* ControlFrame;
    QPushButton* AddCommand;
    QPushButton* Delete;
    QPushButton* ReCapture;
    QPushButton* PlayBack;
    QPushButton* MainCancel;
    QPushButton* Done;
    std::array<QRadioButton*, 4> IRport{};
    std::array<QLineEdit*, 4> PodType{};
    std::array<QStackedLayout*, 4> portRows_{};
    std::array<QFrame*, 5> Blanking{};
    QPushButton* search;
    QFrame* Press;
    QFrame* Release;
    QFrame* Downloading;
    QFrame* DoneOk;
    QFrame* DoneFailed;
    QFrame* ClosingFrame;
    QProgressBar* ProgressBar1;
    std::array<QPushButton*, 5> Cancel{};
    QPushButton* Retry;
    SerialPort* MSComm1;
};
