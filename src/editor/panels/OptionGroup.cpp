#include "editor/panels/OptionGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

OptionGroup::OptionGroup(const QString& name, const QStringList& captions, QWidget* parent)
    : QObject(parent), group_(new QButtonGroup(this))
{
    for (int k = 0; k < captions.size(); ++k) {
        auto* option = new QRadioButton(captions[k], parent);
        option->setObjectName(name + "_" + QString::number(k));
        group_->addButton(option, k);
        options_.push_back(option);
    }
    connect(group_, &QButtonGroup::idClicked, this, &OptionGroup::Clicked);
}

void OptionGroup::Select(int k)
{
    if (k >= 0 && k < Count()) {
        options_[static_cast<std::size_t>(k)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it for a moment.
    group_->setExclusive(false);
    for (QRadioButton* option : options_) option->setChecked(false);
    group_->setExclusive(true);
}

int OptionGroup::Selected() const
{
    return group_->checkedId();
}

void OptionGroup::SetEnabled(bool enabled)
{
    for (QRadioButton* option : options_) option->setEnabled(enabled);
}
