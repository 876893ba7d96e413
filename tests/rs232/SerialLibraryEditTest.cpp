#include "controls/IntegerEntry.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "rs232/RS232commandControl.h"
#include "rs232/SerialLibraryEdit.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TabRound.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Byte {
    uint8_t value;
    uint8_t type = ContentHex;
};

void SetCommand(RS232FileBlockClass& library, int i, const char* name, std::initializer_list<Byte> bytes)
{
    library.Command(i, name);
    RS232_String_Class& message = library.My_RS232_String_Class(i);
    message.NumberOfBytes(static_cast<int>(bytes.size()));
    int k = 0;
    for (const Byte& byte : bytes) {
        message.ContentBytes(k, byte.value);
        message.ContentTypes(k++, byte.type);
    }
}

void FillLibrary(RS232FileBlockClass& library, const char* manufacturer, const char* type, const char* model)
{
    library.Clear();
    library.Manufacturer(manufacturer);
    library.MyType(type);
    library.Model(model);
    library.Baudrate(2);
    library.Parity(1);
    library.InterByteDelay(40);
    library.Notes("Front panel port");
    SetCommand(library, 0, "POWER ON", {{0x02}, {0x50}});
    SetCommand(library, 20, "STATUS", {{0x3F}, {0x00, ContentIgnore}});
    library.IsInputNotOutput(20, true);
}

