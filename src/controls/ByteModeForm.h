#pragma once

#include "controls/BytePopup.h"

// The pop-up in which the content type of a byte is picked. Its last row
// offers IGNORE for a message that can be received, VARIABLE for one with a
// volume format whose VARIABLE byte may be this byte, and nothing otherwise.
class ByteModeForm : public BytePopup {
    Q_OBJECT
public:
    // ByteModeChoice is highlighted at the start and is the Choice when the
    // pop-up closes without a click.
    ByteModeForm(int ByteModeChoice, bool EditStringHasVolume, bool VariableModeAllowed, bool EditStringCanBeInput,
                 QWidget* parent = nullptr);

private:
    int BottomMargin() const override;
};
