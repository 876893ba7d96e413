#include "controls/integer5v.h"

#include "controls/LeadingNumber.h"

#include <QCoreApplication>
#include <cmath>

namespace {
constexpr double Step = 0.0196;
}

integer5v::integer5v(QWidget* parent) : SpinEntryControl("0", "4.75", parent) {}

float integer5v::return_value()
{
    QCoreApplication::processEvents();
    ApplyText();
    return value_ / 5 * 255;
}

void integer5v::set_values(int16_t value, const QString& tooltip)
{
    PrepareForNewValue(tooltip);
    SetValue(static_cast<double>(value) * 5 / 255);
}

// Out of range lands a quarter volt inside the range, not on its edge.
void integer5v::SetValue(double v)
{
    if (v > 5) {
        value_ = 4.75F;
    } else if (v < 0) {
        value_ = 0.25F;
    } else {
        value_ = static_cast<float>(v);
    }
    const double rounded = std::round(static_cast<double>(value_) * 100) / 100;
    QString text = QString::number(rounded, 'f', 2);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    if (text.isEmpty() || text == "-") text = "0";
    ShowText(text);
}

void integer5v::ApplyText()
{
    SetValue(LeadingDecimalNumber(Text()));
}

void integer5v::StepDown()
{
    SetValue(static_cast<double>(value_) - Step);
}

void integer5v::StepUp()
{
    SetValue(static_cast<double>(value_) + Step);
}

// A number still being typed: empty, a lone sign, or one that ends in its
// decimal point or in zeros after it ("2.", "2.0"), which would otherwise be
// rewritten before the next digit could follow.
bool integer5v::IsUnfinishedText(const QString& text) const
{
    if (IsNumberNotYetBegun(text)) return true;
    const QString trimmed = text.trimmed();
    return trimmed.endsWith('.') || (trimmed.contains('.') && trimmed.endsWith('0'));
}
