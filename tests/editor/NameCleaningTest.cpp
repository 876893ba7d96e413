#include "controls/BlankNameMessages.h"
#include "infrared/EditIR.h"
#include "infrared/EnterName.h"
#include "infrared/NewIRName2Form.h"
#include "model/ApplicationState.h"
#include "model/ArrivingLibrary.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorSetupForm.h"
#include "reconcile/NewLibraryNameForm.h"
#include "rs232/RS232NewNameForm.h"
#include "rs232/RS232commandControl.h"
#include "rs232/SerialLibraryEdit.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// The database of each kind holds ACME / TV / RM (projectors ACME / RM);
// what a dialog names or an editor saves is ACME / TV / OLD until a name is
// typed, and is added after it.
class NameCleaningTest : public ::testing::Test {
protected:
    NameCleaningTest()
    {
        state.Names.InitNameTables();
        FillIR(state.IR.AddIRLibrary(), "RM");
        state.RS232Libraries.AddRS232Library();
        FillRS232(state.RS232Libraries.RS232Database()[0], "RM");
        state.Projectors.AddProjectorDefinition();
        FillProjector(state.Projectors.ProjectorDatabase()[0], "RM");
    }
    ~NameCleaningTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    static void FillIR(IRclass& library, const char* model)
    {
        library.Clear();
        library.Manufacturer("ACME");
        library.IRtype("TV");
        library.Model(model);
        library.AddIRCommand().Name("POWER");
    }
    static void FillRS232(RS232FileBlockClass& library, const char* model)
    {
        library.Clear();
        library.Manufacturer("ACME");
        library.MyType("TV");
        library.Model(model);
        library.Command(0, "POWER");
        RS232_String_Class& message = library.My_RS232_String_Class(0);
        message.ContentTypes(0, ContentAscii);
        message.ContentBytes(0, 'P');
        message.NumberOfBytes(1);
    }
    static void FillProjector(ProjectorClass& projector, const char* model)
    {
        projector.Clear();
        projector.Manufacturer("ACME");
        projector.Model(model);
        projector.WarmUpTime(30);
        projector.CoolDownTime(60);
        for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot) {
            RS232_String_Class& message = projector.My_RS232_String_Class(slot);
            message.ContentTypes(0, ContentHex);
            message.ContentBytes(0, static_cast<uint8_t>(slot));
            message.NumberOfBytes(1);
        }
    }
    // An arriving library of the given kind in the record buffers.
    void FillBuffer(LibraryKind kind)
    {
        if (kind == LibraryKind::IR) {
            FillIR(state.IR.AddIRLibrary(), "OLD");
            state.IR.IRLibraryToRecord(1);
            state.IR.IRDatabase().Remove(1);
        } else {
            state.RS232Libraries.AddRS232Library();
            FillRS232(state.RS232Libraries.RS232Database()[1], "OLD");
            state.RS232Libraries.RS232LibraryToRecord(1);
            state.RS232Libraries.RS232Database().Remove(1);
        }
    }
    // A name of what the dialog or editor added after the database's first.
    template <class Database, class Field>
    static std::string Added(const Database& database, Field field)
    {
        return database.Count() < 2 ? "(nothing added)" : field(database[1]).trimmed();
    }
    std::string AddedIRModel() const
    {
        return Added(state.IR.IRDatabase(), [](const IRclass& l) { return l.ModelField(); });
    }
    std::string AddedRS232Model() const
    {
        return Added(state.RS232Libraries.RS232Database(), [](const RS232FileBlockClass& l) { return l.ModelField(); });
    }
    std::string AddedProjectorName(bool model) const
    {
        return Added(state.Projectors.ProjectorDatabase(),
                     [model](const ProjectorClass& p) { return model ? p.ModelField() : p.ManufacturerField(); });
    }

    template <class Database>
    static void KeepFirst(Database& database)
    {
        while (database.Count() > 1) database.Remove(database.LastIndex());
    }
    static void Type(QWidget& dialog, const char* box, const QString& text)
    {
        if (auto* list = dialog.findChild<QComboBox*>(box))
            list->setEditText(text);
        else
            Named<QLineEdit>(dialog, box)->setText(text);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};

}  // namespace

