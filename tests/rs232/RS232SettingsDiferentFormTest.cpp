#include "model/ApplicationState.h"
#include "rs232/RS232SettingsDiferentForm.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class SettingsDiferentTest : public ::testing::Test {
protected:
    SettingsDiferentTest()
    {
        state.Config.Record.ControlPortBaudrate = 0;
        state.Config.Record.ControlPortParity = 0;
        state.Config.Record.ControlPortInterByteDelay = 5;
        message.SerialType(SerialClass::ConfigurationMessage);
        message.Baudrate(1);
        message.Parity(1);
        message.InterByteDelay(20);
        state.Messages.WorkSerial = &message;
        state.Messages.SettingsFromCapture = true;
    }

    QString Text(const QWidget& form, const QString& name, int i) { return Named<QLabel>(form, name, i)->text(); }
    QString Title(const QWidget& form, const QString& name) { return Named<QGroupBox>(form, name)->title(); }
    QString Caption(const QWidget& form, const QString& name) { return Named<QPushButton>(form, name)->text(); }

    // Opens the dialog modally as the message pane does, presses the button
    // and returns whether the dialog reports the message cancelled.
    bool Press(const QString& button)
    {
        QTimer::singleShot(0, [button] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            if (button.isEmpty())
                modal->close();
            else
                Named<QPushButton>(*modal, button)->click();
        });
        RS232SettingsDiferentFormLauncher launcher;
        return launcher.ShowSettingsDifferentForm(nullptr, state, message, state.Messages.SettingsFromCapture);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    SerialClass message;
};

}  // namespace

TEST_F(SettingsDiferentTest, CaptionsAndHeadingFollowTheHolderAndTheSource)
{
    struct Case {
        int16_t type;
        bool captured;
        const char* heading;
        const char* keepTavlo;
        const char* existing;
        const char* keepLibrary;
        const char* source;
    };
    const Case cases[] = {
        {0, true,
         "The Baudrate, parity or Interbyte delay settings from the Captured RS232 message are not the same as the "
         "current Tavlo settings!",
         "Use Tavlo Settings", "Tavlo Settings", "Use Captured Settings", "Captured Settings"},
        {1, false,
         "The Baudrate, parity or Interbyte delay settings from the Library RS232 message are not the same as the "
         "current Library settings!",
         "Use Libarary Settings", "Libarary Settings", "Use Library Settings", "Library Settings"},
        {2, false,
         "The Baudrate, parity or Interbyte delay settings from the Library RS232 message are not the same as the "
         "current Projector settings!",
         "Use Projector Settings", "Projector Settings", "Use Library Settings", "Library Settings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        message.SerialType(c.type);
        state.Messages.SettingsFromCapture = c.captured;
        RS232SettingsDiferentForm form(state);
        form.show();
        EXPECT_EQ(form.windowTitle(), "RS232 Settings?");
        EXPECT_EQ(Named<QLabel>(form, "HeadingLabel")->text(), c.heading);
        EXPECT_EQ(Caption(form, "KeepTavlo"), c.keepTavlo);
        EXPECT_EQ(Title(form, "ExistingFrame"), c.existing);
        EXPECT_EQ(Caption(form, "KeepLibrary"), c.keepLibrary);
        EXPECT_EQ(Title(form, "SourceFrame"), c.source);
        for (int i : {2, 5, 9, 6}) EXPECT_EQ(Named<QLabel>(form, "Label2", i)->isVisible(), !c.captured) << i;
        for (int i : {2, 3}) EXPECT_EQ(Named<QLabel>(form, "Label3", i)->isVisible(), !c.captured) << i;
        for (int i : {0, 1}) EXPECT_EQ(Named<QLabel>(form, "Label4", i)->isVisible(), !c.captured) << i;
        EXPECT_FALSE(form.Cancelled);
    }
}

TEST_F(SettingsDiferentTest, ValueTextsOfBothColumns)
{
    state.RS232Libraries.WorkRS232Library.Baudrate(4);
    state.RS232Libraries.WorkRS232Library.Parity(2);
    state.RS232Libraries.WorkRS232Library.InterByteDelay(12);
    message.SerialType(SerialClass::LibraryCommand);
    message.Baudrate(3);
    message.Parity(0);
    RS232SettingsDiferentForm form(state);
    EXPECT_EQ(Text(form, "Label3", 0), "115200");
    EXPECT_EQ(Text(form, "Label3", 1), "ODD");
    EXPECT_EQ(Text(form, "Label3", 2), "12");
    EXPECT_EQ(Text(form, "Label3", 5), "57600");
    EXPECT_EQ(Text(form, "Label3", 4), "NONE");
    EXPECT_EQ(Text(form, "Label3", 3), "20");
    EXPECT_EQ(Text(form, "Label2", 11), "Baudrate");
    EXPECT_EQ(Text(form, "Label2", 9), "Interbyte delay");

    // An index out of range leaves its label as it was.
    message.Baudrate(7);
    message.Parity(-1);
    RS232SettingsDiferentForm outOfRange(state);
    EXPECT_EQ(Text(outOfRange, "Label3", 5), "");
    EXPECT_EQ(Text(outOfRange, "Label3", 4), "");
}

TEST_F(SettingsDiferentTest, CapturedSettingsGoToTheControllerPort)
{
    EXPECT_FALSE(Press("KeepLibrary"));
    EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 1);
    EXPECT_EQ(state.Config.Record.ControlPortParity, 1);
    EXPECT_EQ(state.Config.Record.ControlPortInterByteDelay, 20);
    EXPECT_TRUE(state.Config.ConfigChanged);
    EXPECT_EQ(message.Baudrate(), 1);
}

TEST_F(SettingsDiferentTest, TheMessageTakesTheHolderSettings)
{
    EXPECT_FALSE(Press("KeepTavlo"));
    EXPECT_EQ(message.Baudrate(), 0);
    EXPECT_EQ(message.Parity(), 0);
    EXPECT_EQ(message.InterByteDelay(), 5);
    EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 0);
    EXPECT_FALSE(state.Config.ConfigChanged);
}

TEST_F(SettingsDiferentTest, LibraryDelayGoesIntoTheProjector)
{
    ProjectorClass& projector = state.Projectors.WorkProjector;
    projector.Baudrate(1);
    projector.Parity(1);
    projector.InterByteDelay(3);
    message.SerialType(SerialClass::ProjectorMessage);
    state.Messages.SettingsFromCapture = false;
    EXPECT_FALSE(Press("KeepLibrary"));
    EXPECT_EQ(projector.InterByteDelay(), 20);
    EXPECT_TRUE(state.Config.ConfigChanged);
}

TEST_F(SettingsDiferentTest, CancelAndTheCloseBoxChangeNothing)
{
    for (const QString button : {"Cancel", ""}) {
        SCOPED_TRACE(button.toStdString());
        EXPECT_TRUE(Press(button));
        EXPECT_EQ(message.Baudrate(), 1);
        EXPECT_EQ(message.InterByteDelay(), 20);
        EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 0);
        EXPECT_FALSE(state.Config.ConfigChanged);
    }
}

TEST_F(SettingsDiferentTest, AMessageWithoutHolderChangesNothingButIsTaken)
{
    message.SerialType(-1);
    EXPECT_FALSE(Press("KeepLibrary"));
    EXPECT_FALSE(Press("KeepTavlo"));
    EXPECT_EQ(message.Baudrate(), 1);
    EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 0);
    EXPECT_FALSE(state.Config.ConfigChanged);
}
