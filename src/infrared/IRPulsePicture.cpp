#include "infrared/IRPulsePicture.h"

#include <QPainter>
#include <QPolygonF>

IRPulsePicture::IRPulsePicture(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setMinimumSize(360, 140);
}

void IRPulsePicture::Show(const IRCommandClass& command, IRPart part)
{
    shown_.CopyFrom(command);
    part_ = part;
    update();
}

void IRPulsePicture::paintEvent(QPaintEvent*)
{
    QPolygonF line;
    for (const IRCodePoint& point : LayOutIRCode(shown_, part_, width(), height()).GraphPoints)
        line << QPointF(point.x, point.y);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolyline(line);
}
