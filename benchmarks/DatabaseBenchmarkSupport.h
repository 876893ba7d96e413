#pragma once

// What the database benchmarks share: a scratch program folder, prompts that
// must never be asked anything, and raw reads and writes of a file's bytes.

#include "platform/BulkMemory.h"
#include "platform/UserPrompts.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <malloc.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace DatabaseBenchmark {

// A fresh folder under the system's temporary folder, removed at the end.
// mkdtemp makes it under a name no other folder has, so that benchmark
// programs run side by side never share one.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "tavlo-benchmark-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot create a folder like " + name);
        path_ = name;
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

// Hands every freed page back to the system, so that what runs next takes
// new pages as a first read in a new process does. Otherwise whether a load
// or its baseline finds pages that the other freed decides their ratio.
inline void ReturnFreedMemory()
{
    ::malloc_trim(0);
}

// The baseline of a load: the file's bytes in one read into new memory, as a
// load must put them somewhere new, taken as the loads take theirs. The
// memory is not filled first, which would add a pass over it that no load
// makes.
inline std::size_t ReadIntoNewMemory(const std::filesystem::path& path, std::size_t size)
{
    const std::unique_ptr<char, std::function<void(char*)>> buffer(
        static_cast<char*>(BulkMemory::Allocate(size)), [size](char* memory) { BulkMemory::Free(memory, size); });
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

// Which time a comparison keeps: the clock's, for what waits on the disk and
// for the waits the user sees, or the processor time of a run that never
// waits, which other programs on a busy machine move far less. Between the
// two, the clock's less the time the run stood ready while other programs
// held every processor (TimeUnqueued): the wait as on a machine that runs
// nothing else, disk waits included, for a run that both works and waits,
// whose work a busy machine would stretch and its waits not.
enum class Clock { Real, Processor, Unqueued };

}  // namespace DatabaseBenchmark
