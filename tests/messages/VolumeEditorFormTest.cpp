#include "MessageToolsFixture.h"
#include "controls/HEXentry.h"
#include "controls/IntegerEntry.h"
#include "messages/MessageDialogs.h"
#include "messages/VolumeEditorForm.h"
#include "support/NamedChild.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The volume editor's controls, found by their names.
class VolumeEditorControls {
public:
    explicit VolumeEditorControls(const QWidget& form) : form_(form) {}

    IntegerEntry* MaximumLevel() const { return Named<IntegerEntry>(form_, "MaximumLevel"); }
    IntegerEntry* MinimumLevel() const { return Named<IntegerEntry>(form_, "MinimumLevel"); }
    IntegerEntry* VolumeStep() const { return Named<IntegerEntry>(form_, "VolumeStep"); }
    IntegerEntry* FixedStartLevel() const { return Named<IntegerEntry>(form_, "FixedStartLevel"); }
    HEXentry* MaximumLevelInHex() const { return Named<HEXentry>(form_, "MaximumLevelInHex"); }
    HEXentry* MinimumLevelInHex() const { return Named<HEXentry>(form_, "MinimumLevelInHex"); }
    HEXentry* VolumeStepInHex() const { return Named<HEXentry>(form_, "VolumeStepInHex"); }
    HEXentry* FixedStartLevelInHex() const { return Named<HEXentry>(form_, "FixedStartLevelInHex"); }
    QCheckBox* UsePowerDownCheck() const { return Named<QCheckBox>(form_, "UsePowerDownCheck"); }
    QGroupBox* FirstByteFrame() const { return Named<QGroupBox>(form_, "FirstByteFrame"); }
    QLabel* ErrorLabel() const { return Named<QLabel>(form_, "ErrorLabel"); }
    QLineEdit* DemoText() const { return Named<QLineEdit>(form_, "DemoText"); }
    QLabel* Label4() const { return Named<QLabel>(form_, "Label4"); }
    QPushButton* Up() const { return Named<QPushButton>(form_, "Up"); }
    QPushButton* Down() const { return Named<QPushButton>(form_, "Down"); }
    QPushButton* PowerUp() const { return Named<QPushButton>(form_, "PowerUp"); }
    QPushButton* Done() const { return Named<QPushButton>(form_, "Done"); }
    QPushButton* CancelCommand() const { return Named<QPushButton>(form_, "CancelCommand"); }
    QRadioButton* MessageFormat(int i) const { return Named<QRadioButton>(form_, "MessageFormat", i); }
    QRadioButton* FirstByteIs(int i) const { return Named<QRadioButton>(form_, "FirstByteIs", i); }
    QRadioButton* NumberOfBytes(int i) const { return Named<QRadioButton>(form_, "NumberOfBytes", i); }
    QLabel* FixedLevelLabel(int i) const { return Named<QLabel>(form_, "FixedLevelLabel", i); }
    QLabel* HexLabel(int i) const { return Named<QLabel>(form_, "HexLabel", i); }

private:
    const QWidget& form_;
};

VolumeEditorControls Controls(const QWidget& form)
{
    return VolumeEditorControls(form);
}

class VolumeEditorFormTest : public MessageToolsTest {
protected:
    VolumeEditorFormTest()
    {
        SetBytes(message, {{ContentAscii, 'V'}, {ContentVariable, 0}});
        format = AddVolumeFormat(message);
        format->MinVolume(0);
        format->MaxVolume(100);
        format->VolumeStep(5);
        format->StartUpVolume(20);
        format->VolumeMessageFormat(VolumeExtensionClass::DecimalInAscii);
        format->VolumeNumberOfBytes(3);
        format->UseLevelForVolume(true);
        format->VolumeInsertByteNumber(2);
        state.Messages.WorkSerial = &message;
    }

    // Types a value into an entry as the user does, ending with Enter.
    template <typename Entry>
    static void TypeInto(Entry* entry, const QString& text)
    {
        auto* box = Named<QLineEdit>(*entry, "Text1");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    SerialClass message;
    std::shared_ptr<VolumeExtensionClass> format;
};

}  // namespace

TEST_F(VolumeEditorFormTest, OpensWithTheStoredFormatChecked)
{
    VolumeEditorForm form(state);
    EXPECT_EQ(form.windowTitle(), "Volume String Editor");
    EXPECT_EQ(Controls(form).MaximumLevel()->return_value(), 100);
    EXPECT_EQ(Controls(form).MaximumLevelInHex()->return_value(), 100);
    EXPECT_EQ(Controls(form).VolumeStep()->return_value(), 5);
    EXPECT_TRUE(Controls(form).MessageFormat(0)->isChecked());
    EXPECT_TRUE(Controls(form).NumberOfBytes(2)->isChecked());
    EXPECT_TRUE(Controls(form).FirstByteIs(1)->isChecked());
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Message Format is Ok");
    EXPECT_EQ(Controls(form).DemoText()->text(), R"("0","0","0")");
    EXPECT_EQ(Controls(form).Label4()->text(), "Value = 0 or 0 in Hex");
    EXPECT_FALSE(Controls(form).FirstByteFrame()->isEnabled());
    EXPECT_FALSE(Controls(form).HexLabel(0)->isEnabled()) << "no hexadecimal mirrors in the decimal format";
}

