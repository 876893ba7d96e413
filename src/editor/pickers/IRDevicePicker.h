#pragma once

#include "editor/pickers/DeviceTreeFill.h"

#include <QGroupBox>
#include <array>
#include <string>

class ApplicationState;
class DeviceTree;
class IRCommandAssignment;
class PickerLabel;
class QPushButton;
class QRadioButton;
class QTreeWidgetItem;

// The frame "Infrared" of an input: names the input's IR device, drops down
// the IR database under `IRLabel` grouped by manufacturer or by type, assigns
// the clicked library to the input, and holds the input's command boxes.
class IRDevicePicker : public QGroupBox {
    Q_OBJECT
public:
    explicit IRDevicePicker(ApplicationState& state, QWidget* parent = nullptr);

    // Shows the IR device and commands of input t (0 to 9), the input that
    // the pick and "Clear" then change; marks nothing as changed.
    void ShowInput(int t);
    // Empties the IR assignment of all ten inputs, as a new configuration has it.
    void ClearIRDisplay();
    // Fills the tree from the database in the chosen grouping, unless it
    // already shows the database so.
    void FillIRDeviceTree();

private:
    IRGrouping ChosenGrouping() const;
    void DropDown();
    void ShowHoveredNotes(const QTreeWidgetItem* node);
    void Pick(const QTreeWidgetItem* node);
    // The library a model node stands for, or -1.
    int FindLibraryForNode(const QTreeWidgetItem* node) const;
    // `index`, when the database still holds there a library of that model; otherwise -1.
    int LibraryStillAt(int index, const QString& model) const;
    bool ConfirmDeviceChange() const;
    void Clear();
    void ShowDeviceCaption();

    ApplicationState& state_;
    int input_ = 0;
    // The grouping the tree was last filled with.
    IRGrouping treeGrouping_ = IRGrouping::ByManufacturer;
    PickerLabel* IRLabel;
    std::array<QRadioButton*, 2> SortBy{};
    QPushButton* ClearButton;
    IRCommandAssignment* IRCommandFrame;
    // Opens in a pop-up of its own.
    DeviceTree* treeview1;
    // What the tree shows (IRDeviceTreeNames).
    std::string treeNames_;
};
