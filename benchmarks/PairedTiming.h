#pragma once

// Timing an operation and its baseline pair by pair in one run: each
// repetition times one of each, the first of the two alternating, so that a
// busy moment of the machine or a warm cache falls on both alike. A ratio
// is the median of the operation's times over the median of the
// baseline's, printed with the range of the pairs' own ratios. A wait the
// user sits through is printed in milliseconds beside its aim.

#include "DatabaseBenchmarkSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace DatabaseBenchmark {

// One run's time on the clock and in this thread, in seconds, and of the
// clock's the time this thread stood ready to run with every processor
// taken (TimeUnqueued alone measures it).
struct Sample {
    double wall = 0;
    double cpu = 0;
    double queued = 0;
};

inline double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The time this thread has stood in the run queue, from the scheduler's
// statistics (its second field, in nanoseconds).
inline double ThreadQueuedSeconds()
{
    std::FILE* file = std::fopen("/proc/thread-self/schedstat", "r");
    if (file == nullptr) throw std::runtime_error("no scheduler statistics in /proc/thread-self/schedstat");
    unsigned long long running = 0;
    unsigned long long queued = 0;
    const int read = std::fscanf(file, "%llu %llu", &running, &queued);
    std::fclose(file);
    if (read != 2) throw std::runtime_error("unreadable scheduler statistics in /proc/thread-self/schedstat");
    return static_cast<double>(queued) * 1e-9;
}

template <class Run>
Sample Time(Run&& run)
{
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuSeconds();
    run();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            ThreadCpuSeconds() - cpuStart};
}

// Time, with the time of it this thread stood ready while other programs
// held every processor, for Clock::Unqueued. Only here: reading the
// statistics costs what a short run would feel.
template <class Run>
Sample TimeUnqueued(Run&& run)
{
    const double queuedStart = ThreadQueuedSeconds();
    Sample sample = Time(run);
    sample.queued = ThreadQueuedSeconds() - queuedStart;
    return sample;
}

// The repetitions of one operation and its baseline at one size.
struct Pairs {
    std::vector<Sample> operation;
    std::vector<Sample> baseline;
};

// Everything one run of a benchmark program measured, by name and size.
class PairedResults {
public:
    Pairs& At(const std::string& name, int size) { return pairs_[{name, size}]; }
    const Pairs* Find(const std::string& name, int size) const
    {
        const auto found = pairs_.find({name, size});
        return found == pairs_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::pair<std::string, int>, Pairs> pairs_;
};

// Each iteration of the benchmark is one pair; `operation` and `baseline`
// prepare what they need untimed and return the time of their timed part.
// The table shows the operation's time on the clock.
template <class Operation, class Baseline>
void TimePairs(benchmark::State& state, Pairs& pairs, Operation operation, Baseline baseline)
{
    bool operationFirst = true;
    for (auto _ : state) {
        Sample op;
        Sample base;
        if (operationFirst) {
            op = operation();
            base = baseline();
        } else {
            base = baseline();
            op = operation();
        }
        operationFirst = !operationFirst;
        pairs.operation.push_back(op);
        pairs.baseline.push_back(base);
        state.SetIterationTime(op.wall);
    }
}

// Each iteration is one wait the user sits through, timed by `wait`.
template <class Wait>
void TimeWaits(benchmark::State& state, Pairs& pairs, Wait wait)
{
    for (auto _ : state) {
        const Sample sample = wait();
        pairs.operation.push_back(sample);
        state.SetIterationTime(sample.wall);
    }
}

inline double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline double TimeOn(const Sample& sample, Clock clock)
{
    switch (clock) {
    case Clock::Real: return sample.wall;
    case Clock::Processor: return sample.cpu;
    case Clock::Unqueued: return sample.wall - sample.queued;
    }
    return sample.wall;
}

inline std::vector<double> Times(const std::vector<Sample>& samples, Clock clock)
{
    std::vector<double> times;
    times.reserve(samples.size());
    for (const Sample& sample : samples) times.push_back(TimeOn(sample, clock));
    return times;
}

// Prints the usual table, then every ratio and wait beside its aim, by size.
class PairedReporter : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string title;
        std::string name;
        Clock clock;
        double aim = 0;  // none when 0
        // The ratio is divided by this at each size, as when it is given
        // per byte: the operation's bytes over the baseline's.
        std::map<int, double> scale = {};
    };
    struct Wait {
        std::string title;
        std::string name;
        double aimMilliseconds = 0;  // none when 0
    };

    PairedReporter(const PairedResults& results, std::vector<int> sizes, std::string baselineName,
                   std::vector<Ratio> ratios, std::vector<Wait> waits = {})
        : results_(results),
          sizes_(std::move(sizes)),
          baselineName_(std::move(baselineName)),
          ratios_(std::move(ratios)),
          waits_(std::move(waits))
    {
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (!ratios_.empty()) {
            std::printf(
                "\nOperation / %s, paired\n(ratio of the medians; in brackets the range of the pairs' ratios)\n",
                baselineName_.c_str());
            PrintSizes();
            for (const Ratio& ratio : ratios_) PrintRatio(ratio);
        }
        if (!waits_.empty()) {
            std::printf(
                "\nWaits on the clock in ms (median; in brackets the range), each with the\n"
                "median of this thread's processor time in it\n");
            PrintSizes();
            for (const Wait& wait : waits_) PrintWait(wait);
        }
        std::printf("\n%s\n",
                    missed_ == 0 ? "Every aim met." : (std::to_string(missed_) + " aim(s) missed (!).").c_str());
    }

