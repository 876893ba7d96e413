#include "controls/IntegerEntry.h"
#include "messages/MessageToolsFixture.h"
#include "messages/SerialStringDisplay.h"
#include "projectors/ProjectorSetupForm.h"
#include "support/NamedChild.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

namespace {

constexpr auto Sorry = "Sorry!";

class ProjectorSetupFormTest : public MessageToolsTest {
protected:
    ProjectorClass& Work() { return state.Projectors.WorkProjector; }
    ProjectorClassGlobals& Projectors() { return state.Projectors; }

    // Every message two bytes long, told apart by the slot.
    static void FillMessages(ProjectorClass& projector)
    {
        for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot) {
            RS232_String_Class& bytes = projector.My_RS232_String_Class(slot);
            bytes.ContentTypes(0, ContentHex);
            bytes.ContentBytes(0, static_cast<uint8_t>(slot));
            bytes.ContentTypes(1, ContentControl);
            bytes.ContentBytes(1, 0x0D);
            bytes.NumberOfBytes(2);
        }
    }

    // A whole definition whose in-use flags are those its check boxes show:
    // serial on/off with a reply to enable, Data 2 with reply, Video 2 with
    // reply, volume by levels, External off, a reply to Power on.
    static void FillDefinition(ProjectorClass& projector)
    {
        projector.Clear();
        projector.Manufacturer("ACME");
        projector.Model("Beamer x1");
        projector.Notes("Ceiling mount\nlens 2");
        projector.Baudrate(3);
        projector.Parity(2);
        projector.InterByteDelay(10);
        projector.InterCommandDelay(200);
        projector.WarmUpTime(30);
        projector.CoolDownTime(90);
        FillMessages(projector);
        for (int slot : {0, 1, 2, 3, 4, 6, 8, 9, 10, 11, 13, 20, 21, 23}) projector.InUse(slot, true);
        for (int k : {0, 1, 3, 10, 11}) projector.ReplyRequired(k, true);
        VolumeExtensionClass& volume = projector.My_VolumeExtensionClass();
        volume.Clear();
        volume.UseLevelForVolume(true);
        volume.VolumeInsertByteNumber(1);
        volume.MaxVolume(40);
    }

    std::unique_ptr<ProjectorSetupForm> Open() { return std::make_unique<ProjectorSetupForm>(state); }

    static void Type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    static void TypeInto(IntegerEntry* entry, int value)
    {
        Type(Named<QLineEdit>(*entry, "Text1"), QString::number(value));
    }
    static SerialClass& Message(const QWidget& form, int slot)
    {
        return *Named<SerialStringDisplay>(form, "SerialStringDisplay1", slot)->MySerialClass();
    }
    static bool Shown(const QWidget& form, const QString& name, int index)
    {
        return !Named<QWidget>(form, name, index)->isHidden();
    }

    void ExpectSorry(const QString& text)
    {
        prompts.ExpectMessage(text, Sorry, PromptButtons::Ok, PromptIcon::Exclamation);
    }
    static void Save(const QWidget& form) { Named<QPushButton>(form, "Done")->click(); }
};

}  // namespace