// A name pasted with control characters is checked as the loaders will read
// it: a tab alone is blank, "RM" with a tab is "RM", taken where the dialog
// refuses names in use, and a free name is stored without them.
TEST_F(NameCleaningTest, EveryNameBoxChecksAndStoresTheNameWithoutItsControlCharacters)
{
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QDialog>()> open;
        const char* box;
        BlankNameMessage blank;
        std::optional<QString> inUse;  // what "RM" in the box is told, where the dialog refuses names in use
        std::function<std::string()> stored;
    };
    const auto irModel = [this] { return AddedIRModel(); };
    const auto rs232Model = [this] { return AddedRS232Model(); };
    const std::vector<Case> cases = {
        {"projector browser's new name",
         [this] {
             FillProjector(state.Projectors.ProjectorClipboard, "OLD");
             return std::make_unique<NewNameForm>(state);
         },
         "Text2", BlankNames::Model, "Projector ACME / RM already exists cannot paste to this name!",
         [this] { return AddedProjectorName(true); }},
        {"RS232 browser's new name",
         [this] {
             FillRS232(state.RS232Libraries.RS232LibraryClipboard, "OLD");
             return std::make_unique<RS232NewNameForm>(state);
         },
         "Text3", BlankNames::Model, "Equipment ACME / TV / RM already exists cannot paste to this name!", rs232Model},
        {"IR browser's new name",
         [this] {
             FillIR(state.IR.IRClipboard, "OLD");
             return std::make_unique<NewIRName2Form>(state);
         },
         "Text2", BlankNames::IRModel, "IR Library ACME / TV / RM already exists cannot paste to this name!", irModel},
        {"reconciliation's new IR name",
         [this] {
             FillBuffer(LibraryKind::IR);
             return std::make_unique<NewLibraryNameForm>(state, LibraryKind::IR);
         },
         "Text2", BlankNames::IRModel, "IR Library ACME / TV / RM already exists cannot paste to this name!", irModel},
        {"reconciliation's new RS232 name",
         [this] {
             FillBuffer(LibraryKind::RS232);
             return std::make_unique<NewLibraryNameForm>(state, LibraryKind::RS232);
         },
         "Text2", BlankNames::Model, "RS232 Library ACME / TV / RM already exists cannot paste to this name!",
         rs232Model},
        {"RS232 library editor",
         [this] {
             FillRS232(state.RS232Libraries.WorkRS232Library, "OLD");
             return std::make_unique<SerialLibraryEdit>(state);
         },
         "Model", BlankNames::Model, std::nullopt, rs232Model},
        {"IR library editor",
         [this] {
             FillIR(state.IR.WorkIRLibrary, "OLD");
             return std::make_unique<EditIR>(state);
         },
         "Model", BlankNames::IRModel, std::nullopt, irModel},
        {"projector definition editor",
         [this] {
             FillProjector(state.Projectors.WorkProjector, "OLD");
             return std::make_unique<ProjectorSetupForm>(state);
         },
         "Manufacturer", BlankNames::Manufacturer, std::nullopt, [this] { return AddedProjectorName(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeepFirst(state.IR.IRDatabase());
        KeepFirst(state.RS232Libraries.RS232Database());
        KeepFirst(state.Projectors.ProjectorDatabase());
        const std::unique_ptr<QDialog> dialog = c.open();
        dialog->show();
        const auto done = [&dialog] { Named<QPushButton>(*dialog, "Done")->click(); };

        Type(*dialog, c.box, "\t");
        prompts.ExpectMessage(c.blank.text, c.blank.title, PromptButtons::Ok, PromptIcon::Exclamation);
        done();
        ASSERT_TRUE(dialog->isVisible());

        if (c.inUse) {
            Type(*dialog, c.box, "RM\t");
            prompts.ExpectMessage(*c.inUse, "Sorry cannot paste", PromptButtons::Ok, PromptIcon::Exclamation);
            done();
            ASSERT_TRUE(dialog->isVisible());
        }
        Type(*dialog, c.box, "\x01RN\t");
        done();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(c.stored(), "RN");
    }
}

// The command names are cleaned the same way before their checks: the IR
// editor's key name and the RS232 editor's command rows.
TEST_F(NameCleaningTest, CommandNameBoxesCheckAndStoreTheNameWithoutItsControlCharacters)
{
    FillIR(state.IR.WorkIRLibrary, "OLD");
    EnterName key(state.IR.WorkIRLibrary, prompts);
    key.show();
    auto* keyBox = Named<QLineEdit>(key, "Text1");
    const auto ok = [&key] { Named<QPushButton>(key, "Ok")->click(); };
    keyBox->setText("\t");
    prompts.ExpectMessage("Enter a key name", "Warning!", PromptButtons::Ok, PromptIcon::None);
    ok();
    EXPECT_TRUE(key.isVisible());
    keyBox->setText("\tpower\x01");
    prompts.ExpectMessage("POWER is already recorded do you wish to replace", "Warning!", PromptButtons::YesNo,
                          PromptIcon::None, PromptAnswer::No);
    ok();
    EXPECT_TRUE(key.isVisible());
    keyBox->setText("VOL\t");
    ok();
    EXPECT_FALSE(key.isVisible());
    EXPECT_EQ(key.KeyName(), "VOL");

    FillRS232(state.RS232Libraries.WorkRS232Library, "OLD");
    SerialLibraryEdit editor(state);
    editor.show();
    auto* commandBox = Named<QLineEdit>(*Named<RS232commandControl>(editor, "RS232commandControl1", 0), "Command");
    const auto paste = [commandBox](const QString& text) {
        commandBox->selectAll();
        commandBox->insert(text);
    };
    paste("\t");
    prompts.ExpectMessage("Cannot save as no command name for RS232 string 1 has been defined!", "Sorry!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    Named<QPushButton>(editor, "Done")->click();
    EXPECT_TRUE(editor.isVisible());
    paste("\x01on\t");
    Named<QPushButton>(editor, "Done")->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(AddedRS232Model(), "OLD");
    EXPECT_EQ(state.RS232Libraries.RS232Database()[1].CommandField(0).trimmed(), "ON");
}
