#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

FileSizeLimitWhileInScope::FileSizeLimitWhileInScope(std::uint64_t bytes)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &signalBefore_), 0);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &before_), 0);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimitWhileInScope::~FileSizeLimitWhileInScope()
{
    ::setrlimit(RLIMIT_FSIZE, &before_);
    ::sigaction(SIGXFSZ, &signalBefore_, nullptr);
}
