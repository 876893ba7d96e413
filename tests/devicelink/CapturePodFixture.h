#pragma once

#include "RecordingCaptureView.h"
#include "devicelink/CaptureSession.h"
#include "model/DeviceTypes.h"
#include "support/ScriptedPrompts.h"
#include "support/devices/SimulatedCapturePod.h"
#include "support/devices/SimulatedSerialPort.h"

#include <QTimer>
#include <gtest/gtest.h>

// A capture session on simulated COM1 with a capture pod attached and the
// IRport option of COM1 checked; every wait is shortened.
class CapturePodFixture : public ::testing::Test {
protected:
    static CaptureDurations Short()
    {
        CaptureDurations durations;
        durations.CaptureWindowMilliseconds = 400;
        durations.ButtonCapturedMilliseconds = 30;
        durations.ShutDownMilliseconds = 30;
        durations.AddressPauseMilliseconds = 1;
        durations.AcknowledgeMilliseconds = 80;
        durations.BlockReplyMilliseconds = 80;
        durations.PlaybackAcknowledgeMilliseconds = 80;
        durations.Link = LinkWaits{1, 20, 5, 5, 1, 80, 50};
        return durations;
    }

    CapturePodFixture()
    {
        FillDefaultDeviceTypes(types);
        port.AddPort(1, &pod);
    }

    // Replaces the delayed reply to the occurrence-th frame carrying command.
    void ReplaceReply(uint8_t command, int occurrence, const std::vector<uint8_t>& reply)
    {
        pod.Tampering = [=, seen = 0](const SimulatedCapturePod::Frame& frame, int,
                                      SimulatedCapturePod::Answer& answer) mutable {
            if (frame.address == SimulatedCapturePod::CommandAddress && frame.payload[0] == command &&
                ++seen == occurrence)
                answer.Later = reply;
        };
    }
    // Sets a flag from the window loop a little later.
    static void SetLater(bool& flag)
    {
        QTimer::singleShot(20, [&flag] { flag = true; });
    }

    // The panels with repeats of the same panel in a row taken as one.
    std::vector<CapturePanel> PanelSequence() const
    {
        std::vector<CapturePanel> sequence;
        for (const CapturePanel panel : view.Panels)
            if (sequence.empty() || sequence.back() != panel) sequence.push_back(panel);
        return sequence;
    }

    DeviceTypeTable types;
    SimulatedCapturePod pod;
    SimulatedSerialPort port;
    ScriptedPrompts prompts;
    RecordingCaptureView view;
    CaptureSession session{port, prompts, types, view, Short()};
    CaptureFlags& flags = session.Flags();
};