class SerialLibraryEditTest : public ::testing::Test {
protected:
    ~SerialLibraryEditTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    RS232FileBlockClass& Work() { return state.RS232Libraries.WorkRS232Library; }
    RS232FileBlockClass& AddToDatabase(const char* manufacturer, const char* type, const char* model)
    {
        state.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& added =
            state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
        FillLibrary(added, manufacturer, type, model);
        return added;
    }
    int Entries() const { return state.RS232Libraries.RS232Database().Count(); }
    // The editor, open without a modal loop, on WorkRS232Library as it stands.
    std::unique_ptr<SerialLibraryEdit> Open()
    {
        auto form = std::make_unique<SerialLibraryEdit>(state);
        form->show();
        return form;
    }
    static RS232commandControl* Row(const QWidget& form, int k)
    {
        return Named<RS232commandControl>(form, "RS232commandControl1", k);
    }
    static void Save(QWidget& form) { Named<QPushButton>(form, "Done")->click(); }
    void ExpectSorry(const QString& text)
    {
        prompts.ExpectMessage(text, "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};

TEST_F(SerialLibraryEditTest, SaveChecksRunInOrderAndKeepTheDialogOpen)
{
    struct Case {
        const char* what;
        std::function<void(RS232FileBlockClass&)> change;
        QString message;
    };
    const std::vector<Case> cases = {
        {"cleared library", [](RS232FileBlockClass& l) { l.Clear(); },
         "Cannot save as no serial codes have been defined!"},
        {"duplicate before empty manufacturer",
         [](RS232FileBlockClass& l) {
             l.Manufacturer("");
             SetCommand(l, 7, " power ", {});
             SetCommand(l, 9, "POWER", {});
             SetCommand(l, 3, "", {{1}});
             SetCommand(l, 4, "", {{2}});
         },
         "Cannot save as command name power has been defined twice!"},
        {"only nameless commands have bytes",
         [](RS232FileBlockClass& l) {
             SetCommand(l, 0, "POWER ON", {});
             SetCommand(l, 20, "STATUS", {});
             SetCommand(l, 18, "", {{1}});
             SetCommand(l, 25, "", {{1}});
         },
         "Cannot save as no command name for RS232 string 19 has been defined!"},
        {"manufacturer", [](RS232FileBlockClass& l) { l.Manufacturer("  "); },
         "Cannot save as no manufacturer name has been defined!"},
        {"model before type",
         [](RS232FileBlockClass& l) {
             l.Model("");
             l.MyType("");
         },
         "Cannot save as no model name has been defined!"},
        {"type", [](RS232FileBlockClass& l) { l.MyType(""); }, "Cannot save as no equipment type has been defined!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FillLibrary(Work(), "ACME", "PROJECTOR", "X1");
        c.change(Work());
        auto form = Open();
        ExpectSorry(c.message);
        Save(*form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(Entries(), 0);
        EXPECT_TRUE(prompts.AllAnswered());
    }
}

TEST_F(SerialLibraryEditTest, RowsShowTheirCommandsWithInputAndOutputMarks)
{
    FillLibrary(Work(), "ACME", "PROJECTOR", "X1");
    auto form = Open();
    auto* tabs = Named<QTabBar>(*form, "SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Commands 1 to 16");
    EXPECT_EQ(tabs->tabText(1), "Commands 17 to 32");
    EXPECT_EQ(tabs->tabText(2), "Settings");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_TRUE(Named<QWidget>(*form, "SerialFrame")->isHidden());

    tabs->setCurrentIndex(1);
    EXPECT_FALSE(Named<QWidget>(*form, "SerialFrame")->isHidden());
    RS232commandControl* status = Row(*form, 4);
    EXPECT_EQ(Named<QLabel>(*status, "Label1")->text(), "20");
    EXPECT_EQ(Named<QLineEdit>(*status, "Command")->text(), "STATUS");
    EXPECT_FALSE(Named<QLabel>(*status, "Label2", 0)->isHidden());
    EXPECT_TRUE(Named<QLabel>(*status, "Label2", 1)->isHidden());
    EXPECT_EQ(Named<QLabel>(*status, "Label2", 1)->toolTip(), "Can be used as OUTPUT RS232 serial");

    tabs->setCurrentIndex(0);
    RS232commandControl* power = Row(*form, 3);
    EXPECT_EQ(Named<QLabel>(*Row(*form, 15), "Label1")->text(), "15");
    EXPECT_FALSE(Named<QLabel>(*power, "Label2", 1)->isHidden());
    // A message that gains an IGNORE byte loses its "O" mark at once; the
    // command keeps the name its box shows.
    QTest::keyClicks(Named<QLineEdit>(*power, "Command"), "blank");
    state.SerialClipboard.MyRS232StringClass().NumberOfBytes(1);
    state.SerialClipboard.MyRS232StringClass().ContentTypes(0, ContentIgnore);
    state.SerialClipboard.Command("OTHER");
    Named<QAction>(*Named<SerialStringDisplay>(*power, "SerialStringDisplay1"), "menuPaste")->trigger();
    EXPECT_TRUE(Named<QLabel>(*power, "Label2", 1)->isHidden());

    // A name typed before a tab change stays with its own command.
    QTest::keyClicks(Named<QLineEdit>(*Row(*form, 1), "Command"), "mute");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(Named<QLineEdit>(*Row(*form, 1), "Command")->text(), "");
    Save(*form);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Work().CommandField(3).trimmed(), "BLANK");
    EXPECT_TRUE(Work().IsInputNotOutput(3));
    EXPECT_FALSE(Work().IsInputNotOutput(0));
    EXPECT_EQ(Work().CommandField(1).trimmed(), "MUTE");
    EXPECT_EQ(Work().CommandField(17).trimmed(), "");
}

TEST_F(SerialLibraryEditTest, SettingsAreNormalisedAndKeepTheEditedCommands)
{
    AddToDatabase(" acme ", "DVD", "A");
    AddToDatabase("ACME", "PLAYER", "B");
    AddToDatabase("DVD", "DVD", "C");
    Work().Clear();
    auto form = Open();
    auto* manufacturers = Named<QComboBox>(*form, "Manufacturer");
    auto* types = Named<QComboBox>(*form, "TypeCombo1");
    const QWidget* first = form->focusWidget();  // opens with the names to type
    EXPECT_TRUE(first == manufacturers || first == manufacturers->lineEdit());
    ASSERT_EQ(manufacturers->count(), 2);
    EXPECT_EQ(manufacturers->itemText(0), "ACME");
    EXPECT_EQ(manufacturers->itemText(1), "DVD");
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), "DVD");
    EXPECT_EQ(types->itemText(1), "PLAYER");
    EXPECT_EQ(manufacturers->currentText(), "");

    Named<QTabBar>(*form, "SSTab1")->setCurrentIndex(0);
    QTest::keyClicks(Named<QLineEdit>(*Row(*form, 2), "Command"), "input");
    Named<QTabBar>(*form, "SSTab1")->setCurrentIndex(2);
    Named<QLineEdit>(*form, "Model")->setText("  abc  ");
    manufacturers->setEditText("twentycharactersname");
    types->setCurrentIndex(1);
    types->activated(1);
    Named<QRadioButton>(*form, "Baudrate", 4)->click();
    Named<QRadioButton>(*form, "ParityOption", 2)->click();
    EXPECT_EQ(Named<IntegerEntry>(*form, "InterByteDelay")->findChild<QLineEdit*>()->toolTip(),
              "Minimum delay between serial bytes");
    Named<QPlainTextEdit>(*form, "Notes")->setPlainText(QString(200, 'n'));

    EXPECT_EQ(Work().ModelField().trimmed(), "ABC");
    EXPECT_EQ(Work().ManufacturerField().trimmed(), "TWENTYCHARACTERS");
    EXPECT_EQ(Work().MyTypeField().trimmed(), "PLAYER");
    EXPECT_EQ(Work().Baudrate(), 4);
    EXPECT_EQ(Work().Parity(), 2);
    EXPECT_EQ(Named<QPlainTextEdit>(*form, "Notes")->toPlainText().size(), 160);
    const SerialClass& edited = state.RS232Libraries.EditCommandSerials[2];
    EXPECT_EQ(edited.Command(), "INPUT" + std::string(27, ' '));
    EXPECT_EQ(edited.Baudrate(), 4);
    EXPECT_EQ(edited.Parity(), 2);
    EXPECT_EQ(edited.Model().substr(0, 16), Work().Model());
    EXPECT_EQ(edited.SerialType(), SerialClass::LibraryCommand);
    EXPECT_TRUE(edited.CanBeInput());

    // Cancel leaves the settings in the work library and nothing in the database.
    Named<QPushButton>(*form, "Cancel")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Entries(), 3);
    EXPECT_EQ(Work().Parity(), 2);
}

TEST_F(SerialLibraryEditTest, SaveAddsOverwritesOnlyWhenAskedAndKeepsTheOpenedLibrary)
{
    RS232FileBlockClass& stored = AddToDatabase("ACME", "PROJECTOR", "X1");
    Work().CopyFrom(stored);

    // Unchanged: no question, nothing stored, closed.
    auto unchanged = Open();
    Save(*unchanged);
    EXPECT_FALSE(unchanged->isVisible());
    EXPECT_EQ(Entries(), 1);

    Work().CopyFrom(stored);
    Work().Baudrate(0);
    const QString question = "RS2332 equipment ACME / PROJECTOR / X1 already exists do you wish to over-write it?";
    auto refused = Open();
    prompts.ExpectMessage(question, "Overwrite", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
    Save(*refused);
    EXPECT_TRUE(refused->isVisible());
    EXPECT_EQ(stored.Baudrate(), 2);

    prompts.ExpectMessage(question, "Overwrite", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    Save(*refused);
    EXPECT_FALSE(refused->isVisible());
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(state.RS232Libraries.RS232Database()[0].Baudrate(), 0);

    // Renamed: added at the end, the opened library unchanged.
    Work().CopyFrom(state.RS232Libraries.RS232Database()[0]);
    auto renamed = Open();
    Named<QLineEdit>(*renamed, "Model")->setText("x2");
    Save(*renamed);
    ASSERT_EQ(Entries(), 2);
    EXPECT_EQ(state.RS232Libraries.RS232Database()[0].ModelField().trimmed(), "X1");
    EXPECT_TRUE(state.RS232Libraries.RS232Database()[1].IsSameAs(Work()));
}

TEST_F(SerialLibraryEditTest, ALibraryMakesTheRoundTripThroughTheEditorAndTheDatabaseFile)
{
    FillLibrary(Work(), "ACME", "PROJECTOR", "X1");
    Work().IsFromLibrary(0, true);
    RS232FileBlockClass original;
    original.CopyFrom(Work());
    auto form = Open();
    auto* tabs = Named<QTabBar>(*form, "SSTab1");
    for (int tab : {0, 1, 2, 0}) tabs->setCurrentIndex(tab);
    EXPECT_TRUE(Named<QRadioButton>(*form, "Baudrate", 2)->isChecked());
    EXPECT_TRUE(Named<QRadioButton>(*form, "ParityOption", 1)->isChecked());
    EXPECT_EQ(Named<IntegerEntry>(*form, "InterByteDelay")->return_value(), 40);
    EXPECT_EQ(Named<QPlainTextEdit>(*form, "Notes")->toPlainText(), "Front panel port");
    Save(*form);
    ASSERT_EQ(Entries(), 1);
    EXPECT_TRUE(state.RS232Libraries.RS232Database()[0].IsSameAs(original));

    // The file keeps no per-command library flags.
    original.IsFromLibrary(0, false);
    state.RS232Libraries.SaveRS232Database();
    ScriptedPrompts quiet;
    SerialClassGlobals reloaded(folder.path(), quiet);
    reloaded.LoadRS232Database();
    ASSERT_EQ(reloaded.RS232Database().Count(), 1);
    EXPECT_TRUE(reloaded.RS232Database()[0].IsSameAs(original));
}

}  // namespace

// A click on a tab hides the page that may hold the focus: the focus goes
// to the first control of the page shown, not on to the buttons; on a
// control still shown it stays.
TEST_F(SerialLibraryEditTest, AClickedTabTakesTheFocusFromAHiddenPageIntoThePageShown)
{
    FillLibrary(Work(), "ACME", "PROJECTOR", "X1");
    auto form = Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* tabs = Named<QTabBar>(*form, "SSTab1");
    struct Step {
        int tab;
        // Where the focus is before the click, and after it.
        QWidget* before;
        QWidget* after;
    };
    QWidget* manufacturer = Named<QWidget>(*form, "Manufacturer");
    QWidget* firstCommand = Named<QWidget>(*Row(*form, 0), "Command");
    QWidget* thirdCommand = Named<QWidget>(*Row(*form, 2), "Command");
    QWidget* cancel = Named<QWidget>(*form, "Cancel");
    const Step steps[] = {
        {0, manufacturer, firstCommand},
        {1, thirdCommand, thirdCommand},
        {2, thirdCommand, manufacturer},
        {0, cancel, cancel},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.tab);
        step.before->setFocus();
        ASSERT_TRUE(step.before->hasFocus());
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(step.tab).center());
        ASSERT_EQ(tabs->currentIndex(), step.tab);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == step.after || step.after->isAncestorOf(focus))
            << (focus != nullptr ? focus->objectName().toStdString() : "none");
    }
}

