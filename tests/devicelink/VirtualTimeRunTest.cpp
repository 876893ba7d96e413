#include "RecordingCaptureView.h"
#include "devicelink/CapturePod.h"
#include "devicelink/ImageDownload.h"
#include "model/DeviceTypes.h"
#include "platform/UserPrompts.h"
#include "support/devices/VirtualLine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <random>

// The download, the restart, the playback upload and play in virtual time,
// against a device that keeps only what it acknowledges, over thousands of
// timings of its replies: whatever the lateness of each copy's reply, in
// turn or out of it, a run is never done with a frame missing, and play is
// carried out at most once.

namespace {

using Kind = VirtualDevice::Kind;
using Answer = VirtualDevice::Answer;
using Frame = VirtualLine::Frame;

constexpr int Blocks = 6;
constexpr int Restart = -1;

// The user: every message is kept.
class RecordedPrompts final : public UserPrompts {
public:
    std::vector<QString> Texts;
    std::vector<QString> Titles;
    PromptAnswer Message(const QString& text, const QString& title, PromptButtons, PromptIcon) override
    {
        Texts.push_back(text);
        Titles.push_back(title);
        return PromptAnswer::Ok;
    }
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

// How a device answers: the lateness of each copy of each frame, and one
// frame it never reads. Frames are numbered as the run sends them; the
// restart and play are Restart.
struct Timing {
    std::function<int64_t(int frame, int copy)> lateness;
    std::optional<int> silent;
    bool inOrder = false;
    int64_t secondByteAfter = 0;
    // Copies taken whose acknowledgement is lost on the line.
    std::function<bool(int frame, int copy)> lost = [](int, int) { return false; };
};

using Shape = std::function<Timing(std::mt19937& random, int frames, int64_t longest)>;

int64_t Uniform(std::mt19937& random, int64_t low, int64_t high)
{
    return std::uniform_int_distribution<int64_t>(low, high)(random);
}

// A frame from one to four after a late one, or the last run's own, never
// answered; or, one time in four, none.
std::optional<int> SilentAfter(std::mt19937& random, int late, int frames)
{
    if (Uniform(random, 0, 3) == 0) return std::nullopt;
    const int silent = late + static_cast<int>(Uniform(random, 1, 4));
    return silent < frames ? silent : Restart;
}

// Every copy of every frame its own lateness; one time in four each
// reply's second byte comes up to 500 ms after its first.
Timing EachCopyItsOwn(std::mt19937& random, int frames, int64_t longest)
{
    auto seed = random();
    const int late = static_cast<int>(Uniform(random, 0, frames - 1));
    const int64_t secondByteAfter = Uniform(random, 0, 3) == 0 ? Uniform(random, 1, 500) : 0;
    return {[seed, latest = longest - secondByteAfter](int frame, int copy) {
                std::mt19937 copyRandom(seed + static_cast<unsigned>(frame * 16 + copy));
                return Uniform(copyRandom, 0, latest);
            },
            SilentAfter(random, late, frames), false, secondByteAfter};
}

// One frame's first copy late, its later copies later still: a device
// whose delay grew.
Timing DelayGrew(std::mt19937& random, int frames, int64_t longest)
{
    const int late = static_cast<int>(Uniform(random, 0, frames - 1));
    const int64_t first = Uniform(random, 0, longest);
    const int64_t later = Uniform(random, first, longest);
    return {[=](int frame, int copy) { return frame != late ? 0
                                              : copy == 1   ? first
                                                            : later; },
            SilentAfter(random, late, frames)};
}

// One frame's first copy late, its later copies at once.
Timing FirstCopyLate(std::mt19937& random, int frames, int64_t longest)
{
    const int late = static_cast<int>(Uniform(random, 0, frames - 1));
    const int64_t first = Uniform(random, 0, longest);
    return {[=](int frame, int copy) { return frame == late && copy == 1 ? first : 0; },
            SilentAfter(random, late, frames)};
}

// Every reply late, by 400 to 1200 ms where the longest is 2000.
Timing EveryReplyLate(std::mt19937& random, int frames, int64_t longest)
{
    auto seed = random();
    return {[seed, longest](int frame, int copy) {
                std::mt19937 copyRandom(seed + static_cast<unsigned>(frame * 16 + copy));
                return Uniform(copyRandom, longest / 5, longest * 3 / 5);
            },
            SilentAfter(random, static_cast<int>(Uniform(random, 0, frames - 1)), frames)};
}

// One frame's first one to three copies taken but their replies lost, the
// next answered late or at once; sometimes a second frame the same.
Timing LostReplies(std::mt19937& random, int frames, int64_t longest)
{
    const int late = static_cast<int>(Uniform(random, 0, frames - 1));
    const int other = static_cast<int>(Uniform(random, 0, frames - 1));
    const int lostCopies = static_cast<int>(Uniform(random, 1, 3));
    const int64_t answered = Uniform(random, 0, 1) == 0 ? 0 : Uniform(random, 0, longest);
    Timing timing{[=](int frame, int) { return frame == late ? answered : 0; }, SilentAfter(random, late, frames)};
    timing.lost = [=](int frame, int copy) { return (frame == late || frame == other) && copy <= lostCopies; };
    return timing;
}

constexpr int TimingsPerShape = 400;

struct NamedShape {
    const char* name;
    Shape shape;
};

const NamedShape Shapes[] = {{"each copy its own lateness", EachCopyItsOwn},
                             {"a delay that grew", DelayGrew},
                             {"a first copy late", FirstCopyLate},
                             {"every reply late", EveryReplyLate},
                             {"replies lost", LostReplies}};

// Each shape in turn and out of turn, over many timings, with the longest
// lateness a reply can have: the check is told of each run.
void Sweep(int frames, int64_t longest, const std::function<bool(const Timing&)>& check)
{
    for (const NamedShape& shape : Shapes) {
        for (const bool inOrder : {false, true}) {
            int done = 0;
            int withoutSilence = 0;
            for (int n = 0; n < TimingsPerShape; ++n) {
                std::mt19937 random(static_cast<unsigned>(n));
                Timing timing = shape.shape(random, frames, longest);
                timing.inOrder = inOrder;
                SCOPED_TRACE(testing::Message()
                             << shape.name << (inOrder ? ", in turn" : ", out of turn") << ", timing " << n);
                const bool ended = check(timing);
                if (::testing::Test::HasFailure()) return;
                done += ended ? 1 : 0;
                withoutSilence += timing.silent ? 0 : 1;
            }
            // A device that answers every frame in time is seldom given up on.
            EXPECT_GT(done, withoutSilence / 3) << shape.name << (inOrder ? ", in turn" : ", out of turn");
        }
    }
}

// A link on a virtual line with a device answering by the timing.
class VirtualRun {
public:
    VirtualRun(const Timing& timing, std::function<int(const Frame&)> number)
        : timing_(timing), number_(std::move(number))
    {
        line.InOrder = timing.inOrder;
        line.Open();
    }

private:
    Timing timing_;
    std::function<int(const Frame&)> number_;

public:
    VirtualLine line;
    VirtualDevice device{line, [this](const Frame& frame, int copy) {
                             const int n = number_(frame);
                             if (timing_.silent == n) return Answer{Kind::Silent};
                             if (timing_.lost(n, copy)) return Answer{Kind::Lost};
                             return Answer{Kind::Acknowledge, timing_.lateness(n, copy), timing_.secondByteAfter};
                         }};
    RecordedPrompts prompts;
    bool abortWait = false;
    DeviceTypeTable types;
    SerialLink link{line, abortWait, prompts, types, line.MakeTimer()};
};

std::vector<uint8_t> Image(int blocks = Blocks)
{
    std::vector<uint8_t> image(static_cast<std::size_t>(blocks) * DownloadBlockSize);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 37 + 11);
    return image;
}

SerialLink::Bytes Block(const std::vector<uint8_t>& image, int block)
{
    const DownloadPacket packet = MakeDownloadPacket(image, block);
    return {packet.begin(), packet.end()};
}

int BlockNumber(const Frame& frame)
{
    return frame.address == SerialLink::RestartAddress ? Restart : frame.payload.at(0) * 256 + frame.payload.at(1);
}

}  // namespace

