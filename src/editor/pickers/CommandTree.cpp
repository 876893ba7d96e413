#include "editor/pickers/CommandTree.h"

#include <QScrollBar>

CommandTree::CommandTree(const PointerPosition& pointer, QWidget* owner) : DropDownTree(pointer, owner, {145, 113})
{
    setObjectName("IRcommandTreeView");
    setRootIsDecorated(false);
}

void CommandTree::Hover(QPoint at)
{
    QTreeWidgetItem* hovered = NodeOnRow(at.y());
    if (hovered == nullptr) return;
    if (at.y() <= TopZoneHeight && itemAbove(hovered) != nullptr)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    Highlight(hovered);
}
