#include "rs232/RS232BrowserFixture.h"
#include "rs232/RS232NewNameForm.h"

#include <QGroupBox>
#include <QLabel>

namespace {

class RS232NewNameFormTest : public RS232BrowserTest {
protected:
    RS232NewNameFormTest()
    {
        AddToDatabase("ACME", "PROJECTOR", "PJ-1", 1);
        AddToDatabase("ABCDEFGHIJKLMNOP", "PROJECTOR", "PJ-1", 2);
        Fill(state.RS232Libraries.RS232LibraryClipboard, "  Acme", "projector ", "PJ-1", 4);
    }
    static void Type(RS232NewNameForm& form, const QString& manufacturer, const QString& type, const QString& model)
    {
        Named<QLineEdit>(form, "Text1")->setText(manufacturer);
        Named<QLineEdit>(form, "Text2")->setText(type);
        Named<QLineEdit>(form, "Text3")->setText(model);
        Named<QPushButton>(form, "Done")->click();
    }
};

}  // namespace

TEST_F(RS232NewNameFormTest, ShowsTheClipboardsTrimmedNamesAndAddsItsLibraryUnderNewOnes)
{
    RS232NewNameForm form(state);
    EXPECT_EQ(form.windowTitle(), "New RS232 Manufacturer/Model");
    EXPECT_EQ(Named<QGroupBox>(form, "Frame1")->title(), "Original");
    EXPECT_EQ(Named<QGroupBox>(form, "Frame2")->title(), "New");
    const struct {
        const char* name;
        const char* frame;
        QString text;
    } labels[] = {
        {"Label3", "Frame1", "Manufacturer"}, {"Label4", "Frame1", "Type"},      {"Label8", "Frame1", "Model"},
        {"Label1", "Frame1", "Acme"},         {"Label2", "Frame1", "projector"}, {"Label7", "Frame1", "PJ-1"},
        {"Label5", "Frame2", "Manufacturer"}, {"Label6", "Frame2", "Type"},      {"Label9", "Frame2", "Model"}};
    for (const auto& label : labels) {
        const auto* shown = Named<QLabel>(form, label.name);
        EXPECT_EQ(shown->text(), label.text) << label.name;
        EXPECT_EQ(shown->parentWidget(), Named<QGroupBox>(form, label.frame)) << label.name;
    }
    for (const char* box : {"Text1", "Text2", "Text3"})
        EXPECT_EQ(Named<QLineEdit>(form, box)->parentWidget(), Named<QGroupBox>(form, "Frame2")) << box;
    EXPECT_EQ(Named<QLineEdit>(form, "Text1")->text(), "Acme");
    EXPECT_EQ(Named<QLineEdit>(form, "Text2")->text(), "projector");
    EXPECT_EQ(Named<QLineEdit>(form, "Text3")->text(), "PJ-1");
    EXPECT_EQ(Named<QPushButton>(form, "Done")->text(), "Done");
    EXPECT_EQ(Named<QPushButton>(form, "Cancel")->text(), "Cancel");

    // New names, typed in any case, name the clipboard and add its library in memory.
    form.show();
    Type(form, " acme ", "projector", " pj-2 ");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    const RS232FileBlockClass& clipboard = state.RS232Libraries.RS232LibraryClipboard;
    EXPECT_EQ(clipboard.Manufacturer(), "ACME            ");
    EXPECT_EQ(clipboard.MyType(), "PROJECTOR       ");
    EXPECT_EQ(clipboard.Model(), "PJ-2            ");
    ASSERT_EQ(Entries(), 3);
    EXPECT_TRUE(Entry(2).IsSameAs(clipboard));
    EXPECT_EQ(Entry(2).Baudrate(), 4);
    EXPECT_FALSE(std::filesystem::exists(folder / "RS232Serials.DEF")) << "the browser saves, not the dialog";
}

TEST_F(RS232NewNameFormTest, BlankTakenAndOverlongTakenNamesAreRefusedAndTheFormStaysOpen)
{
    struct Case {
        QString manufacturer, type, model, text, title;
    };
    const Case refusals[] = {
        {"  ", "PROJECTOR", "PJ-2", "Cannot save as no manufacturer name has been defined!", "Sorry!"},
        {"ACME", "PROJECTOR", "", "Cannot save as no model name has been defined!", "Sorry!"},
        {"ACME", " ", "PJ-2", "Cannot save as no equipment type has been defined!", "Sorry!"},
        {" acme ", "projector", "pj-1", "Equipment ACME / PROJECTOR / PJ-1 already exists cannot paste to this name!",
         "Sorry cannot paste"},
        // Kept to 16 characters, the name is the stored library's.
        {"abcdefghijklmnopQRST", "PROJECTOR", "PJ-1",
         "Equipment ABCDEFGHIJKLMNOP / PROJECTOR / PJ-1 already exists cannot paste to this name!",
         "Sorry cannot paste"},
    };
    RS232NewNameForm form(state);
    form.show();
    for (const Case& refusal : refusals) {
        prompts.ExpectMessage(refusal.text, refusal.title, PromptButtons::Ok, PromptIcon::Exclamation);
        Type(form, refusal.manufacturer, refusal.type, refusal.model);
        EXPECT_TRUE(form.isVisible()) << refusal.text.toStdString();
        EXPECT_EQ(Entries(), 2);
        EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.ManufacturerField().trimmed(), "Acme");
    }
    EXPECT_EQ(Named<QLineEdit>(form, "Text1")->text(), "ABCDEFGHIJKLMNOP") << "shown as it is looked up";

    Named<QPushButton>(form, "Cancel")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(Entries(), 2);
    EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.MyTypeField().trimmed(), "projector");
}
