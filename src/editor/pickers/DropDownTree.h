#pragma once

#include "controls/RowTree.h"

#include <QSize>
#include <QTimer>

class DropDownTreePopup;
class PointerPosition;

// A tree that drops down under a label like a combo box's list: it opens in
// a pop-up of its own under the label (above it when the screen has no room
// below), highlights the row under the pointer or moved to with the keys, and
// closes on a pick, on Escape, on a press outside it (a second press of the
// label included), on the loss of the focus, or when its close timer finds
// that the pointer, once inside, has left both the drop-down and the label.
class DropDownTree : public RowTree {
    Q_OBJECT
public:
    static constexpr int CloseTimerInterval = 1000;

    // The pop-up belongs to the owner; without one, to the label's window
    // from the first opening on. The designed size is the tree's when the
    // screen has room for it.
    DropDownTree(const PointerPosition& pointer, QWidget* owner, QSize designedSize);

    // Opens under the label when closed, closes when open. Opens with nothing
    // highlighted, whatever was highlighted when it closed. Only an opening
    // announces itself: a close leaves the rows as they are.
    void ToggleUnder(QWidget* label);
    void Close();
    bool IsOpen() const;
    // The highlighted node, or none.
    QTreeWidgetItem* SelectedNode() const;

signals:
    // A click with the pointer on a row, or Return on a node without a
    // level of its own: the highlighted node (none when a click finds
    // nothing highlighted).
    void Clicked(QTreeWidgetItem* node);
    void ClickedOnNothing();
    // About to open: the moment to fill the rows.
    void Opening();
    void Closed();

protected:
    // Shown to the right of the tree, in the same pop-up.
    void AddBeside(QWidget* part, QSize designedSize);

    // The x at which rows are hit-tested, whatever the pointer's x.
    virtual int RowTestX() const = 0;
    virtual void Hover(QPoint at) = 0;

    QTreeWidgetItem* NodeOnRow(int y) const;
    void Highlight(QTreeWidgetItem* node);

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void NotePointerAt(QPoint inRows);
    void CloseIfPointerLeft();
    void PopupClosed();

    const PointerPosition& pointer_;
    DropDownTreePopup* popup_;
    QSize wanted_;
    // The close timer closes only after the pointer was in the drop-down.
    bool pointerWasInside_ = false;
    QTimer* Timer1;
};
