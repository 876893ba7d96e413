#include "editor/DeviceTabs.h"

#include "controls/TabStepKeys.h"
#include "editor/DeviceTabButton.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <algorithm>

namespace {

// The current tab stands out from the rest in every style: the selection's
// colours rather than a shade of the button's own.
const char* const TabStyle =
    "QToolButton { border: 1px solid palette(mid); border-radius: 3px; padding: 3px 0px;"
    " background-color: palette(button); color: palette(button-text); }"
    "QToolButton:hover { border-color: palette(highlight); }"
    "QToolButton:checked { border-color: palette(shadow); background-color: palette(highlight);"
    " color: palette(highlighted-text); }";

}  // namespace

DeviceTabs::DeviceTabs(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this))
{
    setObjectName("DeviceTab");
    setStyleSheet(TabStyle);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int tab = 0; tab < Tabs; ++tab) {
        auto* button = new DeviceTabButton(DesignCaption(static_cast<ConfigTab>(tab)));
        button->setObjectName(QString("DeviceTab_%1").arg(tab));
        // Only the current tab is a Tab stop; a click leaves the focus where it was.
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        group_->addButton(button, tab);
        grid->addWidget(button, tab / TabsPerRow, tab % TabsPerRow);
        buttons_.push_back(button);
    }
    // No stretch factors: they would share the row out by the tabs' shortest
    // widths, cutting long captions short while short ones had room to spare.
    connect(group_, &QButtonGroup::idClicked, this, qOverload<int>(&DeviceTabs::SetTab));
    AddTabStepKeys(*this, [this](int places) { Step(places); });
}

void DeviceTabs::SetTab(int tab)
{
    if (tab < 0 || tab >= Tabs) return;
    QToolButton* button = buttons_[static_cast<std::size_t>(tab)];
    const bool focused = std::any_of(buttons_.begin(), buttons_.end(), [](QToolButton* b) { return b->hasFocus(); });
    for (QToolButton* other : buttons_) other->setFocusPolicy(other == button ? Qt::TabFocus : Qt::NoFocus);
    button->setChecked(true);
    // The focus on the tabs stays on the current one.
    if (focused) button->setFocus(Qt::TabFocusReason);
    if (tab == current_) return;
    current_ = tab;
    emit TabChanged(tab);
}

void DeviceTabs::Step(int places)
{
    SetTab(SteppedTab(current_, places, Tabs));
}

bool DeviceTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) return false;
    const int row = current_ / TabsPerRow;
    int tab = -1;
    switch (key->key()) {
    case Qt::Key_Left: tab = current_ - 1; break;
    case Qt::Key_Right: tab = current_ + 1; break;
    case Qt::Key_Up: tab = row > 0 ? current_ - TabsPerRow : -1; break;
    case Qt::Key_Down: tab = current_ + TabsPerRow; break;
    default: return false;
    }
    // At an edge the key does nothing, and goes no further.
    SetTab(tab);
    return true;
}

QString DeviceTabs::Caption(int tab) const
{
    return buttons_.at(static_cast<std::size_t>(tab))->text();
}

void DeviceTabs::SetCaption(int tab, const QString& caption)
{
    buttons_.at(static_cast<std::size_t>(tab))->setText(caption);
}
