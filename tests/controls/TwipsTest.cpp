#include "controls/Twips.h"

#include <gtest/gtest.h>

namespace {

// 15 twips a pixel at 96 dots an inch; parts are cut to whole pixels, so
// neighbours drawn from adjacent twip marks never overlap.
TEST(TwipsTest, TwipsBecomeWholePixelsAtTheScreensResolution)
{
    static_assert(TwipsToPixels(2295) == 153);
    struct Case {
        int twips;
        double dotsPerInch;
        int pixels;
    };
    for (const Case& c : {Case{0, 96, 0}, Case{14, 96, 0}, Case{15, 96, 1}, Case{350, 96, 23}, Case{5415, 96, 361},
                          Case{360, 120, 30}, Case{2295, 120, 191}, Case{350, 192, 46}})
        EXPECT_EQ(TwipsToPixels(c.twips, c.dotsPerInch), c.pixels) << c.twips << " twips at " << c.dotsPerInch;
}

}  // namespace
