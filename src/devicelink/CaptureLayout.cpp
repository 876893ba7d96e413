#include "devicelink/CaptureLayout.h"

ConfigIRCommandRecord CaptureRecordOf(const IRCommandClass& command)
{
    ConfigIRCommandRecord capture;
    for (const IRPart part : {IRPart::Start, IRPart::Repeat}) {
        capture.Data[CaptureSlot(part)] = command.Part(part);
        capture.InterPeriod[CaptureSlot(part)] = command.InterPeriod(part);
    }
    capture.Mode = command.Mode();
    return capture;
}

void TakeCapture(const ConfigIRCommandRecord& capture, IRCommandClass& command)
{
    for (const IRPart part : {IRPart::Start, IRPart::Repeat}) {
        command.Part(part) = capture.Data[CaptureSlot(part)];
        command.InterPeriod(part, capture.InterPeriod[CaptureSlot(part)]);
    }
    command.Mode(capture.Mode);
}
