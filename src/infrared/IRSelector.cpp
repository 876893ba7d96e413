#include "infrared/IRSelector.h"

#include "controls/ToolbarIcons.h"
#include "infrared/IRDatabaseSaving.h"
#include "infrared/NewIRName2Form.h"
#include "infrared/ShowEditIR.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

LibraryTree::Names TrimmedNames(const IRclass& library)
{
    return {library.ManufacturerField().trimmed(), library.IRtypeField().trimmed(), library.ModelField().trimmed()};
}

}  // namespace

IRSelector::IRSelector(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Infrared Selector");
    Toolbar1 = WithName(new QToolBar, "Toolbar1");
    Toolbar1->setIconSize(QSize(16, 16));
    AddKey("NEW", "Create new library", &IRSelector::NewKey);
    AddKey("COPY", "Copy current library", &IRSelector::CopyKey);
    AddKey("CUT", "Cut current library", &IRSelector::CutKey);
    AddKey("PASTE", "Paste copied library", &IRSelector::PasteKey);
    AddKey("DELETE", "Delete current IR library", &IRSelector::DeleteKey);
    AddKey("EDIT", "Edit current IR library", &IRSelector::EditKey, "EDITPROJECTOR");
    AddKey("EXPORT", "Export current IR Library", &IRSelector::ExportKey);
    AddKey("EXPORTALL", "Export complete IR Library", &IRSelector::ExportAllKey);
    AddKey("IMPORT", "Import IR library", &IRSelector::ImportIRLibrary);
    AddKey("EXIT", "Exit", &IRSelector::accept);

    SortBy_0 = WithName(new QRadioButton("Sort By Manufacturer"), "SortBy_0");
    SortBy_1 = WithName(new QRadioButton("Sort By Type"), "SortBy_1");
    SortBy_0->setChecked(true);
    for (QRadioButton* option : {SortBy_0, SortBy_1})
        connect(option, &QRadioButton::clicked, this, [this] {
            FillTree();
            // The old tree's node is gone; nothing is selected in the new one.
            UpdateToolbar();
        });

    treeview1 = WithName(new QTreeWidget, "treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->viewport()->installEventFilter(this);
    connect(treeview1, &QTreeWidget::itemClicked, this, [this] {
        MakeSelected(treeview1->currentItem());
        UpdateToolbar();
    });
    connect(treeview1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) {
        if (!LibraryTree::IsModelNode(*node, Arrangement())) return;
        MakeSelected(node);
        RunCommand(&IRSelector::EditKey);
    });

    auto* options = new QHBoxLayout;
    options->addWidget(SortBy_0);
    options->addWidget(SortBy_1);
    options->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar1);
    layout->addLayout(options);
    layout->addWidget(treeview1);
    resize(520, 480);

    // A paste is offered only after a copy in this visit of the browser.
    state_.IR.IRClipboard.Manufacturer("");
    state_.IR.IRClipboard.IRtype("");
    state_.IR.IRClipboard.Model("");
    FillTree();
    UpdateToolbar();
}

