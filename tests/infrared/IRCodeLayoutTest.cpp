#include "IRCommandSamples.h"
#include "infrared/IRCodeLayout.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

void ExpectPoints(const std::vector<IRCodePoint>& points, const std::vector<IRCodePoint>& expected)
{
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t k = 0; k < points.size(); ++k) {
        EXPECT_NEAR(points[k].x, expected[k].x, 1e-9) << "point " << k;
        EXPECT_NEAR(points[k].y, expected[k].y, 1e-9) << "point " << k;
    }
}

TEST(IRCodeLayoutTest, StartPartLabelsTextAndGraph)
{
    IRCommandClass command;
    MakeSampleCommand(command);
    const IRCodeLayout layout = LayOutIRCode(command, IRPart::Start, 1000, 400);

    // 288 units of 0.025 ms; the repeat adds 3 x 127 + 12 = 393 units.
    EXPECT_EQ(layout.Frequency, "40.0kHz");
    EXPECT_EQ(layout.Length, "07.2mS");
    EXPECT_EQ(layout.RepeatTime, "017mS");
    EXPECT_EQ(layout.TextLines, QStringList({"  40.0kHz Modulation ", "  01 - 00.25mS Pulsing ", "  02 - 00.10mS Off ",
                                             "  03 - 06.85mS Pulsing "}));

    // Margin 100, levels 100 (on) and 300 (off), 800 / 288 per unit; the run
    // of 127s is drawn as three segments.
    const double s = 800.0 / 288;
    ExpectPoints(layout.GraphPoints, {{100, 300},
                                      {100, 100},
                                      {100 + 10 * s, 100},
                                      {100 + 10 * s, 300},
                                      {100 + 14 * s, 300},
                                      {100 + 14 * s, 100},
                                      {100 + 141 * s, 100},
                                      {100 + 141 * s, 100},
                                      {100 + 268 * s, 100},
                                      {100 + 268 * s, 100},
                                      {900, 100},
                                      {900, 300}});
}

TEST(IRCodeLayoutTest, RepeatPartStopsAtTheLastByte)
{
    IRCommandClass command;
    MakeSampleCommand(command);
    const IRCodeLayout layout = LayOutIRCode(command, IRPart::Repeat, 500, 200);

    // 50 + 123 + 254 = 427 units of 0.02 ms.
    EXPECT_EQ(layout.Frequency, "50.0kHz");
    EXPECT_EQ(layout.Length, "08.5mS");
    EXPECT_EQ(layout.RepeatTime, "016mS");
    ASSERT_EQ(layout.TextLines.size(), 1 + 125);
    EXPECT_EQ(layout.TextLines[0], "  50.0kHz Modulation ");
    EXPECT_EQ(layout.TextLines[1], "  01 - 01.00mS Pulsing ");
    EXPECT_EQ(layout.TextLines[2], "  02 - 00.02mS Off ");
    EXPECT_EQ(layout.TextLines[124], "  124 - 00.02mS Off ");
    EXPECT_EQ(layout.TextLines[125], "  125 - 05.08mS Off ");

    // 126 elements of two corners each, the start and the end.
    ASSERT_EQ(layout.GraphPoints.size(), 2 + 2 * 126);
    const double s = 400.0 / 427;
    EXPECT_NEAR(layout.GraphPoints[2].x, 50 + 50 * s, 1e-9);
    EXPECT_NEAR(layout.GraphPoints[2].y, 50, 1e-9);
    EXPECT_NEAR(layout.GraphPoints[3].y, 150, 1e-9);
    const IRCodePoint end = layout.GraphPoints.back();
    EXPECT_NEAR(end.x, 450, 1e-9);
    EXPECT_NEAR(end.y, 150, 1e-9);
}

TEST(IRCodeLayoutTest, PartsThatCannotBeScaled)
{
    struct Case {
        const char* what;
        uint8_t count;
        uint8_t period;
        std::vector<uint8_t> elements;
        QString frequency;
        QString length;
        QString repeat;
        QStringList lines;
        std::size_t points;
    };
    const std::vector<Case> cases = {
        {"no carrier period",
         5,
         0,
         {0x85, 0x10},
         "0.0kHz",
         "00.0mS",
         "000mS",
         {"  0.0kHz Modulation ", "  01 - 00.00mS Pulsing ", "  02 - 00.00mS Off "},
         6},
        {"no elements", 3, 125, {0x85}, "40.0kHz", "00.0mS", "003mS", {"  40.0kHz Modulation "}, 2},
        {"one element of count 4",
         4,
         125,
         {0x10, 0x85},
         "40.0kHz",
         "00.4mS",
         "004mS",
         {"  40.0kHz Modulation ", "  01 - 00.40mS Off "},
         4},
        {"an empty part", 0, 0, {}, "0.0kHz", "00.0mS", "000mS", {"  0.0kHz Modulation "}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IRCommandClass command;
        command.Data(IRPart::Start, 0, c.count);
        command.Data(IRPart::Start, 1, c.period);
        for (std::size_t k = 0; k < c.elements.size(); ++k)
            command.Data(IRPart::Start, static_cast<int>(k + 2), c.elements[k]);
        command.InterPeriod(IRPart::Start, 1);
        const IRCodeLayout layout = LayOutIRCode(command, IRPart::Start, 100, 40);
        EXPECT_EQ(layout.Frequency, c.frequency);
        EXPECT_EQ(layout.Length, c.length);
        EXPECT_EQ(layout.RepeatTime, c.repeat);
        EXPECT_EQ(layout.TextLines, c.lines);
        EXPECT_EQ(layout.GraphPoints.size(), c.points);
        for (const IRCodePoint& point : layout.GraphPoints) {
            EXPECT_GE(point.x, 10);
            EXPECT_LE(point.x, 90);
        }
    }
}

}  // namespace
