#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <gtest/gtest.h>

TEST(FixedText, PadsCutsAndTrims)
{
    FixedText<16> name("ACME");
    EXPECT_EQ(name.full(), "ACME" + std::string(12, ' '));
    EXPECT_EQ(name.trimmed(), "ACME");
    name = "  spaced name  ";
    EXPECT_EQ(name.trimmed(), "spaced name");
    name = std::string(20, 'x');
    EXPECT_EQ(name.full(), std::string(16, 'x'));
    EXPECT_TRUE(FixedText<16>().isBlank());
    EXPECT_TRUE(FixedText<16>("   ") == FixedText<16>(""));
    EXPECT_FALSE(FixedText<16>("a") == FixedText<16>("A"));
}

// Trailing spaces are passed a word at a time: the text's first and last
// characters at every place around the word boundaries, inner spaces kept.
TEST(FixedText, TrimsWhereverTheTextStandsInTheField)
{
    for (std::size_t width = 0; width <= 20; ++width) {
        EXPECT_EQ(FixedText<1>::TrimmedView(std::string(width, ' ')), "") << width;
        for (std::size_t first = 0; first < width; ++first) {
            for (std::size_t last = first; last < width; ++last) {
                std::string field(width, ' ');
                field[first] = 'a';
                field[last] = 'z';
                EXPECT_EQ(FixedText<1>::TrimmedView(field), field.substr(first, last - first + 1))
                    << width << " " << first << " " << last;
            }
        }
    }
    // Only the space pads: a tab or a no-break space is text.
    EXPECT_EQ(FixedText<1>::TrimmedView("\xA0 x\t        "), "\xA0 x\t");
}

TEST(Windows1252, EveryByteRoundTripsThroughQString)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
}

TEST(Windows1252, TheRangeEightyToNinetyFIsNotLatin1)
{
    EXPECT_EQ(FromWindows1252("\x80"), QString(QChar(0x20AC)));  // euro sign
    EXPECT_EQ(FromWindows1252("\x99"), QString(QChar(0x2122)));  // trade mark
    EXPECT_EQ(FromWindows1252("\x9F"), QString(QChar(0x0178)));
    EXPECT_EQ(FromWindows1252("\xE9"), QString(QChar(0x00E9)));
    EXPECT_EQ(ToWindows1252(QString(QChar(0x2019))), "\x92");
    EXPECT_EQ(ToWindows1252(QStringLiteral("caf\u00e9")), "caf\xE9");
    // No Windows-1252 code: a question mark, never a wrong letter.
    EXPECT_EQ(ToWindows1252(QString(QChar(0x0416))), "?");
}
