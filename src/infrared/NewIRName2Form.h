#pragma once

#include <QDialog>
#include <string>

class ApplicationState;
class QLineEdit;
class QPushButton;

// Asks for new names for the library in the IR clipboard and adds a copy of
// it to the database under them. Accepted only when a library was added;
// the clipboard then carries the new names.
class NewIRName2Form : public QDialog {
    Q_OBJECT
public:
    explicit NewIRName2Form(ApplicationState& state, QWidget* parent = nullptr);

private:
    void DoneClicked();
    bool Refused(const std::string& manufacturer, const std::string& irType, const std::string& model);

    ApplicationState& state_;
    QLineEdit* Text1;  // manufacturer
    QLineEdit* Text2;  // model
    QLineEdit* Text3;  // type
    QPushButton* Done;
    QPushButton* Cancel;
};

// Shows the dialog modally; the caller reads the outcome from the IR
// clipboard and the database.
void ShowNewIRName2Form(ApplicationState& state, QWidget* parent);
