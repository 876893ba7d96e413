#include "rs232/RS232Selector.h"

#include "controls/TreeNames.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "model/SaveDatabaseReporting.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"
#include "rs232/RS232NewNameForm.h"
#include "rs232/SerialLibraryEdit.h"

#include <QTreeWidget>

namespace {

// The names as the tree shows them: trimmed and upper-cased.
LibraryTree::Names NamesOfLibrary(const RS232FileBlockClass& library)
{
    return {TrimmedUpper(library.ManufacturerField().view()), TrimmedUpper(library.MyTypeField().view()),
            TrimmedUpper(library.ModelField().view())};
}

}  // namespace

RS232Selector::RS232Selector(ApplicationState& state, QWidget* parent)
    : LibraryBrowser(state.Prompts(),
                     {"Serial RS232 Selector",
                      {.NEW = "Create new RS232 equipment",
                       .COPY = "Copy current RS232 equipment",
                       .CUT = "Cut current RS232 equipment",
                       .PASTE = "Paste copied RS232 equipment",
                       .DELETE = "Delete current RS232 equipment",
                       .EDIT = "Edit current RS232 equipment",
                       .EXPORT = "Export current RS232 equipment",
                       .EXPORTALL = "Export all RS232 libraries",
                       .IMPORT = "Import RS232 equipment"},
                      "Brenlo RS232 Definitions file (*.BRS)|*.BRS",
                      "Export RS232 libraries",
                      "Import RS232 libraries",
                      {"RS232 library saved", "RS232 Saved."},
                      {"Failed to save RS232 library", "RS232 Saved."},
                      {"RS232 library file damaged!", "Sorry!", PromptIcon::Exclamation}},
                     Sorting::ByManufacturerOrType, parent),
      state_(state)
{
    PrepareOpening();
}

void RS232Selector::EmptyClipboard()
{
    // Its type and everything else stay.
    state_.RS232Libraries.RS232LibraryClipboard.Manufacturer("");
    state_.RS232Libraries.RS232LibraryClipboard.Model("");
}

void RS232Selector::BuildTree()
{
    const DatabaseArray<RS232FileBlockClass>& database = state_.RS232Libraries.RS232Database();
    LibraryTree::Build(Tree(), Arrangement(), database.Count(), [&](int i) -> LibraryTree::Entry {
        database.PrefetchAhead(i);
        return {NamesOfLibrary(database[i]), {}};
    });
}

std::string RS232Selector::TreeNames() const
{
    return RS232TreeNames(state_.RS232Libraries, Arrangement());
}

void RS232Selector::RefreshToolbar()
{
    LibraryBrowser::RefreshToolbar();
    if (QTreeWidgetItem* node = CurrentNode()) Tree().scrollToItem(node);
}

int RS232Selector::EntryCount() const
{
    return state_.RS232Libraries.RS232Database().Count();
}

bool RS232Selector::ClipboardHolds() const
{
    const RS232FileBlockClass& clipboard = state_.RS232Libraries.RS232LibraryClipboard;
    return !clipboard.ManufacturerField().isBlank() && !clipboard.ModelField().isBlank() &&
           !clipboard.MyTypeField().isBlank();
}

void RS232Selector::SaveDatabase()
{
    SaveDatabaseReporting(Prompts(), "RS232", [this] { state_.RS232Libraries.SaveRS232Database(); });
}

int RS232Selector::LibraryIndexOf(const QTreeWidgetItem& node) const
{
    return IsModel(node) ? LibraryIndexesOf({LibraryTree::NamesOf(node, Arrangement())}).front() : -1;
}

// The tree's names are the libraries' trimmed and upper-cased, as the
// database's find compares them.
std::vector<int> RS232Selector::LibraryIndexesOf(const std::vector<LibraryTree::Names>& names) const
{
    return LibraryTree::FirstEntriesOf(names, state_.RS232Libraries.RS232Database(), NamesOfLibrary);
}

std::vector<int> RS232Selector::CurrentLibraryIndexes() const
{
    std::vector<int> indexes;
    const QTreeWidgetItem* node = CurrentNode();
    if (!node || !IsModel(*node)) return indexes;
    const QStringList path = LibraryTree::PathOf(*node);
    const auto& database = state_.RS232Libraries.RS232Database();
    for (int i = 0; i < database.Count(); ++i)
        if (LibraryTree::ModelPath(Arrangement(), NamesOfLibrary(database[i])) == path) indexes.push_back(i);
    return indexes;
}

void RS232Selector::NewKey()
{
    state_.RS232Libraries.WorkRS232Library.Clear();
    ShowSerialLibraryEdit(state_, this);
    FillTree();
    MakeCurrent(nullptr);
}

void RS232Selector::EditKey()
{
    const QTreeWidgetItem* node = CurrentNode();
    const int index = node ? LibraryIndexOf(*node) : -1;
    if (index < 0) return;
    SerialClassGlobals& libraries = state_.RS232Libraries;
    libraries.WorkRS232Library.CopyFrom(libraries.RS232Database()[index]);
    ShowSerialLibraryEdit(state_, this);
    FillTree();
    // The editor may have renamed the library; the browser follows it.
    SelectModel(NamesOfLibrary(libraries.WorkRS232Library));
}

void RS232Selector::CopyKey()
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    for (const int index : CurrentLibraryIndexes())
        libraries.RS232LibraryClipboard.CopyFrom(libraries.RS232Database()[index]);
}

void RS232Selector::CutKey()
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    for (const int index : CurrentLibraryIndexes()) {
        // On the clipboard even when the answer is No.
        libraries.RS232LibraryClipboard.CopyFrom(libraries.RS232Database()[index]);
        if (AskSure("cut(delete)", index)) {
            RemoveCurrentLibrary(index);
            return;
        }
    }
}

void RS232Selector::DeleteKey()
{
    for (const int index : CurrentLibraryIndexes()) {
        if (AskSure("delete", index)) {
            RemoveCurrentLibrary(index);
            return;
        }
    }
}

bool RS232Selector::AskSure(const QString& verb, int index)
{
    const RS232FileBlockClass& library = state_.RS232Libraries.RS232Database()[index];
    const QString question = "Are you sure you want to " + verb + " " +
                             FromWindows1252(library.ManufacturerField().trimmed()) + " / " +
                             FromWindows1252(library.ModelField().trimmed()) + " / " +
                             FromWindows1252(library.MyTypeField().trimmed()) + "?";
    return Prompts().Message(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes;
}

void RS232Selector::RemoveCurrentLibrary(int index)
{
    RemoveCurrentModel([&] { RemoveLibrary(index); });
}

void RS232Selector::RemoveLibrary(int index)
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    if (libraries.RS232Database().Count() == 1)
        libraries.ClearRS232Database();
    else
        libraries.RS232Database().Remove(index);
    MakeCurrent(nullptr);
    FillTree();
    RefreshToolbar();
}

void RS232Selector::PasteKey()
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    RS232FileBlockClass& clipboard = libraries.RS232LibraryClipboard;
    if (!ClipboardHolds()) return;
    const bool exists = LibraryTree::Find(Tree(), Arrangement(),
                                          LibraryTree::ModelPath(Arrangement(), NamesOfLibrary(clipboard))) != nullptr;
    if (!exists) {
        libraries.AddRS232Library();
        libraries.RS232Database()[libraries.RS232Database().LastIndex()].CopyFrom(clipboard);
    } else {
        ShowRS232NewNameForm(state_, this);
    }
    FillTree();
    SelectModel(NamesOfLibrary(clipboard));
}
