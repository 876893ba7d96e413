// The terminal's settings through termios2, which gives any rate as a
// number; it cannot share a translation unit with <termios.h>.

#include "support/devices/PtyFarEnd.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

SerialSettings PtyFarEnd::LineSettings() const
{
    SerialSettings settings;
    struct termios2 terminal {};
    if (held_ < 0 || ioctl(held_, TCGETS2, &terminal) != 0) return settings;
    if (terminal.c_ospeed > 0) settings.baud = static_cast<int>(terminal.c_ospeed);
    switch (terminal.c_cflag & CSIZE) {
    case CS5: settings.dataBits = 5; break;
    case CS6: settings.dataBits = 6; break;
    case CS7: settings.dataBits = 7; break;
    default: settings.dataBits = 8; break;
    }
    if ((terminal.c_cflag & PARENB) != 0)
        settings.parity =
            (terminal.c_cflag & PARODD) != 0 ? SerialSettings::ParityKind::Odd : SerialSettings::ParityKind::Even;
    settings.stopBits = (terminal.c_cflag & CSTOPB) != 0 ? 2 : 1;
    return settings;
}
