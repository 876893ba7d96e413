// The browser's ".BRI" export and import.
#include "controls/ExchangeFilePrompts.h"
#include "infrared/IRExchangeFile.h"
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"
#include "model/RuntimeErrors.h"

#include <QTreeWidget>
#include <algorithm>

namespace {

const QString ExchangeFilter = "Brenlo Infra-red Definitions file (*.BRI)|*.BRI";
const QString ExportTitle = "Export IR libraries";
const QString ImportTitle = "Import IR libraries";

}  // namespace

void IRSelector::ExportKey()
{
    QTreeWidgetItem* node = SelectedNode();
    if (!node) return;
    std::vector<int> indices;
    for (const QTreeWidgetItem* model : LibraryTree::ModelsUnder(*node, Arrangement())) indices.push_back(LibraryIndexOf(*model));
    std::erase(indices, -1);
    Export(indices);
}

void IRSelector::ExportAllKey()
{
    std::vector<int> indices(static_cast<std::size_t>(state_.IR.IRDatabase.Count()));
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<int>(i);
    Export(indices);
}

void IRSelector::Export(const std::vector<int>& indices)
{
    if (indices.empty()) return;
    const ExportTexts texts{
        ExportTitle, ExchangeFilter, {"IR library saved", "IR Saved."}, {"Failed to save IR library", "IR Saved."}};
    ExportToChosenFile(state_.Prompts(), texts,
                       [&](const std::filesystem::path& target) { WriteIRExchangeFile(state_.IR, indices, target); });
}

void IRSelector::ImportIRLibrary()
{
    const std::optional<std::filesystem::path> chosen = ChooseImportFile(state_.Prompts(), ImportTitle, ExchangeFilter);
    if (!chosen) return;
    try {
        // A library the file ends inside is not taken; the user learns the file is damaged.
        ImportExchangeFile(state_.Prompts(), {"IR library file damaged!", "Sorry!", PromptIcon::Exclamation},
                           [&] { return ImportIRExchangeFile(state_, *chosen); });
    } catch (const ValueOverflow&) {
        // What came before stays merged; the rest of the file is not taken.
        ReportIRDatabaseFull(state_.Prompts());
    }
    FillTree();
}
