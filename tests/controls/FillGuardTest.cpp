#include "controls/FillGuard.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(FillGuard, SetsTheFlagUntilTheOutermostGuardEndsEvenOnAnException)
{
    FillFlag flag;
    EXPECT_FALSE(flag);
    {
        const FillGuard outer(flag);
        {
            const FillGuard inner(flag);
            EXPECT_TRUE(flag);
        }
        EXPECT_TRUE(flag) << "an inner fill leaves the outer one guarded";
    }
    EXPECT_FALSE(flag);

    EXPECT_THROW(
        {
            const FillGuard guard(flag);
            throw std::runtime_error("fill failed");
        },
        std::runtime_error);
    EXPECT_FALSE(flag);
}
