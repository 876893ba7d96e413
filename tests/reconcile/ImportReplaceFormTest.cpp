#include "ImportReplaceFixture.h"
#include "reconcile/DialogReconciliation.h"
#include "support/DatabaseSaveFailure.h"
#include "support/WheelTurn.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

class ImportReplaceFormTest : public ReconcileTest {
protected:
    // Prepares the case and opens its dialog modally, running `drive` inside.
    // `open` shows the dialog; by default the twin's own opener.
    void Run(const ImportTwinCase& twin, const std::function<void(QWidget&)>& drive, int more = 0,
             const std::function<void()>& open = nullptr)
    {
        state = NewState();
        std::filesystem::remove(folder / (twin.DatabaseName() + ".BAK"));
        twin.Prepare(*state, more);
        saved_ = folder.ReadBytes(twin.DatabaseFile());
        auto scratch = NewState();
        buffer_ = twin.Buffer(*state, *scratch);
        // The dialog's lookup upper-cases the buffer's names.
        if (const auto at = buffer_.find("[acme"); at != std::string::npos) buffer_.replace(at, 5, "[ACME");
        WhenModalOpens([drive](QWidget* dialog) {
            drive(*dialog);
            // A test that left the dialog open closes it as the title bar would.
            if (dialog->isVisible()) dialog->close();
        });
        if (open)
            open();
        else
            twin.Show(*state);
    }
    // Every library of the file, as a fresh start would load it.
    std::vector<std::string> SavedDatabase(const ImportTwinCase& twin)
    {
        auto loaded = NewState();
        twin.Load(*loaded);
        return twin.Database(*loaded);
    }
    bool FileUnchanged(const ImportTwinCase& twin) const { return folder.ReadBytes(twin.DatabaseFile()) == saved_; }

    static std::string Rows(QWidget& dialog, const ImportTwinCase& twin)
    {
        auto* list = Named<QWidget>(dialog, twin.Comparison());
        QString text;
        for (int i = 0;; ++i) {
            auto* row = list->findChild<QWidget*>("SimpleComparisonControl1_" + QString::number(i));
            if (row == nullptr) return text.toStdString();
            text += Named<QLabel>(*row, "Label1")->text() + "." + Named<QLabel>(*row, "NameLabel")->text() + ":";
            for (const char* tick : {"Check1_1", "Check1_2", "Check1_3"})
                text += Named<QCheckBox>(*row, tick)->isChecked() ? "x" : "-";
            text += " ";
        }
    }
    static QCheckBox* Decision(QWidget& dialog, const ImportTwinCase& twin, int row)
    {
        return Named<QCheckBox>(
            *Named<QWidget>(*Named<QWidget>(dialog, twin.Comparison()), "SimpleComparisonControl1", row), "Check2");
    }
    static void Click(QWidget& dialog, const char* name, int index)
    {
        QWidget* control = Named<QWidget>(dialog, name, index);
        if (auto* option = qobject_cast<QRadioButton*>(control)) option->click();
        if (auto* button = qobject_cast<QPushButton*>(control)) button->click();
    }

    std::string saved_;
    std::string buffer_;  // the imported library as the dialog opened
};

}  // namespace

