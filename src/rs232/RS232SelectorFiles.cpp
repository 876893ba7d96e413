// The browser's ".BRS" export and import.
#include "controls/ExchangeFilePrompts.h"
#include "model/ApplicationState.h"
#include "rs232/RS232ExchangeFile.h"
#include "rs232/RS232Selector.h"

#include <QApplication>
#include <QTreeWidget>

namespace {

const QString ExchangeFilter = "Brenlo RS232 Definitions file (*.BRS)|*.BRS";
const QString ExportTitle = "Export RS232 libraries";
const QString ImportTitle = "Import RS232 libraries";

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
        if (index >= 0) ExportList.push_back(index);
    }
    ExportLibraries();
}

void RS232Selector::ExportAllKey()
{
    ExportList.clear();
    const int count = state_.RS232Libraries.RS232Database.Count();
    for (int i = 0; i < count; ++i) ExportList.push_back(i);
    ExportLibraries();
}

void RS232Selector::ExportLibraries()
{
    if (ExportList.empty()) return;
    const ExportTexts texts{ExportTitle,
                            ExchangeFilter,
                            {"RS232 library saved", "RS232 Saved."},
                            {"Failed to save RS232 library", "RS232 Saved."}};
    ExportToChosenFile(state_.Prompts(), texts, [this](const std::filesystem::path& target) {
        WriteRS232ExchangeFile(state_.RS232Libraries, ExportList, target);
    });
}

void RS232Selector::ImportRS232Library()
{
    if (const std::optional<std::filesystem::path> chosen =
            ChooseImportFile(state_.Prompts(), ImportTitle, ExchangeFilter)) {
        ImportExchangeFile(state_.Prompts(), {"RS232 library file damaged!", "Sorry!", PromptIcon::Exclamation},
                           [&] { return ImportRS232ExchangeFile(state_, *chosen); });
    }
    BuildTree();
}
