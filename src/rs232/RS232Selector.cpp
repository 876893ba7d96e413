#include "rs232/RS232Selector.h"

#include "controls/ToolbarIcons.h"
#include "model/ApplicationState.h"
#include "model/SaveDatabaseReporting.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"
#include "rs232/RS232NewNameForm.h"
#include "rs232/SerialLibraryEdit.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using RS232SelectorTree::LibraryNames;

namespace {

LibraryNames NamesOfLibrary(const RS232FileBlockClass& library)
{
    return {library.Manufacturer(), library.MyType(), library.Model()};
}

bool OnClipboard(const RS232FileBlockClass& clipboard)
{
    return !clipboard.ManufacturerField().isBlank() && !clipboard.ModelField().isBlank() &&
           !clipboard.MyTypeField().isBlank();
}

}  // namespace

RS232Selector::RS232Selector(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Serial RS232 Selector");
    Toolbar1 = WithName(new QToolBar, "Toolbar1");
    Toolbar1->setIconSize(QSize(16, 16));
    AddKey("NEW", "Create new RS232 equipment", &RS232Selector::NewKey);
    AddKey("COPY", "Copy current RS232 equipment", &RS232Selector::CopyLibrary);
    AddKey("CUT", "Cut current RS232 equipment", &RS232Selector::CutLibrary);
    AddKey("PASTE", "Paste copied RS232 equipment", &RS232Selector::PasteLibrary);
    AddKey("DELETE", "Delete current RS232 equipment", &RS232Selector::DeleteLibrary);
    AddKey("EDIT", "Edit current RS232 equipment", &RS232Selector::EditKey, "EDITPROJECTOR");
    AddKey("EXPORT", "Export current RS232 equipment", &RS232Selector::ExportKey);
    AddKey("EXPORTALL", "Export all RS232 libraries", &RS232Selector::ExportAllKey);
    AddKey("IMPORT", "Import RS232 equipment", &RS232Selector::ImportRS232Library);
    AddKey("EXIT", "Exit", &RS232Selector::accept);

    SortBy[0] = WithName(new QRadioButton("Sort By Manufacturer"), "SortBy", 0);
    SortBy[1] = WithName(new QRadioButton("Sort By Type"), "SortBy", 1);
    SortBy[0]->setChecked(true);
    auto* sortRow = new QHBoxLayout;
    for (QRadioButton* option : SortBy) {
        sortRow->addWidget(option);
        // A new order rebuilds the tree, where the old current node is normally gone.
        connect(option, &QRadioButton::clicked, this, [this] {
            BuildTree();
            RefreshToolbar();
        });
    }
    sortRow->addStretch();

    treeview1 = WithName(new QTreeWidget, "treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->setSelectionMode(QAbstractItemView::SingleSelection);
    treeview1->viewport()->installEventFilter(this);
    connect(treeview1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        MakeCurrent(node);
        RefreshToolbar();
    });
    connect(treeview1, &QTreeWidget::itemDoubleClicked, this, [this] { RunCommand(&RS232Selector::EditKey); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar1);
    layout->addLayout(sortRow);
    layout->addWidget(treeview1);
    // Wide enough for every key, pictured or not.
    resize(640, 480);

    // A paste is offered only after a copy or cut in this browser.
    state_.RS232Libraries.RS232LibraryClipboard.Manufacturer("");
    state_.RS232Libraries.RS232LibraryClipboard.Model("");
    BuildTree();
    RefreshToolbar();
}

void RS232Selector::AddKey(const char* key, const char* tooltip, Command command, const char* picture)
{
    QAction* button = AddToolbarKey(*Toolbar1, key, tooltip, picture);
    connect(button, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

void RS232Selector::RunCommand(Command command)
{
    (this->*command)();
    RefreshToolbar();
}

LoaderSortOrder RS232Selector::Order() const
{
    return SortBy[1]->isChecked() ? LoaderSortOrder::ByType : LoaderSortOrder::ByManufacturer;
}

void RS232Selector::done(int result)
{
    // However the browser closes, the database reaches the disk; a failure has been told.
    SaveDatabaseReporting(state_.Prompts(), "RS232", [this] { state_.RS232Libraries.SaveRS232Database(); });
    currentPath_.clear();
    QDialog::done(result);
}

bool RS232Selector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == treeview1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        MakeCurrent(treeview1->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        RefreshToolbar();
    }
    return QDialog::eventFilter(watched, event);
}

void RS232Selector::BuildTree()
{
    RS232SelectorTree::Build(*treeview1, state_.RS232Libraries.RS232Database, Order());
}

void RS232Selector::RefreshToolbar()
{
    QTreeWidgetItem* node = CurrentNode();
    if (!node) currentPath_.clear();
    if (node) treeview1->scrollToItem(node);
    const bool leaf = node && RS232SelectorTree::IsLeaf(*node);
    for (const char* key : {"COPY", "CUT", "DELETE", "EDIT"}) Toolbar1->findChild<QAction*>(key)->setEnabled(leaf);
    Toolbar1->findChild<QAction*>("EXPORT")->setEnabled(node != nullptr);
    Toolbar1->findChild<QAction*>("EXPORTALL")->setEnabled(state_.RS232Libraries.RS232DatabaseAllocated());
    Toolbar1->findChild<QAction*>("PASTE")->setEnabled(OnClipboard(state_.RS232Libraries.RS232LibraryClipboard));
}

QTreeWidgetItem* RS232Selector::CurrentNode() const
{
    return RS232SelectorTree::Find(*treeview1, currentPath_);
}

void RS232Selector::MakeCurrent(QTreeWidgetItem* node)
{
    currentPath_ = node ? RS232SelectorTree::PathOf(*node) : QStringList();
}

void RS232Selector::MarkSelected(QTreeWidgetItem* node)
{
    treeview1->setCurrentItem(node);
    treeview1->scrollToItem(node);
}

bool RS232Selector::LibraryNodeExists(const LibraryNames& names) const
{
    return RS232SelectorTree::Find(*treeview1, RS232SelectorTree::LibraryPath(names, Order())) != nullptr;
}

void RS232Selector::SelectLibraryNode(const LibraryNames& names)
{
    QTreeWidgetItem* node = RS232SelectorTree::Find(*treeview1, RS232SelectorTree::LibraryPath(names, Order()));
    if (!node) return;
    MarkSelected(node);
    MakeCurrent(node);
}

int RS232Selector::CurrentLibraryIndex() const
{
    const QTreeWidgetItem* node = CurrentNode();
    return node ? LibraryIndexOf(*node) : -1;
}

int RS232Selector::LibraryIndexOf(const QTreeWidgetItem& node) const
{
    if (!RS232SelectorTree::IsLeaf(node)) return -1;
    LibraryNames names = RS232SelectorTree::NamesOf(node, Order());
    return state_.RS232Libraries.FindRS232Library(names.manufacturer, names.type, names.model);
}

std::vector<int> RS232Selector::CurrentLibraryIndexes() const
{
    std::vector<int> indexes;
    const QTreeWidgetItem* node = CurrentNode();
    if (!node || !RS232SelectorTree::IsLeaf(*node)) return indexes;
    const QStringList path = RS232SelectorTree::PathOf(*node);
    const auto& database = state_.RS232Libraries.RS232Database;
    for (int i = 0; i < database.Count(); ++i)
        if (RS232SelectorTree::LibraryPath(NamesOfLibrary(database[i]), Order()) == path) indexes.push_back(i);
    return indexes;
}

void RS232Selector::NewKey()
{
    state_.RS232Libraries.WorkRS232Library.Clear();
    ShowSerialLibraryEdit(state_, this);
    BuildTree();
    currentPath_.clear();
}

void RS232Selector::EditKey()
{
    const int index = CurrentLibraryIndex();
    if (index < 0) return;
    SerialClassGlobals& libraries = state_.RS232Libraries;
    libraries.WorkRS232Library.CopyFrom(libraries.RS232Database[index]);
    ShowSerialLibraryEdit(state_, this);
    BuildTree();
    // The editor may have renamed the library; the browser follows it.
    SelectLibraryNode(NamesOfLibrary(libraries.WorkRS232Library));
}

void RS232Selector::CopyLibrary()
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    for (const int index : CurrentLibraryIndexes())
        libraries.RS232LibraryClipboard.CopyFrom(libraries.RS232Database[index]);
}

void RS232Selector::CutLibrary()
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    for (const int index : CurrentLibraryIndexes()) {
        // On the clipboard even when the answer is No.
        libraries.RS232LibraryClipboard.CopyFrom(libraries.RS232Database[index]);
        if (AskSure("cut(delete)", index)) {
            RemoveCurrentLibrary(index);
            return;
        }
    }
}

