#include "reconcile/ComaprisonControl.h"

#include "platform/ObjectName.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr const char* ChoiceCaptions[] = {"Mov/Use", "Use new", "Use/Dis", "Remove"};

}  // namespace

ComaprisonControl::ComaprisonControl(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Label1 = WithName(new QLabel, "Label1");
    Label1->setFixedWidth(NumberWidth);
    layout->addWidget(Label1);
    NameLabel = WithName(new QLabel, "NameLabel");
    NameLabel->setFixedWidth(NameWidth);
    layout->addWidget(NameLabel);
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        // The ticks tell, they take no clicks.
        auto* frame = WithName(new QFrame, "Frame1", i);
        frame->setEnabled(false);
        frame->setFixedWidth(TickWidth);
        auto* frameLayout = new QHBoxLayout(frame);
        frameLayout->setContentsMargins(0, 0, 0, 0);
        Check1[i] = WithName(new QCheckBox, "Check1", i);
        frameLayout->addWidget(Check1[i], 0, Qt::AlignCenter);
        layout->addWidget(frame);
    }
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = WithName(new QRadioButton("-"), "Option1", i);
        Option1[i]->setFixedWidth(ChoiceWidth);
        connect(Option1[i], &QRadioButton::toggled, this, &ComaprisonControl::ShowCaptions);
        layout->addWidget(Option1[i]);
    }
    layout->addStretch();
    setFixedHeight(Height);
    Option1[3]->setChecked(true);
}

QString ComaprisonControl::DisplayName() const
{
    return NameLabel->text();
}

void ComaprisonControl::DisplayName(const QString& name)
{
    NameLabel->setText(name);
    ShowCaptions();
}

bool ComaprisonControl::InUse() const
{
    return Check1[0]->isChecked();
}

void ComaprisonControl::InUse(bool value)
{
    Check1[0]->setChecked(value);
    if (value) UseNewDontAdd(true);
}

bool ComaprisonControl::InNew() const
{
    return Check1[1]->isChecked();
}

void ComaprisonControl::InNew(bool value)
{
    Check1[1]->setChecked(value);
}

bool ComaprisonControl::InDataBase() const
{
    return Check1[2]->isChecked();
}

void ComaprisonControl::InDataBase(bool value)
{
    Check1[2]->setChecked(value);
}

bool ComaprisonControl::IsSame() const
{
    return Check1[3]->isChecked();
}

void ComaprisonControl::IsSame(bool value)
{
    Check1[3]->setChecked(value);
}

bool ComaprisonControl::MoveToDatabaseAndUse() const
{
    return Option1[0]->isChecked();
}

void ComaprisonControl::MoveToDatabaseAndUse(bool value)
{
    Choose(0, value);
}

bool ComaprisonControl::UseNewDontAdd() const
{
    return Option1[1]->isChecked();
}

void ComaprisonControl::UseNewDontAdd(bool value)
{
    Choose(1, value);
}

bool ComaprisonControl::UseFromDatabaseAndDiscardNew() const
{
    return Option1[2]->isChecked();
}

void ComaprisonControl::UseFromDatabaseAndDiscardNew(bool value)
{
    Choose(2, value);
}

void ComaprisonControl::Choose(int option, bool value)
{
    QRadioButton* button = Option1[static_cast<std::size_t>(option)];
    if (!value && button->isChecked()) {
        // Clearing the one choice of an exclusive group needs the group's consent.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    } else {
        button->setChecked(value);
    }
    ShowCaptions();
}

void ComaprisonControl::ShowCaptions()
{
    for (std::size_t i = 0; i < Option1.size(); ++i)
        Option1[i]->setText(Option1[i]->isChecked() ? ChoiceCaptions[i] : "-");
}

void ComaprisonControl::Show(bool displayOnly, int16_t number)
{
    Label1->setText(QString::number(number));
    for (QRadioButton* option : Option1) option->setVisible(!displayOnly);
    const int ticksEnd = NumberWidth + NameWidth + 4 * TickWidth;
    setFixedWidth(displayOnly ? ticksEnd : ticksEnd + 4 * ChoiceWidth);
}

int16_t ComaprisonControl::WhatToDoToCommand() const
{
    if (Option1[0]->isChecked()) return 1;
    if (Option1[1]->isChecked()) return 2;
    if (Option1[2]->isChecked()) return 3;
    return 0;
}
