#include "editor/DeviceTabs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QToolButton>
#include <array>

namespace {

constexpr std::array<const char*, DeviceTabs::Tabs> DesignCaptions{
    "Computer 1",     "Computer 2",        "Computer 3",     "Computer 4",      "Video 1",
    "Video 2",        "Video 3",           "Video 4",        "Audio 1",         "Audio 2",
    "Microphone",     "Projector/Display", "Control Inputs", "Control Outputs", "Control Locking",
    "Volume Control", "2nd RS232",         "Other Meshlo",   "On/Off",          "Notes"};

}  // namespace

DeviceTabs::DeviceTabs(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this))
{
    setObjectName("DeviceTab");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int tab = 0; tab < Tabs; ++tab) {
        auto* button = new QToolButton;
        button->setObjectName(QString("DeviceTab_%1").arg(tab));
        button->setText(DesignCaptions[static_cast<std::size_t>(tab)]);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        group_->addButton(button, tab);
        grid->addWidget(button, tab / TabsPerRow, tab % TabsPerRow);
        buttons_.push_back(button);
    }
    for (int column = 0; column < TabsPerRow; ++column) grid->setColumnStretch(column, 1);
    connect(group_, &QButtonGroup::idClicked, this, &DeviceTabs::SetTab);
}

void DeviceTabs::SetTab(int tab)
{
    if (tab < 0 || tab >= Tabs) return;
    buttons_[static_cast<std::size_t>(tab)]->setChecked(true);
    if (tab == current_) return;
    current_ = tab;
    emit TabChanged(tab);
}

QString DeviceTabs::Caption(int tab) const
{
    return buttons_.at(static_cast<std::size_t>(tab))->text();
}

void DeviceTabs::SetCaption(int tab, const QString& caption)
{
    buttons_.at(static_cast<std::size_t>(tab))->setText(caption);
}