TEST(VirtualTimeRun, ADownloadAndRestartAreNeverDoneWithAFrameMissing)
{
    const std::vector<uint8_t> image = Image();
    Sweep(Blocks, 2000, [&image](const Timing& timing) {
        VirtualRun run(timing, BlockNumber);
        const bool downloaded = download_image(run.link, image, static_cast<int32_t>(image.size()), {});
        const bool restarted = downloaded && run.link.restart_unit();
        for (int block = 0; downloaded && block < Blocks; ++block)
            EXPECT_TRUE(run.device.Kept(DownloadAddress, Block(image, block))) << "block " << block;
        EXPECT_TRUE(!restarted || run.device.Kept(SerialLink::RestartAddress, {0xFF}));
        // Nothing refuses a frame.
        for (const QString& text : run.prompts.Texts) EXPECT_TRUE(text.startsWith("No reply")) << text.toStdString();
        return restarted;
    });
}

namespace {

constexpr int WholeImage = 301;  // blocks
constexpr int64_t Attempt = 10 + 500;
constexpr int64_t ReplyLimit = SerialLink::FrameAttempts * Attempt;

struct DownloadCost {
    int copies = 0;
    int64_t milliseconds = 0;
    int64_t longestStill = 0;  // between two moves of the bar
};

// A whole image to a device that answers at once but for the copies lost.
DownloadCost LosingDownload(const std::function<bool(int block, int copy)>& lost)
{
    const std::vector<uint8_t> image = Image(WholeImage);
    Timing timing{[](int, int) { return 0; }, std::nullopt};
    timing.lost = lost;
    VirtualRun run(timing, BlockNumber);
    DownloadCost cost;
    int64_t moved = 0;
    EXPECT_TRUE(download_image(run.link, image, static_cast<int32_t>(image.size()), [&](int, const QString&) {
        cost.longestStill = std::max(cost.longestStill, run.line.Now() - moved);
        moved = run.line.Now();
    }));
    for (int block = 0; block < WholeImage; ++block)
        EXPECT_TRUE(run.device.Kept(DownloadAddress, Block(image, block))) << block;
    cost.copies = run.device.FramesHeard();
    cost.milliseconds = run.line.Now();
    return cost;
}

}  // namespace

