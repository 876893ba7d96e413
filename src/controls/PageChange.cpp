#include "controls/PageChange.h"

#include "controls/FocusReturn.h"
#include "controls/TabOrder.h"

#include <QPointer>
#include <QWidget>

namespace {

bool Within(const QWidget& area, const QWidget* control)
{
    return control != nullptr && (control == &area || area.isAncestorOf(control));
}

bool CanTakeKeys(const QWidget* control)
{
    return control != nullptr && control->isVisible() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus;
}

}  // namespace

void ChangePage(QWidget& page, const QWidget& kept, const std::function<void()>& show)
{
    QWidget& window = *page.window();
    if (!window.isVisible() || FocusReturn::Parked(window)) {
        show();
        return;
    }
    const QPointer<QWidget> before = window.focusWidget();
    // A stacked page that hides with the focus hands it to the control the
    // page coming in had it on last, shown or not: the focus waits on the
    // window meanwhile.
    if (!Within(page, before) && !Within(kept, before)) FocusReturn::Park(window);
    show();
    if (before != nullptr && before->isVisible() && (Within(page, before) || Within(kept, before))) {
        if (window.focusWidget() != before) before->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget* remembered = page.focusWidget();
    if (remembered != &page && Within(page, remembered) && CanTakeKeys(remembered)) {
        remembered->setFocus(Qt::OtherFocusReason);
    } else {
        FocusFirstStop(page);
    }
    // A page without a stop: the keys go to the window, never to a hidden control.
    const QWidget* focus = window.focusWidget();
    if (focus != nullptr && !focus->isVisible()) FocusReturn::Park(window);
}
