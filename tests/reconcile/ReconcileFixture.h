#pragma once

#include "model/ApplicationState.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// IR command data drawn from a seed, so that two commands differ in every
// part unless given the same seed.
void FillIRCommand(IRCommandClass& command, std::string_view name, int seed);
// A library whose commands are given as "NAME:seed" (the same seed gives
// the same data); the names are stored as given.
IRclass& AddIRLibrary(ApplicationState& state, std::string_view manufacturer, std::string_view type,
                      std::string_view model, std::initializer_list<std::string_view> commands);
// An RS232 library with commands in the first slots, "NAME:bytes" (ASCII);
// a leading '?' in the bytes is an IGNORE byte.
RS232FileBlockClass& AddRS232Library(ApplicationState& state, std::string_view manufacturer, std::string_view type,
                                     std::string_view model, std::initializer_list<std::string_view> commands);
// Every stored field of a library, as text, so that two compare at once.
std::string Described(const IRclass& library);
std::string Described(const RS232FileBlockClass& library);

// A fresh state in a fresh program folder, its prompts scripted.
class ReconcileTest : public ::testing::Test {
protected:
    ~ReconcileTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    // Its databases start empty whatever the folder holds, as on another
    // computer, rather than being read from the folder on first use.
    std::unique_ptr<ApplicationState> NewState()
    {
        auto fresh = std::make_unique<ApplicationState>(folder.path(), prompts);
        fresh->Config.ClearConfiguration();
        fresh->Projectors.ClearProjectorDatabase();
        fresh->RS232Libraries.ClearRS232Database();
        fresh->IR.ClearIRDatabase();
        return fresh;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    std::unique_ptr<ApplicationState> state = NewState();
};

// Drives modal dialogs that open one after another, one action each; a
// dialog an action leaves open is closed, so that a failing test ends.
void DriveDialogs(const std::vector<std::function<void(QWidget*)>>& actions, std::size_t first = 0);
// The libraries of "InfraRed.DEF" and "RS232Serials.DEF" in the folder, described.
std::vector<std::string> SavedIRLibraries(const std::filesystem::path& folder);
std::vector<std::string> SavedRS232Libraries(const std::filesystem::path& folder);
// The libraries of a database filled by the function, described.
std::vector<std::string> DescribedIRLibraries(const std::function<void(ApplicationState&)>& fill);
std::vector<std::string> DescribedRS232Libraries(const std::function<void(ApplicationState&)>& fill);
// Every input and slot of the two configurations equal, then the whole.
void ExpectSameConfiguration(const ConfigurationRecord& actual, const ConfigurationRecord& expected);
