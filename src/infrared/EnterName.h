#pragma once

#include <QDialog>
#include <string>

class IRclass;
class QLineEdit;
class UserPrompts;

// Asks the name of a new IR command. A name the library already holds is
// taken only when the user agrees to replace that command.
class EnterName : public QDialog {
    Q_OBJECT
public:
    EnterName(const IRclass& library, UserPrompts& prompts, QWidget* parent = nullptr);

    // Trimmed and upper case; empty when the dialog was cancelled.
    const std::string& KeyName() const { return keyName_; }

    // Cancel, Escape and the close box: no name, also after a refused one.
    void reject() override;

private:
    void OkClicked();

    const IRclass& library_;
    UserPrompts& prompts_;
    std::string keyName_;
    QLineEdit* Text1;
};