TEST_F(ProjectorSetupFormTest, LoadShowsTheDefinitionInItsControls)
{
    for (const char* name : {"acme ", "Beta", "ACME"}) {
        Projectors().AddProjectorDefinition();
        Projectors().ProjectorDatabase()[Projectors().ProjectorDatabase().LastIndex()].Manufacturer(name);
    }
    FillDefinition(Work());
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Projector/Display Setup");

    auto* manufacturer = Named<QComboBox>(*form, "Manufacturer");
    ASSERT_EQ(manufacturer->count(), 2);
    EXPECT_EQ(manufacturer->itemText(0), "ACME");
    EXPECT_EQ(manufacturer->itemText(1), "BETA");
    EXPECT_EQ(manufacturer->currentText(), "ACME");
    EXPECT_EQ(Named<QLineEdit>(*form, "Model")->text(), "Beamer x1");
    EXPECT_EQ(Named<QPlainTextEdit>(*form, "Notes")->toPlainText(), "Ceiling mount\nlens 2");
    EXPECT_TRUE(Named<QRadioButton>(*form, "Baudrate", 3)->isChecked());
    EXPECT_TRUE(Named<QRadioButton>(*form, "ParityOption", 2)->isChecked());

    struct EntryCase {
        const char* name;
        int value;
        const char* tooltip;
    };
    for (const EntryCase& c :
         {EntryCase{"InterByteDelay", 10, "Minimum delay between serial bytes"},
          EntryCase{"InterCommandDelay", 200, "Minimum delay between serial commands"},
          EntryCase{"WarmUpTime", 30, "Time it takes the projector to warm up after power on"},
          EntryCase{"CoolDownTime", 90, "Time it takes the projector to cool down after power off"}}) {
        SCOPED_TRACE(c.name);
        auto* entry = Named<IntegerEntry>(*form, c.name);
        EXPECT_EQ(entry->return_value(), c.value);
        EXPECT_EQ(Named<QLineEdit>(*entry, "Text1")->toolTip(), c.tooltip);
    }

    // Copies for every slot; slot 6 shares the definition's level format.
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot) {
        SerialClass& message = Message(*form, slot);
        EXPECT_NE(&message.MyRS232StringClass(), &Work().My_RS232_String_Class(slot));
        EXPECT_TRUE(message.MyRS232StringClass().IsSameAs(Work().My_RS232_String_Class(slot)));
        EXPECT_EQ(message.SerialType(), SerialClass::ProjectorMessage);
        EXPECT_EQ(message.CanBeInput(), slot >= 10 && slot <= 22) << slot;
        EXPECT_EQ(message.Parity(), 2);
        EXPECT_EQ(message.VolumeExtension().get(), slot == 6 ? &Work().My_VolumeExtensionClass() : nullptr) << slot;
        EXPECT_EQ(message.CanBeVariable(), slot == 6);
        EXPECT_EQ(Shown(*form, "SerialStringDisplay1", slot), Work().InUse(slot)) << slot;
    }
    EXPECT_TRUE(Named<QCheckBox>(*form, "UseLevelsCheck")->isChecked());
    EXPECT_TRUE(Named<QCheckBox>(*form, "AvailableCheck", 5)->isChecked());
    EXPECT_FALSE(Named<QCheckBox>(*form, "AvailableCheck", 4)->isChecked());
    EXPECT_TRUE(Named<QCheckBox>(*form, "ReplyCheck", 10)->isChecked());

    // Opens with the names to type; closed while the name box has the focus,
    // its lost focus finds no form.
    form->show();
    const QWidget* first = form->focusWidget();
    EXPECT_TRUE(first == manufacturer || first == manufacturer->lineEdit());
    manufacturer->lineEdit()->setFocus();
    QApplication::processEvents();
    form.reset();
    EXPECT_EQ(Work().ManufacturerField().trimmed(), "ACME");
}

TEST_F(ProjectorSetupFormTest, StoredValuesOutOfRangeOpenAsDefaults)
{
    FillDefinition(Work());
    Work().InterByteDelay(11);
    Work().InterCommandDelay(-1);
    Work().WarmUpTime(256);
    Work().CoolDownTime(300);
    Work().Parity(5);
    Work().Baudrate(7);
    Work().My_VolumeExtensionClass().UseLevelForVolume(false);
    auto form = Open();
    for (const char* name : {"InterByteDelay", "InterCommandDelay", "WarmUpTime", "CoolDownTime"})
        EXPECT_EQ(Named<IntegerEntry>(*form, name)->return_value(), 0) << name;
    EXPECT_EQ(Named<QLineEdit>(*Named<IntegerEntry>(*form, "CoolDownTime"), "Text1")->toolTip(),
              "Time it takes the projector to cool down after power down");
    EXPECT_TRUE(Named<QRadioButton>(*form, "ParityOption", 0)->isChecked());
    EXPECT_TRUE(Named<QRadioButton>(*form, "Baudrate", 0)->isChecked());
    EXPECT_EQ(Message(*form, 6).VolumeExtension(), nullptr);
    EXPECT_FALSE(Message(*form, 6).CanBeVariable());

    // The entries keep to their ranges.
    TypeInto(Named<IntegerEntry>(*form, "InterByteDelay"), 11);
    EXPECT_EQ(Named<IntegerEntry>(*form, "InterByteDelay")->return_value(), 10);
    TypeInto(Named<IntegerEntry>(*form, "WarmUpTime"), 300);
    EXPECT_EQ(Named<IntegerEntry>(*form, "WarmUpTime")->return_value(), 255);
}

