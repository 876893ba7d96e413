#include "model/WorkSerialHandOff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A dialog opened from inside another finds the outer one's message and
// source again when it closes; the last to close leaves nothing behind, even
// when it ends with an error, and its result reaches no later call.
TEST(WorkSerialHandOffTest, PutsBackWhatWasThereHoweverTheDialogEnds)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    MessageToolsState& tools = state.Messages;
    SerialClass outer;
    SerialClass inner;
    {
        const WorkSerialHandOff outerHandOff(tools, outer, true);
        tools.EditStringCanBeInput = true;
        EXPECT_EQ(tools.WorkSerial, &outer);
        EXPECT_TRUE(tools.SettingsFromCapture);
        {
            const WorkSerialHandOff innerHandOff(tools, inner);
            EXPECT_EQ(tools.WorkSerial, &inner);
            EXPECT_FALSE(tools.SettingsFromCapture);
            tools.VolumeParametersChanged = true;
            tools.EditStringCanBeInput = false;
            EXPECT_TRUE(innerHandOff.VolumeParametersChanged());
        }
        EXPECT_EQ(tools.WorkSerial, &outer);
        EXPECT_TRUE(tools.SettingsFromCapture);
        EXPECT_TRUE(tools.EditStringCanBeInput);
        EXPECT_FALSE(outerHandOff.VolumeParametersChanged());
    }
    EXPECT_EQ(tools.WorkSerial, nullptr);

    tools.VolumeParametersChanged = true;
    try {
        const WorkSerialHandOff handOff(tools, outer, true);
        EXPECT_FALSE(handOff.VolumeParametersChanged()) << "a stale result must not reach the dialog";
        throw std::runtime_error("dialog failed");
    } catch (const std::runtime_error&) {
        EXPECT_EQ(tools.WorkSerial, nullptr);
        EXPECT_FALSE(tools.SettingsFromCapture);
        EXPECT_TRUE(tools.VolumeParametersChanged);
    }
}

}  // namespace
