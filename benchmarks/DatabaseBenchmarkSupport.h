#pragma once

// What the database benchmarks share: a scratch program folder, prompts that
// must never be asked anything, raw reads and writes of a file's bytes, and a
// reporter that prints each database operation beside its raw baseline.

#include "platform/UserPrompts.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace DatabaseBenchmark {

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("tavlo-benchmark-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A load or save that asks the user anything has gone wrong.
class SilentPrompts final : public UserPrompts {
public:
    PromptAnswer Message(const QString& text, const QString&, PromptButtons, PromptIcon) override
    {
        throw std::runtime_error("unexpected message: " + text.toStdString());
    }
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

// The file's bytes, for a benchmark's set-up.
inline std::string ReadWhole(const std::filesystem::path& path)
{
    std::string bytes(std::filesystem::file_size(path), '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) throw std::runtime_error("cannot open " + path.string());
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(got);
    return bytes;
}

// The baseline of a load: the file's bytes in one read into new memory, as a
// load must put them somewhere new. The memory is not filled first, which
// would add a pass over it that no load makes.
inline std::size_t ReadIntoNewMemory(const std::filesystem::path& path, std::size_t size)
{
    const auto buffer = std::make_unique_for_overwrite<char[]>(size);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) throw std::runtime_error("cannot open " + path.string());
    const std::size_t got = std::fread(buffer.get(), 1, size, file);
    std::fclose(file);
    benchmark::DoNotOptimize(buffer.get());
    return got;
}

// The baseline of a save: the same bytes written and flushed to the disk.
inline void WriteWholeAndSync(const std::filesystem::path& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot create " + path.string());
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fflush(file);
    ::fsync(::fileno(file));
    std::fclose(file);
}

// Which time a reporter keeps: the clock's, or the processor time of a run
// that never waits, which other programs on a busy machine move far less.
enum class Clock { Real, Processor };

// Prints the usual table and keeps each benchmark's time by its function's
// name and arguments ("BM_Load/1000"), whatever iterations or repetitions it
// runs: the median when repetitions are asked for, else the one run.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    explicit TimesReporter(Clock clock = Clock::Real) : clock_(clock) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.aggregate_name.empty() && run.aggregate_name != "median") continue;
            const std::string& args = run.run_name.args;
            times_[run.run_name.function_name + (args.empty() ? "" : "/" + args)] =
                clock_ == Clock::Real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

protected:
    std::map<std::string, double> times_;

private:
    Clock clock_;
};

// Then, per operation measured at several sizes, its ratio to its baseline
// at each size beside its aim, and how its time grew from one size to the
// next: a step far above the growth in entries is a quadratic cost.
class ScalingReporter : public TimesReporter {
public:
    struct Row {
        std::string title;
        std::string operation;
        std::string baseline;
        double aim = 0;  // none when 0
    };
    ScalingReporter(std::string baselineName, std::vector<int> sizes, std::vector<Row> rows, Clock clock = Clock::Real)
        : TimesReporter(clock), baselineName_(std::move(baselineName)), sizes_(std::move(sizes)), rows_(std::move(rows))
    {
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nOperation / %s, by entries\n", baselineName_.c_str());
        std::printf("  %-32s", "");
        for (int size : sizes_) std::printf(" %8d", size);
        std::printf("   %-8s growth between sizes\n", "aim");
        for (const Row& row : rows_) {
            std::printf("  %-32s", row.title.c_str());
            for (int size : sizes_) {
                const double op = Time(row.operation, size);
                const double base = Time(row.baseline, size);
                if (op > 0 && base > 0)
                    std::printf(" %7.2f%s", op / base, row.aim > 0 && op / base > row.aim ? "!" : " ");
                else
                    std::printf(" %8s", "-");
            }
            if (row.aim > 0)
                std::printf("   %-8.1f", row.aim);
            else
                std::printf("   %-8s", "-");
            for (std::size_t s = 1; s < sizes_.size(); ++s) {
                const double before = Time(row.operation, sizes_[s - 1]);
                const double after = Time(row.operation, sizes_[s]);
                if (before > 0 && after > 0)
                    std::printf(" %6.1f", after / before);
                else
                    std::printf(" %6s", "-");
            }
            std::printf("\n");
        }
        std::printf("  (! marks a ratio above its aim; entries grow");
        for (std::size_t s = 1; s < sizes_.size(); ++s)
            std::printf(" %.0f", static_cast<double>(sizes_[s]) / sizes_[s - 1]);
        std::printf(" times from one size to the next)\n");
    }

private:
    double Time(const std::string& name, int size) const
    {
        const auto found = times_.find(name + "/" + std::to_string(size));
        return found == times_.end() ? 0 : found->second;
    }

    std::string baselineName_;
    std::vector<int> sizes_;
    std::vector<Row> rows_;
};

// Then prints "operation / baseline" for every pair given.
class RatioReporter : public TimesReporter {
public:
    RatioReporter(std::vector<std::pair<std::string, std::string>> pairs, double aim)
        : pairs_(std::move(pairs)), aim_(aim)
    {
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::cout << "\nOperation / raw baseline (aim: at most " << aim_ << ")\n";
        for (const auto& [operation, baseline] : pairs_) {
            const auto op = times_.find(operation);
            const auto base = times_.find(baseline);
            if (op == times_.end() || base == times_.end() || base->second <= 0) continue;
            std::printf("  %-40s %6.2f\n", operation.c_str(), op->second / base->second);
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
    double aim_;
};

inline int Run(int argc, char** argv, std::vector<std::pair<std::string, std::string>> pairs, double aim = 3)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(pairs), aim);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace DatabaseBenchmark