void IRSelector::AddKey(const char* key, const char* tooltip, void (IRSelector::*command)(), const char* picture)
{
    QAction* button = AddToolbarKey(*Toolbar1, key, tooltip, picture ? picture : "");
    connect(button, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

QAction* IRSelector::Key(const char* key) const
{
    return Toolbar1->findChild<QAction*>(key, Qt::FindDirectChildrenOnly);
}

void IRSelector::RunCommand(void (IRSelector::*command)())
{
    (this->*command)();
    UpdateToolbar();
}

void IRSelector::done(int result)
{
    // However the browser closes, the database reaches the disk; a failure has been told.
    SaveIRDatabaseReporting(state_);
    selectedPath_.clear();
    QDialog::done(result);
}

bool IRSelector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == treeview1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        MakeSelected(treeview1->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        UpdateToolbar();
    }
    return QDialog::eventFilter(watched, event);
}

void IRSelector::UpdateToolbar()
{
    const QTreeWidgetItem* node = SelectedNode();
    Key("EXPORTALL")->setEnabled(state_.IR.IRDatabaseAllocated());
    Key("EXPORT")->setEnabled(node != nullptr);
    const bool model = node && LibraryTree::IsModelNode(*node, Arrangement());
    for (const char* key : {"DELETE", "EDIT", "COPY", "CUT"}) Key(key)->setEnabled(model);
    const IRclass& clipboard = state_.IR.IRClipboard;
    Key("PASTE")->setEnabled(!clipboard.ManufacturerField().isBlank() || !clipboard.IRtypeField().isBlank() ||
                             !clipboard.ModelField().isBlank());
}

LibraryTree::Arrangement IRSelector::Arrangement() const
{
    return SortBy_1->isChecked() ? LibraryTree::Arrangement::ByType : LibraryTree::Arrangement::ByManufacturer;
}

void IRSelector::FillTree()
{
    const DatabaseArray<IRclass>& database = state_.IR.IRDatabase;
    std::vector<LibraryTree::Entry> entries;
    entries.reserve(static_cast<std::size_t>(database.Count()));
    for (int i = 0; i < database.Count(); ++i)
        entries.push_back({TrimmedNames(database[i]), FromWindows1252(database[i].CommentField().trimmed())});
    LibraryTree::Build(*treeview1, Arrangement(), entries);
}

QTreeWidgetItem* IRSelector::SelectedNode() const
{
    return LibraryTree::Find(*treeview1, Arrangement(), selectedPath_);
}

void IRSelector::MakeSelected(QTreeWidgetItem* node)
{
    selectedPath_ = node ? LibraryTree::PathOf(*node) : QStringList();
}

void IRSelector::SelectModelNode(const LibraryTree::Names& names)
{
    QTreeWidgetItem* node = LibraryTree::Find(*treeview1, Arrangement(), LibraryTree::ModelPath(Arrangement(), names));
    MakeSelected(node);
    if (!node) return;
    treeview1->setCurrentItem(node);
    treeview1->scrollToItem(node);
}

int IRSelector::LibraryIndexOf(const QTreeWidgetItem& node) const
{
    if (!LibraryTree::IsModelNode(node, Arrangement())) return -1;
    const LibraryTree::Names names = LibraryTree::NamesOf(node, Arrangement());
    const DatabaseArray<IRclass>& database = state_.IR.IRDatabase;
    for (int i = 0; i < database.Count(); ++i)
        if (TrimmedNames(database[i]) == names) return i;
    return -1;
}

void IRSelector::NewKey()
{
    state_.IR.WorkIRLibrary.Clear();
    ShowEditIR(state_, this);
    FillTree();
    selectedPath_.clear();
}

void IRSelector::EditKey()
{
    const QTreeWidgetItem* node = SelectedNode();
    const int index = node ? LibraryIndexOf(*node) : -1;
    if (index < 0) return;
    IRClassGlobals& ir = state_.IR;
    ir.WorkIRLibrary.CopyFrom(ir.IRDatabase[index]);
    ShowEditIR(state_, this);
    // The editor may have renamed the library: the tree follows it.
    FillTree();
    SelectModelNode(TrimmedNames(ir.WorkIRLibrary));
}

void IRSelector::CopyKey()
{
    const QTreeWidgetItem* node = SelectedNode();
    const int index = node ? LibraryIndexOf(*node) : -1;
    if (index >= 0) state_.IR.IRClipboard.CopyFrom(state_.IR.IRDatabase[index]);
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
    SelectModelNode(TrimmedNames(ir.IRClipboard));
}

void IRSelector::DeleteKey()
{
    QTreeWidgetItem* node = SelectedNode();
    if (!node || !LibraryTree::IsModelNode(*node, Arrangement())) return;
    const LibraryTree::Names names = LibraryTree::NamesOf(*node, Arrangement());
    const DatabaseArray<IRclass>& database = state_.IR.IRDatabase;
    int chosen = -1;
    for (int i = 0; i < database.Count() && chosen < 0; ++i) {
        if (TrimmedNames(database[i]) != names) continue;
        const QString question = "Are you sure you want to delete " + FromWindows1252(names.manufacturer) + " / " +
                                 FromWindows1252(names.type) + " / " + FromWindows1252(names.model) + "?";
        if (state_.Prompts().Message(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None) ==
            PromptAnswer::Yes)
            chosen = i;
    }
    if (chosen < 0) return;

    QTreeWidgetItem* parent = node->parent();
    const int position = parent->indexOfChild(node);
    const QStringList previousPath = position > 0 ? LibraryTree::PathOf(*parent->child(position - 1)) : QStringList();
    RemoveNode(node);
    RemoveLibrary(chosen);
    QTreeWidgetItem* current = treeview1->currentItem();
    MakeSelected(current && current->parent() ? current : nullptr);
    if (!previousPath.isEmpty()) {
        QTreeWidgetItem* previous = LibraryTree::Find(*treeview1, Arrangement(), previousPath);
        treeview1->setCurrentItem(previous);
        MakeSelected(previous);
    }
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
    if (ir.IRDatabase.Count() == 1)
        ir.ClearIRDatabase();
    else
        ir.IRDatabase.Remove(index);
}

void ShowIRSelector(ApplicationState& state, QWidget* parent)
{
    IRSelector selector(state, parent);
    selector.exec();
}
