#include "controls/TabStepKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

void AddTabStepKeys(QWidget& window, const std::function<void(int places)>& step)
{
    auto* next = new QShortcut(&window);
    next->setObjectName("NextTab");
    next->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    QObject::connect(next, &QShortcut::activated, &window, [step] { step(1); });
    // Shift+Tab comes as Backtab, which the shortcut map also matches as Shift+Tab.
    auto* previous = new QShortcut(&window);
    previous->setObjectName("PreviousTab");
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    QObject::connect(previous, &QShortcut::activated, &window, [step] { step(-1); });
}

int SteppedTab(int from, int places, int tabs)
{
    if (tabs <= 0) return -1;
    return ((std::max(from, 0) + places) % tabs + tabs) % tabs;
}
