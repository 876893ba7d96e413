#pragma once

#include <QString>
#include <optional>

// The buttons, icons and answers of a message box, as the editor uses them.
// YesNoDefaultNo is YesNo with No as the button Return presses, for a
// question whose Yes loses the user's work.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoDefaultNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class PromptIcon { None, Critical, Question, Exclamation, Information };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// An open or save dialog: its filter is a list of "Description|*.ext" pairs
// joined by '|', as the editor's commands give it.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString initialFolder;
    QString initialFileName;
    bool promptOverwrite = false;  // save dialogs: ask before replacing a file
    QString defaultExtension;      // save dialogs: given to a name typed without one ("tvl", no dot)
    bool fileMustExist = false;    // open dialogs: only existing files
};

// Everything that asks the user something goes through this interface, so
// that tests can script the answers and see every message shown.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual PromptAnswer Message(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) = 0;
};
