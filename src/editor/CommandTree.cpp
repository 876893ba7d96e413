#include "editor/CommandTree.h"

#include <QScrollBar>

CommandTree::CommandTree(const PointerPosition& pointer, QWidget* parent) : DropDownTree(pointer, parent)
{
    setObjectName("IRcommandTreeView");
    setRootIsDecorated(false);
    resize(145, 113);
}

void CommandTree::Hover(QPoint at)
{
    QTreeWidgetItem* hovered = NodeOnRow(at.y());
    if (hovered == nullptr) return;
    if (at.y() <= TopZoneHeight && itemAbove(hovered) != nullptr)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    Highlight(hovered);
}
