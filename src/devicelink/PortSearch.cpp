#include "devicelink/PortSearch.h"

#include "platform/Windows1252.h"

PortSearchRow SearchPort(SerialLink& link, int commPort, const DeviceTypeTable& deviceTypes)
{
    PortSearchRow row;
    SerialPort& port = link.Port();
    // A port left open by a programming run that stopped early would keep
    // its number, and the probe meant for this port would go to that one.
    if (port.IsOpen()) port.Close();
    port.SetCommPort(commPort);
    row.opened = port.Open();
    row.deviceText = NoDeviceText;
    if (!row.opened) return row;

    bool restart = true;
    row.identity = link.Find_pod(restart);
    // Nothing found is nothing, even where an empty table row would match 0.
    const DeviceTypeEntry* type =
        row.identity == 0 ? nullptr : FindDeviceTypeByReply(deviceTypes, IdentityByte(row.identity));
    if (type != nullptr) {
        row.deviceText = FromWindows1252(type->Name) +
                         QString("%1.%2").arg(MajorVersion(row.identity)).arg(MinorVersion(row.identity));
        row.canProgram = type->Type == ControllerDeviceType;
    }
    row.version1 = MajorVersion(row.identity) <= 1;
    if (port.IsOpen()) port.Close();
    return row;
}
