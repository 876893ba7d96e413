#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <QVector>

class QTimer;

// What the two byte pop-ups share: a small window without a title bar that
// opens so that the current choice lies under the pointer, takes the mouse at
// once, highlights the row under the pointer, closes with the row released
// on (any mouse button), and closes by itself, keeping the opener's choice,
// when a check of its timer finds the pointer outside it. The arrow keys move
// the highlight, Return, Enter or Space picks it and Escape cancels.
class BytePopup : public QDialog {
    Q_OBJECT
public:
    // A pop-up opened from the keyboard does not stand under the pointer, so
    // the pointer closes it only after it has once come inside.
    enum class OpenedBy { Pointer, Keyboard };

    // The row picked by a click, or the opener's choice when none was.
    int Choice() const { return choice_; }
    int HighlightedRow() const { return highlighted_; }
    // Closed by Escape: the opener then changes nothing at all.
    bool Escaped() const { return escaped_; }
    // Where a row lies in the pop-up; an empty rect for a hidden row.
    QRect RowRect(int index) const;
    // Places the top-left corner at anchor (screen pixels), kept on the
    // screen, and shows the pop-up modally until it closes.
    void OpenAt(QPoint anchor, OpenedBy opener = OpenedBy::Pointer);

    // Height of one row and the step from one row to the next.
    int RowHeight() const;
    int RowPitch() const { return RowHeight() - 1; }

protected:
    struct Row {
        QString caption;
        QRect rect;
        bool visible = true;
    };
    BytePopup(int choice, QWidget* parent);

    void SetRows(QVector<Row> rows, QSize clientSize);
    // Room to keep between the pop-up and the screen's bottom edge.
    virtual int BottomMargin() const { return 0; }

private:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    int RowAt(QPoint position) const;
    void CheckPointer();
    void Pick(int row);
    // The offered row nearest to the highlighted one in a direction.
    int RowBeside(int dx, int dy) const;

    QVector<Row> rows_;
    int choice_;
    int highlighted_;
    bool escaped_ = false;
    OpenedBy opener_ = OpenedBy::Pointer;
    QTimer* Timer1;
};

// The top-left corner for a pop-up of the given size that wants to stand at
// anchor: moved into the screen, keeping bottomMargin free at its bottom.
QPoint KeptOnScreen(QPoint anchor, QSize size, const QRect& screen, int bottomMargin);
