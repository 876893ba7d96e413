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

// Prints the usual table and keeps each benchmark's time by its function's
// name and arguments ("BM_Load/1000"), whatever iterations or repetitions it
// runs: the median when repetitions are asked for, else the one run.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.aggregate_name.empty() && run.aggregate_name != "median") continue;
            const std::string& args = run.run_name.args;
            times_[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

protected:
    std::map<std::string, double> times_;
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
