#pragma once

#include "model/ConfigurationRecord.h"

#include <string>
#include <vector>

// Configurations for tests: every variable given a value of its own, drawn
// from the seed, so that a value landing in the wrong place shows.
void FillEveryVariable(ConfigurationRecord& record, unsigned seed);

// The lines of a CRLF text, without their line ends.
std::vector<std::string> CrlfLines(const std::string& text);
