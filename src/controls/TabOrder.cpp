#include "controls/TabOrder.h"

#include <QWidget>

namespace {

bool TakesFocus(const QWidget* control)
{
    return control->focusPolicy() != Qt::NoFocus && control->focusProxy() == nullptr;
}

// Whether a control inside `area` lies within another control that takes
// the focus for it (a combo box's text box, a tree's viewport).
bool WithinAStop(const QWidget* control, const QWidget* area)
{
    for (const QWidget* up = control->parentWidget(); up != nullptr && up != area; up = up->parentWidget())
        if (TakesFocus(up)) return true;
    return false;
}

// The controls inside `area` that take the focus, in the order Tab already
// takes them: an order the area set for its own controls is kept.
std::vector<QWidget*> StopsWithin(QWidget* area)
{
    std::vector<QWidget*> stops;
    for (QWidget* w = area->nextInFocusChain(); w != nullptr && w != area; w = w->nextInFocusChain())
        if (area->isAncestorOf(w) && w->window() == area->window() && TakesFocus(w) && !WithinAStop(w, area))
            stops.push_back(w);
    return stops;
}

void AddStops(QWidget* control, std::vector<QWidget*>& stops)
{
    QWidget* proxy = control;
    while (proxy->focusProxy() != nullptr) proxy = proxy->focusProxy();
    if (proxy != control) {
        stops.push_back(proxy);
        return;
    }
    if (control->focusPolicy() != Qt::NoFocus) {
        stops.push_back(control);
        return;
    }
    const std::vector<QWidget*> within = StopsWithin(control);
    stops.insert(stops.end(), within.begin(), within.end());
}

}  // namespace

void SetTabOrder(const std::vector<QWidget*>& controls)
{
    std::vector<QWidget*> stops;
    for (QWidget* control : controls) AddStops(control, stops);
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void FocusFirstStop(QWidget& area)
{
    for (QWidget* stop : StopsWithin(&area)) {
        if (stop->isVisible() && stop->isEnabled() && (stop->focusPolicy() & Qt::TabFocus) != 0) {
            stop->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
