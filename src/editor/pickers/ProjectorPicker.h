#pragma once

#include <QGroupBox>
#include <string>

class ApplicationState;
class DeviceTree;
class PickerLabel;
class QPlainTextEdit;
class QTreeWidgetItem;

// The frame "Manufacturer/Model": names the configuration's projector and
// drops down the projector database under `ProjectorLabel`; a click on a
// model copies that definition into the configuration.
class ProjectorPicker : public QGroupBox {
    Q_OBJECT
public:
    explicit ProjectorPicker(ApplicationState& state, QWidget* parent = nullptr);

    // Shows the configuration's projector; marks nothing as changed.
    void ShowConfiguration();
    // Fills the tree from the database, unless it already shows the database as it stands.
    void FillProjectorTree();
    // The database index of the definition a model node stands for, or -1.
    int FindProjectorForNode(const QTreeWidgetItem* node) const;

private:
    void DropDown();
    void ShowHoveredNotes(const QTreeWidgetItem* node);
    void Pick(const QTreeWidgetItem* node);

    ApplicationState& state_;
    PickerLabel* ProjectorLabel;
    QPlainTextEdit* ProjectorNotes;
    // Opens in a pop-up of its own.
    DeviceTree* treeview1;
    // What the tree shows (ProjectorTreeNames).
    std::string treeNames_;
};
