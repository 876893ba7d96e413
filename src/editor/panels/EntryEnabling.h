#pragma once

#include "controls/SpinEntryControl.h"

// Disables a spin entry as a whole: its row of hyphens stands for the value,
// and the widget itself reports the state to keyboard focus and tests.
inline void SetEntryEnabled(SpinEntryControl* entry, bool enabled)
{
    entry->setEnabled(enabled);
    entry->Enabled(enabled);
}
