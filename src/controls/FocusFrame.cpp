#include "controls/FocusFrame.h"

#include <QPainter>
#include <QPalette>
#include <QPen>

namespace {

constexpr int FocusFrameWidth = 2;

}  // namespace

void DrawFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette)
{
    constexpr double Half = FocusFrameWidth / 2.0;
    painter.save();
    painter.setPen(
        QPen(palette.color(QPalette::Highlight), FocusFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(Half, Half, -Half, -Half));
    painter.restore();
}
