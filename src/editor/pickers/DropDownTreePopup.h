#pragma once

#include <QFrame>
#include <QPointer>
#include <QRect>
#include <QSize>

class QHBoxLayout;

// The rectangle, in screen coordinates, that a drop-down of the wanted size
// takes for a label: under it when the available area has room there, above
// it otherwise, and cut to the taller of the two sides when neither has room.
// It keeps the label's left edge as far as the area's right edge allows.
QRect DropDownPlacement(const QRect& label, QSize wanted, const QRect& available);

// The window a drop-down tree opens in: a pop-up of its own, so that no edge
// of the label's window cuts it, holding the tree and what stands beside it.
// A press outside closes it; a press on its label only closes it, without
// opening it again.
class DropDownTreePopup : public QFrame {
    Q_OBJECT
public:
    explicit DropDownTreePopup(QWidget* parent);

    // Side by side, left to right, each taking its share of a narrowed pop-up.
    void AddPart(QWidget* part, int designedWidth);
    // Placed on the label's screen for the wanted size, then shown.
    void OpenUnder(QWidget* label, QSize wanted);
    QWidget* Label() const { return label_; }

signals:
    void Closed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QHBoxLayout* parts_;
    QPointer<QWidget> label_;
};
