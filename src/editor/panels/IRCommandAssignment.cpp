#include "editor/panels/IRCommandAssignment.h"

#include "controls/TabOrder.h"
#include "editor/pickers/CommandTree.h"
#include "editor/pickers/PickerLabel.h"
#include "model/Configuration.h"
#include "model/IRClassGlobals.h"
#include "model/RuntimeErrors.h"
#include "platform/Windows1252.h"

#include <QLabel>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int DeselectSlots = 100;

struct BoxPlace {
    int x;
    int y;
    int width;
};

// Select boxes by index; each deselect box stands one row below its select box.
constexpr std::array<BoxPlace, IRCommandAssignment::Boxes> SelectBoxPlaces{
    {{224, 48, 169}, {224, 8, 169}, {224, 88, 169}, {552, 48, 177}, {552, 8, 177}, {552, 88, 177}, {16, 64, 177}}};
constexpr int DeselectRowOffset = 16;
constexpr int DeselectRowOffsetOfLast = 40;  // index 6 stands under its own captions
constexpr int BoxHeight = 17;

// A caption of a stored name: names not taken from the library are marked.
QString BoxCaption(const FixedText<16>& name, bool assigned)
{
    if (assigned) return FromWindows1252(name.view());
    if (name.isBlank()) return QString();
    return "Not Library:" + FromWindows1252(name.view());
}

PickerLabel* NewBox(QWidget* parent, const QString& name, int k, BoxPlace place)
{
    auto* box = new PickerLabel(parent);
    box->setObjectName(name + "_" + QString::number(k));
    box->setGeometry(place.x, place.y, place.width, BoxHeight);
    // A thin edge keeps each select box apart from the deselect box under it.
    box->setStyleSheet("background-color: white; color: black; border: 1px solid gray;");
    return box;
}

}  // namespace

IRCommandAssignment::IRCommandAssignment(Configuration& config, const IRClassGlobals& ir,
                                         const PointerPosition& pointer, QWidget* parent)
    : QFrame(parent),
      config_(config),
      ir_(ir),
      WhichIRLabel(new QLabel("IR Out 1", this)),
      IRcommandTreeView(new CommandTree(pointer, this))
{
    setObjectName("IRCommandFrame");
    setFrameShape(QFrame::Box);
    setFixedSize(737, 129);
    WhichIRLabel->setObjectName("WhichIRLabel");
    WhichIRLabel->setGeometry(8, 8, 97, 33);
    auto* selectCaption = new QLabel("Sent on input select", this);
    selectCaption->setGeometry(16, 48, 137, BoxHeight);
    auto* deselectCaption = new QLabel("Sent on input deselect", this);
    deselectCaption->setGeometry(16, 88, 137, BoxHeight);
    for (int k = 0; k < Boxes; ++k) {
        BoxPlace place = SelectBoxPlaces[static_cast<std::size_t>(k)];
        PickerLabel* select = NewBox(this, "UnShiftedIRLabel", k, place);
        place.y += k == Boxes - 1 ? DeselectRowOffsetOfLast : DeselectRowOffset;
        PickerLabel* deselect = NewBox(this, "ShiftedIRLabel", k, place);
        UnShiftedIRLabel[static_cast<std::size_t>(k)] = select;
        ShiftedIRLabel[static_cast<std::size_t>(k)] = deselect;
        connect(select, &PickerLabel::Pressed, this, [this, k, select] { DropDown(k, select); });
        connect(deselect, &PickerLabel::Pressed, this, [this, k, deselect] { DropDown(DeselectSlots + k, deselect); });
    }
    SetTabOrderByRows();
    // A click off the rows, or before any row was highlighted, leaves the list open.
    connect(IRcommandTreeView, &CommandTree::Opening, this, &IRCommandAssignment::FillCommandList);
    connect(IRcommandTreeView, &CommandTree::Clicked, this, [this](QTreeWidgetItem* node) {
        if (node != nullptr) Assign(node);
    });
    hide();
}

// The boxes stand in three columns of pairs, the left column's pair apart:
// Tab runs through them line by line as they are seen, each line from left to right.
void IRCommandAssignment::SetTabOrderByRows()
{
    std::vector<QWidget*> boxes(UnShiftedIRLabel.begin(), UnShiftedIRLabel.end());
    boxes.insert(boxes.end(), ShiftedIRLabel.begin(), ShiftedIRLabel.end());
    std::sort(boxes.begin(), boxes.end(),
              [](const QWidget* a, const QWidget* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    SetTabOrder(boxes);
}

void IRCommandAssignment::ShowInput(int t)
{
    if (t < 0 || t >= ConfigurationRecord::Inputs) throw SubscriptOutOfRange("input " + std::to_string(t));
    input_ = t;
    const InputIRRecord& record = config_.Record.InputIRRecords[static_cast<std::size_t>(t)];
    for (std::size_t k = 0; k < Boxes; ++k) {
        UnShiftedIRLabel[k]->setText(BoxCaption(record.SelectCommandNames[k], record.SelectAssigned[k]));
        ShiftedIRLabel[k]->setText(BoxCaption(record.DeselectCommandNames[k], record.DeselectAssigned[k]));
    }
    WhichIRLabel->setText("IR Out " + QString::number((t & 3) + 1));
}

void IRCommandAssignment::EmptyCaptions()
{
    for (std::size_t k = 0; k < Boxes; ++k) {
        UnShiftedIRLabel[k]->clear();
        ShiftedIRLabel[k]->clear();
    }
}

void IRCommandAssignment::EmptyCommandList()
{
    IRcommandTreeView->clear();
}

void IRCommandAssignment::DropDown(int slot, PickerLabel* box)
{
    IRcommandTreeView->ToggleUnder(box);
    if (IRcommandTreeView->IsOpen()) IRCommandSlot = slot;
}

void IRCommandAssignment::FillCommandList()
{
    IRcommandTreeView->clear();
    const InputIRRecord& record = config_.Record.InputIRRecords[static_cast<std::size_t>(input_)];
    // The find normalises the names it is given; the record keeps its own.
    FixedText<16> manufacturer = record.Manufacturer;
    FixedText<16> irType = record.IRtype;
    FixedText<16> model = record.Model;
    const int found = ir_.FindIRLibrary(manufacturer, irType, model);
    if (!record.DeviceSelected || found < 0) return;
    const IRclass& library = ir_.IRDatabase()[found];
    QList<QTreeWidgetItem*> commands;
    for (int c = 0; c < library.Num_commands(); ++c)
        commands.append(new QTreeWidgetItem({FromWindows1252(library.CommandAt(c)->NameField().view())}));
    IRcommandTreeView->addTopLevelItems(commands);
}

void IRCommandAssignment::Assign(const QTreeWidgetItem* node)
{
    IRcommandTreeView->Close();
    InputIRRecord& record = config_.Record.InputIRRecords[static_cast<std::size_t>(input_)];
    const QString name = node->text(0);
    const bool select = IRCommandSlot < DeselectSlots;
    const auto k = static_cast<std::size_t>(select ? IRCommandSlot : IRCommandSlot - DeselectSlots);
    (select ? UnShiftedIRLabel : ShiftedIRLabel)[k]->setText(name);
    config_.Edit(ConfigGroup::InputIR, [&] {
        (select ? record.SelectCommandNames : record.DeselectCommandNames)[k] = ToWindows1252(name);
        (select ? record.SelectAssigned : record.DeselectAssigned)[k] = true;
    });
}
