#include "ReconcileFixture.h"
#include "reconcile/NewLibraryNameForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Kind {
    LibraryKind kind;
    const char* title;
    const char* prefix;
};

const Kind kinds[] = {
    {LibraryKind::IR, "New IR Manufacturer/Type/Model", "IR Library "},
    {LibraryKind::RS232, "New RS232 Manufacture/Type/Model", "RS232 Library "},
};

// The database holds ACME / TV / T1 and LONGMANUFACTURER / TV / T1; the
// buffer holds another ACME / TV / T1.
class NewLibraryNameFormTest : public ReconcileTest {
protected:
    void Prepare(LibraryKind kind)
    {
        if (kind == LibraryKind::IR) {
            AddIRLibrary(*state, "ACME", "TV", "T1", {"ON:1"});
            AddIRLibrary(*state, "LONGMANUFACTURER", "TV", "T1", {"ON:1"});
            AddIRLibrary(*state, "ACME", "TV", "T1", {"ON:2", "OFF:3"});
            state->IR.IRLibraryToRecord(2);
            state->IR.IRDatabase().Remove(2);
        } else {
            AddRS232Library(*state, "ACME", "TV", "T1", {"ON:a"});
            AddRS232Library(*state, "LONGMANUFACTURER", "TV", "T1", {"ON:a"});
            AddRS232Library(*state, "ACME", "TV", "T1", {"ON:b", "OFF:c?"});
            state->RS232Libraries.RS232LibraryToRecord(2);
            state->RS232Libraries.RS232Database().Remove(2);
        }
    }
    int Count(LibraryKind kind) const
    {
        return kind == LibraryKind::IR ? state->IR.IRDatabase().Count() : state->RS232Libraries.RS232Database().Count();
    }
    // The library at index i, or the buffer, described with the given names.
    std::string LastLibrary(LibraryKind kind) const
    {
        if (kind == LibraryKind::IR) return Described(state->IR.IRDatabase()[2]);
        return Described(state->RS232Libraries.RS232Database()[2]);
    }
    std::string BufferAsLibrary(LibraryKind kind)
    {
        auto other = NewState();
        if (kind == LibraryKind::IR) {
            other->IR.IRHeaderRecordBuffer = state->IR.IRHeaderRecordBuffer;
            other->IR.IRCommandRecordBuffers = state->IR.IRCommandRecordBuffers;
            other->IR.AddIRLibrary();
            other->IR.IRRecordToLibrary(0);
            return Described(other->IR.IRDatabase()[0]);
        }
        other->RS232Libraries.AddRS232Library();
        state->RS232Libraries.RS232RecordBuffer.FillLibrary(other->RS232Libraries.RS232Database()[0]);
        return Described(other->RS232Libraries.RS232Database()[0]);
    }
    static void Type(NewLibraryNameForm& form, const char* manufacturer, const char* type, const char* model)
    {
        Named<QLineEdit>(form, "Text1")->setText(manufacturer);
        Named<QLineEdit>(form, "Text3")->setText(type);
        Named<QLineEdit>(form, "Text2")->setText(model);
        Named<QPushButton>(form, "Done")->click();
    }
    static QString Texts(const NewLibraryNameForm& form)
    {
        return Named<QLineEdit>(form, "Text1")->text() + "|" + Named<QLineEdit>(form, "Text3")->text() + "|" +
               Named<QLineEdit>(form, "Text2")->text();
    }
};

}  // namespace

TEST_F(NewLibraryNameFormTest, ShowsTheBuffersNamesAndRefusesEveryNameADatabaseLibraryHasThenCancelKeepsThem)
{
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.prefix);
        state = NewState();
        Prepare(kind.kind);
        const LibraryNames before = BufferNames(*state, kind.kind);
        NewLibraryNameForm form(*state, kind.kind);
        form.show();
        EXPECT_EQ(form.windowTitle(), kind.title);
        EXPECT_EQ(Named<QLabel>(form, "Label1")->text() + "|" + Named<QLabel>(form, "Label7")->text() + "|" +
                      Named<QLabel>(form, "Label2")->text(),
                  "ACME|TV|T1");
        EXPECT_EQ(Texts(form), "ACME|TV|T1");
        for (const auto& [name, caption] : {std::pair{"Label3", "Manufacturer"},
                                            {"Label8", "Type"},
                                            {"Label4", "Model"},
                                            {"Label5", "Manufacturer"},
                                            {"Label10", "Type"},
                                            {"Label6", "Model"}})
            EXPECT_EQ(Named<QLabel>(form, name)->text(), caption);

        // Unchanged, another case with spaces around, and a long name whose
        // first 16 characters are a database library's manufacturer.
        const struct {
            const char *manufacturer, *type, *model, *shown;
        } refused[] = {
            {"ACME", "TV", "T1", "ACME|TV|T1"},
            {"  acme ", "tv", " t1", "ACME|TV|T1"},
            {"LongManufacturerX", "TV", "T1", "LONGMANUFACTURER|TV|T1"},
        };
        for (const auto& typed : refused) {
            const QString shown = typed.shown;
            prompts.ExpectMessage(
                kind.prefix + shown.split('|').join(" / ") + " already exists cannot paste to this name!",
                "Sorry cannot paste", PromptButtons::Ok, PromptIcon::Exclamation);
            Type(form, typed.manufacturer, typed.type, typed.model);
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(Texts(form), shown);
        }
        Named<QPushButton>(form, "Cancel")->click();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(Count(kind.kind), 2);
        const LibraryNames after = BufferNames(*state, kind.kind);
        EXPECT_EQ(after.Manufacturer + after.Type + after.Model, before.Manufacturer + before.Type + before.Model);
    }
}

