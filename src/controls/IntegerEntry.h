#pragma once

#include "controls/SpinEntryControl.h"

#include <cstdint>

// Spin entry for a bounded whole number; the host chooses the range and the
// tooltip, the control keeps the value inside the range.
class IntegerEntry : public SpinEntryControl {
    Q_OBJECT
public:
    explicit IntegerEntry(QWidget* parent = nullptr);

    // Reads what the box holds, shows it clamped, and returns it.
    int16_t return_value();
    // Raises no event.
    void set_values(int16_t value, int16_t minimum, int16_t maximum, const QString& tooltip);

private:
    void SetValue(double v);
    void ApplyText() override;
    void StepDown() override;
    void StepUp() override;
    bool IsUnfinishedText(const QString& text) const override;

    int16_t value_ = 0;
    int16_t minimum_ = 0;
    int16_t maximum_ = 0;
};
