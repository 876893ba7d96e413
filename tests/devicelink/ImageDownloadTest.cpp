#include "SimulatedLink.h"

#include "devicelink/ImageDownload.h"

#include <algorithm>
#include <numeric>
#include <set>

using Answer = SimulatedController::Answer;

namespace {

std::vector<uint8_t> Pattern(std::size_t length)
{
    std::vector<uint8_t> image(8192, 0);
    for (std::size_t i = 0; i < length; ++i) image[i] = static_cast<uint8_t>(i * 7 + 3);
    return image;
}

int BlockOf(const SimulatedController::Frame& frame)
{
    return frame.payload[0] * 256 + frame.payload[1];
}

}  // namespace

TEST(DownloadPacket, CarriesBlockNumberHighByteFirstEightBytesAndChecksum)
{
    std::vector<uint8_t> image(8192, 0);
    const DownloadPacket zero = MakeDownloadPacket(image, 0);
    EXPECT_EQ(zero, (DownloadPacket{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF}));

    image[258 * 8] = 0x10;
    image[258 * 8 + 7] = 0x20;
    const DownloadPacket packet = MakeDownloadPacket(image, 258);
    EXPECT_EQ(packet[0], 0x01);
    EXPECT_EQ(packet[1], 0x02);
    EXPECT_EQ(packet[2], 0x10);
    EXPECT_EQ(packet[9], 0x20);
    EXPECT_EQ(std::accumulate(packet.begin(), packet.end(), 0) & 255, 255);

    const std::vector<uint8_t> shortImage(2401, 0xAA);  // bytes past its end count as zero
    const DownloadPacket last = MakeDownloadPacket(shortImage, 300);
    EXPECT_EQ(last[2], 0xAA);
    for (int i = 3; i < 10; ++i) EXPECT_EQ(last[static_cast<std::size_t>(i)], 0) << i;
}

TEST(DownloadProgress, BlocksAndPercentages)
{
    EXPECT_EQ(DownloadBlockCount(2401), 301);
    EXPECT_EQ(DownloadBlockCount(2400), 300);
    EXPECT_EQ(DownloadBlockCount(1), 1);
    EXPECT_EQ(DownloadBlockCount(0), 0);
    EXPECT_EQ(DownloadBlockCount(INT32_MAX), 268435456);  // rounding up never overflows
    EXPECT_EQ(DownloadProgressValue(0, 301), 0);
    EXPECT_EQ(DownloadProgressValue(150, 301), 498);
    EXPECT_EQ(DownloadProgressText(0), "0.0%");
    EXPECT_EQ(DownloadProgressText(498), "49.8%");
    EXPECT_EQ(DownloadProgressText(996), "99.6%");
}

TEST_F(SimulatedLink, AWholeImageGoesOutAs301BlocksWithItsProgress)
{
    const auto image = Pattern(2401);
    std::vector<std::pair<int, QString>> progress;
    EXPECT_TRUE(download_image(link, image, 2401,
                               [&](int value, const QString& label) { progress.emplace_back(value, label); }));
    ASSERT_EQ(controller.BlocksStored().size(), 301u);
    EXPECT_EQ(controller.BlocksStored().back(), 300);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 2401, controller.Image().begin()));
    EXPECT_TRUE(
        std::all_of(controller.Image().begin() + 2401, controller.Image().end(), [](uint8_t b) { return b == 0; }));
    ASSERT_EQ(progress.size(), 302u);
    EXPECT_EQ(progress[0], std::make_pair(0, QString("0.0%")));
    EXPECT_EQ(progress[150], std::make_pair(498, QString("49.8%")));
    EXPECT_EQ(progress.back(), std::make_pair(1000, QString("100%")));
    EXPECT_TRUE(prompts.Shown().empty());
}

