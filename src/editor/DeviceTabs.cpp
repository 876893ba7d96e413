#include "editor/DeviceTabs.h"

#include "editor/DeviceTabButton.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeySequence>
#include <QShortcut>

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
        group_->addButton(button, tab);
        grid->addWidget(button, tab / TabsPerRow, tab % TabsPerRow);
        buttons_.push_back(button);
    }
    // No stretch factors: they would share the row out by the tabs' shortest
    // widths, cutting long captions short while short ones had room to spare.
    connect(group_, &QButtonGroup::idClicked, this, qOverload<int>(&DeviceTabs::SetTab));

    auto* next = new QShortcut(this);
    next->setObjectName("NextTab");
    next->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    connect(next, &QShortcut::activated, this, [this] { Step(1); });
    // Shift+Tab comes as Backtab, which the shortcut map also matches as Shift+Tab.
    auto* previous = new QShortcut(this);
    previous->setObjectName("PreviousTab");
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    connect(previous, &QShortcut::activated, this, [this] { Step(-1); });
}

void DeviceTabs::SetTab(int tab)
{
    if (tab < 0 || tab >= Tabs) return;
    buttons_[static_cast<std::size_t>(tab)]->setChecked(true);
    if (tab == current_) return;
    current_ = tab;
    emit TabChanged(tab);
}

void DeviceTabs::Step(int places)
{
    const int from = current_ < 0 ? 0 : current_;
    SetTab(((from + places) % Tabs + Tabs) % Tabs);
}

QString DeviceTabs::Caption(int tab) const
{
    return buttons_.at(static_cast<std::size_t>(tab))->text();
}

void DeviceTabs::SetCaption(int tab, const QString& caption)
{
    buttons_.at(static_cast<std::size_t>(tab))->setText(caption);
}
