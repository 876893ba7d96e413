#pragma once

#include "devicelink/SerialLink.h"
#include "model/DeviceTypes.h"
#include "support/ScriptedPrompts.h"
#include "support/devices/SimulatedController.h"
#include "support/devices/SimulatedSerialPort.h"

#include <QTimer>
#include <gtest/gtest.h>

// A link on simulated COM1 with a controller attached and the port open.
class SimulatedLink : public ::testing::Test {
protected:
    SimulatedLink()
    {
        FillDefaultDeviceTypes(types);
        port.AddPort(1, &controller);
        port.SetCommPort(1);
        port.Open();
    }

    // Bytes the controller heard with the given settings text.
    std::vector<uint8_t> HeardAt(const std::string& settings) const
    {
        std::vector<uint8_t> bytes;
        for (const auto& heard : controller.Heard())
            if (heard.settings.Text() == settings) bytes.push_back(heard.byte);
        return bytes;
    }
    int FramesWithAddress(uint8_t address) const
    {
        int count = 0;
        for (const auto& frame : controller.Frames()) count += frame.address == address ? 1 : 0;
        return count;
    }
    // Sets the abort flag from the window loop after the given time.
    void AbortAfter(int milliseconds)
    {
        QTimer::singleShot(milliseconds, [this] { abortWait = true; });
    }

    DeviceTypeTable types;
    SimulatedController controller;
    SimulatedSerialPort port;
    ScriptedPrompts prompts;
    bool abortWait = false;
    SerialLink link{port, abortWait, prompts, types};
};
