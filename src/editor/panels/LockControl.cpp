#include "editor/panels/LockControl.h"

#include "editor/panels/OptionGroup.h"
#include "model/Configuration.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <array>

namespace {
constexpr int16_t Steps = 4;

struct ButtonGroup {
    const char* caption;
    int first;
    int count;
};
// Front-panel buttons 0-3 select the computer inputs, 4-7 the video inputs,
// 8-9 the audio inputs.
constexpr std::array<ButtonGroup, 3> Groups = {ButtonGroup{"Computer", 0, 4}, ButtonGroup{"Video", 4, 4},
                                               ButtonGroup{"Audio", 8, 2}};

QString StepCaption(int16_t step)
{
    static_assert(Steps == 4);
    switch (step) {
    case 0: return "1st";
    case 1: return "2nd";
    case 2: return "3rd";
    default: return "4th";
    }
}

bool IsStep(int16_t step)
{
    return step >= 0 && step < Steps;
}
}  // namespace

LockControl::LockControl(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    Frame1 = new QGroupBox(StepCaption(0), this);
    Frame1->setObjectName("Frame1");
    QStringList captions;
    for (const ButtonGroup& group : Groups) {
        for (int k = 1; k <= group.count; ++k) captions << QString::number(k);
    }
    FirstLock = new OptionGroup("FirstLock", captions, Frame1);

    auto* grid = new QGridLayout(Frame1);
    for (int row = 0; row < static_cast<int>(Groups.size()); ++row) {
        const ButtonGroup& group = Groups[static_cast<std::size_t>(row)];
        grid->addWidget(new QLabel(group.caption, Frame1), row, 0);
        for (int k = 0; k < group.count; ++k) grid->addWidget(FirstLock->Option(group.first + k), row, k + 1);
    }
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    connect(FirstLock, &OptionGroup::Clicked, this, &LockControl::ButtonClicked);
}

void LockControl::FillSettings(int16_t step)
{
    const FillGuard updating(Updating);
    MyStep = step;
    Frame1->setTitle(StepCaption(step));
    // A button number no option stands for is shown as none and kept.
    FirstLock->Select(IsStep(step) ? config_.Record.LockSequence[step] : -1);
}

void LockControl::ButtonClicked(int k)
{
    if (Updating || !IsStep(MyStep)) return;
    config_.Edit(ConfigGroup::Locking, [&] { config_.Record.LockSequence[MyStep] = static_cast<int16_t>(k); });
    emit SettingsChanged();
}
