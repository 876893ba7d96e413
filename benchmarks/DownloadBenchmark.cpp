// Programs a simulated controller with real waits and real wire timing and
// reports the run's time as a ratio of the protocol's floor: per block the
// 10 ms pause after the address byte, the 11-byte payload and the 2-byte
// acknowledgement at 9600 baud.

#include "DatabaseBenchmarkSupport.h"
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

namespace {

// A quick run keeps a last block that is only partly filled.
const int32_t ImageLength = DatabaseBenchmark::NormalOrQuick(2401, 81);

double FloorSeconds(int blocks)
{
    const double character = 11.0 / 9600.0;  // start, 8 data, parity, stop
    return blocks * (0.010 + 11 * character + 2 * character);
}

void ProgramSimulatedController(benchmark::State& state)
{
    std::vector<uint8_t> image(8192, 0);
    for (int32_t i = 0; i < ImageLength; ++i) image[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i);
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    DatabaseBenchmark::SilentPrompts prompts;  // a download that asks anything has failed
    double seconds = 0;
    for (auto _ : state) {
        SimulatedController controller;
        SimulatedSerialPort port;
        port.SetWireTiming(true);
        port.AddPort(1, &controller);
        port.SetCommPort(1);
        port.Open();
        bool abortWait = false;
        SerialLink link(port, abortWait, prompts, types);
        const auto start = std::chrono::steady_clock::now();
        if (!download_image(link, image, ImageLength, {})) state.SkipWithError("the download failed");
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\nNo aim checked.\n");
    benchmark::Shutdown();
    return 0;
}
