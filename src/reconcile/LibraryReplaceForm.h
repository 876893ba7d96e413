#pragma once

#include "reconcile/ConfigurationLibrary.h"

#include <QDialog>
#include <array>
#include <memory>

class ApplicationState;
class LibraryComparisonControl;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Settles an opened configuration's library that has the names of a
// database library but differs from it: the configuration takes the
// database's commands, the database takes the configuration's library, the
// configuration's library joins the database under new names, the
// configuration keeps its commands untied, or each command is decided on its
// own. Every way out but the title bar's close button saves the database.
// The IR and RS232 dialogs are this one form.
class LibraryReplaceForm : public QDialog {
    Q_OBJECT
public:
    // The database library must exist: the loader opens the dialog only then.
    LibraryReplaceForm(ApplicationState& state, std::unique_ptr<ConfigurationLibrary> library,
                       QWidget* parent = nullptr);
    ~LibraryReplaceForm() override;

private:
    void ReplaceInConfigurationClicked();
    void ReplaceInDatabaseClicked();
    void AddUnderNewNameClicked();
    void KeepClicked();
    void DecideByCommandClicked();
    void CancelEditClicked();
    void MakeChangesClicked();
    // Shows the explanation and the options, or one of the frames over them.
    void ShowOptions();
    void ShowOver(QWidget& frameOverExplanation, QWidget& frameOverOptions);
    void ShowList(bool displayOnly);
    void SaveAndClose();

    ApplicationState& state_;
    std::unique_ptr<ConfigurationLibrary> library_;
    QGroupBox* Frame2;
    QWidget* options_;
    std::array<QRadioButton*, 5> Option1{};
    LibraryComparisonControl* comparison_;
    QGroupBox* EditFrameLabels;
    QGroupBox* EditFrame;
    std::array<QPushButton*, 5> Command2{};
    QGroupBox* CommandMissingFrame;
    QPlainTextEdit* Text1;
    std::array<QPushButton*, 3> Command3{};
};

// Show the dialog modally for the library waiting in the IR or RS232 record
// buffers; nothing happens when the database has no library of its names.
void ShowIRreplaceForm(ApplicationState& state, QWidget* parent);
void ShowRS232ReplaceForm(ApplicationState& state, QWidget* parent);
