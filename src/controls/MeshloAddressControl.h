#pragma once

#include "controls/SpinEntryControl.h"

#include <cstdint>

// Spin entry for one Meshlo address, 0 to 2047, where 0 means the event has
// no address and shows as "OFF".
class MeshloAddressControl : public SpinEntryControl {
    Q_OBJECT
public:
    explicit MeshloAddressControl(QWidget* parent = nullptr);

    // Always a whole number within 0..2047.
    float return_value();
    // Raises no event.
    void set_values(int16_t address, const QString& tooltip);

private:
    void SetValue(double v);
    void ApplyText() override;
    void StepDown() override;
    void StepUp() override;
    void BeforeKeyDown(const QKeyEvent& key) override;

    int16_t value_ = 0;
};
