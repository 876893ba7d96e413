// The browser's ".BRI" export and import.
#include "controls/ExchangeFilePrompts.h"
#include "infrared/IRExchangeFile.h"
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"
#include "model/RuntimeErrors.h"
#include "platform/RecordFile.h"

#include <QTreeWidget>
#include <algorithm>

void IRSelector::ExportKey()
{
    QTreeWidgetItem* node = CurrentNode();
    if (!node) return;
    std::vector<int> indices = LibraryIndexesOf(NamesOfModels(LibraryTree::ModelsUnder(*node, Arrangement())));
    std::erase(indices, -1);
    Export(indices);
}

bool IRSelector::AnythingToExport(const std::vector<int>& indices)
{
    const DatabaseArray<IRclass>& database = state_.IR.IRDatabase();
    if (std::any_of(indices.begin(), indices.end(),
                    [&database](int index) { return index < database.Count() && database[index].Num_commands() > 0; }))
        return true;
    ShowPromptText(Prompts(),
                   {"Nothing to export: no IR library chosen holds a command!", "Sorry!", PromptIcon::Exclamation});
    return false;
}

void IRSelector::WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target)
{
    // Indexes counted from the names listed (EXPORTALL) hold only once the
    // commands are in: commands that could not be read empty the database,
    // which the user has been told; the export then writes nothing.
    const int held = state_.IR.IRDatabase().Count();
    if (std::any_of(indices.begin(), indices.end(), [held](int index) { return index >= held; }))
        throw FileError("the libraries to export are no longer in the database");
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
