// The browser's ".BRI" export and import.
#include "infrared/IRExchangeFile.h"
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"
#include "model/RuntimeErrors.h"

#include <QTreeWidget>
#include <algorithm>

void IRSelector::ExportKey()
{
    QTreeWidgetItem* node = CurrentNode();
    if (!node) return;
    std::vector<int> indices;
    for (const QTreeWidgetItem* model : LibraryTree::ModelsUnder(*node, Arrangement()))
        indices.push_back(LibraryIndexOf(*model));
    std::erase(indices, -1);
    Export(indices);
}

void IRSelector::WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target)
{
    WriteIRExchangeFile(state_.IR, indices, target);
}

ImportEnd IRSelector::ReadImportFile(const std::filesystem::path& source)
{
    try {
        return ImportIRExchangeFile(state_, source);
    } catch (const ValueOverflow&) {
        // What came before stays merged; the rest of the file, which the
        // database cannot take, is left unread and the user is told.
        ReportIRDatabaseFull(state_.Prompts());
        return ImportEnd::Complete;
    }
}

void IRSelector::Imported(bool chosen, bool /*complete*/)
{
    if (chosen) FillTree();
}
