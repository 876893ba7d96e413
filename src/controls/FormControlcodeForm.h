#pragma once

#include "controls/BytePopup.h"

#include <array>
#include <string>

// The pop-up in which a control code is picked from the 32 mnemonics, in
// four columns of eight.
class FormControlcodeForm : public BytePopup {
    Q_OBJECT
public:
    static constexpr int CodesPerColumn = 8;

    // ControlCodeChoice is highlighted at the start and is the Choice when
    // the pop-up closes without a click.
    FormControlcodeForm(int ControlCodeChoice, const std::array<std::string, 32>& ControlCodeNames,
                        QWidget* parent = nullptr);

    int ColumnWidth() const;
    int ColumnPitch() const { return ColumnWidth() - 1; }
};
