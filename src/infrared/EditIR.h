#pragma once

#include "devicelink/CaptureDurations.h"
#include "devicelink/CaptureView.h"
#include "model/IRclass.h"

#include <QDialog>
#include <array>
#include <memory>
#include <string>

class ApplicationState;
class CaptureSession;
class IRClassGlobals;
class QButtonGroup;
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
class EditIR : public QDialog, private CaptureView {
    Q_OBJECT
public:
    // The pod's waits last as long as the durations say.
    explicit EditIR(ApplicationState& state, QWidget* parent = nullptr, CaptureDurations durations = {});
    ~EditIR() override;

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
    void NameFieldLeft(QLineEdit* field);
    void KeepNotesStorable();

    // Capture and playback.
    void AddCommandClicked();
    void ReCaptureClicked();
    void PlayBackClicked();
    void SearchClicked();
    bool HasRoomFor(const std::string& name);
    // The command that took the capture under that name: the first of the
    // name, or a new last one.
    int StoreCapture(const std::string& name);
    void SelectCommand(int index);
    // A close asked for during a pod operation, done once it has returned.
    void FinishPendingClose();

    // What the capture session sees of the window.
    void ShowPanel(CapturePanel panel) override;
    void SetProgress(int value) override;
    std::optional<int> CheckedPortRow() const override;
    void SetPodType(int row, const QString& text) override;
    void SetPodTypeVisible(int row, bool visible) override;
    void SetPortOption(int row, bool enabled, bool visible) override;
    void SetBlanking(int index, bool visible) override;
    void UpdateCommandButtons() override;
    void EnableEditorControls(bool enabled) override;
    void RedrawCodeView() override;

    // Leaving.
    void DoneClicked();
    void MainCancelClicked();
    void CloseDown();

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape presses the Cancel in view: a capture panel's while the pod is
    // at work, the editor's own otherwise, which puts the library back.
    void keyPressEvent(QKeyEvent* event) override;

    ApplicationState& state_;
    IRClassGlobals& ir_;
    IRclass BackupLibrary;
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
    QButtonGroup* portGroup_;
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
    std::unique_ptr<CaptureSession> session_;
};