// A reply lost on the line, the next copy answered at once: the run waits
// for what the lost reply owes and sends the block after it once more, not
// the rest of the image; the bar stands no longer than that wait.
TEST(VirtualTimeRun, ALostReplyCostsItsWaitAndOneBlockAgain)
{
    const DownloadCost clean = LosingDownload([](int, int) { return false; });
    EXPECT_EQ(clean.copies, WholeImage);
    for (const int lostAt : {0, 12, 150, 300}) {
        SCOPED_TRACE(lostAt);
        const DownloadCost cost =
            LosingDownload([lostAt](int block, int copy) { return block == lostAt && copy == 1; });
        EXPECT_LE(cost.copies - clean.copies, 2);
        EXPECT_LE(cost.milliseconds - clean.milliseconds, Attempt + ReplyLimit + 2 * Attempt);
        EXPECT_LE(cost.longestStill, ReplyLimit + Attempt);
    }
    // Twenty lost replies over the image: each costs its own, and none fails the run.
    const DownloadCost many = LosingDownload([](int block, int copy) { return block % 15 == 7 && copy == 1; });
    EXPECT_LE(many.copies - clean.copies, 20 * 2);
}

// A block the controller never takes is the one named, however late every
// reply comes and however often the run went back before it.
TEST(VirtualTimeRun, ARunThatCannotStoreABlockNamesThatBlock)
{
    const std::vector<uint8_t> image = Image(WholeImage);
    for (unsigned seed = 0; seed < 12; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        Timing timing = EveryReplyLate(random, WholeImage, 2000);
        timing.silent = 227;
        VirtualRun run(timing, BlockNumber);
        EXPECT_FALSE(download_image(run.link, image, static_cast<int32_t>(image.size()), {}));
        ASSERT_EQ(run.prompts.Titles.size(), 1u);
        EXPECT_EQ(run.prompts.Titles.front(), "Error!  227");
    }
}

namespace {

constexpr int Packets = CapturePod::Blocks + 1;  // the data packets, then the parameter packet
constexpr int Play = -1;

int PacketNumber(const Frame& frame)
{
    if (frame.address == CapturePod::CommandAddress) return Play;
    return frame.payload.at(0) == CapturePod::ParameterPacket ? CapturePod::Blocks : frame.payload.at(0);
}

ConfigIRCommandRecord Code()
{
    ConfigIRCommandRecord record;
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t i = 0; i < 128; ++i) record.Data[half][i] = static_cast<uint8_t>(1 + (half * 128 + i) % 251);
    record.InterPeriod = {0x2A, 0x3C};
    return record;
}

const SerialLink::Bytes PlayPayload{CapturePod::Play, 0x00, 0x66};

// The pod's playback and play on a virtual line.
struct VirtualPlayback : VirtualRun {
    using VirtualRun::VirtualRun;

    // The upload, then play when every packet was taken.
    bool PlayBack(const ConfigIRCommandRecord& record)
    {
        return pod.UploadCaptureBuffer(record) && pod.SendPodCommand(CapturePod::Play, 0);
    }
    bool KeptEveryPacket(const ConfigIRCommandRecord& record) const
    {
        for (int n = 0; n < Packets; ++n) {
            const CapturePod::Packet packet =
                CapturePod::PlaybackPacket(record, n < CapturePod::Blocks ? n : CapturePod::ParameterPacket);
            if (!device.Kept(CapturePod::PlaybackAddress, {packet.begin(), packet.end()})) return false;
        }
        return true;
    }
    int Plays() const { return device.CarriedOut(CapturePod::CommandAddress, PlayPayload); }

    CaptureFlags flags;
    RecordingCaptureView view;
    CaptureDurations durations;
    WindowLoopTimer captureWindow;
    CapturePod pod{link, flags, view, prompts, durations, captureWindow};
};

}  // namespace

