#include "controls/BytePopup.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int PointerCheckMs = 500;
}

BytePopup::BytePopup(int choice, QWidget* parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint), choice_(choice), highlighted_(choice)
{
    setMouseTracking(true);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(PointerCheckMs);
    connect(Timer1, &QTimer::timeout, this, &BytePopup::CheckPointer);
}

int BytePopup::RowHeight() const
{
    return std::max(17, fontMetrics().height() + 5);
}

void BytePopup::SetRows(QVector<Row> rows, QSize clientSize)
{
    rows_ = std::move(rows);
    setFixedSize(clientSize);
}

QRect BytePopup::RowRect(int index) const
{
    // A row that the pop-up's height cuts off is not offered.
    if (index < 0 || index >= rows_.size() || !rows_[index].visible || !rect().contains(rows_[index].rect)) return {};
    return rows_[index].rect;
}

void BytePopup::OpenAt(QPoint anchor, OpenedBy opener)
{
    opener_ = opener;
    const QScreen* screen = QGuiApplication::screenAt(anchor);
    if (screen == nullptr)
        screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    move(KeptOnScreen(anchor, size(), screen->geometry(), BottomMargin()));
    exec();
}

void BytePopup::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (opener_ == OpenedBy::Pointer) Timer1->start();
}

int BytePopup::RowAt(QPoint position) const
{
    // Later rows lie in front of earlier ones.
    for (int i = static_cast<int>(rows_.size()) - 1; i >= 0; --i) {
        if (RowRect(i).contains(position)) return i;
    }
    return -1;
}

void BytePopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        if (RowRect(i).isEmpty()) continue;
        const bool lit = i == highlighted_;
        painter.fillRect(row.rect, lit ? palette().highlight() : palette().base());
        painter.setPen(lit ? palette().highlightedText().color() : palette().text().color());
        painter.drawText(row.rect.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, row.caption);
    }
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BytePopup::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (!Timer1->isActive() && rect().contains(position)) Timer1->start();
    const int row = RowAt(position);
    if (row >= 0 && row != highlighted_) {
        highlighted_ = row;
        update();
    }
}

// Any button picks the row under the pointer.
void BytePopup::mouseReleaseEvent(QMouseEvent* event)
{
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) Pick(row);
}

void BytePopup::Pick(int row)
{
    choice_ = row;
    Timer1->stop();
    accept();
}

void BytePopup::keyPressEvent(QKeyEvent* event)
{
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Up: next = RowBeside(0, -1); break;
    case Qt::Key_Down: next = RowBeside(0, 1); break;
    case Qt::Key_Left: next = RowBeside(-1, 0); break;
    case Qt::Key_Right: next = RowBeside(1, 0); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!RowRect(highlighted_).isEmpty()) Pick(highlighted_);
        return;
    case Qt::Key_Escape:
        escaped_ = true;
        Timer1->stop();
        reject();
        return;
    default: QDialog::keyPressEvent(event); return;
    }
    if (next >= 0) {
        highlighted_ = next;
        update();
    }
}

int BytePopup::RowBeside(int dx, int dy) const
{
    const QRect from = RowRect(highlighted_);
    if (from.isEmpty()) {
        for (int i = 0; i < rows_.size(); ++i) {
            if (!RowRect(i).isEmpty() && RowAt(RowRect(i).center()) == i) return i;
        }
        return -1;
    }
    const QPoint target = from.center() + QPoint(dx * from.width(), dy * from.height());
    return RowAt(target);
}

void BytePopup::CheckPointer()
{
    // The edges count as inside.
    if (frameGeometry().adjusted(0, 0, 1, 1).contains(QCursor::pos())) return;
    Timer1->stop();
    reject();
}

QPoint KeptOnScreen(QPoint anchor, QSize size, const QRect& screen, int bottomMargin)
{
    QPoint corner = anchor;
    corner.setX(std::min(corner.x(), screen.x() + screen.width() - size.width()));
    corner.setX(std::max(corner.x(), screen.x()));
    corner.setY(std::min(corner.y(), screen.y() + screen.height() - size.height() - bottomMargin));
    corner.setY(std::max(corner.y(), screen.y()));
    return corner;
}
