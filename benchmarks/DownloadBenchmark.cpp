// Programs a simulated controller with real waits and real wire timing and
// reports the run's time as a ratio of the protocol's floor: per block the
// 10 ms pause after the address byte, the 11-byte payload and the 2-byte
// acknowledgement at 9600 baud. Then, pair by pair, a download in which one
// block's first acknowledgement is lost on the line (the commonest fault of
// a noisy cable) against the same download without it: the lost reply
// should cost its wait and the block after it, not the rest of the image.

#include "DatabaseBenchmarkSupport.h"
#include "PairedTiming.h"
#include "QuickRun.h"
#include "devicelink/ImageDownload.h"
#include "devicelink/SerialLink.h"
#include "model/DeviceTypes.h"
#include "support/devices/SimulatedController.h"
#include "support/devices/SimulatedSerialPort.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>

using namespace DatabaseBenchmark;

namespace {

// A quick run keeps a last block that is only partly filled.
const int32_t ImageLength = NormalOrQuick(2401, 81);
// A lost reply costs about one reply limit (2 s) and a block: well under
// half of a whole image's 9 s.
constexpr double LostReplyAim = 1.45;

double FloorSeconds(int blocks)
{
    const double character = 11.0 / 9600.0;  // start, 8 data, parity, stop
    return blocks * (0.010 + 11 * character + 2 * character);
}

std::vector<uint8_t> TestImage()
{
    std::vector<uint8_t> image(8192, 0);
    for (int32_t i = 0; i < ImageLength; ++i) image[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i);
    return image;
}

// One download on the wire's timing; with a block whose first copy goes
// unanswered when one is given.
Sample Download(std::optional<int> lostAt)
{
    const std::vector<uint8_t> image = TestImage();
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    SilentPrompts prompts;  // a download that asks anything has failed
    SimulatedController controller;
    if (lostAt) {
        controller.FrameAnswer = [block = *lostAt](const SimulatedController::Frame& frame, int attempt) {
            const bool lost = frame.address == SimulatedController::BlockAddress &&
                              frame.payload.at(0) * 256 + frame.payload.at(1) == block && attempt == 1;
            return lost ? SimulatedController::Answer::Silent : SimulatedController::Answer::Acknowledge;
        };
    }
    SimulatedSerialPort port;
    port.SetWireTiming(true);
    port.AddPort(1, &controller);
    port.SetCommPort(1);
    port.Open();
    bool abortWait = false;
    SerialLink link(port, abortWait, prompts, types);
    bool sent = false;
    const Sample sample = Time([&] { sent = download_image(link, image, ImageLength, {}); });
    if (!sent) throw std::runtime_error("the download failed");
    return sample;
}

void ProgramSimulatedController(benchmark::State& state)
{
    double seconds = 0;
    for (auto _ : state) {
        seconds = Download(std::nullopt).wall;
        state.SetIterationTime(seconds);
    }
    const double floor = FloorSeconds(DownloadBlockCount(ImageLength));
    state.counters["floor_s"] = floor;
    state.counters["ratio_to_floor"] = seconds / floor;
}

}  // namespace

BENCHMARK(ProgramSimulatedController)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    PairedResults results;
    const std::vector<int> lostAt = QuickRun() ? std::vector<int>{0} : std::vector<int>{0, 12, 150};
    for (const int block : lostAt) {
        benchmark::RegisterBenchmark("DownloadWithALostReply",
                                     [&results, block](benchmark::State& state) {
                                         TimePairs(
                                             state, results.At("LostReply", block), [block] { return Download(block); },
                                             [] { return Download(std::nullopt); });
                                     })
            ->Arg(block)
            ->Iterations(2)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
    }
    PairedReporter reporter(results, lostAt, "the same download without the fault, by block whose reply is lost",
                            {{"One lost reply / none", "LostReply", Clock::Real, LostReplyAim}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
