// The browser's ".BRS" export and import.
#include "controls/UserInputShutOut.h"
#include "model/ApplicationState.h"
#include "rs232/RS232ExchangeFile.h"
#include "rs232/RS232Selector.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <vector>

void RS232Selector::ExportKey()
{
    QTreeWidgetItem* from = CurrentNode();
    if (!from) return;
    std::vector<int> ExportList;
    {
        // The walk holds the tree's nodes while the window loop shows how
        // far it has come: nothing the user does meanwhile may rebuild the
        // tree, take a library away or close the browser under it.
        const UserInputShutOut shutOut(*this);
        const std::vector<QTreeWidgetItem*> leaves = LibraryTree::ModelsUnder(*from, Arrangement());
        ExportList = LibraryIndexesOf(NamesOfModels(leaves));
        std::erase(ExportList, -1);
        // Only the highlight moves: the toolbar would find each node again
        // by its path among thousands of others, and nothing can act on it.
        const QSignalBlocker highlightOnly(Tree());
        for (QTreeWidgetItem* leaf : leaves) {
            if (leaf == from) continue;
            // The walk shows each model as it is taken.
            Tree().setCurrentItem(leaf);
            QApplication::processEvents();
        }
    }
    // The node the walk began from stays current, and the highlight comes back to it.
    MakeCurrent(from);
    Export(ExportList);
}

void RS232Selector::WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target)
{
    WriteRS232ExchangeFile(state_.RS232Libraries, indices, target);
}

ImportEnd RS232Selector::ReadImportFile(const std::filesystem::path& source)
{
    return ImportRS232ExchangeFile(state_, source);
}

// The tree is filled again even after a cancelled choice.
void RS232Selector::Imported(bool /*chosen*/, bool /*complete*/)
{
    FillTree();
}
