#include "controls/IntegerEntry.h"

#include "controls/LeadingNumber.h"

#include <QCoreApplication>
#include <QLineEdit>

IntegerEntry::IntegerEntry(QWidget* parent) : SpinEntryControl("0", "-32768", parent) {}

int16_t IntegerEntry::return_value()
{
    QCoreApplication::processEvents();
    ApplyText();
    return value_;
}

void IntegerEntry::set_values(int16_t value, int16_t minimum, int16_t maximum, const QString& tooltip)
{
    PrepareForNewValue(tooltip);
    maximum_ = maximum;
    minimum_ = minimum;
    SetValue(value);
}

// The maximum is tested first, so a range whose minimum lies above its
// maximum still yields one of its bounds.
void IntegerEntry::SetValue(double v)
{
    if (v > maximum_) {
        value_ = maximum_;
    } else if (v < minimum_) {
        value_ = minimum_;
    } else {
        value_ = static_cast<int16_t>(v);
    }
    ShowText(QString::number(value_));
}

void IntegerEntry::ApplyText()
{
    SetValue(RoundToInt16(LeadingDecimalNumber(Text())));
}

void IntegerEntry::StepDown()
{
    if (value_ > -32768) SetValue(value_ - 1);
}

void IntegerEntry::StepUp()
{
    if (value_ < 32767) SetValue(value_ + 1);
}

// Rewriting an empty box or a lone minus sign at once would make a negative
// number impossible to type.
bool IntegerEntry::IsUnfinishedText(const QString& text) const
{
    return IsNumberNotYetBegun(text);
}
