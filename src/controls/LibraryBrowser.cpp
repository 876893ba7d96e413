#include "controls/LibraryBrowser.h"

#include "controls/CommandErrors.h"

#include "controls/ToolbarIcons.h"
#include "platform/ObjectName.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <numeric>

namespace {

const char* KeyName(BrowserKey key)
{
    switch (key) {
    case BrowserKey::NEW: return "NEW";
    case BrowserKey::COPY: return "COPY";
    case BrowserKey::CUT: return "CUT";
    case BrowserKey::PASTE: return "PASTE";
    case BrowserKey::DELETE: return "DELETE";
    case BrowserKey::EDIT: return "EDIT";
    case BrowserKey::EXPORT: return "EXPORT";
    case BrowserKey::EXPORTALL: return "EXPORTALL";
    case BrowserKey::IMPORT: return "IMPORT";
    case BrowserKey::EXIT: break;
    }
    return "EXIT";
}

// A key's keyboard keys, the first being the one its menu entry shows. The
// browser holds no text box, so the editing keys are free for the commands.
QList<QKeySequence> KeyboardKeys(BrowserKey key)
{
    switch (key) {
    case BrowserKey::NEW: return {Qt::Key_Insert, Qt::CTRL | Qt::Key_N};
    case BrowserKey::COPY: return {Qt::CTRL | Qt::Key_C};
    case BrowserKey::CUT: return {Qt::CTRL | Qt::Key_X};
    case BrowserKey::PASTE: return {Qt::CTRL | Qt::Key_V};
    case BrowserKey::DELETE: return {Qt::Key_Delete};
    // Keypad Enter matches Key_Enter whatever its keypad flag.
    case BrowserKey::EDIT: return {Qt::Key_Return, Qt::Key_F2, Qt::Key_Enter};
    case BrowserKey::EXPORT: return {Qt::CTRL | Qt::Key_E};
    case BrowserKey::EXPORTALL: return {Qt::CTRL | Qt::SHIFT | Qt::Key_E};
    case BrowserKey::IMPORT: return {Qt::CTRL | Qt::Key_I};
    case BrowserKey::EXIT: break;
    }
    return {Qt::Key_Escape};
}

}  // namespace

LibraryBrowser::LibraryBrowser(UserPrompts& prompts, LibraryBrowserTexts texts, Sorting sorting, QWidget* parent)
    : QDialog(parent), prompts_(prompts), texts_(std::move(texts))
{
    setWindowTitle(texts_.title);
    Toolbar1 = WithName(new QToolBar, "Toolbar1");
    Toolbar1->setIconSize(QSize(16, 16));
    const LibraryBrowserKeyTips& tips = texts_.keyTips;
    AddKey(BrowserKey::NEW, tips.NEW, &LibraryBrowser::NewKey);
    AddKey(BrowserKey::COPY, tips.COPY, &LibraryBrowser::CopyKey);
    AddKey(BrowserKey::CUT, tips.CUT, &LibraryBrowser::CutKey);
    AddKey(BrowserKey::PASTE, tips.PASTE, &LibraryBrowser::PasteKey);
    AddKey(BrowserKey::DELETE, tips.DELETE, &LibraryBrowser::DeleteKey);
    AddKey(BrowserKey::EDIT, tips.EDIT, &LibraryBrowser::EditKey, "EDITPROJECTOR");
    AddKey(BrowserKey::EXPORT, tips.EXPORT, &LibraryBrowser::ExportKey);
    AddKey(BrowserKey::EXPORTALL, tips.EXPORTALL, &LibraryBrowser::ExportAllKey);
    AddKey(BrowserKey::IMPORT, tips.IMPORT, &LibraryBrowser::ImportKey);
    // Closed as Escape closes any dialog; the database is saved however the browser closes.
    AddKey(BrowserKey::EXIT, "Exit", &LibraryBrowser::reject);

    treeview1 = WithName(new QTreeWidget, "treeview1");
    treeview1->setHeaderHidden(true);
    WatchTreeChanges();
    treeview1->installEventFilter(this);
    treeview1->viewport()->installEventFilter(this);
    connect(treeview1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        MakeCurrent(node);
        RefreshToolbar();
    });
    connect(treeview1, &QTreeWidget::itemSelectionChanged, this, &LibraryBrowser::HighlightMoved);
    connect(treeview1, &QTreeWidget::itemDoubleClicked, this, &LibraryBrowser::EditModel);
    connect(treeview1, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* node) { LibraryTree::Unfold(*node); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar1);
    if (sorting == Sorting::ByManufacturerOrType) AddSortOptions(*layout);
    layout->addWidget(treeview1);

    auto* menuKeys = WithName(new QShortcut(this), "MenuKeys");
    menuKeys->setKeys({Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10});
    connect(menuKeys, &QShortcut::activated, this, [this] { ShowCommandMenu(CurrentNodeMenuPlace()); });
}

