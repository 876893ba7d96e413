#include "controls/TitleRoom.h"
#include "devicelink/TavloComms.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "support/devices/SimulatedController.h"
#include "support/devices/SimulatedPortMaker.h"
#include "support/devices/SimulatedSerialPort.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

using Answer = SimulatedController::Answer;

namespace {

const QString FailedText =
    "Program failed, Tavlo may fail to operate correctly until reprogrammmed, Try powering the pod off/wait/on "
    "and reprogram again";

// COM1 absent, the controller on COM2, nothing connected on COM3, the capture
// pod on COM4.
class DownloadDialog : public ::testing::Test {
protected:
    DownloadDialog()
    {
        FillDefaultDeviceTypes(state.DeviceTypes);
        state.Config.ClearConfiguration();
        state.Config.Record.MeshloAddressTable[3] = 0x2AB;
        controller.Minor = 2;
        capturePod.Identity = CapturePodReply;
        port.AddPort(2, &controller);
        port.AddPort(3);
        port.AddPort(4, &capturePod);
    }

    // Shows the dialog and waits for the search it starts.
    void OpenAndSearch()
    {
        QSignalSpy searched(&dialog, &TavloComms::SearchFinished);
        dialog.show();
        ASSERT_TRUE(searched.wait(20000));
    }
    void Program(int row)
    {
        QTest::mouseClick(Named<QRadioButton>(dialog, "Option1", row), Qt::LeftButton);
        ASSERT_TRUE(Named<QPushButton>(dialog, "ProgramPod")->isEnabled());
        QSignalSpy finished(&dialog, &TavloComms::ProgrammingFinished);
        QTest::mouseClick(Named<QPushButton>(dialog, "ProgramPod"), Qt::LeftButton);
        if (finished.isEmpty()) {
            ASSERT_TRUE(finished.wait(30000));
        }
    }
    std::vector<uint8_t> ExpectedImage()
    {
        PromEncode encoder;
        encoder.BuildControllerImage(state.Config.Record);
        return {encoder.Image().begin(), encoder.Image().end()};
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    SimulatedController controller;
    SimulatedController capturePod;
    std::unique_ptr<TavloComms> owned;
    TavloComms& dialog = OpenDialog();
    SimulatedSerialPort& port = *static_cast<SimulatedSerialPort*>(Named<SerialPort>(dialog, "MSComm1"));

private:
    TavloComms& OpenDialog()
    {
        InstallSimulatedPorts(state.Installed);
        owned = std::make_unique<TavloComms>(state);
        return *owned;
    }
};

}  // namespace

TEST_F(DownloadDialog, SearchShowsWhatAnsweredOnEachPort)
{
    OpenAndSearch();
    EXPECT_EQ(dialog.windowTitle(), "Tavlo program");
    EXPECT_EQ(port.OpenAttempts(1), 1);
    EXPECT_TRUE(Named<QLineEdit>(dialog, "PodType", 0)->isHidden());
    EXPECT_TRUE(Named<QRadioButton>(dialog, "Option1", 0)->isHidden());
    EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", 0)->isEnabled());

    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 1)->text(), "Tavlo 1.2");
    EXPECT_TRUE(Named<QRadioButton>(dialog, "Option1", 1)->isVisible());
    EXPECT_TRUE(Named<QRadioButton>(dialog, "Option1", 1)->isEnabled());
    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 2)->text(), "--------------");
    EXPECT_TRUE(Named<QRadioButton>(dialog, "Option1", 2)->isVisible());
    EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", 2)->isEnabled());
    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 3)->text(), "Capture pod 1.0");
    EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", 3)->isEnabled());

    for (int i = 0; i < TavloComms::Ports; ++i) {
        EXPECT_TRUE(Named<QFrame>(dialog, "Blanking", i)->isHidden()) << i;
        EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", i)->isChecked()) << i;
    }
    EXPECT_FALSE(Named<QPushButton>(dialog, "ProgramPod")->isEnabled());
    EXPECT_TRUE(Named<QFrame>(dialog, "PleaseWait")->isHidden());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(controller.Restarts(), 1);  // every device found is restarted
    EXPECT_EQ(capturePod.Restarts(), 1);
}

TEST_F(DownloadDialog, EachCoverHidesItsRowAndTheLastAndTheProgressPanelHideTheButtons)
{
    const auto covers = [](const QWidget* cover, const QWidget* control) {
        return cover->geometry().contains(control->geometry());
    };
    for (int i = 0; i < TavloComms::Ports; ++i) {
        EXPECT_TRUE(covers(Named<QFrame>(dialog, "Blanking", i), Named<QRadioButton>(dialog, "Option1", i))) << i;
        EXPECT_TRUE(covers(Named<QFrame>(dialog, "Blanking", i), Named<QLineEdit>(dialog, "PodType", i))) << i;
        EXPECT_TRUE(covers(Named<QFrame>(dialog, "PleaseWait"), Named<QLineEdit>(dialog, "PodType", i))) << i;
    }
    for (const QWidget* button : {Named<QPushButton>(dialog, "Command1"), Named<QPushButton>(dialog, "ProgramPod"),
                                  Named<QPushButton>(dialog, "Command2")}) {
        EXPECT_TRUE(covers(Named<QFrame>(dialog, "Blanking", 3), button));
        EXPECT_TRUE(covers(Named<QFrame>(dialog, "PleaseWait"), button));
    }
}

