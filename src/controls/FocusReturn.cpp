#include "controls/FocusReturn.h"

namespace {

bool CanTakeFocus(const QWidget* control)
{
    return control != nullptr && control->isVisible() && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

FocusReturn::FocusReturn(QWidget& window, QWidget& fallback)
    : window_(&window), control_(window.focusWidget()), fallback_(&fallback)
{
    Park(window);
}

FocusReturn::~FocusReturn()
{
    if (window_.isNull() || !Parked(*window_)) return;
    if (CanTakeFocus(control_))
        control_->setFocus(Qt::OtherFocusReason);
    else if (CanTakeFocus(fallback_))
        fallback_->setFocus(Qt::OtherFocusReason);
}

bool FocusReturn::Parked(const QWidget& window)
{
    const QWidget* focus = window.focusWidget();
    return focus == nullptr || focus == &window;
}

void FocusReturn::Park(QWidget& window)
{
    window.setFocus(Qt::OtherFocusReason);
}
