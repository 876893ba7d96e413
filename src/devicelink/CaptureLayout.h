#pragma once

#include "model/ConfigurationRecord.h"
#include "model/IRCommandClass.h"

// The capture buffer keeps the pod's order: Data[0] and InterPeriod[0] are
// the start part's, Data[1] and InterPeriod[1] the repeat part's (a command
// numbers its parts the other way round, see IRPart).
constexpr std::size_t CaptureSlot(IRPart part)
{
    return part == IRPart::Start ? 0 : 1;
}

// The capture of a command, to play it back: its parts, timing and mode.
ConfigIRCommandRecord CaptureRecordOf(const IRCommandClass& command);
// A capture into a command: parts, timing and mode; the name stays.
void TakeCapture(const ConfigIRCommandRecord& capture, IRCommandClass& command);