// A window manager shows the caption whole; the rows and buttons keep
// their places to one another, in the middle.
TEST_F(DownloadDialog, TheCaptionHasRoomAndTheControlsStandInTheMiddle)
{
    EXPECT_GE(dialog.width(), TitleRoomWidth(dialog, "Tavlo program"));
    const QWidget* controls = Named<QWidget>(dialog, "Controls");
    EXPECT_LE(std::abs(controls->geometry().center().x() - dialog.rect().center().x()), 1);
    EXPECT_EQ(controls->height(), dialog.height());
    const QRect option = Named<QRadioButton>(dialog, "Option1", 0)->geometry();
    EXPECT_EQ(Named<QFrame>(dialog, "Blanking", 0)->geometry().topLeft(), option.topLeft());
}

TEST_F(DownloadDialog, AControllerAboveVersionOneCannotBeChosenEvenAfterAVersionOneRow)
{
    SimulatedController newer;
    newer.Major = 2;
    port.AddPort(3, &newer);
    OpenAndSearch();
    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 2)->text(), "Tavlo 2.0");

    QTest::mouseClick(Named<QRadioButton>(dialog, "Option1", 1), Qt::LeftButton);
    EXPECT_TRUE(Named<QPushButton>(dialog, "ProgramPod")->isEnabled());
    prompts.ExpectMessage(
        "The version of the Tavlo editor can only,\r\nprogram version 1 firmware Tavlos\r\n"
        "Please obtain a nev verison of this program from\r\nwww.brenlo.com",
        "Sorry update editor!", PromptButtons::Ok, PromptIcon::Exclamation);
    QTest::mouseClick(Named<QRadioButton>(dialog, "Option1", 2), Qt::LeftButton);
    EXPECT_FALSE(Named<QPushButton>(dialog, "ProgramPod")->isEnabled());
}

TEST_F(DownloadDialog, ASearchWithoutAControllerLeavesEveryOptionDisabled)
{
    port.RemovePort(2);
    OpenAndSearch();
    for (int i = 0; i < TavloComms::Ports; ++i)
        EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", i)->isEnabled()) << i;
    QTest::mouseClick(Named<QRadioButton>(dialog, "Option1", 2), Qt::LeftButton);
    EXPECT_FALSE(Named<QPushButton>(dialog, "ProgramPod")->isEnabled());
}

