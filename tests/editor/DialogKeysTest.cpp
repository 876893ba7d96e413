#include "controls/ByteValueControl.h"
#include "editor/AboutForm.h"
#include "editor/defaults/DefaultEditForm.h"
#include "infrared/EditIR.h"
#include "infrared/IRSelector.h"
#include "messages/ProjectorSerialEditor.h"
#include "messages/RS232CaptureForm.h"
#include "messages/SerialTestForm.h"
#include "messages/VolumeEditorForm.h"
#include "model/ApplicationState.h"
#include "platform/SerialPort.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorSetupForm.h"
#include "rs232/RS232SettingsDiferentForm.h"
#include "rs232/SerialLibraryEdit.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DialogKeysTest : public ::testing::Test {
protected:
    DialogKeysTest()
    {
        state.Names.InitNameTables();
        // COM1 exists, with nothing on it.
        InstallSimulatedPorts(state.Installed, [](SimulatedSerialPort& port) { port.AddPort(1); });
        RS232_String_Class& bytes = message.MyRS232StringClass();
        bytes.NumberOfBytes(2);
        bytes.ContentTypes(0, ContentAscii);
        bytes.ContentBytes(0, 'A');
        bytes.ContentTypes(1, ContentHex);
        bytes.ContentBytes(1, 0x0D);
        message.CanBeInput(true);
        original.CopyFrom(message);
        state.Messages.WorkSerial = &message;
    }
    ~DialogKeysTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    static ByteValueControl* Cell(const QWidget& dialog, int i)
    {
        return Named<ByteValueControl>(dialog, "ByteValueControl1", i);
    }
    static bool PortOpen(const QWidget& dialog) { return Named<SerialPort>(dialog, "MSComm1")->IsOpen(); }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    SerialClass message;
    SerialClass original;
};

}  // namespace

