#include "platform/FolderMemoryPrompts.h"

#include "platform/DocumentsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString FileKindOf(const QString& filter)
{
    const QStringList parts = filter.split('|');
    if (parts.size() < 2) return {};
    const QString pattern = parts[1].split(';').front().trimmed();
    return pattern.startsWith("*.") ? pattern.mid(2).toLower() : QString();
}

FolderMemoryPrompts::FolderMemoryPrompts(UserPrompts& shown) : shown_(shown) {}

PromptAnswer FolderMemoryPrompts::Message(const QString& text, const QString& title, PromptButtons buttons,
                                          PromptIcon icon)
{
    return shown_.Message(text, title, buttons, icon);
}

std::optional<QString> FolderMemoryPrompts::ChooseFileToOpen(const FileDialogRequest& request)
{
    std::optional<QString> chosen = shown_.ChooseFileToOpen(WithStartFolder(request));
    Remember(request, chosen);
    return chosen;
}

std::optional<QString> FolderMemoryPrompts::ChooseFileToSave(const FileDialogRequest& request)
{
    std::optional<QString> chosen = shown_.ChooseFileToSave(WithStartFolder(request));
    Remember(request, chosen);
    return chosen;
}

QString FolderMemoryPrompts::StartFolder(const QString& filter) const
{
    // A folder removed since it was used is no place to start.
    QString last = lastFolders_.value(FileKindOf(filter));
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    // Never left empty: the dialog would pick the folder of any kind last used.
    const QString documents = DocumentsFolder();
    return !documents.isEmpty() ? documents : QDir::homePath();
}

FileDialogRequest FolderMemoryPrompts::WithStartFolder(const FileDialogRequest& request) const
{
    FileDialogRequest started = request;
    if (started.initialFolder.isEmpty()) started.initialFolder = StartFolder(request.filter);
    return started;
}

void FolderMemoryPrompts::Remember(const FileDialogRequest& request, const std::optional<QString>& chosen)
{
    if (!chosen || chosen->isEmpty()) return;
    lastFolders_.insert(FileKindOf(request.filter), QFileInfo(*chosen).absolutePath());
}