TEST_F(VolumeEditorFormTest, StoredCodesOutOfRangeOpenAsDefaults)
{
    format->VolumeMessageFormat(7);
    format->VolumeNumberOfBytes(9);
    VolumeEditorForm form(state);
    EXPECT_TRUE(Controls(form).MessageFormat(0)->isChecked());
    EXPECT_TRUE(Controls(form).NumberOfBytes(0)->isChecked());
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Error Not Enough Bytes For Message");
    EXPECT_EQ(Controls(form).DemoText()->text(), "ERROR");
    EXPECT_FALSE(Controls(form).Label4()->isEnabled());
}

TEST_F(VolumeEditorFormTest, EntriesAndMirrorsFollowEachOther)
{
    VolumeEditorForm form(state);
    form.show();
    TypeInto(Controls(form).MaximumLevel(), "255");
    EXPECT_EQ(Controls(form).MaximumLevelInHex()->return_value(), 255);
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Message Format is Ok");
    Controls(form).MessageFormat(1)->click();
    Controls(form).NumberOfBytes(1)->click();
    TypeInto(Controls(form).MinimumLevelInHex(), "FF80");
    EXPECT_EQ(Controls(form).MinimumLevel()->return_value(), -128);
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Error Not Enough Bytes For Message")
        << "255 reads as negative in two hex digits";
    TypeInto(Controls(form).VolumeStepInHex(), "FFFF");
    EXPECT_EQ(Controls(form).VolumeStep()->return_value(), 0) << "the step entry keeps its range";
    EXPECT_EQ(Controls(form).VolumeStepInHex()->return_value(), 0);
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Error Volume Step = 0");
}

TEST_F(VolumeEditorFormTest, PowerDownLevelDisablesTheStartLevel)
{
    format->StartUpVolume(500);
    VolumeEditorForm form(state);
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Error Start > Max level");
    Controls(form).UsePowerDownCheck()->click();
    EXPECT_EQ(Controls(form).ErrorLabel()->text(), "Message Format is Ok");
    EXPECT_FALSE(Controls(form).PowerUp()->isEnabled());
    EXPECT_FALSE(Controls(form).FixedLevelLabel(0)->isEnabled());
}

TEST_F(VolumeEditorFormTest, RawFormatAllowsAtMostTwoBytes)
{
    format->VolumeNumberOfBytes(4);
    VolumeEditorForm form(state);
    Controls(form).MessageFormat(2)->click();
    EXPECT_TRUE(Controls(form).NumberOfBytes(1)->isChecked());
    EXPECT_FALSE(Controls(form).NumberOfBytes(2)->isEnabled());
    EXPECT_FALSE(Controls(form).NumberOfBytes(3)->isEnabled());
    EXPECT_TRUE(Controls(form).FirstByteFrame()->isEnabled());
    Controls(form).FirstByteIs(0)->click();
    EXPECT_EQ(Controls(form).DemoText()->text(), "0,0 or 00,00");
    Controls(form).MessageFormat(1)->click();
    EXPECT_TRUE(Controls(form).NumberOfBytes(3)->isEnabled());
}

TEST_F(VolumeEditorFormTest, TestLevelStaysInTheRange)
{
    VolumeEditorForm form(state);
    form.show();
    Controls(form).PowerUp()->click();
    EXPECT_EQ(form.TestLevel(), 20);
    EXPECT_EQ(Controls(form).DemoText()->text(), R"("0","2","0")");
    for (int i = 0; i < 30; ++i) Controls(form).Up()->click();
    EXPECT_EQ(form.TestLevel(), 100);
    TypeInto(Controls(form).MaximumLevel(), "50");
    EXPECT_EQ(form.TestLevel(), 50) << "a smaller range pulls the level in";
    EXPECT_EQ(Controls(form).Label4()->text(), "Value = 50 or 32 in Hex");
    for (int i = 0; i < 30; ++i) Controls(form).Down()->click();
    EXPECT_EQ(form.TestLevel(), 0);
}

TEST_F(VolumeEditorFormTest, DoneWithAFaultKeepsTheDialogOpen)
{
    VolumeEditorForm form(state);
    form.show();
    TypeInto(Controls(form).VolumeStep(), "0");
    prompts.ExpectMessage("Cannot exit there is an error in the configuration", "Error!", PromptButtons::Ok,
                          PromptIcon::Exclamation);
    Controls(form).Done()->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(format->VolumeStep(), 5);
}

