#include "support/devices/PtyDevice.h"

#include "support/devices/WireLine.h"

#include <cstdio>
#include <map>
#include <stdexcept>

std::optional<PtyDeviceOptions> PtyDeviceOptions::Parse(int argc, char** argv)
{
    const auto usage = [argv] {
        std::fprintf(stderr,
                     "usage: %s output-file [--wire] [--late N:MS[,MS...]] [--refuse N] [--silent N] [--meet-payload] "
                     "[--refuse-met] [--late-every-copy]\n",
                     argv[0]);
        return std::nullopt;
    };
    if (argc < 2) return usage();
    PtyDeviceOptions options;
    options.outputFile = argv[1];
    std::vector<std::string> rest;
    try {
        options.faults = ReplyFaults::FromArguments(std::vector<std::string>(argv + 2, argv + argc), rest);
    } catch (const std::invalid_argument&) {
        return usage();
    }
    for (const std::string& argument : rest) {
        if (argument != "--wire") return usage();
        options.wireTiming = true;
    }
    return options;
}

bool ServeDevice(const PtyFarEnd& line, SimulatedDevice& device, bool wireTiming)
{
    using Clock = WireLine::Clock;
    // Sent: the device puts an answer on the line, which carries it on.
    enum class Kind { ToDevice, Sent, ToPc };
    struct Event {
        Kind kind;
        std::vector<uint8_t> bytes;
    };
    // Bytes falling due at the same moment keep their order.
    std::multimap<Clock::time_point, Event> pending;
    WireLine toDevice;
    WireLine toPc;

    // A late answer takes the line only when it goes, so that an answer
    // decided on later but sent sooner can overtake it.
    const auto carryToPc = [&](Clock::time_point sent, const std::vector<uint8_t>& bytes) {
        const SerialSettings settings = line.LineSettings();
        for (const uint8_t byte : bytes) pending.emplace(toPc.Carry(sent, settings), Event{Kind::ToPc, {byte}});
    };
    device.AttachToLine([&](const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay) {
        const Clock::time_point start = Clock::now() + delay;
        if (!wireTiming)
            pending.emplace(start, Event{Kind::ToPc, bytes});
        else if (delay.count() > 0)
            pending.emplace(start, Event{Kind::Sent, bytes});
        else
            carryToPc(start, bytes);
    });
    const auto hear = [&](uint8_t byte) {
        // The terminal carries no parity: the device frames by content.
        if (wireTiming)
            pending.emplace(toDevice.Carry(Clock::now(), line.LineSettings()), Event{Kind::ToDevice, {byte}});
        else
            device.Hear(byte, SerialSettings{});
    };
    const auto runDue = [&]() -> std::optional<std::chrono::nanoseconds> {
        while (!pending.empty() && pending.begin()->first <= Clock::now()) {
            const Clock::time_point due = pending.begin()->first;
            const Event event = pending.begin()->second;  // hearing it may add events
            pending.erase(pending.begin());
            switch (event.kind) {
            case Kind::ToDevice: device.Hear(event.bytes.front(), SerialSettings{}); break;
            case Kind::Sent: carryToPc(due, event.bytes); break;
            case Kind::ToPc: line.Write(event.bytes); break;
            }
        }
        if (pending.empty()) return std::nullopt;
        return pending.begin()->first - Clock::now();
    };
    return line.Serve(hear, runDue);
}
