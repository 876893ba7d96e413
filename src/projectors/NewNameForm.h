#pragma once

#include <QDialog>
#include <cstddef>
#include <string>

class ApplicationState;
class QLineEdit;
class QPushButton;

// Asks for new names for the definition in the projector clipboard and adds
// it to the database under them. Accepted only when a definition was added;
// otherwise the clipboard keeps its names.
class NewNameForm : public QDialog {
    Q_OBJECT
public:
    static constexpr std::size_t MaximumNameLength = 32;

    explicit NewNameForm(ApplicationState& state, QWidget* parent = nullptr);

private:
    void DoneClicked();
    bool Refused(const std::string& manufacturer, const std::string& model);

    ApplicationState& state_;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Done;
    QPushButton* Cancel;
};

// Shows the new-name dialog modally; the caller reads the outcome from the
// projector clipboard and the database.
void ShowNewNameForm(ApplicationState& state, QWidget* parent);
