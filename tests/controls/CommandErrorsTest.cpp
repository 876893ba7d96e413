#include "controls/CommandErrors.h"
#include "model/RuntimeErrors.h"
#include "platform/RecordFile.h"
#include "support/ScriptedPrompts.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

// A run-time error ends the command with a message and the editor goes on;
// a defect is no run-time error and is not hidden.
TEST(CommandErrors, ARunTimeErrorIsToldAndEndsOnlyTheCommand)
{
    const struct {
        std::function<void()> fail;
        const char* told;
    } cases[] = {
        {[] { throw SubscriptOutOfRange("library 0"); }, "Subscript out of range: library 0"},
        {[] { throw ValueOverflow("library index"); }, "Overflow: library index"},
        {[] { throw TypeMismatch("x"); }, "Type mismatch: x"},
        {[] { throw FileError("cannot read 'a': Input/output error"); }, "cannot read 'a': Input/output error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        ScriptedPrompts prompts;
        prompts.ExpectMessage(QString("The command could not be completed!\r\n") + c.told, "Tavlo Editor",
                              PromptButtons::Ok, PromptIcon::Exclamation);
        EXPECT_FALSE(RunCommandReportingErrors(prompts, c.fail));
    }
    ScriptedPrompts quiet;
    int ran = 0;
    EXPECT_TRUE(RunCommandReportingErrors(quiet, [&ran] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_THROW(RunCommandReportingErrors(quiet, [] { throw std::logic_error("a defect"); }), std::logic_error);
}
