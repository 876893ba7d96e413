#pragma once

#include <filesystem>

// The folder that holds every data file: the folder named by the environment
// variable TAVLO_PROGRAM_FOLDER; else the executable's folder when it can be
// written; else the user's data folder for the application
// (QStandardPaths::AppDataLocation), made when it is missing. Installed
// programs live in folders their users cannot write.
std::filesystem::path ResolveProgramFolder();
// The same choice for an executable in the given folder.
std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder);
// The user's data folder for the application, made when it is missing.
std::filesystem::path UserDataFolder();
