#include "controls/IntegerEntry.h"
#include "controls/MeshloAddressControl.h"
#include "editor/pages/MicrophonePage.h"
#include "editor/pages/NotesPage.h"
#include "editor/pages/OnOffPage.h"
#include "editor/pages/OtherMeshloPage.h"
#include "editor/pages/SecondRS232Page.h"
#include "editor/pages/VolumePage.h"
#include "editor/panels/MeshloEntries.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class TabPagesTest : public ::testing::Test {
protected:
    TabPagesTest()
    {
        state.Names.InitNameTables();
        state.Config.ClearConfiguration();
        pages = {new MicrophonePage(state, &window),  new VolumePage(state, &window),
                 new SecondRS232Page(state, &window), new OtherMeshloPage(state.Config, &window),
                 new OnOffPage(state, &window),       new NotesPage(state.Config, &window)};
    }
    void FillAll()
    {
        for (ConfigurationPage* page : pages) {
            page->Fill();
            page->Arrange();
        }
    }
    // Types into an entry as a user does and leaves it with Enter.
    static void Type(QWidget* entry, const QString& text)
    {
        auto* box = entry->findChild<QLineEdit*>();
        ASSERT_NE(box, nullptr);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    template <class T>
    T* Find(const QString& name)
    {
        return Named<T>(window, name);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    QWidget window;
    std::vector<ConfigurationPage*> pages;
};

}  // namespace

TEST_F(TabPagesTest, AFillShowsTheConfigurationAndStoresNothing)
{
    ConfigurationRecord& record = state.Config.Record;
    record.MicrophoneWhenOff = true;
    record.UsePowerDownLevel = true;
    record.VolumeMaximum = -3;
    record.ControlPortBaudrate = 2;
    record.ControlPortParity = 7;  // damaged: no option, value kept
    record.InactiveTimeoutHours = 5;
    record.MeshloAddressTable[38] = 1200;
    record.ConfigNotes = "  Lecture theatre  ";
    FillAll();

    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_TRUE(Find<QCheckBox>("MicrophoneCheck")->isChecked());
    EXPECT_TRUE(Find<IntegerEntry>("FixedStartLevel")->isHidden());
    EXPECT_TRUE(Find<QLabel>("Label5_3")->isHidden());
    EXPECT_TRUE(Find<QLabel>("FixedLevelLabel_0")->isHidden());
    EXPECT_EQ(Find<IntegerEntry>("MaximumLevel")->return_value(), -3);
    EXPECT_TRUE(Find<QRadioButton>("Baudrate_2")->isChecked());
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(Find<QRadioButton>(QString("ParityOption_%1").arg(i))->isChecked());
    EXPECT_EQ(record.ControlPortParity, 7);
    EXPECT_EQ(Find<IntegerEntry>("InactiveTime")->return_value(), 5);
    EXPECT_EQ(Find<MeshloAddressControl>("MeshloAddressControl1_0")->return_value(), 1200.0f);
    EXPECT_EQ(Find<QPlainTextEdit>("GeneralNotes")->toPlainText(), "Lecture theatre");
    EXPECT_TRUE(Find<QWidget>("IRRS232Frame")->isHidden()) << "only with the infra-red add-ons";
    EXPECT_TRUE(Find<QWidget>("IRMeshloFrameFrame")->isHidden());

    record.QuilmarDraventEnabled = true;
    FillAll();
    EXPECT_FALSE(Find<QWidget>("IRRS232Frame")->isHidden());
    EXPECT_FALSE(Find<QWidget>("IRMeshloFrameFrame")->isHidden());
    EXPECT_EQ(Find<MeshloAddressControl>("MeshloAddressControl1_12")->findChild<QLineEdit*>()->toolTip(),
              "Meshlo Address In for Volume Step Up");
    EXPECT_FALSE(state.Config.ConfigChanged);
}

TEST_F(TabPagesTest, EachMeshloEntryEditsItsTableElement)
{
    window.show();
    FillAll();
    const int controls[] = {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24, 25, 36};
    for (const int k : controls) {
        state.Config.ConfigChanged = false;
        const int address = 100 + k;
        Type(Find<MeshloAddressControl>(QString("MeshloAddressControl1_%1").arg(k)), QString::number(address));
        EXPECT_EQ(state.Config.Record.MeshloAddressTable[static_cast<std::size_t>(MeshloTableElement(k))], address)
            << "control " << k;
        EXPECT_TRUE(state.Config.ConfigChanged) << "control " << k;
    }
    EXPECT_EQ(MeshloTableElement(0), 38);
    EXPECT_EQ(MeshloTableElement(12), 12);
    EXPECT_EQ(MeshloEntryTooltip(1), "Meshlo Address In For  Power Off");
}

