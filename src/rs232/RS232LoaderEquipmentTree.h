#pragma once

#include "controls/RowTree.h"

#include <QPoint>

// The loader's equipment tree: the pointer's distance from the left edge
// chooses how many levels are open, and when that changes the hovered node is
// scrolled back under the pointer rather than the pointer moved to it. Rows at
// the top and bottom edges scroll the tree. The keys move the highlight as the
// pointer does (Right opens a level), and Return chooses it as a click does.
class RS232LoaderEquipmentTree : public RowTree {
    Q_OBJECT
public:
    // Pixel equivalents of the 600, 1200, 860 and 90 twip marks.
    static constexpr int RootsOnlyUpToX = 40;
    static constexpr int TwoLevelsUpToX = 80;
    static constexpr int RowTestAtX = 57;
    static constexpr int TopZoneHeight = 6;

    explicit RS232LoaderEquipmentTree(QWidget* parent = nullptr);

    // 0 roots only, 1 roots and their children, 2 everything.
    static int ColumnAt(int x);
    // After a rebuild the tree is shown collapsed, as in column 0.
    void ResetColumn() { LastColumn = 0; }

signals:
    // Return on the highlighted node.
    void Chosen(QTreeWidgetItem* node);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyColumn(int column);
    static QTreeWidgetItem* ShownAncestor(QTreeWidgetItem* node, int level);

    int LastColumn = 0;
    QPoint lastMouse_{-1, -1};
};
