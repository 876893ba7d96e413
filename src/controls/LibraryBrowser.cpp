#include "controls/LibraryBrowser.h"

#include "controls/ToolbarIcons.h"
#include "platform/ObjectName.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <numeric>

LibraryBrowser::LibraryBrowser(UserPrompts& prompts, LibraryBrowserTexts texts, Sorting sorting, QWidget* parent)
    : QDialog(parent), prompts_(prompts), texts_(std::move(texts))
{
    setWindowTitle(texts_.title);
    Toolbar1 = WithName(new QToolBar, "Toolbar1");
    Toolbar1->setIconSize(QSize(16, 16));
    const std::array<QString, 9>& tips = texts_.keyTips;
    AddKey("NEW", tips[0], &LibraryBrowser::NewKey);
    AddKey("COPY", tips[1], &LibraryBrowser::CopyKey);
    AddKey("CUT", tips[2], &LibraryBrowser::CutKey);
    AddKey("PASTE", tips[3], &LibraryBrowser::PasteKey);
    AddKey("DELETE", tips[4], &LibraryBrowser::DeleteKey);
    AddKey("EDIT", tips[5], &LibraryBrowser::EditKey, "EDITPROJECTOR");
    AddKey("EXPORT", tips[6], &LibraryBrowser::ExportKey);
    AddKey("EXPORTALL", tips[7], &LibraryBrowser::ExportAllKey);
    AddKey("IMPORT", tips[8], &LibraryBrowser::ImportKey);
    AddKey("EXIT", "Exit", &LibraryBrowser::accept);

    treeview1 = WithName(new QTreeWidget, "treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->viewport()->installEventFilter(this);
    connect(treeview1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        MakeCurrent(node);
        RefreshToolbar();
    });
    connect(treeview1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) {
        if (!IsModel(*node)) return;
        MakeCurrent(node);
        RunCommand(&LibraryBrowser::EditKey);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar1);
    if (sorting == Sorting::ByManufacturerOrType) AddSortOptions(*layout);
    layout->addWidget(treeview1);
    // Wide enough for every key, pictured or not.
    resize(640, 480);
}

void LibraryBrowser::AddKey(const char* key, const QString& tooltip, void (LibraryBrowser::*command)(),
                            const char* picture)
{
    QAction* button = AddToolbarKey(*Toolbar1, key, tooltip, picture ? QString(picture) : QString());
    connect(button, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

void LibraryBrowser::AddSortOptions(QVBoxLayout& layout)
{
    SortBy[0] = WithName(new QRadioButton("Sort By Manufacturer"), "SortBy", 0);
    SortBy[1] = WithName(new QRadioButton("Sort By Type"), "SortBy", 1);
    SortBy[0]->setChecked(true);
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
    (this->*command)();
    RefreshToolbar();
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
    return QDialog::eventFilter(watched, event);
}

void LibraryBrowser::RefreshToolbar()
{
    const QTreeWidgetItem* node = CurrentNode();
    if (!node) currentPath_.clear();
    const bool model = node && IsModel(*node);
    for (const char* key : {"COPY", "CUT", "DELETE", "EDIT"}) Key(key)->setEnabled(model);
    Key("EXPORT")->setEnabled(node != nullptr);
    Key("EXPORTALL")->setEnabled(EntryCount() > 0);
    Key("PASTE")->setEnabled(ClipboardHolds());
}

QAction* LibraryBrowser::Key(const char* key) const
{
    return Toolbar1->findChild<QAction*>(key, Qt::FindDirectChildrenOnly);
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
    std::vector<int> indices(static_cast<std::size_t>(EntryCount()));
    std::iota(indices.begin(), indices.end(), 0);
    Export(indices);
}

void LibraryBrowser::Export(const std::vector<int>& indices)
{
    if (indices.empty()) return;
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
