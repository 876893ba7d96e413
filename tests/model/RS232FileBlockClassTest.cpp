#include "ModelBuilders.h"
#include "model/RS232FileBlockClass.h"
#include "model/RuntimeErrors.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ModelBuilders::FillLibrary;

namespace {

using Change = std::function<void(RS232FileBlockClass&)>;

const std::vector<std::pair<const char*, Change>> ComparedFields = {
    {"Manufacturer case", [](RS232FileBlockClass& l) { l.Manufacturer("Acme"); }},
    {"Model", [](RS232FileBlockClass& l) { l.Model("PJ-101"); }},
    {"MyType", [](RS232FileBlockClass& l) { l.MyType("DISPLAY"); }},
    {"Notes case", [](RS232FileBlockClass& l) { l.Notes("use the rear port"); }},
    {"Baudrate", [](RS232FileBlockClass& l) { l.Baudrate(4); }},
    {"Parity", [](RS232FileBlockClass& l) { l.Parity(0); }},
    {"InterByteDelay", [](RS232FileBlockClass& l) { l.InterByteDelay(13); }},
    {"command name", [](RS232FileBlockClass& l) { l.Command(30, "NEW"); }},
    {"IsInputNotOutput", [](RS232FileBlockClass& l) { l.IsInputNotOutput(1, true); }},
    {"content type only", [](RS232FileBlockClass& l) { l.My_RS232_String_Class(2).ContentTypes(0, ContentHex); }},
    {"IsFromLibrary", [](RS232FileBlockClass& l) { l.IsFromLibrary(31, true); }},
};

}  // namespace

TEST(RS232FileBlockClass, CopyIsTheSameAndEveryFieldChangeMakesItDiffer)
{
    for (const auto& [name, change] : ComparedFields) {
        RS232FileBlockClass original;
        FillLibrary(original);
        RS232FileBlockClass copy;
        copy.CopyFrom(original);
        ASSERT_TRUE(copy.IsSameAs(original)) << name;
        change(copy);
        EXPECT_FALSE(copy.IsSameAs(original)) << name;
        EXPECT_FALSE(original.IsSameAs(copy)) << name;
    }
}

TEST(RS232FileBlockClass, TextFieldsArePaddedAndCut)
{
    RS232FileBlockClass library;
    library.Manufacturer("A VERY LONG MAKER NAME");
    EXPECT_EQ(library.Manufacturer(), "A VERY LONG MAKE");
    library.MyType("TV");
    EXPECT_EQ(library.MyType(), "TV" + std::string(14, ' '));
    library.Command(5, "MUTE");
    EXPECT_EQ(library.Command(5), "MUTE" + std::string(12, ' '));
    library.Command("5", "A COMMAND NAME TOO LONG");
    EXPECT_EQ(library.Command("5"), "A COMMAND NAME T");
    library.Notes(std::string(200, 'n'));
    EXPECT_EQ(library.Notes(), std::string(160, 'n'));
}

TEST(RS232FileBlockClass, CommandNumbersAsTextAreCheckedLikeNumbers)
{
    RS232FileBlockClass library;
    library.IsInputNotOutput("7", true);
    EXPECT_TRUE(library.IsInputNotOutput(7));
    library.IsFromLibrary("31", true);
    EXPECT_TRUE(library.IsFromLibrary(31));
    EXPECT_THROW(library.Command("32"), SubscriptOutOfRange);
    EXPECT_THROW(library.Command("-1"), SubscriptOutOfRange);
    EXPECT_THROW(library.Command("99999999999"), SubscriptOutOfRange);
    // The text of a number, whatever its leading zeros or sign.
    library.Command("00000012", "TWELVE");
    EXPECT_EQ(library.Command(12), "TWELVE" + std::string(10, ' '));
    EXPECT_TRUE(library.IsInputNotOutput("+0007"));
    EXPECT_FALSE(library.IsFromLibrary(" 0 "));
    EXPECT_THROW(library.Command("-00001"), SubscriptOutOfRange);
    EXPECT_THROW(library.Command("000032"), SubscriptOutOfRange);
    EXPECT_THROW(library.Command("A"), TypeMismatch);
    EXPECT_THROW(library.IsFromLibrary("", true), TypeMismatch);
    EXPECT_THROW(library.IsInputNotOutput("3x"), TypeMismatch);
    EXPECT_THROW(library.My_RS232_String_Class(32), SubscriptOutOfRange);
}

TEST(RS232FileBlockClass, PasteBeforeAnyCopyEmptiesTheLibrary)
{
    RS232FileBlockClass clipboard;
    RS232FileBlockClass library;
    FillLibrary(library);
    library.IsFromLibrary(0, true);
    library.paste(clipboard);
    EXPECT_EQ(library.Manufacturer(), std::string(16, ' '));
    EXPECT_EQ(library.Notes(), std::string(160, ' '));
    EXPECT_EQ(library.Baudrate() | library.Parity() | library.InterByteDelay(), 0);
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        EXPECT_EQ(library.Command(i), std::string(16, ' '));
        EXPECT_EQ(library.My_RS232_String_Class(i).NumberOfBytes(), 0);
        EXPECT_FALSE(library.IsFromLibrary(i));
        EXPECT_FALSE(library.IsInputNotOutput(i));
    }
}

TEST(RS232FileBlockClass, CopyAndPasteGoThroughTheClipboardAsSeparateObjects)
{
    RS232FileBlockClass clipboard;
    RS232FileBlockClass source;
    FillLibrary(source);
    source.Copy(clipboard);
    source.My_RS232_String_Class(0).ContentBytes(0, 'X');
    EXPECT_EQ(clipboard.My_RS232_String_Class(0).ContentBytes(0), 'P');

    RS232FileBlockClass target;
    target.paste(clipboard);
    EXPECT_TRUE(target.IsSameAs(clipboard));
}

TEST(RS232FileBlockClass, ClearEmptiesEveryCommandButKeepsStaleBytes)
{
    RS232FileBlockClass library;
    FillLibrary(library);
    library.IsFromLibrary(2, true);
    library.Clear();
    EXPECT_EQ(library.Model(), std::string(16, ' '));
    EXPECT_EQ(library.Baudrate() | library.Parity() | library.InterByteDelay(), 0);
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        EXPECT_EQ(library.My_RS232_String_Class(i).NumberOfBytes(), 0);
        EXPECT_EQ(library.Command(i), std::string(16, ' '));
        EXPECT_FALSE(library.IsFromLibrary(i));
    }
    EXPECT_EQ(library.My_RS232_String_Class(1).ContentBytes(0), 'P');
    RS232FileBlockClass fresh;
    fresh.Clear();
    EXPECT_TRUE(fresh.IsSameAs(library));
}
