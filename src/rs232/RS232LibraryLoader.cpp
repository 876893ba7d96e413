#include "rs232/RS232LibraryLoader.h"

#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "model/WorkSerialHandOff.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"
#include "rs232/RS232LoaderEquipmentTree.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

namespace {

constexpr int LibraryIndexRole = Qt::UserRole + 1;
constexpr int CommandRole = Qt::UserRole;
constexpr int MostNotesCharacters = 256;
// Pixel equivalents of the 100 twip marks of the command list.
constexpr int ListRowTestX = 7;
constexpr int ListTopZoneHeight = 7;

int Depth(const QTreeWidgetItem* node)
{
    int depth = 0;
    for (const QTreeWidgetItem* up = node->parent(); up != nullptr; up = up->parent()) ++depth;
    return depth;
}

// The fixed fields' padding is not shown.
QString Shown(std::string_view field)
{
    const auto end = field.find_last_not_of(' ');
    return FromWindows1252(field.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

// A library leaf, bold when it has a named command.
bool HasNamedCommands(const QTreeWidgetItem* node)
{
    return node != nullptr && Depth(node) == 2 && node->font(0).bold();
}

QTreeWidgetItem* NewNode(std::string_view text)
{
    return new QTreeWidgetItem(QStringList{Shown(text)});
}

}  // namespace

RS232LibraryLoader::RS232LibraryLoader(ApplicationState& state, QWidget* parent)
    : QDialog(parent), state_(state), work_(*state.Messages.WorkSerial)
{
    setWindowTitle("RS232 Library command loader");
    BuildControls();
    // The dialog shows at once; the tree is built a moment later.
    Timer1->start();
}

void RS232LibraryLoader::BuildControls()
{
    auto* equipment = WithName(new QGroupBox("Equipment"), "EquipmentFrame");
    treeview1 = new RS232LoaderEquipmentTree;
    treeview1->setMinimumSize(220, 300);
    (new QVBoxLayout(equipment))->addWidget(treeview1);

    auto* commands = WithName(new QGroupBox("Commands"), "CommandsFrame");
    commandTreeView = WithName(new QTreeWidget, "commandTreeView");
    commandTreeView->setHeaderHidden(true);
    commandTreeView->setRootIsDecorated(false);
    commandTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    commandTreeView->setMouseTracking(true);
    commandTreeView->viewport()->setMouseTracking(true);
    commandTreeView->viewport()->installEventFilter(this);
    commandTreeView->setMinimumWidth(160);
    (new QVBoxLayout(commands))->addWidget(commandTreeView);

    auto* description = WithName(new QGroupBox("Description"), "DescriptionFrame");
    Notes = WithName(new QLabel, "Notes");
    Notes->setFrameShape(QFrame::Box);
    Notes->setMinimumHeight(3 * Notes->fontMetrics().lineSpacing() + 6);
    Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NotesText = WithName(new QPlainTextEdit, "NotesText");
    NotesText->setReadOnly(true);
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionLayout->addWidget(Notes);
    descriptionLayout->addWidget(NotesText);

    SortBy[0] = WithName(new QRadioButton("Sort By Manufacturer"), "SortBy", 0);
    SortBy[1] = WithName(new QRadioButton("Sort By Type"), "SortBy", 1);
    SortBy[0]->setChecked(true);
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Cancel->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(description, 1);
    side->addWidget(SortBy[0]);
    side->addWidget(SortBy[1]);
    side->addWidget(Cancel, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(equipment, 1);
    layout->addWidget(commands, 1);
    layout->addLayout(side, 1);

    Timer1 = WithName(new QTimer(this), "Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(TreeBuildDelay);

    connect(Timer1, &QTimer::timeout, this, &RS232LibraryLoader::Timer1Tick);
    connect(treeview1, &RS232LoaderEquipmentTree::Hovered, this, &RS232LibraryLoader::HoverEquipment);
    connect(treeview1, &QTreeWidget::itemClicked, this, &RS232LibraryLoader::EquipmentClicked);
    connect(treeview1, &RS232LoaderEquipmentTree::Chosen, this, &RS232LibraryLoader::EquipmentChosen);
    connect(commandTreeView, &QTreeWidget::itemClicked, this, &RS232LibraryLoader::Pick);
    connect(commandTreeView, &QTreeWidget::itemActivated, this, &RS232LibraryLoader::Pick);
    for (QRadioButton* option : SortBy)
        connect(option, &QRadioButton::clicked, this, &RS232LibraryLoader::BuildEquipmentTree);
    connect(Cancel, &QPushButton::clicked, this, &RS232LibraryLoader::CancelClicked);
}

LoaderSortOrder RS232LibraryLoader::Order() const
{
    return SortBy[1]->isChecked() ? LoaderSortOrder::ByType : LoaderSortOrder::ByManufacturer;
}

void RS232LibraryLoader::Timer1Tick()
{
    BuildEquipmentTree();
    TargetCanBeInput = work_.CanBeInput();
    // The keys work at once, from the first row down (a preselected command
    // takes the focus to its list).
    treeview1->setCurrentItem(nullptr);
    treeview1->setFocus();
    PreselectMessageLibrary();
}

void RS232LibraryLoader::PreselectMessageLibrary()
{
    std::string manufacturer = work_.Manufacturer();
    std::string type = work_.MyType();
    std::string model = work_.Model();
    const int index = state_.RS232Libraries.FindRS232Library(manufacturer, type, model);
    if (index < 0) return;
    QTreeWidgetItem* leaf = LeafNode(TreeKeysOf(state_.RS232Libraries.RS232Database()[index], Order()));
    if (leaf == nullptr) return;
    treeview1->setUpdatesEnabled(false);
    treeview1->expandAll();
    treeview1->scrollToItem(leaf);
    treeview1->setCurrentItem(leaf);
    treeview1->setUpdatesEnabled(true);
    ListLibraryCommands(index);

    const QString command = FromWindows1252(TrimmedUpper(work_.Command()));
    for (int i = 0; i < commandTreeView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = commandTreeView->topLevelItem(i);
        if (node->text(0) != command) continue;
        commandTreeView->setFocus();
        commandTreeView->scrollToItem(node);
        commandTreeView->setCurrentItem(node);
    }
}

// Of libraries with the same names, the first in the tree stands for them all.
QTreeWidgetItem* RS232LibraryLoader::LeafNode(const LoaderTreeKeys& keys) const
{
    const auto group = nodes_.find(keys.level2);
    if (group == nodes_.end()) return nullptr;
    const auto& database = state_.RS232Libraries.RS232Database();
    for (int i = 0; i < group->second->childCount(); ++i) {
        QTreeWidgetItem* leaf = group->second->child(i);
        const RS232FileBlockClass& library = database[leaf->data(0, LibraryIndexRole).toInt()];
        if (library.ModelField().trimmed() == keys.leaf.back()) return leaf;
    }
    return nullptr;
}

void RS232LibraryLoader::SortLibrariesForTree()
{
    auto& database = state_.RS232Libraries.RS232Database();
    // The listed commands stay, so their library is followed to its new place.
    const RS232FileBlockClass* listed = CurrentLibraryIndex >= 0 ? &database[CurrentLibraryIndex] : nullptr;
    ::SortLibrariesForTree(database, Order());
    for (int i = 0; listed != nullptr && i < database.Count(); ++i)
        if (&database[i] == listed) CurrentLibraryIndex = i;
}

QTreeWidgetItem* RS232LibraryLoader::GroupNode(LoaderTreePath key, std::string_view text, QTreeWidgetItem* parent,
                                               QList<QTreeWidgetItem*>& roots)
{
    auto [place, added] = nodes_.try_emplace(std::move(key), nullptr);
    if (!added) return place->second;
    place->second = NewNode(text);
    if (parent == nullptr)
        roots.append(place->second);
    else
        parent->addChild(place->second);
    return place->second;
}

void RS232LibraryLoader::BuildEquipmentTree()
{
    SortLibrariesForTree();
    treeview1->clear();
    nodes_.clear();
    treeview1->ResetColumn();
    const auto& database = state_.RS232Libraries.RS232Database();
    QFont bold = treeview1->font();
    bold.setBold(true);
    // The nodes are built apart and handed to the tree at once: a tree on
    // screen lays out its rows again for every root added to it.
    QList<QTreeWidgetItem*> roots;
    // Sorted libraries come in runs of equal names, so a group is looked up
    // only where a run starts; names equal once trimmed of leading spaces
    // may still start a later run, which finds the group already made.
    QTreeWidgetItem* first = nullptr;
    QTreeWidgetItem* second = nullptr;
    std::string_view firstName;
    std::string_view secondName;
    for (int i = 0; i < database.Count(); ++i) {
        const RS232FileBlockClass& library = database[i];
        const LoaderGroupFields groups = GroupFieldsOf(library, Order());
        const std::string_view firstTrimmed =
            FixedText<RS232FileBlockClass::NameLength>::TrimmedView(groups.first.view());
        const std::string_view secondTrimmed =
            FixedText<RS232FileBlockClass::NameLength>::TrimmedView(groups.second.view());
        if (first == nullptr || firstTrimmed != firstName) {
            first = GroupNode({std::string(firstTrimmed)}, groups.first.view(), nullptr, roots);
            firstName = firstTrimmed;
            second = nullptr;
        }
        if (second == nullptr || secondTrimmed != secondName) {
            second =
                GroupNode({std::string(firstTrimmed), std::string(secondTrimmed)}, groups.second.view(), first, roots);
            secondName = secondTrimmed;
        }
        QTreeWidgetItem* leaf = NewNode(library.ModelField().view());
        leaf->setData(0, LibraryIndexRole, i);
        if (CountNamedCommands(library) > 0) leaf->setFont(0, bold);
        second->addChild(leaf);
    }
    treeview1->addTopLevelItems(roots);
}

void RS232LibraryLoader::ClearCommandList()
{
    commandTreeView->clear();
    CurrentLibraryIndex = -1;
}

void RS232LibraryLoader::ListLibraryCommands(int index)
{
    if (index == CurrentLibraryIndex) return;
    ClearCommandList();
    CurrentLibraryIndex = index;
    const RS232FileBlockClass& library = state_.RS232Libraries.RS232Database()[index];
    for (int command : CommandsToList(library, TargetCanBeInput)) {
        auto* node = new QTreeWidgetItem(QStringList{FromWindows1252(TrimmedUpper(library.Command(command)))});
        node->setData(0, CommandRole, command);
        commandTreeView->addTopLevelItem(node);
    }
}

void RS232LibraryLoader::HoverEquipment(QTreeWidgetItem* node)
{
    const bool byType = Order() == LoaderSortOrder::ByType;
    const int depth = Depth(node);
    if (depth == 0) {
        Notes->setText((byType ? "Type = " : "Manufacturer = ") + node->text(0));
        return;
    }
    QTreeWidgetItem* second = depth == 1 ? node : node->parent();
    QTreeWidgetItem* first = second->parent();
    const QString manufacturer = byType ? second->text(0) : first->text(0);
    const QString type = byType ? first->text(0) : second->text(0);
    const QString names = "Manufacturer = " + manufacturer + "\nType = " + type;
    if (depth == 1) {
        Notes->setText(names);
        NotesText->clear();
        ClearCommandList();
        return;
    }
    Notes->setText(names + "\nModel = " + node->text(0));
    // The notes are read from the library when shown, not kept in every leaf.
    const int index = node->data(0, LibraryIndexRole).toInt();
    NotesText->setPlainText(Shown(state_.RS232Libraries.RS232Database()[index].Notes()).left(MostNotesCharacters));
    ListLibraryCommands(index);
    if (!byType) treeview1->setFocus();
}

void RS232LibraryLoader::EquipmentClicked(QTreeWidgetItem* node)
{
    if (HasNamedCommands(node)) commandTreeView->setFocus();
}

// Return on a library goes on to its commands with the first one highlighted,
// so that the keys alone can pick one.
void RS232LibraryLoader::EquipmentChosen(QTreeWidgetItem* node)
{
    if (!HasNamedCommands(node)) return;
    commandTreeView->setFocus();
    if (commandTreeView->currentItem() == nullptr) commandTreeView->setCurrentItem(commandTreeView->topLevelItem(0));
}

bool RS232LibraryLoader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == commandTreeView->viewport() && event->type() == QEvent::MouseMove)
        HoverCommands(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QDialog::eventFilter(watched, event);
}

void RS232LibraryLoader::HoverCommands(QPoint at)
{
    if (commandTreeView->topLevelItemCount() == 0) return;
    commandTreeView->setFocus();
    QTreeWidgetItem* node = commandTreeView->itemAt(QPoint(ListRowTestX, at.y()));
    if (node == nullptr) return;
    // Near the top the list scrolls up a line, and the pointer stays on the
    // node that was under it.
    QTreeWidgetItem* above = commandTreeView->itemAbove(node);
    if (at.y() <= ListTopZoneHeight && above != nullptr) commandTreeView->scrollToItem(above);
    commandTreeView->setCurrentItem(node);
}

void RS232LibraryLoader::Pick(QTreeWidgetItem* node)
{
    if (node == nullptr || CurrentLibraryIndex < 0) return;
    const RS232FileBlockClass& library = state_.RS232Libraries.RS232Database()[CurrentLibraryIndex];
    const int command = node->data(0, CommandRole).toInt();
    work_.Baudrate(library.Baudrate());
    work_.Parity(library.Parity());
    work_.InterByteDelay(library.InterByteDelay());
    work_.Command(library.Command(command));
    // The message's index is 16-bit: a place beyond it is none rather than another's.
    work_.ConfigIndex(CurrentLibraryIndex <= std::numeric_limits<int16_t>::max()
                          ? static_cast<int16_t>(CurrentLibraryIndex)
                          : int16_t{-1});
    work_.IsFromLibrary(true);
    work_.Manufacturer(library.Manufacturer());
    work_.Model(library.Model());
    work_.MyType(library.MyType());
    work_.MyRS232StringClass().CopyFromThisRS232StringClass(library.My_RS232_String_Class(command));
    work_.VolumeExtension(nullptr);
    accept();
}

// Cancel takes nothing: the message keeps what it had, as when the window is closed.
void RS232LibraryLoader::CancelClicked()
{
    reject();
}

bool ShowRS232LibraryLoader(ApplicationState& state, SerialClass& message, QWidget* parent)
{
    const WorkSerialHandOff handOff(state.Messages, message);
    RS232LibraryLoader dialog(state, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool RS232LibraryLoaderLauncher::ShowRS232LibraryLoader(QWidget* owner, ApplicationState& state, SerialClass& message)
{
    return ::ShowRS232LibraryLoader(state, message, owner);
}
