#include "MainWindowTest.h"
#include "editor/InstallInterfaces.h"
#include "support/ExternalZip.h"
#include "support/FileBytes.h"
#include "support/KeyPresses.h"
#include "support/NamedChild.h"
#include "support/TabRound.h"
#include "support/devices/SimulatedCapturePod.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// An installer's first job, every step from the keyboard: a capture pod on
// COM1 and nothing in the databases.
class KeyboardFirstJobTest : public MainWindowTest {
protected:
    KeyboardFirstJobTest()
    {
        InstallInterfaces(state);
        InstallSimulatedPorts(state.Installed, [this](SimulatedSerialPort& port) { port.AddPort(1, &pod); });
    }

    SimulatedCapturePod pod;
};

KeyPress Look(std::function<void()> look)
{
    return KeyPress(std::move(look));
}

// Tab, as often as it takes the focus to the named control.
KeyPress TabTo(const char* name)
{
    return Look([name] {
        for (int i = 0; i < 80 && StopName(QApplication::focusWidget()) != name; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(StopName(QApplication::focusWidget()), name);
    });
}

// The user waits for a tree that fills a moment after its window opens.
KeyPress WaitForTheTree()
{
    return Look([] {
        ASSERT_TRUE(QTest::qWaitFor([] {
            const auto* tree = qobject_cast<QTreeWidget*>(QApplication::focusWidget());
            return tree != nullptr && tree->topLevelItemCount() > 0;
        }));
    });
}

KeyPress Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::ShiftModifier)
{
    return {key, modifiers};
}

// In a message pane: the byte editor, the text as ASCII bytes, then a CR
// (the fifth byte mode; one column right and five rows down from NUL) and
// Return for Done.
QList<KeyPress> MessageEndingWithCR(const char* text)
{
    const int length = static_cast<int>(std::strlen(text));
    QList<KeyPress> keys{Qt::Key_Return};
    for (int i = 0; i <= length; ++i) keys << Qt::Key_Up;
    for (int i = 0; i < length; ++i) keys << Qt::Key_Tab << KeyPress(text[i]);
    keys << Qt::Key_Tab << Qt::Key_F4 << Qt::Key_Down << Qt::Key_Down << Qt::Key_Down << Qt::Key_Down << Qt::Key_Return
         << ' ' << Qt::Key_Right;
    for (int i = 0; i < 5; ++i) keys << Qt::Key_Down;
    keys << Qt::Key_Return << Qt::Key_Return;
    return keys;
}

void ExpectEndsWithCR(const RS232_String_Class& message, int length)
{
    ASSERT_EQ(message.NumberOfBytes(), length);
    EXPECT_EQ(message.ContentTypes(length - 1), ContentControl);
    EXPECT_EQ(message.ContentBytes(length - 1), 13);
}

}  // namespace

