#include "support/SyncLog.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>

namespace {

// The log in scope, if any; one at a time.
SyncLog* activeLog = nullptr;

}  // namespace

// Stands in for the C library's fsync in the test programs: every flush
// still reaches the disk, and the log in scope notes it.
extern "C" int fsync(int descriptor)
{
    using Fsync = int (*)(int);
    const auto next = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    if (activeLog != nullptr) activeLog->Note(descriptor);
    return next(descriptor);
}

SyncLog::SyncLog()
{
    EXPECT_EQ(activeLog, nullptr) << "one sync log at a time";
    activeLog = this;
}

SyncLog::~SyncLog()
{
    activeLog = nullptr;
}

void SyncLog::Note(int descriptor)
{
    std::error_code error;
    const std::filesystem::path path =
        std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(descriptor), error);
    synced_.push_back(error ? std::filesystem::path("?") : path);
}
