#pragma once

#include "platform/UserPrompts.h"

#include <QHash>
#include <QString>

// The file kind a dialog is for: the extension of its filter's first pattern,
// in lower case ("tvl" for "BRENLO Tavlo file (*.tvl)| *.tvl"); empty when
// that pattern names none.
QString FileKindOf(const QString& filter);

// Prompts that start each file dialog in the folder last chosen for its kind
// of file in this run, or in the documents folder before that (the home
// folder when there is no documents folder). A dialog given a start folder
// of its own keeps it, and the folder chosen there is still remembered.
// Every prompt is passed on to the prompts it wraps.
class FolderMemoryPrompts final : public UserPrompts {
public:
    explicit FolderMemoryPrompts(UserPrompts& shown);

    PromptAnswer Message(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon) override;
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) override;

    // The folder a dialog for this filter starts in when it names none.
    QString StartFolder(const QString& filter) const;

private:
    FileDialogRequest WithStartFolder(const FileDialogRequest& request) const;
    void Remember(const FileDialogRequest& request, const std::optional<QString>& chosen);

    UserPrompts& shown_;
    QHash<QString, QString> lastFolders_;  // by file kind
};
