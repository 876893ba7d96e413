#include "SimulatedLink.h"

using Answer = SimulatedController::Answer;

namespace {
const SerialLink::Bytes RestartPayload{0xFF};
}

TEST_F(SimulatedLink, AFrameIsItsAddressAtOddParityThenThePayloadAtEvenParity)
{
    EXPECT_TRUE(link.AcknowledgedSend(0x33, RestartPayload, std::nullopt));
    ASSERT_EQ(controller.Heard().size(), 2u);
    EXPECT_EQ(controller.Heard()[0].byte, 0x33);
    EXPECT_EQ(controller.Heard()[0].settings.Text(), "9600,o,8,1");
    EXPECT_EQ(controller.Heard()[1].byte, 0xFF);
    EXPECT_EQ(controller.Heard()[1].settings.Text(), "9600,e,8,1");
    EXPECT_EQ(controller.Restarts(), 1);
}

TEST_F(SimulatedLink, FrameChecksumMakesThePayloadSumToFF)
{
    const uint8_t bytes[] = {0x01, 0x02, 0xFF, 0xFF};
    EXPECT_EQ(SerialLink::FrameChecksum(bytes, 0), 0xFF);
    EXPECT_EQ(SerialLink::FrameChecksum(bytes, 2), 0xFC);
    EXPECT_EQ(SerialLink::FrameChecksum(bytes, 4), 0xFE);  // 0x201 wraps to 0x01
}

TEST_F(SimulatedLink, AnAcknowledgementOnTheThirdAttemptSucceedsWithoutAMessage)
{
    controller.FrameAnswer = SimulatedController::AcknowledgeOnAttempt(3, Answer::Wrong);
    EXPECT_TRUE(link.restart_unit());
    EXPECT_EQ(FramesWithAddress(0x33), 3);
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(SimulatedLink, RestartFailuresAreToldAfterTheFourthAttempt)
{
    controller.FrameAnswer = [](const SimulatedController::Frame&, int) { return Answer::Wrong; };
    prompts.ExpectMessage("Reply fail to restart", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_FALSE(link.restart_unit());
    EXPECT_EQ(FramesWithAddress(0x33), 4);

    controller.Silent = true;
    prompts.ExpectMessage("No reply to restart", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_FALSE(link.restart_unit());
    EXPECT_EQ(FramesWithAddress(0x33), 8);
}

TEST_F(SimulatedLink, AnAcknowledgementCountsWhateverItsSecondByteAndALateOneWithinTheWindowCounts)
{
    controller.ReplyDelay = std::chrono::milliseconds(250);
    EXPECT_TRUE(link.restart_unit());
    EXPECT_EQ(FramesWithAddress(0x33), 1);
}

TEST_F(SimulatedLink, ALoneAcknowledgementByteLeftFromOneAttemptIsFlushedBeforeTheNext)
{
    // The first attempt leaves a single 0xF0 waiting; were it kept, the next
    // attempt's wrong answer would read as F0 0F and pass.
    controller.FrameAnswer = [](const SimulatedController::Frame&, int attempt) {
        return attempt == 1 ? Answer::Truncated : Answer::Wrong;
    };
    prompts.ExpectMessage("Reply fail to restart", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_FALSE(link.restart_unit());
    EXPECT_EQ(FramesWithAddress(0x33), 4);
}

TEST_F(SimulatedLink, TheAbortFlagEndsTheAcknowledgementWaitWithoutAMessageOrAnotherAttempt)
{
    controller.Silent = true;
    AbortAfter(100);
    EXPECT_FALSE(link.restart_unit());
    EXPECT_EQ(FramesWithAddress(0x33), 1);
    EXPECT_TRUE(prompts.Shown().empty());
    // Once set, nothing more goes out.
    const auto heard = controller.Heard().size();
    EXPECT_FALSE(link.restart_unit());
    EXPECT_EQ(controller.Heard().size(), heard);
}

TEST_F(SimulatedLink, BreakPulseIsAZeroByteAt110Baud)
{
    link.send_break_pulse();
    ASSERT_EQ(controller.Heard().size(), 1u);
    EXPECT_EQ(controller.Heard()[0].byte, 0x00);
    EXPECT_EQ(controller.Heard()[0].settings.Text(), "110,n,8,2");
    EXPECT_EQ(controller.BreaksHeard(), 1);
}

TEST_F(SimulatedLink, DumbRestartSendsTheRestartFrameAndReadsNothing)
{
    EXPECT_FALSE(link.dumb_restart_unit());
    EXPECT_EQ(controller.Restarts(), 1);
    EXPECT_EQ(port.InBufferCount(), 2);  // the acknowledgement is left unread
}

TEST_F(SimulatedLink, ChoosingAPortOpensItAndAnAbsentPortStaysClosed)
{
    port.AddPort(3);
    link.set_active_port(2);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.CommPort(), 3);
    link.set_active_port(3);  // COM4 does not exist
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.OpenAttempts(4), 1);
    link.set_active_port(std::nullopt);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SimulatedLink, AnAbortableWaitUnderASetFlagReturnsWithoutYielding)
{
    bool yielded = false;
    QTimer::singleShot(0, [&] { yielded = true; });
    abortWait = true;
    EXPECT_FALSE(link.WaitTimer(3000, true));
    EXPECT_FALSE(link.ReplyWait(3000, 2));
    EXPECT_FALSE(yielded);
    // A wait that cannot be aborted runs its course.
    EXPECT_TRUE(link.WaitTimer(10, false));
    EXPECT_TRUE(yielded);
}
