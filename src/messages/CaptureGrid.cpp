#include "messages/CaptureGrid.h"

#include "platform/Windows1252.h"

#include <QMouseEvent>
#include <QPainter>

CaptureCellText CellTextOf(uint8_t byte, CaptureView view, bool showControlCodes,
                           const std::array<std::string, 32>& controlCodeNames)
{
    if (byte < 32 && showControlCodes) return {QString::fromStdString(controlCodeNames[byte]), true};
    switch (view) {
    case CaptureView::Decimal: return {QString("%1").arg(byte, 3, 10, QChar('0')), false};
    case CaptureView::Hex: return {QString("%1").arg(byte, 2, 16, QChar('0')).toUpper(), false};
    case CaptureView::Ascii: break;
    }
    return {FromWindows1252(std::string(1, static_cast<char>(byte))), false};
}

CaptureGrid::CaptureGrid(const std::vector<uint8_t>& bytes, const std::array<std::string, 32>& controlCodeNames,
                         QWidget* parent)
    : QWidget(parent), bytes_(bytes), controlCodeNames_(controlCodeNames)
{
    setFixedSize(sizeHint());
    setAutoFillBackground(false);
}

void CaptureGrid::SetView(CaptureView view, bool showControlCodes)
{
    view_ = view;
    showControlCodes_ = showControlCodes;
    update();
}

void CaptureGrid::SetSelection(int32_t low, int32_t high)
{
    selectionLow_ = low;
    selectionHigh_ = high;
    update();
}

void CaptureGrid::SetTopRow(int32_t row)
{
    topRow_ = row;
    update();
}

// Wide enough for a three-letter control-code name.
int CaptureGrid::CellWidth() const
{
    return fontMetrics().horizontalAdvance("WWW") + 6;
}

int CaptureGrid::CellHeight() const
{
    return fontMetrics().height() + 4;
}

QSize CaptureGrid::sizeHint() const
{
    return {Columns * CellWidth() + 1, VisibleRows * CellHeight() + 1};
}

int32_t CaptureGrid::ByteAtPoint(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0) return 0;
    const int32_t column = point.x() / CellWidth();
    const int32_t row = point.y() / CellHeight() + topRow_;
    if (column >= Columns) return 0;
    // 64-bit so that a long capture cannot overflow the position.
    const int64_t position = int64_t{row} * Columns + column + 1;
    return position > static_cast<int64_t>(bytes_.size()) ? 0 : static_cast<int32_t>(position);
}

void CaptureGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int cellWidth = CellWidth();
    const int cellHeight = CellHeight();
    const int64_t first = int64_t{topRow_} * Columns;
    const int64_t last = std::min<int64_t>(static_cast<int64_t>(bytes_.size()), first + VisibleRows * Columns);
    for (int64_t index = first; index < last; ++index) {
        const int64_t position = index + 1;
        const int column = static_cast<int>(index % Columns);
        const int row = static_cast<int>(index / Columns - topRow_);
        const QRect cell(column * cellWidth, row * cellHeight, cellWidth, cellHeight);
        const bool selected = position >= selectionLow_ && position <= selectionHigh_;
        if (selected) {
            painter.fillRect(cell, Qt::black);
        } else {
            painter.setPen(Qt::black);
            painter.drawRect(cell);
        }
        const CaptureCellText text =
            CellTextOf(bytes_[static_cast<std::size_t>(index)], view_, showControlCodes_, controlCodeNames_);
        painter.setPen(text.controlCode ? QColor(Qt::red) : (selected ? QColor(Qt::white) : QColor(Qt::black)));
        painter.drawText(cell, Qt::AlignCenter, text.text);
    }
}

void CaptureGrid::mousePressEvent(QMouseEvent* event)
{
    emit ByteDown(ByteAtPoint(event->position().toPoint()));
}

void CaptureGrid::mouseMoveEvent(QMouseEvent* event)
{
    emit ByteMove(ByteAtPoint(event->position().toPoint()));
}

void CaptureGrid::mouseReleaseEvent(QMouseEvent* event)
{
    emit ByteUp(ByteAtPoint(event->position().toPoint()));
}
