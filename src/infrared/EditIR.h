#pragma once

#include "controls/FillGuard.h"
#include "devicelink/CaptureDurations.h"
#include "model/IRclass.h"

#include <QDialog>
#include <string>

class ApplicationState;
class IRCapturePanel;
class IRClassGlobals;
class IRGraph;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The IR library editor: edits WorkIRLibrary in place (its names, notes and
// named commands), captures commands from a remote control through the
// capture panel and plays them back, and on Done stores the library into
// the IR database and saves it. Cancel puts back the library it was given.
class EditIR : public QDialog {
    Q_OBJECT
public:
    // The pod's waits last as long as the durations say.
    explicit EditIR(ApplicationState& state, QWidget* parent = nullptr, CaptureDurations durations = {});
    ~EditIR() override;

    // The close box: nothing is stored or restored, and a changed library
    // goes only once the user agrees. During a pod operation the editor
    // closes once the operation has seen the abort and returned.
    void reject() override;

private:
    // Building the form.
    void BuildControls(CaptureDurations durations);
    QWidget* BuildHeader();
    QWidget* BuildCommands();
    void ConnectControls();

    // The names and notes.
    void FillHeaderFields();
    void NameFieldLeft(QLineEdit* field);
    // The names and notes as Done stores them.
    void StoreHeaderInto(IRclass& library) const;
    // The library as Done would store it differs from the one the editor opened with.
    bool LibraryChanged() const;
    void KeepNotesStorable();

    // The command list.
    void FillCommandTree();
    QTreeWidgetItem* AddCommandNode(int index);
    int SelectedCommandIndex() const;
    void SelectionChanged();
    void ClearSelection();
    void NodeRenamed(QTreeWidgetItem* node);
    void DeleteClicked();

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
    // A close asked for during a pod operation, done once it has returned
    // and the user agrees; otherwise the pod works for the editor again.
    void FinishPendingClose();

    // Leaving.
    void DoneClicked();
    void MainCancelClicked();
    void CloseDown();
    // The close box may close the editor: Done or Cancel is closing it, or
    // the user agrees to lose what changed.
    bool CloseAgreed() const;
    void CloseWindow();

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape presses the Cancel in view: a capture panel's while the pod is
    // at work, the editor's own otherwise, which puts the library back once
    // the user agrees to lose what changed.
    void keyPressEvent(QKeyEvent* event) override;

    ApplicationState& state_;
    IRClassGlobals& ir_;
    IRclass BackupLibrary;
    IRclass opened_;
    bool closeRequested_ = false;
    bool closingDown_ = false;
    FillFlag filling_;

    QComboBox* Manufacturer;
    QComboBox* TypeCombo1;
    QLineEdit* Model;
    QPlainTextEdit* Notes;
    QTreeWidget* treeview1;
    IRGraph* IRGraph1;
    IRCapturePanel* capture_;
};
