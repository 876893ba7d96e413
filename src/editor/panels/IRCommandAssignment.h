#pragma once

#include <QFrame>
#include <array>

class CommandTree;
class Configuration;
class IRClassGlobals;
class PickerLabel;
class PointerPosition;
class QLabel;
class QTreeWidgetItem;

// The frame `IRCommandFrame` of an input with an IR device: seven boxes of
// commands sent when the input is selected and seven sent when it is
// deselected. A box drops down the commands of the input's IR library; a
// click on one writes its name into the box and the input's record.
class IRCommandAssignment : public QFrame {
    Q_OBJECT
public:
    static constexpr int Boxes = 7;

    // The lists drop down from the IR database and close as the pointer leaves them.
    IRCommandAssignment(Configuration& config, const IRClassGlobals& ir, const PointerPosition& pointer,
                        QWidget* parent = nullptr);

    // Shows the command names of input t (0 to 9); marks nothing as changed.
    void ShowInput(int t);
    void EmptyCaptions();
    void EmptyCommandList();

private:
    void SetTabOrderByRows();
    void DropDown(int slot, PickerLabel* box);
    // The commands of the input's own library, found by its three names;
    // none when the IR database has no such library.
    void FillCommandList();
    void Assign(const QTreeWidgetItem* node);

    Configuration& config_;
    const IRClassGlobals& ir_;
    int input_ = 0;
    // The box that opened the list: k for a select box, 100 + k for a deselect box.
    int IRCommandSlot = 0;
    QLabel* WhichIRLabel;
    std::array<PickerLabel*, Boxes> UnShiftedIRLabel{};
    std::array<PickerLabel*, Boxes> ShiftedIRLabel{};
    CommandTree* IRcommandTreeView;
};
