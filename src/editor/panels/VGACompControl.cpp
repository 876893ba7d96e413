#include "editor/panels/VGACompControl.h"

#include "editor/panels/OptionGroup.h"
#include "model/Configuration.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int ComputerOption = 0;
constexpr int ComponentOption = 1;

bool IsComputerInput(int16_t input)
{
    return input >= 0 && input < ConfigurationRecord::ComputerInputs;
}
}  // namespace

VGACompControl::VGACompControl(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame1");
    auto* label = new QLabel("Video is", frame);
    label->setObjectName("Label1");
    Option1 = new OptionGroup("Option1", {"Computer", "Component"}, frame);
    // The label and each option are centred in the frame by their own width.
    auto* column = new QVBoxLayout(frame);
    column->addWidget(label, 0, Qt::AlignHCenter);
    for (int k = 0; k < Option1->Count(); ++k) column->addWidget(Option1->Option(k), 0, Qt::AlignHCenter);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    connect(Option1, &OptionGroup::Clicked, this, &VGACompControl::OptionClicked);
}

void VGACompControl::SetToDisplay(int16_t input)
{
    const FillGuard updating(Updating);
    DisplayedInput = input;
    if (IsComputerInput(input)) {
        Option1->Select(config_.Record.ComputerIsComponent[input] ? ComponentOption : ComputerOption);
    } else {
        Option1->Select(-1);
    }
}

void VGACompControl::OptionClicked(int k)
{
    if (Updating || !IsComputerInput(DisplayedInput)) return;
    config_.Edit(ConfigGroup::Inputs,
                 [&] { config_.Record.ComputerIsComponent[DisplayedInput] = k == ComponentOption; });
    emit SettingsChanged();
}