// Each dialog as the user meets it: open, perhaps edited, then a key where
// the focus is. Escape is the dialog's Cancel, whatever that undoes; Return
// is Done where a message editor has one, but only finishes an entry.
TEST_F(DialogKeysTest, EscapeCancelsAndReturnPressesDone)
{
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QDialog>()> open;
        std::function<void(QDialog&)> edit;
        Qt::Key key;
        // The dialog's result, or none when it stays open.
        std::optional<QDialog::DialogCode> result;
        std::function<void(QDialog&)> check;
    };
    const auto noEdit = [](QDialog&) {};
    const auto nothingMore = [](QDialog&) {};
    const std::vector<Case> cases = {
        {"byte editor, Escape after a change of type", [&] { return std::make_unique<ProjectorSerialEditor>(state); },
         [](QDialog& d) {
             Cell(d, 0)->Mode(ContentHex);
             emit Cell(d, 0)->ModeChanged();
         },
         Qt::Key_Escape, QDialog::Rejected, [&](QDialog&) { EXPECT_TRUE(message.IsSameAs(original)); }},
        {"byte editor, Return in a byte cell", [&] { return std::make_unique<ProjectorSerialEditor>(state); },
         [](QDialog& d) {
             Cell(d, 1)->value(0x0A);
             Named<QWidget>(*Cell(d, 1), "MyTextBox1")->setFocus();
         },
         Qt::Key_Return, QDialog::Accepted,
         [&](QDialog&) {
             EXPECT_EQ(message.MyRS232StringClass().ContentBytes(1), 0x0A) << "Done applied the cells";
             EXPECT_EQ(state.Messages.WorkSerial, nullptr) << "and released the message";
         }},
        {"byte editor, Return in the count finishes the count only",
         [&] { return std::make_unique<ProjectorSerialEditor>(state); },
         [](QDialog& d) {
             auto* count = Named<QLineEdit>(d, "Text1");
             count->setFocus();
             count->selectAll();
             QTest::keyClicks(count, "1");
         },
         Qt::Key_Return, std::nullopt,
         [&](QDialog& d) {
             EXPECT_FALSE(Cell(d, 1)->isEnabled()) << "the count was read";
             EXPECT_EQ(state.Messages.WorkSerial, &message);
         }},
        {"volume editor, Escape",
         [&] {
             auto format = std::make_shared<VolumeExtensionClass>();
             format->Clear();
             message.VolumeExtension(format);
             original.CopyFrom(message);
             state.Messages.VolumeParametersChanged = true;
             return std::make_unique<VolumeEditorForm>(state);
         },
         [](QDialog& d) { Named<QRadioButton>(d, "NumberOfBytes", 1)->click(); }, Qt::Key_Escape, QDialog::Rejected,
         [&](QDialog&) {
             EXPECT_FALSE(state.Messages.VolumeParametersChanged);
             EXPECT_TRUE(message.IsSameAs(original));
         }},
        {"capture, Escape while connected", [&] { return std::make_unique<RS232CaptureForm>(state); },
         [](QDialog& d) {
             Named<QRadioButton>(d, "Option1", 0)->click();
             Named<QPushButton>(d, "Connect")->click();
             ASSERT_TRUE(PortOpen(d));
         },
         Qt::Key_Escape, QDialog::Rejected,
         [&](QDialog& d) {
             EXPECT_FALSE(PortOpen(d)) << "the capture stops with the dialog";
             EXPECT_TRUE(message.IsSameAs(original));
         }},
        {"capture, Return", [&] { return std::make_unique<RS232CaptureForm>(state); },
         [](QDialog& d) { Named<QRadioButton>(d, "Baudrate", 2)->click(); }, Qt::Key_Return, QDialog::Accepted,
         [&](QDialog&) {
             EXPECT_EQ(message.Baudrate(), 2) << "Done took the settings";
             EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 0) << "and the empty selection";
         }},
        {"serial test, Escape with the port open",
         [&] {
             state.Messages.LastPortIndex = 0;
             return std::make_unique<SerialTestForm>(state);
         },
         [](QDialog& d) { ASSERT_TRUE(PortOpen(d)); }, Qt::Key_Escape, QDialog::Rejected,
         [](QDialog& d) { EXPECT_FALSE(PortOpen(d)); }},
        {"IR editor, Escape after a command was renamed",
         [&] {
             IRclass& work = state.IR.WorkIRLibrary;
             work.Clear();
             work.Manufacturer("SONY");
             work.AddIRCommand().Name("POWER");
             CaptureDurations quick;
             quick.ShutDownMilliseconds = 20;
             return std::make_unique<EditIR>(state, nullptr, quick);
         },
         [](QDialog& d) { Named<QTreeWidget>(d, "treeview1")->topLevelItem(0)->setText(0, "OFF"); }, Qt::Key_Escape,
         QDialog::Rejected,
         [&](QDialog&) {
             EXPECT_EQ(state.IR.WorkIRLibrary.CommandAt(0)->Name(), "POWER           ") << "the library is put back";
         }},
        {"port settings question, Escape", [&] { return std::make_unique<RS232SettingsDiferentForm>(state); }, noEdit,
         Qt::Key_Escape, QDialog::Rejected,
         [](QDialog& d) { EXPECT_TRUE(static_cast<RS232SettingsDiferentForm&>(d).Cancelled); }},
        {"RS232 library editor, Escape", [&] { return std::make_unique<SerialLibraryEdit>(state); }, noEdit,
         Qt::Key_Escape, QDialog::Rejected,
         [&](QDialog&) { EXPECT_EQ(state.RS232Libraries.RS232Database().Count(), 0); }},
        {"projector editor, Escape", [&] { return std::make_unique<ProjectorSetupForm>(state); }, noEdit,
         Qt::Key_Escape, QDialog::Rejected,
         [&](QDialog&) { EXPECT_EQ(state.Projectors.ProjectorDatabase().Count(), 0); }},
        {"projector new name, Escape", [&] { return std::make_unique<NewNameForm>(state); }, noEdit, Qt::Key_Escape,
         QDialog::Rejected, [&](QDialog&) { EXPECT_EQ(state.Projectors.ProjectorDatabase().Count(), 0); }},
        {"IR browser, Escape saves the database as any close does",
         [&] {
             IRclass& library = state.IR.AddIRLibrary();
             library.Manufacturer("SONY");
             library.IRtype("TV");
             library.Model("A1");
             return std::make_unique<IRSelector>(state);
         },
         noEdit, Qt::Key_Escape, QDialog::Rejected, [&](QDialog&) { EXPECT_TRUE(folder.Exists("InfraRed.DEF")); }},
        {"default file editor, Escape", [&] { return std::make_unique<DefaultEditForm>(state); }, noEdit,
         Qt::Key_Escape, QDialog::Rejected, nothingMore},
        {"about box, Escape", [&] { return std::make_unique<AboutForm>(state); }, noEdit, Qt::Key_Escape,
         QDialog::Rejected, nothingMore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        message.CopyFrom(original);
        state.Messages.WorkSerial = &message;
        std::unique_ptr<QDialog> dialog = c.open();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        c.edit(*dialog);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : dialog.get(), c.key);
        EXPECT_EQ(dialog->isVisible(), !c.result.has_value());
        if (c.result) {
            EXPECT_EQ(dialog->result(), *c.result);
        }
        c.check(*dialog);
    }
}
