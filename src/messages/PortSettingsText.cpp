#include "messages/PortSettingsText.h"

std::string PortSettingsText(int16_t baudrateIndex, int16_t parityIndex)
{
    std::string text;
    switch (baudrateIndex) {
    case 1: text = "19200,"; break;
    case 2: text = "38400,"; break;
    case 3: text = "57600,"; break;
    case 4: text = "115200,"; break;
    default: text = "9600,"; break;
    }
    switch (parityIndex) {
    case 1: text += "e,8,"; break;
    case 2: text += "o,8,"; break;
    default: text += "n,8,"; break;
    }
    return text + "1";
}