// Each check in its turn stops Save with its own message until it is met;
// the first one stops it before anything reaches WorkProjector.
TEST_F(ProjectorSetupFormTest, SaveChecksRunInOrderWithTheirMessages)
{
    Work().Clear();
    FillMessages(Work());
    for (int slot : {3, 20, 21}) Work().My_RS232_String_Class(slot).NumberOfBytes(0);
    for (int slot : {0, 3, 5, 6, 23, 24}) Work().InUse(slot, true);
    for (int k = 0; k < ProjectorClass::ReplyFlags; ++k) Work().ReplyRequired(k, true);
    auto form = Open();
    form->show();
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot)
        ASSERT_TRUE(Shown(*form, "SerialStringDisplay1", slot)) << slot;
    Named<QRadioButton>(*form, "Baudrate", 2)->click();

    ExpectSorry("Cannot save as Data 2 string has zero byte length!");
    Save(*form);
    EXPECT_EQ(Work().Baudrate(), 0) << "stored before the messages were checked";
    SetBytes(Message(*form, 3), {{ContentAscii, 'D'}});

    ExpectSorry("Cannot save as External off string has zero byte length!");
    Save(*form);
    SetBytes(Message(*form, 20), {{ContentAscii, 'X'}});

    ExpectSorry("Cannot save as Video 2 (HDMI) reply string has zero byte length!");
    Save(*form);
    SetBytes(Message(*form, 21), {{ContentAscii, 'R'}});

    ExpectSorry("Cannot save as no manufacturer name has been defined!");
    Save(*form);
    EXPECT_EQ(Work().Baudrate(), 2) << "a failed name check keeps what was stored";
    EXPECT_EQ(Work().My_RS232_String_Class(21).ContentBytes(0), 'R');
    Type(Named<QComboBox>(*form, "Manufacturer")->lineEdit(), "acme");

    ExpectSorry("Cannot save as no model name has been defined!");
    Save(*form);
    Type(Named<QLineEdit>(*form, "Model"), "Beamer x1");

    ExpectSorry("Cannot save as cool down time has not been defined!");
    Save(*form);
    TypeInto(Named<IntegerEntry>(*form, "CoolDownTime"), 60);

    ExpectSorry("Cannot save as Warm Up Time has not been defined!");
    Save(*form);
    EXPECT_FALSE(Projectors().ProjectorDatabaseAllocated());
    EXPECT_TRUE(form->isVisible());
    TypeInto(Named<IntegerEntry>(*form, "WarmUpTime"), 20);

    Save(*form);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(Projectors().ProjectorDatabase().Count(), 1);
    const ProjectorClass& saved = Projectors().ProjectorDatabase()[0];
    EXPECT_TRUE(saved.IsSameAs(Work()));
    EXPECT_EQ(saved.ManufacturerField().trimmed(), "ACME");
    EXPECT_EQ(saved.ModelField().trimmed(), "Beamer x1");
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot) EXPECT_TRUE(saved.InUse(slot)) << slot;
}