TEST_F(ImportReplaceFormTest, ShowsTheImportedNamesTheChoicesAndTheRowsWithoutTheDecisionColumn)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        Run(*twin, [&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), twin->Title());
            EXPECT_EQ(Named<QGroupBox>(dialog, "Frame1")->title(), twin->LibraryFrame());
            const std::pair<const char*, QString> labels[] = {
                {"Label3", "Manufacturer"},
                {"Label4", "Model"},
                {"Label8", "Type"},
                {"Label1", "acme"},
                {"Label2", "T1"},
                {"Label7", "TV"},
                {"Label5", twin->Difference()},
                {"Label6", "Click on one of the buttons below to proceed."},
                {"Label9", twin->CommandByCommand()}};
            for (const auto& [name, text] : labels)
                EXPECT_EQ(Named<QLabel>(dialog, name)->text().toStdString(), text.toStdString()) << name;
            const std::pair<int, const char*> options[] = {
                {0, "Keep the database library, discard new library"},
                {1, "Replace this library in the database with the new one"},
                {2, "Add this library to my data base under a new manufacturer/model"},
                {4, "Decide changes on a command by command basis"}};
            for (const auto& [index, caption] : options)
                EXPECT_EQ(Named<QRadioButton>(dialog, "Option1", index)->text(), caption);
            const std::pair<int, const char*> buttons[] = {
                {0, "Cancel"}, {1, "Move ALL new to database"}, {2, "Add none to database"}, {4, "Make changes"}};
            for (const auto& [index, caption] : buttons)
                EXPECT_EQ(Named<QPushButton>(dialog, "Command2", index)->text(), caption);
            EXPECT_EQ(dialog.findChild<QWidget*>("Option1_3"), nullptr);
            EXPECT_EQ(dialog.findChild<QWidget*>("Command2_3"), nullptr);
            EXPECT_FALSE(Named<QWidget>(dialog, "EditFrame")->isVisible());
            EXPECT_FALSE(Named<QWidget>(dialog, "EditFrameLabels")->isVisible());
            // The lookup left the buffer's names upper case.
            EXPECT_EQ(twin->BufferManufacturer(*state), "ACME            ");

            auto* list = Named<QWidget>(dialog, twin->Comparison());
            EXPECT_EQ(Named<QGroupBox>(*list, "DifferencesFrame")->title(), "Command differences");
            for (const auto& [name, caption] : {std::pair{"Label10", "Name"},
                                                {"Label13", "In  new"},
                                                {"Label12", "In  data base"},
                                                {"Label14", "Same"},
                                                {"Label1_0", "Add / Replace in database"}})
                EXPECT_EQ(Named<QLabel>(*list, name)->text(), caption);
            EXPECT_EQ(Rows(dialog, *twin), "1.ON:xxx 2.OFF:xx- 3.UP:x-- 4.DOWN:-x- ");
            EXPECT_FALSE(Named<QLabel>(*list, "Label1_0")->isVisible());
            EXPECT_FALSE(Decision(dialog, *twin, 0)->isVisible());
            EXPECT_FALSE(Named<QWidget>(*list, "Frame1_1")->isEnabled());
            EXPECT_EQ(Named<QWidget>(*list, "SimpleComparisonControl1", 0)->width(), 4335 / 15);
            EXPECT_EQ(dialog.width(), list->geometry().right() + 1 + 135 / 15);
        });
    }
}

TEST_F(ImportReplaceFormTest, KeepWritesNothingAndReplaceCopiesTheWholeImportedLibraryAndSavesOnce)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        std::vector<std::string> before;
        Run(*twin, [&](QWidget& dialog) {
            before = twin->Database(*state);
            Click(dialog, "Option1", 0);
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(twin->Database(*state), before);
        EXPECT_TRUE(FileUnchanged(*twin));
        EXPECT_FALSE(folder.Exists(twin->DatabaseName() + ".BAK"));

        Run(*twin, [&](QWidget& dialog) { Click(dialog, "Option1", 1); });
        const std::vector<std::string> expected{before[0], buffer_};
        EXPECT_EQ(folder.ReadBytes(twin->DatabaseName() + ".BAK"), saved_);
        EXPECT_EQ(twin->Database(*state), expected);
        EXPECT_EQ(SavedDatabase(*twin), expected);
        EXPECT_NE(expected[1].find("imported"), std::string::npos);
        EXPECT_EQ(expected[1].find("DOWN"), std::string::npos);
    }
}

TEST_F(ImportReplaceFormTest, ACancelledNewNameLeavesTheDialogOpenAndUnsavedAndAConfirmedOneAddsAndSaves)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        std::vector<std::string> before;
        Run(*twin, [&](QWidget& dialog) {
            before = twin->Database(*state);
            WhenModalOpens([](QWidget* names) { Named<QPushButton>(*names, "Cancel")->click(); });
            Click(dialog, "Option1", 2);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", 2)->isChecked());
            EXPECT_EQ(twin->Database(*state), before);
            EXPECT_TRUE(FileUnchanged(*twin));

            WhenModalOpens([](QWidget* names) {
                Named<QLineEdit>(*names, "Text2")->setText("t2");
                Named<QPushButton>(*names, "Done")->click();
            });
            Click(dialog, "Option1", 2);
            EXPECT_FALSE(dialog.isVisible());
        });
        std::vector<std::string> expected = before;
        const std::string model = "|T1              |";
        expected.push_back(buffer_);
        expected[2].replace(expected[2].find(model), model.size(), "|T2              |");
        EXPECT_EQ(twin->Database(*state), expected);
        EXPECT_EQ(SavedDatabase(*twin), expected);
    }
}