protected:
    // For an aim a subclass prints and finds missed.
    void NoteMissed() { ++missed_; }

private:
    void PrintSizes() const
    {
        std::printf("  %-40s", "");
        for (int size : sizes_) std::printf(" %19d", size);
        std::printf("   aim\n");
    }

    void PrintRatio(const Ratio& row)
    {
        std::printf("  %-40s", row.title.c_str());
        for (int size : sizes_) {
            const Pairs* pairs = results_.Find(row.name, size);
            if (pairs == nullptr || pairs->operation.empty()) {
                std::printf(" %19s", "-");
                continue;
            }
            const std::vector<double> op = Times(pairs->operation, row.clock);
            const std::vector<double> base = Times(pairs->baseline, row.clock);
            std::vector<double> each;
            for (std::size_t i = 0; i < op.size(); ++i) each.push_back(op[i] / base[i]);
            const auto scale = row.scale.find(size);
            const double by = scale == row.scale.end() ? 1 : scale->second;
            for (double& ratio : each) ratio /= by;
            const double ratio = Median(op) / Median(base) / by;
            const bool over = row.aim > 0 && ratio > row.aim;
            missed_ += over ? 1 : 0;
            std::printf(" %6.2f%s(%4.2f-%4.2f)", ratio, over ? "!" : " ", *std::min_element(each.begin(), each.end()),
                        *std::max_element(each.begin(), each.end()));
        }
        if (row.aim > 0)
            std::printf("   at most %g", row.aim);
        else
            std::printf("   -");
        std::printf("%s\n", row.clock == Clock::Processor  ? " (processor time)"
                            : row.clock == Clock::Unqueued ? " (clock less waits for a processor)"
                                                           : "");
    }

    void PrintWait(const Wait& row)
    {
        std::printf("  %-40s", row.title.c_str());
        for (int size : sizes_) {
            const Pairs* pairs = results_.Find(row.name, size);
            if (pairs == nullptr || pairs->operation.empty()) {
                std::printf(" %19s", "-");
                continue;
            }
            std::vector<double> times = Times(pairs->operation, Clock::Real);
            for (double& time : times) time *= 1000;
            const double median = Median(times);
            const bool over = row.aimMilliseconds > 0 && median >= row.aimMilliseconds;
            missed_ += over ? 1 : 0;
            std::printf(" %6.1f%s(%4.0f-%4.0f)", median, over ? "!" : " ",
                        *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
        }
        if (row.aimMilliseconds > 0)
            std::printf("   under %.0f ms\n", row.aimMilliseconds);
        else
            std::printf("   -\n");
        // What of the wait this thread ran: the rest is the disk, or other
        // programs on a busy machine.
        std::printf("  %-40s", "    of which in this thread's processor");
        for (int size : sizes_) {
            const Pairs* pairs = results_.Find(row.name, size);
            if (pairs == nullptr || pairs->operation.empty()) {
                std::printf(" %19s", "-");
                continue;
            }
            std::printf(" %6.1f%12s", Median(Times(pairs->operation, Clock::Processor)) * 1000, "");
        }
        std::printf("\n");
    }

    const PairedResults& results_;
    std::vector<int> sizes_;
    std::string baselineName_;
    std::vector<Ratio> ratios_;
    std::vector<Wait> waits_;
    int missed_ = 0;
};

}  // namespace DatabaseBenchmark
