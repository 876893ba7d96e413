#include "controls/TabOrder.h"

#include <QWidget>

namespace {

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
    for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) AddStops(child, stops);
}

}  // namespace

void SetTabOrder(const std::vector<QWidget*>& controls)
{
    std::vector<QWidget*> stops;
    for (QWidget* control : controls) AddStops(control, stops);
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}
