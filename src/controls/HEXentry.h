#pragma once

#include "controls/SpinEntryControl.h"

#include <cstdint>

// Spin entry that shows and takes a 16-bit value in hexadecimal; negative
// values appear as their two's complement. Only Enter, a step button or the
// text box losing the focus raises ValueChanged.
class HEXentry : public SpinEntryControl {
    Q_OBJECT
public:
    explicit HEXentry(QWidget* parent = nullptr);

    int16_t return_value();
    // Raises no event.
    void set_values(int16_t value, const QString& tooltip);

private:
    void SetValue(int16_t v);
    void ApplyText() override;
    void StepDown() override;
    void StepUp() override;
    bool PressRunsPendingEvents() const override { return false; }
    bool KeyReleaseRaisesEvent(int key) const override;

    int16_t value_ = 0;
};
