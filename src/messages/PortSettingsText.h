#pragma once

#include <cstdint>
#include <string>

// The settings text of a message's port options: "19200,e,8,1" for baud-rate
// option 1 and parity option 1. An option outside its range is read as
// 9600 baud or no parity, so the text is always one a port accepts.
std::string PortSettingsText(int16_t baudrateIndex, int16_t parityIndex);