TEST_F(ImportReplaceFormTest, MakeChangesMovesTheTickedRowsOnlyAndAlwaysSaves)
{
    using Ticks = std::function<void(QWidget&, const ImportTwinCase&)>;
    const auto tick = [](std::initializer_list<int> list) -> Ticks {
        // The list's elements end with the call: the clicks keep a copy.
        return [rows = std::vector<int>(list)](QWidget& dialog, const ImportTwinCase& twin) {
            for (int row : rows) Decision(dialog, twin, row)->click();
        };
    };
    const struct {
        const char* name;
        Ticks ticks;
        std::initializer_list<std::string_view> ir, rs232;
    } cases[] = {
        {"none", tick({}), {"ON:1", "OFF:2", "DOWN:7"}, {"ON:a", "OFF:b", "DOWN:d"}},
        {"OFF, UP and DOWN",
         tick({1, 2, 3}),
         {"ON:1", "OFF:5", "DOWN:7", "UP:6"},
         {"ON:a", "OFF:c?", "DOWN:d", "UP:u"}},
        {"UP ticked twice", tick({2, 2}), {"ON:1", "OFF:2", "DOWN:7"}, {"ON:a", "OFF:b", "DOWN:d"}},
        {"all",
         [](QWidget& dialog, const ImportTwinCase&) { Click(dialog, "Command2", 1); },
         {"ON:1", "OFF:5", "DOWN:7", "UP:6"},
         {"ON:a", "OFF:c?", "DOWN:d", "UP:u"}},
        {"all then none",
         [](QWidget& dialog, const ImportTwinCase&) {
             Click(dialog, "Command2", 1);
             Click(dialog, "Command2", 2);
         },
         {"ON:1", "OFF:2", "DOWN:7"},
         {"ON:a", "OFF:b", "DOWN:d"}},
    };
    for (const auto& twin : ImportTwinCases()) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(twin->Name()) + ": " + c.name);
            std::vector<std::string> before;
            Run(*twin, [&](QWidget& dialog) {
                before = twin->Database(*state);
                Click(dialog, "Option1", 4);
                EXPECT_TRUE(Named<QWidget>(dialog, "EditFrame")->isVisible());
                EXPECT_TRUE(Named<QWidget>(dialog, "EditFrameLabels")->isVisible());
                c.ticks(dialog, *twin);
                Click(dialog, "Command2", 4);
                EXPECT_FALSE(dialog.isVisible());
            });
            auto scratch = NewState();
            const std::vector<std::string> expected{before[0],
                                                    twin->Library(*scratch, twin->Name()[0] == 'I' ? c.ir : c.rs232)};
            EXPECT_EQ(twin->Database(*state), expected);
            EXPECT_EQ(SavedDatabase(*twin), expected);
            EXPECT_EQ(folder.ReadBytes(twin->DatabaseName() + ".BAK"), saved_);
        }
    }
}

TEST_F(ImportReplaceFormTest, TheDecisionColumnWidensTheDialogAndCancelStartsItAgainUnticked)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        Run(*twin, [&](QWidget& dialog) {
            auto* list = Named<QWidget>(dialog, twin->Comparison());
            const int narrow = dialog.width();
            Click(dialog, "Option1", 4);
            EXPECT_EQ(Named<QWidget>(*list, "SimpleComparisonControl1", 0)->width(), 5415 / 15);
            EXPECT_EQ(dialog.width(), list->geometry().right() + 1 + 135 / 15);
            EXPECT_GT(dialog.width(), narrow);
            EXPECT_TRUE(Named<QLabel>(*list, "Label1_0")->isVisible());
            QCheckBox* off = Decision(dialog, *twin, 1);
            EXPECT_TRUE(off->isVisible());
            EXPECT_EQ(off->text(), "-");
            off->click();
            EXPECT_EQ(off->text(), "Move");
            Click(dialog, "Command2", 1);
            EXPECT_EQ(Decision(dialog, *twin, 3)->text(), "Move");

            Click(dialog, "Command2", 0);
            EXPECT_FALSE(Named<QWidget>(dialog, "EditFrame")->isVisible());
            EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", 4)->isChecked());
            EXPECT_EQ(dialog.width(), narrow);
            Click(dialog, "Option1", 4);
            for (int row = 0; row < 4; ++row) {
                EXPECT_FALSE(Decision(dialog, *twin, row)->isChecked());
                EXPECT_EQ(Decision(dialog, *twin, row)->text(), "-");
            }
        });
        EXPECT_TRUE(FileUnchanged(*twin));
    }
}

