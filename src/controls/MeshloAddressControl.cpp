#include "controls/MeshloAddressControl.h"

#include "controls/LeadingNumber.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace {
constexpr int16_t HighestAddress = 2047;
const QString Off = QStringLiteral("OFF");
}  // namespace

MeshloAddressControl::MeshloAddressControl(QWidget* parent) : SpinEntryControl("2047", "2047", parent) {}

float MeshloAddressControl::return_value()
{
    QCoreApplication::processEvents();
    ApplyText();
    return value_;
}

void MeshloAddressControl::set_values(int16_t address, const QString& tooltip)
{
    PrepareForNewValue(tooltip);
    SetValue(address);
}

void MeshloAddressControl::SetValue(double v)
{
    if (v > HighestAddress) {
        value_ = HighestAddress;
    } else if (v < 0) {
        value_ = 0;
    } else {
        value_ = static_cast<int16_t>(v);
    }
    ShowText(value_ == 0 ? Off : QString::number(value_));
}

void MeshloAddressControl::ApplyText()
{
    SetValue(RoundToInt16(LeadingDecimalNumber(Text())));
}

void MeshloAddressControl::StepDown()
{
    SetValue(value_ - 1);
}

void MeshloAddressControl::StepUp()
{
    SetValue(value_ + 1);
}

// Typed or pasted digits replace "OFF" rather than join it; a caret key
// leaves it standing.
void MeshloAddressControl::BeforeKeyDown(const QKeyEvent& key)
{
    if (Text() != Off) return;
    const QString typed = key.text();
    const bool typesText = !typed.isEmpty() && typed.at(0).isPrint();
    if (typesText || key.matches(QKeySequence::Paste)) ClearForTyping();
}