TEST_F(DownloadDialog, ProgrammingSendsTheConfigurationsImageAndRestartsTheController)
{
    OpenAndSearch();
    std::vector<int> barValues;
    QObject::connect(Named<QProgressBar>(dialog, "ProgressBar1"), &QProgressBar::valueChanged,
                     [&](int value) { barValues.push_back(value); });
    prompts.ExpectMessage("Tavlo programed", "Complete", PromptButtons::Ok, PromptIcon::None);
    Program(1);

    const auto expected = ExpectedImage();
    ASSERT_EQ(expected.size(), 2401u);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), controller.Image().begin()));
    EXPECT_EQ(controller.Image()[6], 0xAB);
    EXPECT_EQ(controller.BlocksStored().size(), 301u);
    EXPECT_EQ(controller.Restarts(), 2);  // the search's and the programming's
    EXPECT_NE(std::find(barValues.begin(), barValues.end(), 498), barValues.end());
    EXPECT_NE(std::find(barValues.begin(), barValues.end(), 1000), barValues.end());
    EXPECT_EQ(barValues.back(), 0);
    EXPECT_EQ(Named<QLabel>(dialog, "Label2")->text(), "0%");
    EXPECT_EQ(Named<QLabel>(dialog, "Label3")->text(), "Please wait programing main data");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(DownloadDialog, APortThatWillNotOpenOrADeviceThatWillNotAnswerStopsWithThePanelHidden)
{
    OpenAndSearch();
    port.RemovePort(2);
    prompts.ExpectMessage("Port not open", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Program(1);
    EXPECT_TRUE(Named<QFrame>(dialog, "PleaseWait")->isHidden());
    EXPECT_TRUE(dialog.isVisible());

    port.AddPort(2, &controller);
    controller.Silent = true;
    prompts.ExpectMessage("No response", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Program(1);
    EXPECT_TRUE(Named<QFrame>(dialog, "PleaseWait")->isHidden());
    EXPECT_TRUE(Named<QPushButton>(dialog, "Command1")->isEnabled());
    EXPECT_TRUE(controller.BlocksStored().empty());
}

TEST_F(DownloadDialog, ASearchAfterAStoppedRunProbesEveryPortItself)
{
    OpenAndSearch();
    controller.Silent = true;
    prompts.ExpectMessage("No response", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Program(1);
    ASSERT_TRUE(port.IsOpen());  // the chosen port stays open after the stop

    controller.Silent = false;
    QSignalSpy searched(&dialog, &TavloComms::SearchFinished);
    QTest::mouseClick(Named<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    if (searched.isEmpty()) {
        ASSERT_TRUE(searched.wait(20000));
    }
    EXPECT_TRUE(Named<QLineEdit>(dialog, "PodType", 0)->isHidden());  // COM1 is still absent
    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 1)->text(), "Tavlo 1.2");
    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 3)->text(), "Capture pod 1.0");
    EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", 1)->isChecked());
    EXPECT_FALSE(Named<QPushButton>(dialog, "ProgramPod")->isEnabled());
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(DownloadDialog, AFailedBlockIsToldAndTheRestartIsStillSent)
{
    OpenAndSearch();
    controller.FrameAnswer = [](const SimulatedController::Frame& frame, int) {
        const bool block12 = frame.address == SimulatedController::BlockAddress && frame.payload[1] == 12;
        return block12 ? Answer::Silent : Answer::Acknowledge;
    };
    prompts.ExpectMessage("No reply to download", "Error!  12", PromptButtons::Ok, PromptIcon::Exclamation);
    prompts.ExpectMessage(FailedText, "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Program(1);
    EXPECT_EQ(controller.BlocksStored().size(), 12u);
    // The search's restart, then this one twice: acknowledged while block
    // 12's unanswered copies were owed past their time, it went again.
    EXPECT_EQ(controller.Restarts(), 3);
    EXPECT_FALSE(dialog.isVisible());
}

// The controller answers each frame 3 ms after it, well within the pause
// before the next payload. Block 12's first answer comes 700 ms late, after
// its window; taken for a later block's it would leave the editor one reply
// ahead, and block 100's refusal would then be charged to block 101.
TEST_F(DownloadDialog, ALateAcknowledgementStandsForNoLaterBlockSoARefusedBlockIsSentAgain)
{
    OpenAndSearch();
    controller.ReplyDelay = std::chrono::milliseconds(3);
    controller.FrameAnswer = [](const SimulatedController::Frame& frame, int attempt) {
        if (frame.address != SimulatedController::BlockAddress || attempt > 1) return Answer::Acknowledge;
        const int block = frame.payload[0] * 256 + frame.payload[1];
        return block == 12 ? Answer::Late : block == 100 ? Answer::Wrong : Answer::Acknowledge;
    };
    prompts.ExpectMessage("Tavlo programed", "Complete", PromptButtons::Ok, PromptIcon::None);
    Program(1);

    const auto expected = ExpectedImage();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), controller.Image().begin()));
    const std::vector<int>& stored = controller.BlocksStored();
    EXPECT_EQ(std::count(stored.begin(), stored.end(), 100), 1);
    EXPECT_EQ(std::set<int>(stored.begin(), stored.end()).size(), 301u);
}

TEST_F(DownloadDialog, ClosingInTheMiddleOfADownloadEndsItWithTheFailureMessage)
{
    OpenAndSearch();
    std::size_t heardWhenClosed = 0;
    QTimer::singleShot(1000, &dialog, [&] {
        heardWhenClosed = controller.Heard().size();
        dialog.close();
    });
    prompts.ExpectMessage(FailedText, "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Program(1);
    EXPECT_GT(controller.BlocksStored().size(), 0u);
    EXPECT_LT(controller.BlocksStored().size(), 301u);
    EXPECT_EQ(controller.Heard().size(), heardWhenClosed);  // nothing after the port closed
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DownloadDialog, ClosingInTheMiddleOfASearchStopsItAtOnce)
{
    QSignalSpy searched(&dialog, &TavloComms::SearchFinished);
    dialog.show();
    QTimer::singleShot(300, &dialog, [this] { dialog.close(); });
    ASSERT_TRUE(searched.wait(5000));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.OpenAttempts(4), 0);
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(DownloadDialog, OpensModallyAndClosesWithCancel)
{
    bool searchedWhileModal = false;
    QObject::connect(&dialog, &TavloComms::SearchFinished, &dialog, [&] {
        searchedWhileModal = QApplication::activeModalWidget() == &dialog;
        QTest::mouseClick(Named<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(searchedWhileModal);
    EXPECT_FALSE(port.IsOpen());
}
