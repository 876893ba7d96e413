#pragma once

#include <filesystem>

// One change of a folder's entries: what a kill, a crash or a power cut
// falls between.
enum class FileStep { Create, Link, Rename, Remove };

// Told before each file step of a change that must leave files the next
// start can recover from, whichever step it stops before: a test stops the
// process there.
class FileStepObserver {
public:
    virtual ~FileStepObserver() = default;
    // `path` is the name the step makes, replaces or removes.
    virtual void Before(FileStep step, const std::filesystem::path& path) = 0;
};
