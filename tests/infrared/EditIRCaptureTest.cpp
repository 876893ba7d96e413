#include "EditIRFixture.h"
#include "model/DeviceTypes.h"
#include "platform/SerialPort.h"
#include "support/ModalDialogs.h"
#include "support/devices/SimulatedCapturePod.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <functional>

namespace {

// Runs the action once the control shows, from the window loop that a pod
// wait runs; gives up when the control goes.
void WhenShown(QWidget* control, const std::function<void()>& action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [watched = QPointer<QWidget>(control), action, poll] {
        if (watched.isNull()) return;
        if (!watched->isVisible()) {
            QTimer::singleShot(1, *poll);
            return;
        }
        action();
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

// The editor with a capture pod on COM1, an empty COM2 and no COM3 or COM4;
// the pod answers at once, and the remote is pressed and released soon.
class EditIRCaptureTest : public EditIRFixture {
protected:
    EditIRCaptureTest()
    {
        FillDefaultDeviceTypes(state.DeviceTypes);
        InstallSimulatedPorts(state.Installed, [this](SimulatedSerialPort& port) {
            port.AddPort(1, &pod);
            port.AddPort(2);
        });
        durations.CaptureWindowMilliseconds = 3000;
        durations.AddressPauseMilliseconds = 1;
        durations.AcknowledgeMilliseconds = 80;
        durations.BlockReplyMilliseconds = 80;
        durations.PlaybackAcknowledgeMilliseconds = 80;
        durations.Link = LinkWaits{1, 20, 5, 5, 1, 80, 50};
        FillIRLibrary(Work(), "SONY", "TV", "KV1", {"POWER", "MUTE"});
    }

    std::unique_ptr<EditIR> OpenOnPort(int row)
    {
        auto form = Open();
        QTest::mouseClick(Named<QRadioButton>(*form, "IRport", row), Qt::LeftButton);
        return form;
    }
    // Add Command with the name typed into the key-name dialog.
    static void AddCommand(EditIR& form, const QString& name)
    {
        WhenModalOpens([name](QWidget* dialog) {
            Named<QLineEdit>(*dialog, "Text1")->setText(name);
            Button(*dialog, "Ok")->click();
        });
        Button(form, "AddCommand")->click();
    }
    // The status after the release fails its check for the first `times` captures.
    void SpoilStatus(int times)
    {
        pod.Tampering = [times, seen = 0](const SimulatedCapturePod::Frame& frame, int,
                                          SimulatedCapturePod::Answer& answer) mutable {
            if (frame.address == SimulatedCapturePod::CommandAddress && frame.payload[0] == 0x55 && ++seen <= times)
                answer.Later = {0x07, 0x07, 0x00};
        };
    }
    void ExpectCommandIsCapture(const IRCommandClass& command, uint8_t mode)
    {
        EXPECT_EQ(command.Part(IRPart::Start), pod.Recorded[0]);
        EXPECT_EQ(command.Part(IRPart::Repeat), pod.Recorded[1]);
        EXPECT_EQ(command.InterPeriod(IRPart::Start), pod.Timing0);
        EXPECT_EQ(command.InterPeriod(IRPart::Repeat), pod.Timing1);
        EXPECT_EQ(command.Mode(), mode);
    }
    static void ExpectIdle(const EditIR& form)
    {
        EXPECT_TRUE(Showing(form, "ControlFrame"));
        for (const char* panel : {"Press", "Release", "Downloading", "DoneOk", "DoneFailed"})
            EXPECT_FALSE(Showing(form, panel)) << panel;
        EXPECT_TRUE(Button(form, "Done")->isEnabled());
        EXPECT_TRUE(Button(form, "AddCommand")->isEnabled());
        EXPECT_FALSE(Named<SerialPort>(form, "MSComm1")->IsOpen());
    }

    SimulatedCapturePod pod;
};

TEST_F(EditIRCaptureTest, AddCommandCapturesWithAndWithoutARepeatPart)
{
    durations.ButtonCapturedMilliseconds = 60000;
    auto form = OpenOnPort(0);
    // "Button captured" stays until its OK is pressed.
    WhenShown(Named<QWidget>(*form, "DoneOk"), [&] {
        EXPECT_FALSE(Button(*form, "Done")->isEnabled());
        EXPECT_FALSE(Named<QTreeWidget>(*form, "treeview1")->isEnabled());
        Button(*form, "Cancel", 2)->click();
    });
    AddCommand(*form, " vol up");
    ASSERT_EQ(Work().Num_commands(), 3);
    EXPECT_EQ(Work().CommandAt(2)->Name(), "VOL UP          ");
    ExpectCommandIsCapture(*Work().CommandAt(2), 0);
    EXPECT_EQ(NodeTexts(*form), QStringList({"MUTE", "POWER", "VOL UP"}));
    EXPECT_EQ(Tree(*form)->selectedItems().front()->text(0), "VOL UP");
    EXPECT_EQ(state.IR.CurrentIRCommand, Work().IRCommands(2));
    EXPECT_TRUE(Showing(*form, "Picture1"));
    EXPECT_FALSE(Showing(*form, "MainRepeat"));
    EXPECT_EQ(pod.Restarts(), 1);
    ExpectIdle(*form);

    pod.RemoteRepeats = true;
    WhenShown(Named<QWidget>(*form, "DoneOk"), [&] { Button(*form, "Cancel", 2)->click(); });
    AddCommand(*form, "vol down");
    ASSERT_EQ(Work().Num_commands(), 4);
    ExpectCommandIsCapture(*Work().CommandAt(3), 1);
    EXPECT_TRUE(Showing(*form, "MainRepeat"));
    ExpectIdle(*form);
}

TEST_F(EditIRCaptureTest, ANameAgreedToBeReplacedTakesTheCapture)
{
    auto form = OpenOnPort(0);
    prompts.ExpectMessage("POWER is already recorded do you wish to replace", "Warning!", PromptButtons::YesNo,
                          PromptIcon::None, PromptAnswer::Yes);
    AddCommand(*form, "power");
    ASSERT_EQ(Work().Num_commands(), 2);
    EXPECT_EQ(Work().CommandAt(0)->Name(), "POWER           ");
    ExpectCommandIsCapture(*Work().CommandAt(0), 0);
    EXPECT_EQ(NodeTexts(*form), QStringList({"MUTE", "POWER"}));
    EXPECT_EQ(state.IR.CurrentIRCommand, Work().IRCommands(0));

    // A cancelled key name captures nothing.
    WhenModalOpens([](QWidget* dialog) { Button(*dialog, "Cancel")->click(); });
    Button(*form, "AddCommand")->click();
    EXPECT_EQ(Work().Num_commands(), 2);
    EXPECT_EQ(pod.Restarts(), 1);
    ExpectIdle(*form);
}

TEST_F(EditIRCaptureTest, AFullLibraryTakesNoNewNameButReplacesOne)
{
    for (int i = Work().Num_commands(); i < IRclass::MaximumCommands; ++i) {
        IRCommandClass& added = Work().AddIRCommand();
        added.Name("C" + std::to_string(i));
    }
    auto form = OpenOnPort(0);
    prompts.ExpectMessage("Cannot add NEW as the library holds 255 commands already!", "Error!", PromptButtons::Ok,
                          PromptIcon::Exclamation);
    AddCommand(*form, "new");
    EXPECT_TRUE(pod.Frames().empty());
    prompts.ExpectMessage("C9 is already recorded do you wish to replace", "Warning!", PromptButtons::YesNo,
                          PromptIcon::None, PromptAnswer::Yes);
    AddCommand(*form, "c9");
    ASSERT_EQ(Work().Num_commands(), IRclass::MaximumCommands);
    ExpectCommandIsCapture(*Work().CommandAt(9), 0);
    EXPECT_EQ(Tree(*form)->selectedItems().front()->text(0), "C9");
}

TEST_F(EditIRCaptureTest, RetryAbandonAndCancelOnThePanels)
{
    auto form = OpenOnPort(0);
    SpoilStatus(1);
    WhenShown(Named<QWidget>(*form, "DoneFailed"), [&] { Button(*form, "Retry")->click(); });
    AddCommand(*form, "stop");
    ASSERT_EQ(Work().Num_commands(), 3);
    ExpectCommandIsCapture(*Work().CommandAt(2), 0);
    EXPECT_EQ(pod.Restarts(), 2);

    SpoilStatus(100);
    WhenShown(Named<QWidget>(*form, "DoneFailed"), [&] {
        EXPECT_EQ(Button(*form, "Cancel", 3)->text(), "Abandon");
        Button(*form, "Cancel", 3)->click();
    });
    AddCommand(*form, "play");
    EXPECT_EQ(Work().Num_commands(), 3);
    ExpectIdle(*form);

    // Cancel while the remote is awaited: the failure panel goes at once.
    pod.Tampering = nullptr;
    pod.PressAfter.reset();
    WhenShown(Named<QWidget>(*form, "Press"), [&] { Button(*form, "Cancel", 0)->click(); });
    AddCommand(*form, "play");
    EXPECT_EQ(Work().Num_commands(), 3);
    ExpectIdle(*form);
}

TEST_F(EditIRCaptureTest, ReCaptureAndTestTheSelectedCommand)
{
    auto form = OpenOnPort(0);
    ClickNode(*form, "MUTE");
    pod.RemoteRepeats = true;
    Button(*form, "ReCapture")->click();
    ASSERT_EQ(Work().Num_commands(), 2);
    EXPECT_EQ(Work().CommandAt(1)->Name(), "MUTE            ");
    ExpectCommandIsCapture(*Work().CommandAt(1), 1);
    EXPECT_EQ(state.IR.IRCaptureRecord.Name.trimmed(), "");

    // Test plays the selected command, not the last capture.
    ClickNode(*form, "POWER");
    Button(*form, "PlayBack")->click();
    const IRCommandClass& power = *Work().CommandAt(0);
    EXPECT_EQ(pod.Played()[0], power.Part(IRPart::Start));
    EXPECT_EQ(pod.Played()[1], power.Part(IRPart::Repeat));
    EXPECT_EQ(pod.PlayedTiming()[0], power.InterPeriod(IRPart::Start));
    EXPECT_EQ(pod.PlayedTiming()[1], power.InterPeriod(IRPart::Repeat));
    EXPECT_EQ(pod.Plays(), 1);
    EXPECT_TRUE(Button(*form, "PlayBack")->isEnabled());
}

TEST_F(EditIRCaptureTest, NoPodAndTheSearch)
{
    auto form = OpenOnPort(1);
    ClickNode(*form, "POWER");
    prompts.ExpectMessage("Capture pod failed to reply", "Error!", PromptButtons::Ok, PromptIcon::None);
    AddCommand(*form, "stop");
    prompts.ExpectMessage("Capture pod failed to reply", "Error!", PromptButtons::Ok, PromptIcon::None);
    Button(*form, "ReCapture")->click();
    prompts.ExpectMessage("Failed to find pod for playback", "Error!", PromptButtons::Ok, PromptIcon::None);
    Button(*form, "PlayBack")->click();
    EXPECT_EQ(Work().Num_commands(), 2);
    EXPECT_EQ(pod.Plays(), 0);
    EXPECT_TRUE(Button(*form, "Done")->isEnabled());

    Button(*form, "search")->click();
    EXPECT_EQ(Named<QLineEdit>(*form, "PodType", 0)->text(), "Capture pod 2.5");
    EXPECT_EQ(Named<QLineEdit>(*form, "PodType", 1)->text(), "--------------");
    EXPECT_TRUE(Showing(*form, "PodType_1"));
    EXPECT_FALSE(Showing(*form, "PodType_2"));
    EXPECT_TRUE(Showing(*form, "IRport_0"));
    for (int row : {1, 2, 3}) EXPECT_FALSE(Named<QRadioButton>(*form, "IRport", row)->isVisible()) << row;
    EXPECT_FALSE(Showing(*form, "Blanking_4"));
    EXPECT_FALSE(Button(*form, "AddCommand")->isEnabled());
    EXPECT_FALSE(Button(*form, "PlayBack")->isEnabled());
    EXPECT_TRUE(Button(*form, "search")->isEnabled());

    QTest::mouseClick(Named<QRadioButton>(*form, "IRport", 0), Qt::LeftButton);
    EXPECT_TRUE(Button(*form, "AddCommand")->isEnabled());
    EXPECT_TRUE(Button(*form, "PlayBack")->isEnabled());
}

TEST_F(EditIRCaptureTest, TheCloseBoxDuringAWaitClosesOnceTheCaptureHasReturned)
{
    auto form = OpenOnPort(0);
    pod.PressAfter.reset();
    auto* port = Named<SerialPort>(*form, "MSComm1");
    bool portOpenAtClose = false;
    WhenShown(Named<QWidget>(*form, "Press"), [&] {
        portOpenAtClose = port->IsOpen();
        form->close();
        EXPECT_TRUE(form->isVisible());
    });
    const int restartsBefore = pod.Restarts();
    AddCommand(*form, "stop");
    EXPECT_TRUE(portOpenAtClose);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(port->IsOpen());
    EXPECT_EQ(Work().Num_commands(), 2);
    EXPECT_EQ(pod.Restarts(), restartsBefore);
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
}

// The close box while a capture panel or the search shows, answered No:
// the editor works with the pod as before, and a capture cut short leaves
// the pod restarted as a finished one would.
TEST_F(EditIRCaptureTest, TheCloseBoxAnsweredNoLeavesTheEditorWorkingWithThePod)
{
    auto form = OpenOnPort(0);
    AddCommand(*form, "stop");
    ASSERT_EQ(Work().Num_commands(), 3);
    const auto closeAnsweredNo = [&](const char* shown) {
        WhenShown(Named<QWidget>(*form, shown), [&] {
            prompts.ExpectMessage("Do you wish to discard your changes?", "Discard changes?",
                                  PromptButtons::YesNoDefaultNo, PromptIcon::None, PromptAnswer::No);
            form->close();
        });
    };

    pod.PressAfter.reset();
    closeAnsweredNo("Press");
    int restarts = pod.Restarts();
    AddCommand(*form, "play");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Work().Num_commands(), 3);
    EXPECT_EQ(pod.Restarts(), restarts + 1) << "the restart the capture was owed";
    ExpectIdle(*form);

    pod.PressAfter = std::chrono::milliseconds(60);
    restarts = pod.Restarts();
    AddCommand(*form, "play");
    ASSERT_EQ(Work().Num_commands(), 4);
    ExpectCommandIsCapture(*Work().CommandAt(3), 0);
    EXPECT_EQ(pod.Restarts(), restarts + 1);
    ClickNode(*form, "PLAY");
    Button(*form, "PlayBack")->click();
    EXPECT_EQ(pod.Plays(), 1);
    EXPECT_EQ(pod.Played()[0], Work().CommandAt(3)->Part(IRPart::Start));

    // A search cut short shows no row as still searched; the next one finds the pod.
    closeAnsweredNo("Blanking_4");
    Button(*form, "search")->click();
    EXPECT_TRUE(form->isVisible());
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE(Showing(*form, qPrintable("Blanking_" + QString::number(row)))) << row;
    Button(*form, "search")->click();
    EXPECT_EQ(Named<QLineEdit>(*form, "PodType", 0)->text(), "Capture pod 2.5");
    EXPECT_TRUE(Showing(*form, "IRport_0"));
    EXPECT_FALSE(Showing(*form, "Blanking_4"));
}

// From the keyboard: after each button's work the focus is back on the
// button pressed, or on the command list when that button can no longer take
// it; a capture panel's first button holds it while the panel shows, and no
// name box ever gets it, where the next key would replace a name.
TEST_F(EditIRCaptureTest, TheFocusReturnsToThePressedButtonAndNeverReachesANameBox)
{
    durations.ButtonCapturedMilliseconds = 60000;
    auto form = OpenOnPort(0);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QStringList nameBoxesFocused;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
            for (const char* name : {"Manufacturer", "TypeCombo1", "Model", "Notes"}) {
                auto* box = Named<QWidget>(*form, name);
                if (now != nullptr && (now == box || box->isAncestorOf(now))) nameBoxesFocused << name;
            }
        });
    // The panel's button, pressed from the keyboard where the focus is.
    QString panelFocus;
    const auto answerCapturedWithSpace = [&] {
        WhenShown(Named<QWidget>(*form, "DoneOk"), [&] {
            panelFocus = QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
    };
    struct Case {
        const char* button;
        std::function<void()> before;
        const char* focusAfter;
    };
    const std::vector<Case> cases = {
        {"ReCapture",
         [&] {
             ClickNode(*form, "MUTE");
             answerCapturedWithSpace();
         },
         "ReCapture"},
        {"PlayBack", [] {}, "PlayBack"},
        {"AddCommand",
         [&] {
             WhenModalOpens([](QWidget* dialog) {
                 QTest::keyClicks(Named<QLineEdit>(*dialog, "Text1"), "stop");
                 QTest::keyClick(Named<QLineEdit>(*dialog, "Text1"), Qt::Key_Return);
             });
             // The editor is active again once the name is given, as a window manager makes it.
             WhenShown(Named<QWidget>(*form, "Press"), [&] { form->activateWindow(); });
             answerCapturedWithSpace();
         },
         "AddCommand"},
        {"Delete",
         [&] {
             prompts.ExpectMessage("Delete button 'STOP'", "Delete!", PromptButtons::YesNo, PromptIcon::None,
                                   PromptAnswer::Yes);
         },
         "treeview1"},
        {"search", [] {}, "search"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        panelFocus.clear();
        c.before();
        QPushButton* button = Button(*form, c.button);
        ASSERT_TRUE(button->isEnabled());
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focusAfter);
        if (std::string(c.button) == "ReCapture" || std::string(c.button) == "AddCommand") {
            EXPECT_EQ(panelFocus, "Cancel_2") << "the panel's button answered Space";
        }
    }
    EXPECT_EQ(Work().Num_commands(), 2) << "STOP was added and deleted";
    EXPECT_EQ(pod.Plays(), 1);
    EXPECT_TRUE(nameBoxesFocused.isEmpty()) << nameBoxesFocused.join(' ').toStdString();
    QObject::disconnect(watch);
}

// The close box while Done closes the editor asks nothing: the changes are stored.
TEST_F(EditIRCaptureTest, TheCloseBoxWhileDoneClosesAsksNothing)
{
    durations.ShutDownMilliseconds = 2000;
    AddToDatabase("SONY", "TV", "KV1", {"POWER", "MUTE"});
    auto form = Open();
    Tree(*form)->topLevelItem(0)->setText(0, "OFF");
    WhenShown(Named<QWidget>(*form, "ClosingFrame"), [&] { form->close(); });
    Button(*form, "Done")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.IR.IRDatabase()[0].CommandAt(1)->Name(), "OFF             ") << "Done stored the rename";
}

}  // namespace
