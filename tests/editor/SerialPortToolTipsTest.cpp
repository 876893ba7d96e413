#include "controls/SerialDeviceToolTip.h"
#include "devicelink/TavloComms.h"
#include "infrared/EditIR.h"
#include "messages/ProjectorSerialTestForm.h"
#include "messages/RS232CaptureForm.h"
#include "messages/SerialTestForm.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"
#include "support/ScopedVariable.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QApplication>
#include <QHelpEvent>
#include <QRadioButton>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;

namespace {

class SerialPortToolTipsTest : public ProgramStateTest {
protected:
    SerialPortToolTipsTest()
    {
        // No system port is probed; the tooltips name the system's devices all the same.
        InstallSimulatedPorts(state.Installed);
        state.Messages.WorkSerial = &message;
    }

    SerialClass message;
};

struct PortControls {
    const char* name;  // the controls are name_0, name_1, ... for COM1, COM2, ...
    int ports;
    std::function<std::unique_ptr<QWidget>(ApplicationState&)> open;
};

template <class Dialog>
std::unique_ptr<QWidget> Make(ApplicationState& state)
{
    return std::make_unique<Dialog>(state);
}

QString ToolTipShown(QWidget& control)
{
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), control.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&control, &hover);
    return control.toolTip();
}

}  // namespace

// Every port option tells the device its number means, and whether it is
// there: COM1 an adapter that exists, COM2 one that does not (until it is
// plugged in), COM3 the default device.
TEST_F(SerialPortToolTipsTest, EveryPortOptionNamesItsDevice)
{
    const QString present = QString::fromStdString((folder / "ttyUSB0").string());
    const QString absent = QString::fromStdString((folder / "ttyUSB1").string());
    folder.WriteBytes("ttyUSB0", "");
    const ComPortVariable com1(1, present);
    const ComPortVariable com2(2, absent);
    const ComPortVariable com3(3, "");  // an empty variable names no device
    const QString defaultDevice = fs::exists("/dev/ttyS2") ? "COM3: /dev/ttyS2" : "COM3: /dev/ttyS2 (not present)";

    const PortControls table[] = {
        {"Option1", 4, Make<TavloComms>},
        {"PodType", 4, Make<TavloComms>},
        {"Option1", 16, Make<SerialTestForm>},
        {"Option1", 16, Make<ProjectorSerialTestForm>},
        {"Option1", 16, Make<RS232CaptureForm>},
        {"IRport", 4, Make<EditIR>},
        {"PodType", 4, Make<EditIR>},
    };
    for (const PortControls& controls : table) {
        fs::remove(folder / "ttyUSB1");
        const std::unique_ptr<QWidget> dialog = controls.open(state);
        SCOPED_TRACE(dialog->metaObject()->className() + std::string(" ") + controls.name);
        auto control = [&](int i) { return Named<QWidget>(*dialog, controls.name, i); };
        EXPECT_EQ(control(0)->toolTip(), "COM1: " + present);
        EXPECT_EQ(control(1)->toolTip(), "COM2: " + absent + " (not present)");
        EXPECT_EQ(control(2)->toolTip(), defaultDevice);
        const QString last = QString::number(controls.ports);
        EXPECT_TRUE(control(controls.ports - 1)->toolTip().startsWith("COM" + last + ": "));

        folder.WriteBytes("ttyUSB1", "");  // plugged in while the dialog is open
        EXPECT_EQ(ToolTipShown(*control(1)), "COM2: " + absent);
    }
}

// A control's own tooltip stays, with the device on a line of its own.
TEST_F(SerialPortToolTipsTest, AnOwnToolTipKeepsItsText)
{
    const ComPortVariable com4(4, "/nonexistent/tavlo-port");
    QRadioButton option("4");
    option.setToolTip("Port of the pod");
    ShowSerialDeviceInToolTip(option, 4);
    EXPECT_EQ(ToolTipShown(option), "Port of the pod\nCOM4: /nonexistent/tavlo-port (not present)");
}
