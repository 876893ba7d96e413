#pragma once

#include "editor/pickers/DropDownTree.h"

// The drop-down list of an IR library's commands: a flat tree whose row
// under the pointer is highlighted, scrolling back one row at its top edge.
class CommandTree : public DropDownTree {
    Q_OBJECT
public:
    // Pixel equivalent of the 100 twip mark, both for the hit test and the top edge.
    static constexpr int RowTestAtX = 7;
    static constexpr int TopZoneHeight = 7;

    CommandTree(const PointerPosition& pointer, QWidget* owner);

protected:
    int RowTestX() const override { return RowTestAtX; }
    void Hover(QPoint at) override;
};
