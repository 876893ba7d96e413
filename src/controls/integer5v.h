#pragma once

#include "controls/SpinEntryControl.h"

#include <cstdint>

// Spin entry for a voltage of 0 to 5 V that the host keeps as a byte on the
// scale 0..255.
class integer5v : public SpinEntryControl {
    Q_OBJECT
public:
    explicit integer5v(QWidget* parent = nullptr);

    // The entered voltage on the byte scale, unrounded.
    float return_value();
    // value is on the byte scale. Raises no event.
    void set_values(int16_t value, const QString& tooltip);

private:
    void SetValue(double v);
    void ApplyText() override;
    void StepDown() override;
    void StepUp() override;
    bool IsUnfinishedText(const QString& text) const override;

    float value_ = 0.0F;
};
