// The browser's ".BRS" export and import.
#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"
#include "rs232/RS232ExchangeFile.h"
#include "rs232/RS232Selector.h"

#include <QApplication>
#include <QTreeWidget>

namespace {

const QString ExchangeFilter = "Brenlo RS232 Definitions file (*.BRS)|*.BRS";

std::filesystem::path PathOf(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

}  // namespace

void RS232Selector::ExportKey()
{
    const QList<QTreeWidgetItem*> selected = treeview1->selectedItems();
    if (selected.isEmpty()) return;
    QTreeWidgetItem* from = selected.first();
    ExportList.clear();
    std::vector<QTreeWidgetItem*> leaves;
    if (RS232SelectorTree::IsLeaf(*from)) {
        leaves.push_back(from);
    } else if (from->parent() != nullptr) {
        for (int i = 0; i < from->childCount(); ++i) leaves.push_back(from->child(i));
    } else {
        for (int i = 0; i < from->childCount(); ++i)
            for (int j = 0; j < from->child(i)->childCount(); ++j) leaves.push_back(from->child(i)->child(j));
    }
    for (QTreeWidgetItem* leaf : leaves) {
        if (leaf != from) {
            // The walk shows each model as it is taken.
            treeview1->setCurrentItem(leaf);
            QApplication::processEvents();
        }
        const int index = LibraryIndexOf(*leaf);
        if (index >= 0) ExportList.push_back(static_cast<int16_t>(index));
    }
    ExportLibraries();
}

void RS232Selector::ExportAllKey()
{
    ExportList.clear();
    const int count = state_.RS232Libraries.RS232Database.Count();
    for (int i = 0; i < count; ++i) ExportList.push_back(static_cast<int16_t>(i));
    ExportLibraries();
}

void RS232Selector::ExportLibraries()
{
    if (ExportList.empty()) return;
    FileDialogRequest request;
    request.filter = ExchangeFilter;
    request.promptOverwrite = true;
    const std::optional<QString> chosen = state_.Prompts().ChooseFileToSave(request);
    if (!chosen || chosen->isEmpty()) return;
    try {
        WriteRS232ExchangeFile(state_.RS232Libraries, std::vector<int>(ExportList.begin(), ExportList.end()),
                               PathOf(*chosen));
    } catch (const FileError&) {
        state_.Prompts().Message("Failed to save RS232 library", "RS232 Saved.", PromptButtons::Ok, PromptIcon::None);
        return;
    }
    state_.Prompts().Message("RS232 library saved", "RS232 Saved.", PromptButtons::Ok, PromptIcon::None);
}

void RS232Selector::ImportRS232Library()
{
    FileDialogRequest request;
    request.filter = ExchangeFilter;
    const std::optional<QString> chosen = state_.Prompts().ChooseFileToOpen(request);
    if (chosen && !chosen->isEmpty()) {
        try {
            if (ImportRS232ExchangeFile(state_, PathOf(*chosen)) == RS232ImportEnd::Damaged)
                state_.Prompts().Message("RS232 library file damaged!", "Sorry!", PromptButtons::Ok,
                                         PromptIcon::Exclamation);
        } catch (const FileError&) {
            // A file that cannot be read imports nothing more; what came before it stays.
        }
    }
    BuildTree();
}
