#pragma once

#include <QDialog>
#include <string>

class ApplicationState;
class QLineEdit;
class QPushButton;

// Asks for new names for the library in the RS232 library clipboard and
// adds it to the database in memory under them. Accepted only when a
// library was added; otherwise the clipboard keeps its names.
class RS232NewNameForm : public QDialog {
    Q_OBJECT
public:
    explicit RS232NewNameForm(ApplicationState& state, QWidget* parent = nullptr);

private:
    void DoneClicked();
    bool Refused(const std::string& manufacturer, const std::string& type, const std::string& model);

    ApplicationState& state_;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* Done;
    QPushButton* Cancel;
};

// Shows the new-name dialog modally; the caller reads the outcome from the
// library clipboard and the database.
void ShowRS232NewNameForm(ApplicationState& state, QWidget* parent);
