#include "controls/QtUserPrompts.h"

#include <gtest/gtest.h>

TEST(QtFileFilter, EachPairBecomesOneEntryWhateverTheSpacing)
{
    EXPECT_EQ(QtFileFilter("BRENLO Tavlo file (*.tvl)| *.tvl"), "BRENLO Tavlo file (*.tvl)");
    EXPECT_EQ(QtFileFilter("Projectors|*.BRD|All files|*.*"), "Projectors (*.BRD);;All files (*.*)");
    EXPECT_EQ(QtFileFilter("Pictures|*.png;*.svg"), "Pictures (*.png *.svg)");
}
