#pragma once

#include "model/ProjectorGlobals.h"
#include "model/SerialClass.h"

#include <filesystem>

class UserPrompts;

// Owns every piece of process-wide state, grouped by the module that owns it.
// The program makes one; each test makes a fresh one in a temporary folder.
class ApplicationState {
public:
    ApplicationState(std::filesystem::path programFolder, UserPrompts& prompts)
        : ProgramFolder(std::move(programFolder)), prompts_(&prompts)
    {
    }
    ApplicationState(const ApplicationState&) = delete;
    ApplicationState& operator=(const ApplicationState&) = delete;

    UserPrompts& Prompts() const { return *prompts_; }

    std::filesystem::path ProgramFolder;
    ProjectorGlobals Names;
    SerialClass SerialClipboard;

private:
    UserPrompts* prompts_;
};