// The next block follows without a message; as the replies of block 1's
// unanswered copies could have stood for its acknowledgement, it goes again
// once they can come no more.
TEST_F(SimulatedLink, ABlockAcknowledgedOnItsThirdAttemptIsFollowedByTheNext)
{
    controller.FrameAnswer = [](const SimulatedController::Frame& frame, int attempt) {
        return BlockOf(frame) == 1 && attempt < 3 ? Answer::Silent : Answer::Acknowledge;
    };
    EXPECT_TRUE(download_image(link, Pattern(24), 24, {}));
    EXPECT_EQ(controller.BlocksStored(), (std::vector<int>{0, 1, 2, 2}));
    EXPECT_EQ(controller.Frames().size(), 6u);
}

TEST_F(SimulatedLink, ThreeWrongAnswersAndThenNoneReportNoReplyWithTheBlockNumber)
{
    controller.FrameAnswer = [](const SimulatedController::Frame& frame, int attempt) {
        if (BlockOf(frame) != 12) return Answer::Acknowledge;
        return attempt < 4 ? Answer::Wrong : Answer::Silent;
    };
    prompts.ExpectMessage("No reply to download", "Error!  12", PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_FALSE(download_image(link, Pattern(200), 200, {}));
    EXPECT_EQ(controller.BlocksStored().back(), 11);
    EXPECT_EQ(BlockOf(controller.Frames().back()), 12);
}

TEST_F(SimulatedLink, FourWrongAnswersReportAFailedReply)
{
    controller.FrameAnswer = [](const SimulatedController::Frame&, int) { return Answer::Wrong; };
    prompts.ExpectMessage("Reply to download failed", "Error!  0", PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_FALSE(download_image(link, Pattern(16), 16, {}));
    EXPECT_EQ(controller.Frames().size(), 4u);
}

// Block 0's first acknowledgement, 600 ms late, is held back until block
// 1's payload begins and block 1 is refused: both replies wait together in
// block 1's window, the refusal the later and block 1's own, also when the
// refusal is read in half, its second byte still on the line.
namespace {

void ExpectEveryBlockStoredThoughALateReplyMeetsARefusal(SimulatedController& controller, SerialLink& link)
{
    controller.Faults.late[0] = std::chrono::milliseconds(600);
    controller.Faults.lateMeetsPayload = true;
    controller.Faults.refuseMet = true;
    EXPECT_TRUE(download_image(link, Pattern(24), 24, {}));
    const std::vector<int>& stored = controller.BlocksStored();
    for (const int block : {0, 1, 2}) EXPECT_NE(std::find(stored.begin(), stored.end(), block), stored.end()) << block;
}

}  // namespace

TEST_F(SimulatedLink, OfTwoRepliesWaitingTheLaterAnswersTheBlock)
{
    ExpectEveryBlockStoredThoughALateReplyMeetsARefusal(controller, link);
}

TEST_F(SimulatedLink, ARefusalReadInHalfIsJudgedWhole)
{
    controller.RefusalSecondByteDelay = std::chrono::milliseconds(30);
    ExpectEveryBlockStoredThoughALateReplyMeetsARefusal(controller, link);
}

// Every even block's acknowledgements are held back until the next payload
// begins, so each comes with the next block's own, or stands in for a later
// copy of its own block: every block is stored, none is told as missing.
TEST_F(SimulatedLink, AcknowledgementsHeldUntilTheNextPayloadStandForNoOtherBlock)
{
    for (const int block : {0, 2, 4, 6, 8, 10}) controller.Faults.late[block] = std::chrono::milliseconds(1);
    controller.Faults.lateMeetsPayload = true;
    controller.Faults.lateEveryCopy = true;
    controller.ReplyDelay = std::chrono::milliseconds(30);
    EXPECT_TRUE(download_image(link, Pattern(96), 96, {}));
    const std::vector<int>& stored = controller.BlocksStored();
    EXPECT_EQ(std::set<int>(stored.begin(), stored.end()).size(), 12u);
}

TEST_F(SimulatedLink, TheAbortFlagEndsTheDownloadWithoutAMessage)
{
    AbortAfter(55);
    EXPECT_FALSE(download_image(link, Pattern(2401), 2401, {}));
    EXPECT_LT(controller.BlocksStored().size(), 301u);
    EXPECT_TRUE(prompts.Shown().empty());
}
