#pragma once

// A wait timed in a process of its own, as a user's first press comes in an
// editor just started: no memory that earlier rounds took, freed or left
// scattered is there to make it kinder or slower.
#include "PairedTiming.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace DatabaseBenchmark {

// The first argument of this program when it runs as the timed process.
constexpr const char* NewProcessOption = "--time-in-new-process";

inline bool IsNewProcess(int argc, char** argv)
{
    return argc > 1 && std::string(argv[1]) == NewProcessOption;
}

// Runs this program with the option and the arguments, and returns the wait
// that it timed and printed (PrintSample).
inline Sample TimeInNewProcess(const std::vector<std::string>& arguments)
{
    std::vector<std::string> words{std::filesystem::read_symlink("/proc/self/exe").string(), NewProcessOption};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    int channel[2];
    if (pipe(channel) != 0) throw std::runtime_error("no pipe for the timed process");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    std::string printed;
    char piece[256];
    for (ssize_t got = 0; spawned == 0 && (got = read(channel[0], piece, sizeof piece)) > 0;)
        printed.append(piece, static_cast<std::size_t>(got));
    close(channel[0]);
    if (spawned != 0) throw std::runtime_error("cannot start the timed process");
    int status = 0;
    waitpid(child, &status, 0);
    Sample sample;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(printed.c_str(), "%lf %lf", &sample.wall, &sample.cpu) != 2)
        throw std::runtime_error("the timed process failed: " + printed);
    return sample;
}

// The timed process's work, run from main: what stops it is printed, and
// the process fails, which fails the timing in the process that started it.
template <class Work>
int RunTimedProcess(Work work) noexcept
{
    try {
        return work();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

// In the timed process: the wait, for the process that started it.
inline void PrintSample(const Sample& sample)
{
    std::printf("%.9f %.9f\n", sample.wall, sample.cpu);
    std::fflush(stdout);
}

}  // namespace DatabaseBenchmark