void RS232Selector::DeleteLibrary()
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
    const RS232FileBlockClass& library = state_.RS232Libraries.RS232Database[index];
    const QString question = "Are you sure you want to " + verb + " " +
                             FromWindows1252(library.ManufacturerField().trimmed()) + " / " +
                             FromWindows1252(library.ModelField().trimmed()) + " / " +
                             FromWindows1252(library.MyTypeField().trimmed()) + "?";
    return state_.Prompts().Message(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None) ==
           PromptAnswer::Yes;
}

// The model before it under the same parent becomes current, when there is one.
void RS232Selector::RemoveCurrentLibrary(int index)
{
    QTreeWidgetItem* node = CurrentNode();
    const QTreeWidgetItem* parent = node->parent();
    const int position = parent->indexOfChild(node);
    const QStringList previous = position > 0 ? RS232SelectorTree::PathOf(*parent->child(position - 1)) : QStringList();
    RemoveLibrary(index);
    if (QTreeWidgetItem* before = RS232SelectorTree::Find(*treeview1, previous)) {
        MarkSelected(before);
        MakeCurrent(before);
    }
}

void RS232Selector::RemoveLibrary(int index)
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    if (libraries.RS232Database.Count() == 1)
        libraries.ClearRS232Database();
    else
        libraries.RS232Database.Remove(index);
    currentPath_.clear();
    BuildTree();
    RefreshToolbar();
}

void RS232Selector::PasteLibrary()
{
    SerialClassGlobals& libraries = state_.RS232Libraries;
    RS232FileBlockClass& clipboard = libraries.RS232LibraryClipboard;
    if (!OnClipboard(clipboard)) return;
    if (!LibraryNodeExists(NamesOfLibrary(clipboard))) {
        libraries.AddRS232Library();
        libraries.RS232Database[libraries.RS232Database.LastIndex()].CopyFrom(clipboard);
    } else {
        ShowRS232NewNameForm(state_, this);
    }
    BuildTree();
    SelectLibraryNode(NamesOfLibrary(clipboard));
}

void ShowRS232Selector(ApplicationState& state, QWidget* parent)
{
    RS232Selector selector(state, parent);
    selector.exec();
}
