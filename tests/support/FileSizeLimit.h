#pragma once

#include <csignal>
#include <cstdint>
#include <sys/resource.h>

// While in scope, no file of this process grows beyond `bytes`: a write past
// the limit fails with EFBIG, as one on a full disk fails with ENOSPC, and
// SIGXFSZ is ignored so the process lives on to clean up and report.
class FileSizeLimitWhileInScope {
public:
    explicit FileSizeLimitWhileInScope(std::uint64_t bytes);
    ~FileSizeLimitWhileInScope();
    FileSizeLimitWhileInScope(const FileSizeLimitWhileInScope&) = delete;
    FileSizeLimitWhileInScope& operator=(const FileSizeLimitWhileInScope&) = delete;

private:
    rlimit before_{};
    struct sigaction signalBefore_ {};
};
