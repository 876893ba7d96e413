#include "controls/SpinStepButton.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

SpinStepButton::SpinStepButton(Direction direction, QWidget* parent) : QWidget(parent), direction_(direction)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize SpinStepButton::sizeHint() const
{
    return {16, 10};
}

void SpinStepButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton button;
    button.initFrom(this);
    button.state |= down_ ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = rect().adjusted(3, 2, -3, -2);
    if (down_) arrow.rect.translate(1, 1);
    painter.drawPrimitive(direction_ == Direction::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                          arrow);
}

// Every mouse button steps, as the left one does.
void SpinStepButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (down_) return;
    down_ = true;
    update();
    emit Pressed();
}

// A disabled or hidden button sees no release, so a hold it is in ends when
// it stops taking the mouse.
void SpinStepButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) EndHold();
}

void SpinStepButton::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    EndHold();
}

void SpinStepButton::EndHold()
{
    if (!down_) return;
    down_ = false;
    update();
    emit Released();
}

void SpinStepButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->buttons() != Qt::NoButton) return;
    EndHold();
}
