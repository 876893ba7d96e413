#include "SimulatedLink.h"

namespace {

int Count(const std::vector<uint8_t>& bytes, uint8_t value)
{
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), value));
}

// Answers the first probe with bytes that are no identity, and nothing after.
class AnswersOnce final : public SimulatedDevice {
public:
    int probes = 0;

protected:
    void Received(uint8_t byte, const SerialSettings&) override
    {
        if (byte == 'D' && ++probes == 1) Send({0x01, 0x02, 0x03, 0x04});
    }
};

}  // namespace

TEST_F(SimulatedLink, AfterARoundThatSawAReplyASilentRoundDoesNotEndTheProbe)
{
    AnswersOnce device;
    port.AddPort(2, &device);
    port.Close();
    port.SetCommPort(2);
    ASSERT_TRUE(port.Open());
    bool restart = false;
    EXPECT_EQ(link.Find_pod(restart), 0u);
    EXPECT_EQ(device.probes, 21);  // three rounds of seven rates
}

TEST_F(SimulatedLink, ProbeSendsItsBytesAtEachRateInOrder)
{
    controller.Silent = true;
    bool restart = false;
    EXPECT_EQ(link.Find_pod(restart), 0u);
    std::vector<std::string> rates;
    for (const auto& heard : controller.Heard())
        if (heard.byte == 'D') rates.push_back(heard.settings.Text());
    // Nothing answered in the first round: one round only.
    EXPECT_EQ(rates, (std::vector<std::string>{"9600,n,8,2", "38400,n,8,2", "28800,n,8,2", "19200,n,8,2", "14400,n,8,2",
                                               "4800,n,8,2", "2400,n,8,2"}));
    const auto at9600 = HeardAt("9600,n,8,2");
    EXPECT_EQ(at9600, (std::vector<uint8_t>{0xFF, 'S', 'E', 'T', 'P', 'O', 'D'}));
    EXPECT_EQ(controller.BreaksHeard(), 1);
    EXPECT_EQ(controller.Restarts(), 0);
}

TEST_F(SimulatedLink, ReplyOfFourFiveOrSevenBytesIsReadFromTheRightPlace)
{
    controller.Identity = 0x11;
    bool restart = false;
    EXPECT_EQ(link.Find_pod(restart), 0x000111u);  // exactly four bytes

    controller.ProbeReplySuffix = {0x99};
    EXPECT_EQ(link.Find_pod(restart), 0x000111u);  // the fifth is ignored

    controller.Major = 1;
    controller.Minor = 16;
    controller.ProbeReplyPrefix = {0x42, 0x43};
    EXPECT_EQ(link.Find_pod(restart), 0x100111u);  // seven bytes: the identity is bytes 2 to 5
}

TEST_F(SimulatedLink, AWrongChecksumIsRejectedAndAllThreeRoundsRun)
{
    controller.Identity = 0x11;
    controller.ProbeChecksumWrong = true;  // 0x11, 0x01, 0x00, 0xEE
    bool restart = false;
    EXPECT_EQ(link.Find_pod(restart), 0u);
    EXPECT_EQ(controller.ProbesAnswered(), 3);
    EXPECT_EQ(Count(HeardAt("2400,n,8,2"), 'D'), 3);
    EXPECT_EQ(controller.Restarts(), 0);  // no restarts were asked for
}

TEST_F(SimulatedLink, AnIdentityNotInTheTableIsRejected)
{
    controller.Identity = 0x01;  // no built-in row answers 1
    bool restart = false;
    EXPECT_EQ(link.Find_pod(restart), 0u);
    EXPECT_EQ(controller.ProbesAnswered(), 3);
}

TEST_F(SimulatedLink, ADeviceAt2400IsFoundInTheFirstRoundAndRestartedOnce)
{
    controller.ProbeBaud = 2400;
    bool restart = true;
    EXPECT_EQ(link.Find_pod(restart), 50u + 256u);
    EXPECT_EQ(Count(HeardAt("2400,n,8,2"), 'D'), 1);
    EXPECT_EQ(controller.ProbesHeard(), 1);
    EXPECT_EQ(controller.Restarts(), 1);
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(SimulatedLink, InvalidRepliesInTwoRoundsBringARestartWithoutAnswerAfterEach)
{
    controller.ProbeCorrectFrom = 3;
    bool restart = true;
    EXPECT_EQ(link.Find_pod(restart), 50u + 256u);
    EXPECT_EQ(controller.ProbesAnswered(), 3);
    // Two restarts without answer after rounds one and two, and the
    // acknowledged one after the device was identified.
    EXPECT_EQ(FramesWithAddress(0x33), 3);
    EXPECT_EQ(controller.Restarts(), 3);
}

TEST_F(SimulatedLink, AFailedRestartStillReturnsTheIdentity)
{
    controller.FrameAnswer = [](const SimulatedController::Frame&, int) { return SimulatedController::Answer::Silent; };
    prompts.ExpectMessage("No reply to restart", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    bool restart = true;
    EXPECT_EQ(link.Find_pod(restart), 50u + 256u);
}

TEST_F(SimulatedLink, AbortDuringTheProbeReturnsNothingAndAClosedPortIsNotTouched)
{
    controller.Silent = true;
    QTimer::singleShot(150, [this] {
        abortWait = true;
        port.Close();
    });
    bool restart = true;
    EXPECT_EQ(link.Find_pod(restart), 0u);
    EXPECT_EQ(Count(HeardAt("38400,n,8,2"), 'D'), 0);
    EXPECT_FALSE(port.IsOpen());
}