TEST_F(TabPagesTest, UserEditsStoreTheirVariablesAndMarkTheChange)
{
    window.show();
    FillAll();
    const ConfigurationRecord& record = state.Config.Record;
    struct Edit {
        const char* entry;
        const char* typed;
        std::function<int()> stored;
    };
    const Edit edits[] = {
        {"MaximumLevel", "-10", [&] { return record.VolumeMaximum; }},
        {"MinimumLevel", "-70", [&] { return record.VolumeMinimum; }},  // clamped to -56
        {"VolumeStep", "4", [&] { return record.VolumeStepDb; }},
        {"FixedStartLevel", "-20", [&] { return record.StartUpLevel; }},
        {"InterByteDelay", "12", [&] { return record.ControlPortInterByteDelay; }},
        {"InactiveTime", "30", [&] { return record.InactiveTimeoutHours; }},  // clamped to 12
    };
    const int expected[] = {-10, -56, 4, -20, 12, 12};
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        state.Config.ConfigChanged = false;
        Type(Find<IntegerEntry>(edits[i].entry), edits[i].typed);
        EXPECT_EQ(edits[i].stored(), expected[i]) << edits[i].entry;
        EXPECT_TRUE(state.Config.ConfigChanged) << edits[i].entry;
    }

    QTest::mouseClick(Find<QRadioButton>("Baudrate_4"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>("ParityOption_2"), Qt::LeftButton);
    EXPECT_EQ(record.ControlPortBaudrate, 4);
    EXPECT_EQ(record.ControlPortParity, 2);

    state.Config.ConfigChanged = false;
    QTest::mouseClick(Find<QCheckBox>("UsePowerDownCheck"), Qt::LeftButton);
    EXPECT_TRUE(record.UsePowerDownLevel);
    EXPECT_TRUE(Find<IntegerEntry>("FixedStartLevel")->isHidden());
    EXPECT_TRUE(state.Config.ConfigChanged);
    QTest::mouseClick(Find<QCheckBox>("MicrophoneCheck"), Qt::LeftButton);
    EXPECT_TRUE(record.MicrophoneWhenOff);
}

TEST_F(TabPagesTest, AnEditedGlobalMessageGoesToItsSlotAtOnce)
{
    FillAll();
    int messagesChanged = 0;
    const EditListener listener(state.Config.Edits, ConfigGroup::GlobalMessages, [&] { ++messagesChanged; });
    const int messageSlots[] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 18};
    for (const int slot : messageSlots) {
        state.Config.ConfigChanged = false;
        auto* pane = Find<SerialStringDisplay>(QString("SerialStringDisplay6_%1").arg(slot));
        ASSERT_EQ(pane->MySerialClass(), &state.Config.ConfigSerialStrings(slot)) << slot;
        RS232_String_Class& bytes = pane->MySerialClass()->MyRS232StringClass();
        bytes.ContentBytes(0, static_cast<uint8_t>(slot + 1));
        bytes.NumberOfBytes(1);
        emit pane->Changed();  // as the pane does after an edit
        EXPECT_EQ(state.Config.Record.ConfigSerialSlots[static_cast<std::size_t>(slot)].NumberOfBytes, 1) << slot;
        EXPECT_EQ(state.Config.Record.ConfigSerialSlots[static_cast<std::size_t>(slot)].ContentBytes[0], slot + 1);
        EXPECT_TRUE(state.Config.ConfigChanged) << slot;
    }
    EXPECT_EQ(messagesChanged, static_cast<int>(std::size(messageSlots)));
}

TEST_F(TabPagesTest, NotesKeepWhatTheFieldCanHold)
{
    window.show();
    FillAll();
    auto* notes = Find<QPlainTextEdit>("GeneralNotes");
    notes->setFocus();
    QTest::keyClicks(notes, "Room \"12\"");
    EXPECT_EQ(notes->toPlainText(), "Room 12");
    EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 8), "Room 12 ");
    EXPECT_TRUE(state.Config.ConfigChanged);

    notes->insertPlainText(QString(" \u20ac \u03a9"));
    EXPECT_EQ(notes->toPlainText(), QString("Room 12 \u20ac ?"));
    notes->insertPlainText(QString(250, 'x'));
    EXPECT_EQ(notes->toPlainText().size(), NotesPage::NotesLength);

    state.Config.ConfigChanged = false;
    notes->clear();
    notes->insertPlainText("after");
    QTest::keyClick(notes, '"');
    EXPECT_EQ(notes->textCursor().position(), 5) << "the caret stays where the typing was";
}