TEST_F(KeyboardFirstJobTest, ADefinitionTwoLibrariesAndAConfigurationFromTheKeyboardAlone)
{
    Window();
    // The projector: its names, warm-up and cool-down times and the four
    // messages it must have.
    QList<KeyPress> keys{Shortcut(Qt::Key_P), Qt::Key_Insert};
    keys << Typed("acme") << Qt::Key_Tab << Typed("pj1") << TabTo("WarmUpTime") << Typed("30") << TabTo("CoolDownTime")
         << Typed("60");
    for (const char* pane :
         {"SerialStringDisplay1_1", "SerialStringDisplay1_2", "SerialStringDisplay1_4", "SerialStringDisplay1_8"})
        keys << TabTo(pane) << MessageEndingWithCR("PW");
    keys << TabTo("Done") << Qt::Key_Space << Qt::Key_Escape;
    PressKeys(keys);
    ASSERT_EQ(state.Projectors.ProjectorDatabase().Count(), 1);
    EXPECT_TRUE(folder.Exists("Projectors.DEF"));

    // An RS232 library with one command, its message ending with CR.
    keys = {Shortcut(Qt::Key_R), Qt::Key_Insert};
    keys << Typed("acme") << Qt::Key_Tab << Typed("projector") << Qt::Key_Tab << Typed("pj1")
         << KeyPress(Qt::Key_Tab, Qt::ControlModifier) << Typed("power on") << Qt::Key_Tab << MessageEndingWithCR("PWR")
         << TabTo("Done") << Qt::Key_Space << Qt::Key_Escape;
    PressKeys(keys);
    ASSERT_EQ(state.RS232Libraries.RS232Database().Count(), 1);
    EXPECT_TRUE(folder.Exists("RS232Serials.DEF"));
    const RS232FileBlockClass& library = state.RS232Libraries.RS232Database()[0];
    EXPECT_EQ(library.ModelField().trimmed(), "PJ1");
    EXPECT_EQ(library.CommandField(0).trimmed(), "POWER ON");
    ExpectEndsWithCR(library.My_RS232_String_Class(0), 4);

    // An IR library with one command captured through the pod on COM1.
    keys = {Shortcut(Qt::Key_I), Qt::Key_Insert};
    keys << Typed("acme") << Qt::Key_Tab << Typed("projector") << Qt::Key_Tab << Typed("pj1") << TabTo("IRport_0")
         << Qt::Key_Space << TabTo("AddCommand") << Qt::Key_Space << Typed("power") << Qt::Key_Return << TabTo("Done")
         << Qt::Key_Space << Qt::Key_Escape;
    PressKeys(keys);
    ASSERT_EQ(state.IR.IRDatabase().Count(), 1);
    EXPECT_TRUE(folder.Exists("InfraRed.DEF"));
    EXPECT_EQ(state.IR.IRDatabase()[0].Num_commands(), 1);

    // The configuration: the projector on its page; on video input 1 (with
    // the infra-red add-ons), the library's command as the message sent and
    // the IR device with its command sent on input select.
    keys = {TabTo("ProjectorLabel"), Qt::Key_Return,     Qt::Key_Down, Qt::Key_Right, Qt::Key_Down,
            Qt::Key_Return,          Shortcut(Qt::Key_Q)};
    for (int i = 0; i < 7; ++i) keys << KeyPress(Qt::Key_PageUp, Qt::ControlModifier);
    keys << TabTo("SerialStringDisplay1_1") << Qt::Key_Menu << Qt::Key_Up << Qt::Key_Up << Qt::Key_Up << Qt::Key_Return
         << WaitForTheTree() << Qt::Key_Down << Qt::Key_Right << Qt::Key_Down << Qt::Key_Right << Qt::Key_Down
         << Qt::Key_Return << Qt::Key_Down << Qt::Key_Return;
    keys << TabTo("IRLabel") << Qt::Key_Return << Qt::Key_Down << Qt::Key_Right << Qt::Key_Down << Qt::Key_Right
         << Qt::Key_Down << Qt::Key_Return << TabTo("UnShiftedIRLabel_0") << Qt::Key_Return << Qt::Key_Down
         << Qt::Key_Down << Qt::Key_Return;
    const std::filesystem::path archive = folder / "Room.tvl";
    keys << Look([&] { prompts.ExpectSaveFile(Text(archive)); }) << KeyPress(Qt::Key_S, Qt::ControlModifier);
    PressKeys(keys);

    const ConfigurationRecord& record = state.Config.Record;
    EXPECT_EQ(record.ConfigProjectorBlock.Model.trimmed(), "pj1") << "a projector's model keeps its case";
    // Video input 1's message sent when it is selected.
    SerialClass& sent = state.Config.ConfigSerialStrings(4 + 29);
    EXPECT_EQ(QString::fromStdString(sent.Command()).trimmed(), "POWER ON");
    ExpectEndsWithCR(sent.MyRS232StringClass(), 4);
    const InputIRRecord& ir = record.InputIRRecords[4];
    EXPECT_TRUE(ir.DeviceSelected);
    EXPECT_EQ(ir.Model.trimmed(), "PJ1");
    EXPECT_EQ(Named<QLabel>(Window(), "UnShiftedIRLabel", 0)->text().trimmed(), "POWER");

    ASSERT_TRUE(std::filesystem::exists(archive));
    const std::vector<std::string> members = ExternalZip::ListMembers(archive);
    const auto has = [&members](const char* end) {
        return std::any_of(members.begin(), members.end(), [end](const std::string& m) { return m.ends_with(end); });
    };
    EXPECT_TRUE(has("Config.tmp"));
    EXPECT_TRUE(has(".IRT")) << "the archive carries the IR library";
    EXPECT_TRUE(has(".RST")) << "the archive carries the RS232 library";
    EXPECT_FALSE(state.Config.ConfigChanged);
}
