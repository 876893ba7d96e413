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
#include <QPlainTextEdit>
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
    void ExpectDiscardQuestion(PromptAnswer answer)
    {
        prompts.ExpectMessage("Do you wish to discard your changes?", "Discard changes?", PromptButtons::YesNoDefaultNo,
                              PromptIcon::None, answer);
    }
    static void Activate(QDialog& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // The three editors of a library or definition, each with the button
    // that leaves it without storing.
    struct Editor {
        const char* what;
        std::function<std::unique_ptr<QDialog>()> open;
        const char* cancel;
    };
    std::vector<Editor> Editors()
    {
        return {{"projector editor", [this] { return std::make_unique<ProjectorSetupForm>(state); }, "Cancel"},
                {"RS232 library editor", [this] { return std::make_unique<SerialLibraryEdit>(state); }, "Cancel"},
                {"IR library editor",
                 [this] {
                     CaptureDurations quick;
                     quick.ShutDownMilliseconds = 20;
                     return std::make_unique<EditIR>(state, nullptr, quick);
                 },
                 "MainCancel"}};
    }
    int StoredEntries() const
    {
        return state.Projectors.ProjectorDatabase().Count() + state.RS232Libraries.RS232Database().Count() +
               state.IR.IRDatabase().Count();
    }

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
         [&](QDialog& d) {
             Named<QTreeWidget>(d, "treeview1")->topLevelItem(0)->setText(0, "OFF");
             ExpectDiscardQuestion(PromptAnswer::Yes);
         },
         Qt::Key_Escape, QDialog::Rejected,
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
             library.AddIRCommand().Name("POWER");  // a library without commands is not written
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

// Escape and the close box ask before an editor's changes go: No goes back
// to the editor with the changes, Yes discards them; with nothing changed,
// and by the Cancel button, the editor closes at once.
TEST_F(DialogKeysTest, EscapeAndTheCloseBoxAskBeforeAnEditorsChangesGo)
{
    enum class Leave { Escape, CloseBox, CancelButton };
    struct Case {
        const char* what;
        bool change;
        Leave leave;
        std::optional<PromptAnswer> answer;
    };
    const Case cases[] = {
        {"unchanged, Escape", false, Leave::Escape, std::nullopt},
        {"unchanged, close box", false, Leave::CloseBox, std::nullopt},
        {"changed, Escape, No", true, Leave::Escape, PromptAnswer::No},
        {"changed, Escape, Yes", true, Leave::Escape, PromptAnswer::Yes},
        {"changed, close box, No", true, Leave::CloseBox, PromptAnswer::No},
        {"changed, close box, Yes", true, Leave::CloseBox, PromptAnswer::Yes},
        {"changed, Cancel", true, Leave::CancelButton, std::nullopt},
    };
    for (const Editor& e : Editors()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(e.what) + ", " + c.what);
            state.Projectors.WorkProjector.Clear();
            state.RS232Libraries.WorkRS232Library.Clear();
            state.IR.WorkIRLibrary.Clear();
            std::unique_ptr<QDialog> editor = e.open();
            Activate(*editor);
            auto* model = Named<QLineEdit>(*editor, "Model");
            model->setFocus();
            if (c.change) QTest::keyClicks(model, "x1");
            if (c.answer) ExpectDiscardQuestion(*c.answer);
            switch (c.leave) {
            case Leave::Escape: QTest::keyClick(model, Qt::Key_Escape); break;
            case Leave::CloseBox: editor->close(); break;
            case Leave::CancelButton: Named<QPushButton>(*editor, e.cancel)->click(); break;
            }
            ASSERT_TRUE(prompts.AllAnswered());
            const bool stays = c.answer == PromptAnswer::No;
            EXPECT_EQ(editor->isVisible(), stays);
            if (stays) {
                EXPECT_EQ(model->text().toUpper(), "X1") << "the changes are still there";
                EXPECT_EQ(QApplication::focusWidget(), model);
                // A second thought: the changes go after all.
                ExpectDiscardQuestion(PromptAnswer::Yes);
                editor->close();
                EXPECT_FALSE(editor->isVisible());
            } else {
                EXPECT_EQ(editor->result(), QDialog::Rejected);
            }
            EXPECT_EQ(StoredEntries(), 0);
        }
    }
}

// Tab leaves a notes box as it leaves any other box; the notes keep no tab.
TEST_F(DialogKeysTest, TabMovesOnFromTheNotes)
{
    for (const Editor& e : Editors()) {
        SCOPED_TRACE(e.what);
        std::unique_ptr<QDialog> editor = e.open();
        Activate(*editor);
        auto* notes = Named<QPlainTextEdit>(*editor, "Notes");
        notes->setFocus();
        QTest::keyClicks(notes, "rear");
        QTest::keyClick(notes, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), notes);
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_NE(QApplication::focusWidget(), notes);
        EXPECT_EQ(notes->toPlainText(), "rear");
        Named<QPushButton>(*editor, e.cancel)->click();
    }
}

// Tab runs through the projector editor's message grid as it is seen: row
// by row, each row from left to right.
TEST_F(DialogKeysTest, TheProjectorEditorsTabOrderFollowsTheRows)
{
    ProjectorClass& work = state.Projectors.WorkProjector;
    for (int slot = 0; slot < 25; ++slot) work.InUse(slot, true);
    for (int k = 0; k < 13; ++k) work.ReplyRequired(k, true);
    ProjectorSetupForm editor(state);
    Activate(editor);
    QWidget* grid = Named<QWidget>(editor, "SerialOnOffUsedCheck")->parentWidget();
    std::vector<QWidget*> stops;
    Named<QWidget>(editor, "Model")->setFocus();
    for (int i = 0; i < 200 && QApplication::focusWidget() != Named<QWidget>(editor, "Done"); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (grid->isAncestorOf(QApplication::focusWidget())) stops.push_back(QApplication::focusWidget());
    }
    ASSERT_EQ(QApplication::focusWidget(), Named<QWidget>(editor, "Done"));
    QStringList names;
    for (QWidget* stop : stops) names << stop->objectName();
    SCOPED_TRACE(names.join(' ').toStdString());
    ASSERT_GE(stops.size(), 18U) << "every check box of the grid is a stop";
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const QRect before(stops[i - 1]->mapTo(&editor, QPoint()), stops[i - 1]->size());
        const QRect after(stops[i]->mapTo(&editor, QPoint()), stops[i]->size());
        const bool sameRow = after.top() <= before.bottom() && after.bottom() >= before.top();
        if (sameRow)
            EXPECT_GT(after.left(), before.left()) << names[static_cast<int>(i)].toStdString();
        else
            EXPECT_GT(after.top(), before.bottom()) << names[static_cast<int>(i)].toStdString();
    }
    editor.close();
}
