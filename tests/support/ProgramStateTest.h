#pragma once

#include "model/ApplicationState.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

// A fresh application state in a fresh program folder, whose scripted
// prompts must have shown every message the test expected by its end.
class ProgramStateTest : public ::testing::Test {
protected:
    ~ProgramStateTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};