TEST_F(ProjectorSetupFormTest, AnExistingDefinitionIsOverwrittenOnlyWhenTheUserAgrees)
{
    Projectors().AddProjectorDefinition();
    FillDefinition(Projectors().ProjectorDatabase()[0]);
    FillDefinition(Work());
    Work().Manufacturer("Acme");
    Work().WarmUpTime(45);
    auto form = Open();
    form->show();
    const QString question = "Projector ACME / Beamer x1 already exists do you wish to over-write it?";

    prompts.ExpectMessage(question, "Overwrite", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
    Save(*form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Projectors().ProjectorDatabase()[0].WarmUpTime(), 30);
    EXPECT_EQ(Work().ManufacturerField().trimmed(), "ACME");
    EXPECT_EQ(Work().WarmUpTime(), 45);

    prompts.ExpectMessage(question, "Overwrite", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    Save(*form);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    ASSERT_EQ(Projectors().ProjectorDatabase().Count(), 1);
    EXPECT_TRUE(Projectors().ProjectorDatabase()[0].IsSameAs(Work()));
}

// A definition passes through the editor unchanged: saved as a new entry,
// then saved again over itself without a question.
TEST_F(ProjectorSetupFormTest, ADefinitionRoundTripsThroughTheEditor)
{
    ProjectorClass original;
    FillDefinition(original);
    Work().CopyFromProjectorClass(original);
    Save(*Open());
    ASSERT_EQ(Projectors().ProjectorDatabase().Count(), 1);
    EXPECT_TRUE(Projectors().ProjectorDatabase()[0].IsSameAs(original));

    Work().CopyFromProjectorClass(Projectors().ProjectorDatabase()[0]);
    auto again = Open();
    Save(*again);
    EXPECT_EQ(again->result(), QDialog::Accepted);
    EXPECT_EQ(Projectors().ProjectorDatabase().Count(), 1);
    EXPECT_TRUE(Projectors().ProjectorDatabase()[0].IsSameAs(original));
}

TEST_F(ProjectorSetupFormTest, UsesLevelsHidesVolumeDownAndIsStored)
{
    FillDefinition(Work());
    Work().My_RS232_String_Class(7).NumberOfBytes(0);
    auto form = Open();
    form->show();
    auto* levels = Named<QCheckBox>(*form, "UseLevelsCheck");
    EXPECT_FALSE(Shown(*form, "SerialStringDisplay1", 7));
    EXPECT_FALSE(Named<QWidget>(*form, "VolumeSeparator")->isVisible());

    levels->click();
    EXPECT_TRUE(Shown(*form, "SerialStringDisplay1", 7));
    EXPECT_TRUE(Named<QWidget>(*form, "VolumeSeparator")->isVisible());
    ExpectSorry("Cannot save as Volume down string has zero byte length!");
    Save(*form);

    levels->click();
    Named<QCheckBox>(*form, "SerialOnOffUsedCheck")->click();
    EXPECT_FALSE(Shown(*form, "SerialStringDisplay1", 0));
    EXPECT_FALSE(Shown(*form, "SerialStringDisplay1", 10));
    Save(*form);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    const ProjectorClass& saved = Projectors().ProjectorDatabase()[0];
    EXPECT_TRUE(saved.My_VolumeExtensionClass().UseLevelForVolume());
    EXPECT_EQ(saved.My_VolumeExtensionClass().MaxVolume(), 40);
    for (int slot : {0, 7, 9, 10}) EXPECT_FALSE(saved.InUse(slot)) << slot;
    EXPECT_TRUE(saved.InUse(6));
}

TEST_F(ProjectorSetupFormTest, ARowWithoutReplyWidensItsCommandOverTheReplyColumn)
{
    FillDefinition(Work());
    auto form = Open();
    form->show();
    auto* data1 = Named<QWidget>(*form, "SerialStringDisplay1", 2);
    auto* powerOn = Named<QWidget>(*form, "SerialStringDisplay1", 1);
    auto* data1Reply = Named<QWidget>(*form, "ReplyCheck", 2);
    EXPECT_GT(data1->width(), powerOn->width()) << "Power on has a reply, Data 1 has none";
    const int boxLeftWithout = data1Reply->x();
    data1Reply->setFocus();
    static_cast<QCheckBox*>(data1Reply)->click();
    QApplication::processEvents();
    EXPECT_TRUE(Shown(*form, "SerialStringDisplay1", 12));
    EXPECT_LT(data1Reply->x(), boxLeftWithout);
    EXPECT_EQ(data1->width(), powerOn->width());
}

// Names fit their 32-character fields and notes their 256 characters as
// they are typed, so nothing is cut when they are stored.
TEST_F(ProjectorSetupFormTest, NamesAndNotesStopAtTheirFieldLengths)
{
    FillDefinition(Work());
    auto form = Open();
    const QString longName = QString(40, 'b');
    Type(Named<QComboBox>(*form, "Manufacturer")->lineEdit(), longName);
    Type(Named<QLineEdit>(*form, "Model"), longName);
    EXPECT_EQ(Named<QComboBox>(*form, "Manufacturer")->currentText(), QString(32, 'B'));
    EXPECT_EQ(Named<QLineEdit>(*form, "Model")->text(), QString(32, 'b'));
    auto* notes = Named<QPlainTextEdit>(*form, "Notes");
    notes->clear();
    notes->insertPlainText(QString(300, 'n'));
    EXPECT_EQ(notes->toPlainText(), QString(256, 'n'));

    Save(*form);
    EXPECT_EQ(Work().Manufacturer(), std::string(32, 'B'));
    EXPECT_EQ(Work().Model(), std::string(32, 'b'));
    EXPECT_EQ(Work().Notes(), std::string(256, 'n'));
}

TEST_F(ProjectorSetupFormTest, CancelThroughTheModalEntryLeavesEverythingAsItWas)
{
    FillDefinition(Work());
    ProjectorClass before;
    before.CopyFromProjectorClass(Work());
    WhenModalOpens([](QWidget* modal) {
        Type(Named<QLineEdit>(*modal, "Model"), "Changed");
        Named<QPushButton>(*modal, "Cancel")->click();
    });
    ShowProjectorSetupForm(state, nullptr);
    EXPECT_TRUE(Work().IsSameAs(before));
    EXPECT_FALSE(Projectors().ProjectorDatabaseAllocated());
}
