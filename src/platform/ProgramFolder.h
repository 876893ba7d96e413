#pragma once

#include <filesystem>

// The folder that holds every data file: the executable's folder, unless the
// environment variable TAVLO_PROGRAM_FOLDER names another.
std::filesystem::path ResolveProgramFolder();