// The pages step on and back from the keyboard whichever control has the
// focus, Save and Cancel included; the focus stays on the tabs, or goes into
// the page shown from anywhere else, and wherever Tab stops the user sees it.
TEST_F(SerialLibraryEditTest, ControlTabStepsThroughThePagesFromEveryControl)
{
    FillLibrary(Work(), "ACME", "PROJECTOR", "X1");
    auto form = Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* tabs = Named<QTabBar>(*form, "SSTab1");
    const int pages = tabs->count();
    QWidget* commands = Named<QWidget>(*form, "SerialFrame");
    QWidget* settings = Named<QWidget>(*form, "SettingsPage");
    struct Step {
        QKeyCombination key;
        int places;
    };
    const Step steps[] = {{Qt::CTRL | Qt::Key_Tab, 1},
                          {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
                          {Qt::CTRL | Qt::Key_PageUp, -1},
                          {Qt::CTRL | Qt::Key_PageDown, 1}};
    // The editor opens on the settings, in the first name box; the tabs are
    // one Shift+Tab before it, and each page one Ctrl+Tab on.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), tabs);
    for (int i = 0; i < pages; ++i) {
        QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
        const int page = tabs->currentIndex();
        SCOPED_TRACE(page);
        ASSERT_EQ(QApplication::focusWidget(), tabs);
        const std::vector<TabStop> stops = TabRound(200);
        ASSERT_EQ(QApplication::focusWidget(), tabs) << "the round closes";
        SCOPED_TRACE(StopNames(stops));
        for (const char* button : {"Done", "Cancel"})
            EXPECT_TRUE(std::any_of(stops.begin(), stops.end(),
                                    [&](const TabStop& s) { return s.widget->objectName() == button; }));
        for (const TabStop& stop : stops) {
            SCOPED_TRACE(StopName(stop.widget).toStdString());
            EXPECT_TRUE(stop.focusShown);
            stop.widget->setFocus(Qt::TabFocusReason);
            int shown = page;
            for (const Step& step : steps) {
                QTest::keyClick(QApplication::focusWidget(), step.key.key(), step.key.keyboardModifiers());
                shown = (shown + step.places + pages) % pages;
                EXPECT_EQ(tabs->currentIndex(), shown);
                QWidget* focus = QApplication::focusWidget();
                ASSERT_NE(focus, nullptr);
                EXPECT_TRUE(focus->isVisible());
                QWidget* pageShown = shown == 2 ? settings : commands;
                EXPECT_TRUE(stop.widget == tabs ? focus == tabs : pageShown->isAncestorOf(focus))
                    << StopName(focus).toStdString() << " on page " << shown;
            }
        }
        tabs->setFocus();
    }
    EXPECT_TRUE(form->isVisible());
}
