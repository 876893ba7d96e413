#include "editor/panels/AudioReroute.h"

#include "editor/panels/OptionGroup.h"
#include "model/Configuration.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int16_t AudioInputs = 2;

bool IsAudioInput(int16_t input)
{
    return input >= 0 && input < AudioInputs;
}
}  // namespace

AudioReroute::AudioReroute(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    Frame2 = new QGroupBox("Use Audio 1 As", this);
    Frame2->setObjectName("Frame2");
    Option1 = new OptionGroup("Option1", {"Audio 1", "Computer 1", "Video 1"}, Frame2);
    // The options share one left edge, the column centred in the frame.
    auto* column = new QVBoxLayout;
    for (int k = 0; k < Option1->Count(); ++k) column->addWidget(Option1->Option(k));
    auto* centred = new QHBoxLayout(Frame2);
    centred->addStretch();
    centred->addLayout(column);
    centred->addStretch();
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame2);

    connect(Option1, &OptionGroup::Clicked, this, &AudioReroute::OptionClicked);
}

void AudioReroute::SetToDisplay(int16_t input)
{
    const FillGuard updating(Updating);
    DisplayedInput = input;
    const QString number = input == 0 ? "1" : "2";
    Frame2->setTitle("Use Audio " + number + " As");
    Option1->Option(0)->setText("Audio " + number);
    Option1->Option(1)->setText("Computer " + number);
    Option1->Option(2)->setText("Video " + number);
    // A mode no option stands for is shown as none and kept.
    Option1->Select(IsAudioInput(input) ? config_.Record.AudioRerouteMode[input] : -1);
}

void AudioReroute::OptionClicked(int k)
{
    if (Updating || !IsAudioInput(DisplayedInput)) return;
    config_.Edit(ConfigGroup::Inputs,
                 [&] { config_.Record.AudioRerouteMode[DisplayedInput] = static_cast<int16_t>(k); });
    emit SettingsChanged();
}