LibraryBrowser::~LibraryBrowser()
{
    // The tree goes after the browser's members, clearing its nodes as it goes.
    disconnect(treeview1->model(), nullptr, this, nullptr);
}

void LibraryBrowser::PrepareOpening()
{
    EmptyClipboard();
    if (SortBy[0]) SortBy[0]->setChecked(true);
    currentPath_.clear();
    FillTreeUnlessShown(TreeNames());
    ShowTreeFromTop();
    RefreshToolbar();
    setWindowState(Qt::WindowNoState);
    resize(openingSize_);
    // The arrow keys move through the tree from the start, never re-sort it.
    treeview1->setFocus();
    shownSincePrepared_ = false;
}

void LibraryBrowser::ShowModal()
{
    if (shownSincePrepared_) PrepareOpening();
    exec();
}

void LibraryBrowser::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) shownSincePrepared_ = true;
    QDialog::showEvent(event);
}

void LibraryBrowser::WatchTreeChanges()
{
    const auto changed = [this] {
        if (!filling_) treeNames_.reset();
    };
    const QAbstractItemModel* nodes = treeview1->model();
    // A group making its nodes as it unfolds leaves the tree what its fill made.
    connect(nodes, &QAbstractItemModel::rowsInserted, this, [this, changed](const QModelIndex& parent) {
        const QTreeWidgetItem* group = treeview1->itemFromIndex(parent);
        if (!group || !LibraryTree::Unfolding(*group)) changed();
    });
    connect(nodes, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(nodes, &QAbstractItemModel::rowsMoved, this, changed);
    connect(nodes, &QAbstractItemModel::layoutChanged, this, changed);
    connect(nodes, &QAbstractItemModel::modelReset, this, changed);
}

void LibraryBrowser::FillTree()
{
    treeNames_.reset();
    FillTreeUnlessShown(TreeNames());
}

void LibraryBrowser::FillTreeUnlessShown(std::string names)
{
    if (treeNames_ == names) return;
    {
        const QScopedValueRollback<bool> filling(filling_, true);
        BuildTree();
    }
    treeNames_ = std::move(names);
}

void LibraryBrowser::ShowTreeFromTop()
{
    // As a fill leaves the view: every node collapsed, nothing selected, no cursor.
    treeview1->reset();
    treeview1->scrollToTop();
    treeview1->horizontalScrollBar()->setValue(0);
}

void LibraryBrowser::AddKey(BrowserKey key, const KeyTip& tip, void (LibraryBrowser::*command)(), const char* picture)
{
    QAction* button = AddToolbarKey(*Toolbar1, KeyName(key), tip.text, picture ? QString(picture) : QString());
    // The button and its keyboard keys are one action: the keys work exactly
    // when the button does. The browser is a window of its own, so they work
    // wherever the focus is in it, and not while its menu or a dialog it
    // opened is up. The menu names the command as the tooltip does.
    button->setShortcuts(KeyboardKeys(key));
    button->setShortcutVisibleInContextMenu(true);
    button->setText(tip.text);
    button->setIconText(KeyName(key));
    connect(button, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

void LibraryBrowser::AddSortOptions(QVBoxLayout& layout)
{
    SortBy[0] = WithName(new QRadioButton("Sort By Manufacturer"), "SortBy", 0);
    SortBy[1] = WithName(new QRadioButton("Sort By Type"), "SortBy", 1);
    auto* row = new QHBoxLayout;
    for (QRadioButton* option : SortBy) {
        row->addWidget(option);
        // The old tree's nodes are gone; nothing is current in the new one.
        connect(option, &QRadioButton::clicked, this, [this] {
            currentPath_.clear();
            FillTree();
            RefreshToolbar();
        });
    }
    row->addStretch();
    layout.addLayout(row);
}

void LibraryBrowser::RunCommand(void (LibraryBrowser::*command)())
{
    // A run-time error ends the command, not the editor: the user is told.
    RunCommandReportingErrors(prompts_, [this, command] { (this->*command)(); });
    RefreshToolbar();
    // An editor that closes right after a message box of its own can leave
    // no window active under a window manager: the keys come back here.
    if (isVisible() && !isActiveWindow()) activateWindow();
}

void LibraryBrowser::done(int result)
{
    // However the browser closes, the database reaches the disk; a failure has been told.
    SaveDatabase();
    currentPath_.clear();
    QDialog::done(result);
}

bool LibraryBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == treeview1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        MakeCurrent(treeview1->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        RefreshToolbar();
    }
    // With no cursor the view takes every move to the first node; End goes to the last.
    if (watched == treeview1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_End && !treeview1->currentIndex().isValid()) {
        if (QTreeWidgetItem* last = LastShownNode()) SelectNode(last);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QTreeWidgetItem* LibraryBrowser::LastShownNode() const
{
    QTreeWidgetItem* node = treeview1->topLevelItem(treeview1->topLevelItemCount() - 1);
    while (node && node->isExpanded() && node->childCount() > 0) node = node->child(node->childCount() - 1);
    return node;
}

void LibraryBrowser::contextMenuEvent(QContextMenuEvent* event)
{
    // A keyboard's menu key may come as this event as well as the key: the
    // open menu takes the key, so one menu opens.
    ShowCommandMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : CurrentNodeMenuPlace());
}

void LibraryBrowser::ShowCommandMenu(const QPoint& place)
{
    QMenu menu(this);
    menu.setObjectName("CommandMenu");
    menu.addActions(Toolbar1->actions());
    menu.insertSeparator(Key(BrowserKey::EXIT));
    menu.exec(place);
}

QPoint LibraryBrowser::CurrentNodeMenuPlace() const
{
    const QWidget* view = treeview1->viewport();
    if (const QTreeWidgetItem* node = CurrentNode()) {
        const QRect shown = treeview1->visualItemRect(node);
        if (view->rect().intersects(shown)) return view->mapToGlobal(shown.bottomLeft());
    }
    return view->mapToGlobal(QPoint(0, 0));
}

void LibraryBrowser::EditModel(QTreeWidgetItem* node)
{
    if (!IsModel(*node)) return;
    MakeCurrent(node);
    RunCommand(&LibraryBrowser::EditKey);
}

void LibraryBrowser::HighlightMoved()
{
    const QList<QTreeWidgetItem*> highlighted = treeview1->selectedItems();
    // A tree being rebuilt has nothing highlighted; its current node is found again by its path.
    if (highlighted.isEmpty()) return;
    MakeCurrent(highlighted.front());
    RefreshToolbar();
}

void LibraryBrowser::HighlightCurrentNode()
{
    QTreeWidgetItem* node = CurrentNode();
    const QSignalBlocker settled(treeview1);
    if (!node) {
        // No cursor either. The view would keep one unhighlighted, or put
        // one on the first node as the focus comes in, and the first Down
        // would then pass that node by.
        treeview1->setCurrentItem(nullptr);
        return;
    }
    if (treeview1->currentItem() != node || treeview1->selectedItems() != QList<QTreeWidgetItem*>{node})
        treeview1->setCurrentItem(node);
}

void LibraryBrowser::RefreshToolbar()
{
    const QTreeWidgetItem* node = CurrentNode();
    if (!node) currentPath_.clear();
    HighlightCurrentNode();
    const bool model = node && IsModel(*node);
    for (const BrowserKey key : {BrowserKey::COPY, BrowserKey::CUT, BrowserKey::DELETE, BrowserKey::EDIT})
        Key(key)->setEnabled(model);
    Key(BrowserKey::EXPORT)->setEnabled(node != nullptr);
    Key(BrowserKey::EXPORTALL)->setEnabled(EntryCount() > 0);
    Key(BrowserKey::PASTE)->setEnabled(ClipboardHolds());
}

QAction* LibraryBrowser::Key(BrowserKey key) const
{
    return Toolbar1->findChild<QAction*>(KeyName(key), Qt::FindDirectChildrenOnly);
}

LibraryTree::Arrangement LibraryBrowser::Arrangement() const
{
    if (!SortBy[1]) return LibraryTree::Arrangement::ManufacturerAndModel;
    return SortBy[1]->isChecked() ? LibraryTree::Arrangement::ByType : LibraryTree::Arrangement::ByManufacturer;
}

bool LibraryBrowser::IsModel(const QTreeWidgetItem& node) const
{
    return LibraryTree::IsModelNode(node, Arrangement());
}

std::vector<LibraryTree::Names> LibraryBrowser::NamesOfModels(const std::vector<QTreeWidgetItem*>& models) const
{
    std::vector<LibraryTree::Names> names;
    names.reserve(models.size());
    for (const QTreeWidgetItem* model : models) names.push_back(LibraryTree::NamesOf(*model, Arrangement()));
    return names;
}

QTreeWidgetItem* LibraryBrowser::CurrentNode() const
{
    return LibraryTree::Find(*treeview1, Arrangement(), currentPath_);
}

void LibraryBrowser::MakeCurrent(QTreeWidgetItem* node)
{
    currentPath_ = node ? LibraryTree::PathOf(*node) : QStringList();
}

void LibraryBrowser::SelectNode(QTreeWidgetItem* node)
{
    treeview1->setCurrentItem(node);
    treeview1->scrollToItem(node);
    MakeCurrent(node);
}

void LibraryBrowser::SelectModel(const LibraryTree::Names& names)
{
    if (QTreeWidgetItem* node =
            LibraryTree::Find(*treeview1, Arrangement(), LibraryTree::ModelPath(Arrangement(), names)))
        SelectNode(node);
}

void LibraryBrowser::RemoveCurrentModel(const std::function<void()>& remove)
{
    QTreeWidgetItem* node = CurrentNode();
    const QTreeWidgetItem* parent = node->parent();
    const int position = parent->indexOfChild(node);
    const QStringList previous = position > 0 ? LibraryTree::PathOf(*parent->child(position - 1)) : QStringList();
    remove();
    if (QTreeWidgetItem* before = LibraryTree::Find(*treeview1, Arrangement(), previous)) SelectNode(before);
}

void LibraryBrowser::ExportAllKey()
{
    std::vector<int> indices(static_cast<std::size_t>(ExportAllCount()));
    std::iota(indices.begin(), indices.end(), 0);
    Export(indices);
}

void LibraryBrowser::Export(const std::vector<int>& indices)
{
    if (indices.empty() || !AnythingToExport(indices)) return;
    const ExportTexts texts{texts_.exportTitle, texts_.exchangeFilter, texts_.exported, texts_.exportFailed};
    ExportToChosenFile(prompts_, texts, [&](const std::filesystem::path& target) { WriteExportFile(indices, target); });
}

void LibraryBrowser::ImportKey()
{
    const std::optional<std::filesystem::path> chosen =
        ChooseImportFile(prompts_, texts_.importTitle, texts_.exchangeFilter);
    // What was taken before any failure stays in the database.
    const bool complete =
        chosen && ImportExchangeFile(prompts_, texts_.importDamaged, [&] { return ReadImportFile(*chosen); });
    Imported(chosen.has_value(), complete);
}
