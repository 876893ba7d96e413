#include "platform/RtfText.h"

#include <gtest/gtest.h>
#include <string>

TEST(RtfText, KeepsTheTextAndDropsWhatIsNotText)
{
    struct Case {
        const char* what;
        std::string rtf;
        QString text;
    };
    const Case cases[] = {
        {"paragraphs and line breaks", R"({\rtf1\ansi First\par Second\line Third})", "First\nSecond\nThird"},
        {"font, colour and information tables",
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red0\green0\blue0;}{\info{\title T}}\f0\fs20 Body})",
         "Body"},
        {"an ignorable destination", R"({\rtf1{\*\generator Writer 5;}Kept})", "Kept"},
        {"escaped Windows-1252 bytes", R"({\rtf1 Caf\'e9 \'80 5})", QString("Caf\u00e9 \u20ac 5")},
        {"escaped braces and backslash", R"({\rtf1 a\{b\}c\\d})", "a{b}c\\d"},
        {"unicode with its stand-in skipped", R"({\rtf1\uc1 x\u8364?y})", QString("x\u20acy")},
        {"a tab and a non-breaking space", R"({\rtf1 a\tab b\~c})", QString("a\tb\u00a0c")},
        {"line breaks of the file itself", "{\\rtf1 one\r\ntwo}", "onetwo"},
        {"formatting words end at their space", R"({\rtf1\b bold\b0  plain})", "bold plain"},
        {"a picture", R"({\rtf1 a{\pict\wmetafile8 0102ff}b})", "ab"},
    };
    for (const Case& c : cases) EXPECT_EQ(RtfToPlainText(c.rtf), c.text) << c.what;
}

TEST(RtfText, DamagedInputGivesWhatTextItHolds)
{
    EXPECT_EQ(RtfToPlainText(R"({\rtf1 open group never closed)"), "open group never closed");
    EXPECT_EQ(RtfToPlainText(R"(}}} stray closers)"), " stray closers");
    EXPECT_EQ(RtfToPlainText(R"(ends in an escape \'4)"), "ends in an escape ");
    EXPECT_EQ(RtfToPlainText("ends in a backslash \\"), "ends in a backslash ");
    EXPECT_EQ(RtfToPlainText(R"(\bin999999 binary past the end)"), "");
    EXPECT_EQ(RtfToPlainText(std::string(100000, '{') + "deep"), "deep");
}