TEST_F(ImportReplaceFormTest, TwelveRowsShowWithoutAScrollBarAndMoreShowTwelveAtATime)
{
    const struct {
        int more;
        bool scroll;
        int maximum;
    } cases[] = {{8, false, 0}, {9, true, 1}, {20, true, 12}};
    for (const auto& twin : ImportTwinCases()) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(twin->Name()) + " with " + std::to_string(4 + c.more) + " rows");
            Run(
                *twin,
                [&](QWidget& dialog) {
                    auto* list = Named<QWidget>(dialog, twin->Comparison());
                    auto* scroll = Named<QScrollBar>(*list, "VScroll1");
                    EXPECT_EQ(scroll->isVisible(), c.scroll);
                    const auto shown = [&] {
                        QString rows;
                        for (int i = 0; i < 4 + c.more; ++i)
                            if (Named<QWidget>(*list, "SimpleComparisonControl1", i)->isVisible())
                                rows += QString::number(i) + " ";
                        return rows;
                    };
                    EXPECT_EQ(shown(), c.scroll ? "0 1 2 3 4 5 6 7 8 9 10 11 " : shown());
                    if (!c.scroll) return;
                    EXPECT_EQ(scroll->maximum(), c.maximum);
                    EXPECT_EQ(scroll->height(), 12 * 480 / 15);
                    scroll->setValue(1);
                    EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8 9 10 11 12 ");
                    EXPECT_EQ(Named<QWidget>(*list, "SimpleComparisonControl1", 1)->y(), scroll->y());
                    EXPECT_EQ(dialog.width(), list->geometry().right() + 1 + 135 / 15);

                    // The wheel scrolls the list from over any part of a row in view.
                    for (const char* part : {"NameLabel", "Check1_2", "Label1"}) {
                        SCOPED_TRACE(part);
                        scroll->setValue(0);
                        auto* row = Named<QWidget>(*list, "SimpleComparisonControl1", 0);
                        TurnWheelOver(*Named<QWidget>(*row, part), -1);
                        EXPECT_GT(scroll->value(), 0);
                        EXPECT_FALSE(row->isVisible());
                        TurnWheelOver(*Named<QWidget>(*list, "SimpleComparisonControl1", scroll->value()), 1);
                        EXPECT_EQ(scroll->value(), 0);
                    }
                },
                c.more);
        }
    }
}

TEST_F(ImportReplaceFormTest, AFailedSaveIsReportedAndTheChangeStaysInMemory)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        const std::string base = twin->DatabaseName();
        Run(*twin, [&](QWidget& dialog) {
            std::filesystem::create_directories(folder / (base + ".TMP") / "in the way");
            prompts.ExpectMessage(
                DatabaseSaveFailure(twin->Name()[0] == 'I' ? "infrared" : "RS232", folder / (base + ".DEF"), ENOTEMPTY),
                "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
            Click(dialog, "Option1", 1);
            EXPECT_FALSE(dialog.isVisible());
        });
        std::filesystem::remove_all(folder / (base + ".TMP"));
        EXPECT_TRUE(FileUnchanged(*twin));
        EXPECT_EQ(twin->Database(*state)[1], buffer_);
    }
}

TEST_F(ImportReplaceFormTest, TheInstalledReconciliationSettlesAnImportedLibraryThroughItsDialog)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        std::vector<std::string> before;
        Run(
            *twin,
            [&](QWidget& dialog) {
                EXPECT_EQ(dialog.windowTitle(), twin->Title());
                before = twin->Database(*state);
                Click(dialog, "Option1", 1);
            },
            0,
            [&] {
                state->Installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
                twin->Reconcile(*state);
            });
        const std::vector<std::string> expected{before[0], buffer_};
        EXPECT_EQ(SavedDatabase(*twin), expected);
    }
}

TEST_F(ImportReplaceFormTest, WithoutADatabaseLibraryOfTheNamesOnlyKeepingIsOffered)
{
    for (const auto& twin : ImportTwinCases()) {
        SCOPED_TRACE(twin->Name());
        Run(
            *twin,
            [&](QWidget& dialog) {
                for (int option : {1, 2, 4}) EXPECT_FALSE(Named<QRadioButton>(dialog, "Option1", option)->isEnabled());
                EXPECT_TRUE(Named<QRadioButton>(dialog, "Option1", 0)->isEnabled());
                EXPECT_EQ(Rows(dialog, *twin), "");
                Click(dialog, "Option1", 0);
            },
            0,
            [&] {
                // The buffer's library has gone from the database.
                if (twin->Name()[0] == 'I')
                    state->IR.IRDatabase().Remove(1);
                else
                    state->RS232Libraries.RS232Database().Remove(1);
                twin->Show(*state);
            });
        EXPECT_TRUE(FileUnchanged(*twin));
    }
}
