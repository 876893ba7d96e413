// The browser's ".BRS" export and import.
#include "controls/UserInputShutOut.h"
#include "model/ApplicationState.h"
#include "rs232/RS232ExchangeFile.h"
#include "rs232/RS232Selector.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <chrono>
#include <vector>

namespace {

// About a frame of the screen.
constexpr std::chrono::milliseconds HighlightInterval{20};

}  // namespace

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
        // The window loop runs at each model; the highlight follows the walk
        // at the screen's pace, as a paint for each of a maker's thousands
        // of models would make the user wait minutes.
        QElapsedTimer sinceShown;
        for (QTreeWidgetItem* leaf : leaves) {
            if (leaf == from) continue;
            if (!sinceShown.isValid() || sinceShown.elapsed() >= HighlightInterval.count() || leaf == leaves.back()) {
                Tree().setCurrentItem(leaf);
                sinceShown.start();
            }
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
