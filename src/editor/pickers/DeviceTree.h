#pragma once

#include "editor/pickers/DropDownTree.h"

class NotesFrame;

// The drop-down tree of devices (projectors or IR libraries): the pointer's
// distance from the left edge chooses how many levels are expanded, the rows
// at the top and bottom edges scroll, and the notes of the hovered entry are
// shown beside the tree.
class DeviceTree : public DropDownTree {
    Q_OBJECT
public:
    // Pixel equivalents of the 600, 800, 860 and 90 twip marks.
    static constexpr int RootsOnlyUpToX = 40;
    static constexpr int TwoLevelsUpToX = 53;
    static constexpr int RowTestAtX = 57;
    static constexpr int TopZoneHeight = 6;

    DeviceTree(const PointerPosition& pointer, QWidget* owner);

    // 0 roots only, 1 roots and their children, 2 everything.
    static int ExpandLevelAt(int x);
    // At each opening the tree is shown collapsed and from its top, as at
    // level 0, whether it was refilled or kept.
    void ShowCollapsed();
    void ShowNotes(const QString& caption, const QString& text);

protected:
    int RowTestX() const override { return RowTestAtX; }
    void Hover(QPoint at) override;

private:
    void ApplyExpandLevel(int level);
    static QTreeWidgetItem* ShownAncestor(QTreeWidgetItem* node, int level);

    int TreeExpandLevel = 0;
    NotesFrame* notes_;
};