TEST_F(NewLibraryNameFormTest, ABlankNameIsRefusedAsTheBrowsersRefuseItAndTheDialogStaysForAName)
{
    // The first blank name in each kind's order is the one told.
    const struct {
        LibraryKind kind;
        const char *manufacturer, *type, *model, *text, *title;
    } blanks[] = {
        {LibraryKind::IR, "  ", "", "", "Cannot add IR library as no manufacturer has been defined!",
         "No Manufacturer!"},
        {LibraryKind::IR, "new", " ", "", "Cannot add IR library as no type has been defined!", "No Type!"},
        {LibraryKind::IR, "new", "tv", "  ", "Cannot add IR library as no model has been defined!", "No Model!"},
        {LibraryKind::RS232, " ", "", "", "Cannot save as no manufacturer name has been defined!", "Sorry!"},
        {LibraryKind::RS232, "new", "", " ", "Cannot save as no model name has been defined!", "Sorry!"},
        {LibraryKind::RS232, "new", " ", "t2", "Cannot save as no equipment type has been defined!", "Sorry!"},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.prefix);
        state = NewState();
        Prepare(kind.kind);
        const LibraryNames before = BufferNames(*state, kind.kind);
        NewLibraryNameForm form(*state, kind.kind);
        form.show();
        for (const auto& blank : blanks) {
            if (blank.kind != kind.kind) continue;
            SCOPED_TRACE(blank.text);
            prompts.ExpectMessage(blank.text, blank.title, PromptButtons::Ok, PromptIcon::Exclamation);
            Type(form, blank.manufacturer, blank.type, blank.model);
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(Count(kind.kind), 2);
            const LibraryNames now = BufferNames(*state, kind.kind);
            EXPECT_EQ(now.Manufacturer + now.Type + now.Model, before.Manufacturer + before.Type + before.Model);
        }
        Type(form, "new", "tv", "t2");
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(Count(kind.kind), 3);
    }
}

TEST_F(NewLibraryNameFormTest, AFreeNameIsNormalisedCutAndAppendedWithTheWholeBufferWithoutASave)
{
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.prefix);
        state = NewState();
        Prepare(kind.kind);
        NewLibraryNameForm form(*state, kind.kind);
        form.show();
        Type(form, "  new maker ", "tv", "a very long model name");
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(Texts(form), "NEW MAKER|TV|A VERY LONG MODE");
        const LibraryNames names = BufferNames(*state, kind.kind);
        EXPECT_EQ(names.Manufacturer + names.Type + names.Model, "NEW MAKER       TV              A VERY LONG MODE");
        ASSERT_EQ(Count(kind.kind), 3);
        EXPECT_EQ(LastLibrary(kind.kind), BufferAsLibrary(kind.kind));
        EXPECT_NE(LastLibrary(kind.kind).find("OFF"), std::string::npos);
        EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
        EXPECT_FALSE(folder.Exists("RS232Serials.DEF"));
    }
}

TEST_F(NewLibraryNameFormTest, TheOpenersShowTheirDialogModallyAndTellWhetherALibraryWasAdded)
{
    using Opener = bool (*)(ApplicationState&, QWidget*);
    const std::pair<Opener, LibraryKind> openers[] = {{ShowNewIRNameForm, LibraryKind::IR},
                                                      {ShowNewRS232NameForm, LibraryKind::RS232},
                                                      {ShowNewRs232Name2Form, LibraryKind::RS232}};
    for (const auto& [open, kind] : openers) {
        state = NewState();
        Prepare(kind);
        WhenModalOpens([](QWidget* dialog) { Named<QPushButton>(*dialog, "Cancel")->click(); });
        EXPECT_FALSE(open(*state, nullptr));
        WhenModalOpens([](QWidget* dialog) {
            Named<QLineEdit>(*dialog, "Text2")->setText("T2");
            Named<QPushButton>(*dialog, "Done")->click();
        });
        EXPECT_TRUE(open(*state, nullptr));
        EXPECT_EQ(Count(kind), 3);
    }
}
