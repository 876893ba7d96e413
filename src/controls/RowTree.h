#pragma once

#include <QTreeWidget>

class QKeyEvent;

// A tree that follows the pointer row by row: the drop-down pickers and the
// RS232 loader's equipment tree. It keeps a hovered node on the row under
// the pointer when levels open or close, and reports each highlight the
// pointer or the keys move to.
class RowTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit RowTree(QWidget* parent = nullptr);

signals:
    // The node under the pointer, or moved to with the keys.
    void Hovered(QTreeWidgetItem* node);

protected:
    int RowHeight() const;
    // Scrolls by whole rows so that the node stands on the given row of the
    // view, as far as the list allows.
    void ScrollNodeToRow(QTreeWidgetItem* node, int row);
    // The tree's own key handling (arrows, Right opens a level), then tells
    // of the new highlight.
    void MoveWithKey(QKeyEvent* event);
};
