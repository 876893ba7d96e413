#include "infrared/IRSelector.h"

#include "controls/TreeNames.h"
#include "infrared/IRDatabaseSaving.h"
#include "infrared/NewIRName2Form.h"
#include "infrared/ShowEditIR.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QTreeWidget>

namespace {

LibraryTree::Names TrimmedNames(const IRclass& library)
{
    return {library.ManufacturerField().trimmed(), library.IRtypeField().trimmed(), library.ModelField().trimmed()};
}

}  // namespace

IRSelector::IRSelector(ApplicationState& state, QWidget* parent)
    : LibraryBrowser(state.Prompts(),
                     {"Infrared Selector",
                      {.NEW = "Create new library",
                       .COPY = "Copy current library",
                       .CUT = "Cut current library",
                       .PASTE = "Paste copied library",
                       .DELETE = "Delete current IR library",
                       .EDIT = "Edit current IR library",
                       .EXPORT = "Export current IR Library",
                       .EXPORTALL = "Export complete IR Library",
                       .IMPORT = "Import IR library"},
                      "Brenlo Infra-red Definitions file (*.BRI)|*.BRI",
                      "Export IR libraries",
                      "Import IR libraries",
                      {"IR library saved", "IR Saved."},
                      {"Failed to save IR library", "IR Saved."},
                      // A library the file ends inside is not taken; the user learns the file is damaged.
                      {"IR library file damaged!", "Sorry!", PromptIcon::Exclamation}},
                     Sorting::ByManufacturerOrType, parent),
      state_(state)
{
    SetOpeningSize(QSize(520, 480));
    PrepareOpening();
}

void IRSelector::EmptyClipboard()
{
    state_.IR.IRClipboard.Manufacturer("");
    state_.IR.IRClipboard.IRtype("");
    state_.IR.IRClipboard.Model("");
}

// Enough to offer EXPORTALL without waiting for the commands; what is
// exported is what the database holds once they are in (WriteExportFile).
int IRSelector::EntryCount() const
{
    return state_.IR.IRLibraryNames().Count();
}

// Every library is written with its commands: they are taken in first, and
// when they cannot be read (the user is told) there is nothing to write.
int IRSelector::ExportAllCount()
{
    return state_.IR.IRDatabase().Count();
}

bool IRSelector::ClipboardHolds() const
{
    const IRclass& clipboard = state_.IR.IRClipboard;
    return !clipboard.ManufacturerField().isBlank() || !clipboard.IRtypeField().isBlank() ||
           !clipboard.ModelField().isBlank();
}

void IRSelector::SaveDatabase()
{
    SaveIRDatabaseReporting(state_);
}

void IRSelector::RefreshToolbar()
{
    if (state_.IR.ListingsDropped() != treeListing_) FillTree();
    LibraryBrowser::RefreshToolbar();
}

void IRSelector::BuildTree()
{
    const DatabaseArray<IRclass>& database = state_.IR.IRLibraryNames();
    treeListing_ = state_.IR.ListingsDropped();
    LibraryTree::Build(Tree(), Arrangement(), database.Count(), [&](int i) -> LibraryTree::Entry {
        database.PrefetchAhead(i);
        return {TrimmedNames(database[i]), database[i].CommentField().trimmed()};
    });
}

std::string IRSelector::TreeNames() const
{
    return IRLibraryTreeNames(state_.IR, Arrangement());
}

int IRSelector::LibraryIndexOf(const QTreeWidgetItem& node) const
{
    return IsModel(node) ? LibraryIndexesOf({LibraryTree::NamesOf(node, Arrangement())}).front() : -1;
}

std::vector<int> IRSelector::LibraryIndexesOf(const std::vector<LibraryTree::Names>& names) const
{
    // Looked up to be edited, copied or exported, which all need the
    // commands: the database is made whole first, so that the index still
    // holds if a file that no longer held its commands emptied it.
    return LibraryTree::FirstEntriesOf(names, state_.IR.IRDatabase(), TrimmedNames);
}

void IRSelector::NewKey()
{
    state_.IR.WorkIRLibrary.Clear();
    ShowEditIR(state_, this);
    FillTree();
    MakeCurrent(nullptr);
}

void IRSelector::EditKey()
{
    const QTreeWidgetItem* node = CurrentNode();
    const int index = node ? LibraryIndexOf(*node) : -1;
    if (index < 0) return;
    IRClassGlobals& ir = state_.IR;
    ir.WorkIRLibrary.CopyFrom(ir.IRDatabase()[index]);
    ShowEditIR(state_, this);
    // The editor may have renamed the library: the tree follows it.
    FillTree();
    MakeCurrent(nullptr);
    SelectModel(TrimmedNames(ir.WorkIRLibrary));
}

void IRSelector::CopyKey()
{
    const QTreeWidgetItem* node = CurrentNode();
    const int index = node ? LibraryIndexOf(*node) : -1;
    if (index >= 0) state_.IR.IRClipboard.CopyFrom(state_.IR.IRDatabase()[index]);
}

// The key is offered beside COPY, yet an IR library is never cut: it stays.
void IRSelector::CutKey() {}

void IRSelector::PasteKey()
{
    IRClassGlobals& ir = state_.IR;
    const LibraryTree::Names names = TrimmedNames(ir.IRClipboard);
    if (names.manufacturer.empty() || names.type.empty() || names.model.empty()) return;
    std::string manufacturer = names.manufacturer;
    std::string irType = names.type;
    std::string model = names.model;
    if (ir.FindIRLibrary(manufacturer, irType, model) >= 0)
        ShowNewIRName2Form(state_, this);
    else if (!RefusedAsIRDatabaseFull(ir, state_.Prompts()))
        ir.AddIRLibrary().CopyFrom(ir.IRClipboard);
    FillTree();
    MakeCurrent(nullptr);
    SelectModel(TrimmedNames(ir.IRClipboard));
}

void IRSelector::DeleteKey()
{
    QTreeWidgetItem* node = CurrentNode();
    if (!node || !IsModel(*node)) return;
    const LibraryTree::Names names = LibraryTree::NamesOf(*node, Arrangement());
    const DatabaseArray<IRclass>& database = state_.IR.IRDatabase();
    int chosen = -1;
    for (int i = 0; i < database.Count() && chosen < 0; ++i) {
        if (TrimmedNames(database[i]) != names) continue;
        const QString question = "Are you sure you want to delete " + FromWindows1252(names.manufacturer) + " / " +
                                 FromWindows1252(names.type) + " / " + FromWindows1252(names.model) + "?";
        if (Prompts().Message(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes)
            chosen = i;
    }
    if (chosen < 0) return;
    RemoveCurrentModel([&] {
        RemoveNode(node);
        RemoveLibrary(chosen);
        QTreeWidgetItem* current = Tree().currentItem();
        MakeCurrent(current && current->parent() ? current : nullptr);
    });
}

// A type or manufacturer left without models goes with its last model, as
// the database no longer has it.
void IRSelector::RemoveNode(QTreeWidgetItem* node)
{
    while (node) {
        QTreeWidgetItem* parent = node->parent();
        delete node;
        node = parent && parent->childCount() == 0 ? parent : nullptr;
    }
}

void IRSelector::RemoveLibrary(int index)
{
    IRClassGlobals& ir = state_.IR;
    if (ir.IRDatabase().Count() == 1)
        ir.ClearIRDatabase();
    else
        ir.IRDatabase().Remove(index);
}
