#include "controls/HEXentry.h"

#include "controls/LeadingNumber.h"
#include "model/ProjectorGlobals.h"

#include <algorithm>

HEXentry::HEXentry(QWidget* parent) : SpinEntryControl("0", "FFFF", parent) {}

int16_t HEXentry::return_value()
{
    ApplyText();
    return value_;
}

void HEXentry::set_values(int16_t value, const QString& tooltip)
{
    PrepareForNewValue(tooltip);
    SetValue(value);
}

void HEXentry::SetValue(int16_t v)
{
    value_ = v;
    ShowText(QString::fromStdString(HexWord(v)));
}

void HEXentry::ApplyText()
{
    const int32_t read = std::clamp<int32_t>(LeadingHexNumber(Text()), -32768, 32767);
    SetValue(static_cast<int16_t>(read));
}

void HEXentry::StepDown()
{
    if (value_ > -32768) SetValue(static_cast<int16_t>(value_ - 1));
}

void HEXentry::StepUp()
{
    if (value_ < 32767) SetValue(static_cast<int16_t>(value_ + 1));
}

bool HEXentry::KeyReleaseRaisesEvent(int key) const
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
