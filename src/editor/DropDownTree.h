#pragma once

#include <QTimer>
#include <QTreeWidget>

class PointerPosition;

// A tree that drops down under a label like a combo box's list: it opens in
// the label's window directly under the label, highlights the row under the
// pointer, and closes on a second press of the label, on a click, on the loss
// of the focus, or when its close timer finds the pointer outside it.
class DropDownTree : public QTreeWidget {
    Q_OBJECT
public:
    // Pixels at 15 twips a pixel, the scale the trees' sizes are drawn in.
    static constexpr int TwipsPerPixel = 15;
    static constexpr int CloseTimerInterval = 1000;

    DropDownTree(const PointerPosition& pointer, QWidget* parent);

    // Opens under the label when closed, closes when open. Opens with nothing
    // highlighted, whatever was highlighted when it closed.
    void ToggleUnder(QWidget* label);
    void Close();
    bool IsOpen() const { return isVisible(); }
    // The highlighted node, or none.
    QTreeWidgetItem* SelectedNode() const;

signals:
    // A click with the pointer on a row: the highlighted node (none when
    // nothing is highlighted).
    void Clicked(QTreeWidgetItem* node);
    void ClickedOnNothing();

protected:
    // The x at which rows are hit-tested, whatever the pointer's x.
    virtual int RowTestX() const = 0;
    virtual void Hover(QPoint at) = 0;
    // Called after the tree was placed and shown or hidden.
    virtual void OpenedOrClosed(bool open) { (void)open; }

    QTreeWidgetItem* NodeOnRow(int y) const;
    void Highlight(QTreeWidgetItem* node);
    int RowHeight() const;
    // Scrolls by whole rows so that the node stands on the given row of the
    // view, as far as the list allows.
    void ScrollNodeToRow(QTreeWidgetItem* node, int row);

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void CloseIfPointerOutside();

    const PointerPosition& pointer_;
    QTimer* Timer1;
};