TEST_F(VolumeEditorFormTest, DoneStoresTheFormatAndReportsTheChange)
{
    int repaints = 0;
    const auto token = message.ForceRepaint.Subscribe([&] { ++repaints; });
    VolumeEditorForm form(state);
    form.show();
    TypeInto(Controls(form).MinimumLevel(), "-10");
    Controls(form).NumberOfBytes(3)->click();
    Controls(form).Done()->click();
    message.ForceRepaint.Unsubscribe(token);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(state.Messages.VolumeParametersChanged);
    ASSERT_TRUE(message.VolumeExtension());
    EXPECT_EQ(message.VolumeExtension()->MinVolume(), -10);
    EXPECT_EQ(message.VolumeExtension()->VolumeNumberOfBytes(), 4);
    EXPECT_TRUE(message.VolumeExtension()->UseLevelForVolume()) << "not the editor's to change";
    EXPECT_EQ(message.VolumeExtension()->VolumeInsertByteNumber(), 2);
    EXPECT_GE(repaints, 1);
}

TEST_F(VolumeEditorFormTest, UnchangedDoneAndCancelReportNoChange)
{
    {
        VolumeEditorForm form(state);
        form.show();
        state.Messages.VolumeParametersChanged = true;
        Controls(form).Done()->click();
        EXPECT_FALSE(state.Messages.VolumeParametersChanged);
    }
    VolumeEditorForm form(state);
    form.show();
    TypeInto(Controls(form).MaximumLevel(), "60");
    state.Messages.VolumeParametersChanged = true;
    Controls(form).CancelCommand()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(state.Messages.VolumeParametersChanged);
    EXPECT_EQ(format->MaxVolume(), 100);
}

TEST_F(VolumeEditorFormTest, EscapeIsCancel)
{
    VolumeEditorForm form(state);
    form.show();
    TypeInto(Controls(form).MaximumLevel(), "60");
    state.Messages.VolumeParametersChanged = true;
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(state.Messages.VolumeParametersChanged) << "a stale result must not reach the byte cell";
    EXPECT_EQ(format->MaxVolume(), 100);
}

TEST_F(VolumeEditorFormTest, RawPreviewGivesTheBareNumbers)
{
    format->VolumeMessageFormat(VolumeExtensionClass::RawBytes);
    format->VolumeNumberOfBytes(2);
    format->MaxVolume(400);
    format->StartUpVolume(300);
    format->VolumeFirstByteIsLow(false);
    VolumeEditorForm form(state);
    Controls(form).PowerUp()->click();
    EXPECT_EQ(Controls(form).DemoText()->text(), "1,44 or 01,2C");
    Controls(form).NumberOfBytes(0)->click();
    TypeInto(Controls(form).MaximumLevel(), "255");
    TypeInto(Controls(form).FixedStartLevel(), "10");
    Controls(form).PowerUp()->click();
    EXPECT_EQ(Controls(form).DemoText()->text(), "10 or 0A");
    EXPECT_EQ(Controls(form).Label4()->text(), "Value = 10 or A in Hex");
}

TEST_F(VolumeEditorFormTest, NoEntryIsSqueezedOnASmallScreen)
{
    VolumeEditorForm form(state);
    form.show();
    for (QWidget* entry : std::initializer_list<QWidget*>{
             Controls(form).MaximumLevel(), Controls(form).MinimumLevel(), Controls(form).VolumeStep(),
             Controls(form).FixedStartLevel(), Controls(form).MaximumLevelInHex(), Controls(form).MinimumLevelInHex(),
             Controls(form).VolumeStepInHex(), Controls(form).FixedStartLevelInHex()})
        EXPECT_GE(entry->width(), entry->sizeHint().width()) << entry->toolTip().toStdString();
}

TEST_F(VolumeEditorFormTest, EveryReportFitsTheLabel)
{
    VolumeEditorForm form(state);
    form.show();
    TypeInto(Controls(form).MinimumLevel(), "-5");
    TypeInto(Controls(form).MaximumLevel(), "300");
    ASSERT_EQ(Controls(form).ErrorLabel()->text(), "Error Not Enough Bytes For Message");
    for (const char* report : VolumeFormatFaultTexts)
        EXPECT_GE(Controls(form).ErrorLabel()->width(),
                  Controls(form).ErrorLabel()->fontMetrics().horizontalAdvance(report))
            << report;
}

TEST_F(VolumeEditorFormTest, OpenedModallyOnlyForAMessageWithAFormat)
{
    WhenModalOpens([](QWidget* modal) {
        auto* form = qobject_cast<VolumeEditorForm*>(modal);
        ASSERT_NE(form, nullptr);
        Controls(*form).MessageFormat(2)->click();
        Controls(*form).Done()->click();
    });
    EXPECT_TRUE(ShowVolumeEditor(state, message, nullptr));
    EXPECT_EQ(format->VolumeMessageFormat(), VolumeExtensionClass::RawBytes);

    message.VolumeExtension(nullptr);
    EXPECT_FALSE(ShowVolumeEditor(state, message, nullptr));
    EXPECT_FALSE(message.VolumeExtension());
}
