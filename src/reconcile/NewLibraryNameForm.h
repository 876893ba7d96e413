#pragma once

#include "reconcile/ArrivingLibrary.h"

#include <QDialog>

class ApplicationState;
class QLineEdit;
class QPushButton;

// Asks for new names for the library in the record buffers and appends it
// to the database under them, in memory only. Accepted only when a library
// was added; otherwise the buffer keeps its names.
class NewLibraryNameForm : public QDialog {
    Q_OBJECT
public:
    NewLibraryNameForm(ApplicationState& state, LibraryKind kind, QWidget* parent = nullptr);

private:
    void DoneClicked();

    ApplicationState& state_;
    LibraryKind kind_;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* Done;
    QPushButton* Cancel;
};

// The new-name dialogs, each shown modally; true when the library was added
// under new names. The configuration and the import flows of RS232 share one.
bool ShowNewIRNameForm(ApplicationState& state, QWidget* parent);
bool ShowNewRS232NameForm(ApplicationState& state, QWidget* parent);
bool ShowNewRs232Name2Form(ApplicationState& state, QWidget* parent);