TEST(VirtualTimeRun, APlaybackIsPlayedOnceWithEveryPacketOrNotAtAll)
{
    const ConfigIRCommandRecord record = Code();
    // A packet's reply may come up to four of its reply windows late; play's
    // within 2 s.
    Sweep(Packets, 4000, [&record](Timing timing) {
        const auto packetLateness = timing.lateness;
        const int64_t playLatest = 2000 - timing.secondByteAfter;
        timing.lateness = [packetLateness, playLatest](int frame, int copy) {
            const int64_t lateness = packetLateness(frame, copy);
            return frame == Play ? std::min(lateness / 2, playLatest) : lateness;
        };
        VirtualPlayback run(timing, PacketNumber);
        const bool played = run.PlayBack(record);
        EXPECT_TRUE(!played || run.KeptEveryPacket(record));
        EXPECT_EQ(run.Plays(), played ? 1 : 0);
        return played;
    });
}

// A copy answered past the time a reply can take, its later copies at once,
// and the next frame never answered: the late reply stands for none, so the
// image, the restart or the playback is not done.
TEST(VirtualTimeRun, AReplyPastItsLimitStandsForNoLaterFrame)
{
    struct Row {
        int late;
        std::vector<int64_t> lateness;  // of its copies, from the first
        int silent;
    };
    const std::vector<uint8_t> image = Image(WholeImage);
    for (const Row& row : {Row{299, {2100}, 300}, Row{299, {2700}, 300}, Row{299, {3000}, 300}, Row{299, {4500}, 300},
                           Row{300, {3000}, Restart}, Row{300, {2600}, Restart}}) {
        SCOPED_TRACE(testing::Message() << row.late << " by " << row.lateness.front() << ", silent " << row.silent);
        Timing timing{[row](int frame, int copy) {
                          const auto index = static_cast<std::size_t>(copy - 1);
                          return frame != row.late || index >= row.lateness.size() ? 0 : row.lateness[index];
                      },
                      row.silent};
        VirtualRun run(timing, BlockNumber);
        const bool downloaded = download_image(run.link, image, static_cast<int32_t>(image.size()), {});
        EXPECT_EQ(downloaded, row.silent == Restart);
        EXPECT_FALSE(downloaded && run.link.restart_unit());
    }
    const ConfigIRCommandRecord record = Code();
    for (const std::vector<int64_t>& lateness : std::vector<std::vector<int64_t>>{{1100, 4300}, {4500}, {1100, 6000}}) {
        SCOPED_TRACE(lateness.back());
        Timing timing{[lateness](int frame, int copy) {
                          const auto index = static_cast<std::size_t>(copy - 1);
                          return frame != CapturePod::Blocks - 1 || index >= lateness.size() ? 0 : lateness[index];
                      },
                      CapturePod::Blocks};
        VirtualPlayback run(timing, PacketNumber);
        EXPECT_FALSE(run.PlayBack(record));
        EXPECT_EQ(run.Plays(), 0);
    }
}

// However late the pod's reply to play, within the time a reply can take,
// play goes out once, and the code is played once.
TEST(VirtualTimeRun, PlayAnsweredLateIsSentOnce)
{
    const ConfigIRCommandRecord record = Code();
    for (const int64_t late : {0, 499, 600, 700, 1100, 1500, 2000}) {
        SCOPED_TRACE(late);
        const Timing timing{[late](int frame, int) { return frame == Play ? late : 0; }, std::nullopt, false, 0};
        VirtualPlayback run(timing, PacketNumber);
        EXPECT_TRUE(run.PlayBack(record));
        EXPECT_EQ(run.Plays(), 1);
    }
}

// Each reply's second byte comes well after its first, so that it is read
// with the next reply: no frame was refused, and every frame is kept.
TEST(VirtualTimeRun, ARepliesSecondByteReadWithTheNextReplyRefusesNothing)
{
    const std::vector<uint8_t> image = Image();
    for (const int64_t secondAfter : {500, 600, 1000})
        for (const int64_t late : {0, 5}) {
            SCOPED_TRACE(testing::Message() << late << " then " << secondAfter);
            Timing timing{[late](int, int) { return late; }, std::nullopt, false, secondAfter};
            VirtualRun run(timing, BlockNumber);
            EXPECT_TRUE(download_image(run.link, image, static_cast<int32_t>(image.size()), {}));
            EXPECT_TRUE(run.link.restart_unit());
            for (int block = 0; block < Blocks; ++block)
                EXPECT_TRUE(run.device.Kept(DownloadAddress, Block(image, block))) << block;
            EXPECT_TRUE(run.prompts.Texts.empty());
        }
}
