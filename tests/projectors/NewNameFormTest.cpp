#include "projectors/NewNameForm.h"
#include "projectors/ProjectorDialogsFixture.h"

#include <QGroupBox>
#include <QLabel>

namespace {

class NewNameFormTest : public ProjectorDialogsTest {
protected:
    NewNameFormTest()
    {
        AddToDatabase("ACME", "BEAMER 1", 30);
        Fill(state.Projectors.ProjectorClipboard, "  Acme", "Beamer 1  ", 55);
    }
    void Type(NewNameForm& form, const QString& manufacturer, const QString& model)
    {
        Named<QLineEdit>(form, "Text1")->setText(manufacturer);
        Named<QLineEdit>(form, "Text2")->setText(model);
        Named<QPushButton>(form, "Done")->click();
    }
};

}  // namespace

TEST_F(NewNameFormTest, StartsFromTheClipboardsTrimmedNamesAndTakesAtMost32Characters)
{
    NewNameForm form(state);
    EXPECT_EQ(form.windowTitle(), "New Projector Manufacturer/Model");
    EXPECT_EQ(Named<QGroupBox>(form, "Frame1")->title(), "Original");
    EXPECT_EQ(Named<QGroupBox>(form, "Frame2")->title(), "New");
    EXPECT_EQ(Named<QLabel>(form, "OriginalManufacturer")->text(), "Acme");
    EXPECT_EQ(Named<QLabel>(form, "OriginalModel")->text(), "Beamer 1");
    auto* manufacturer = Named<QLineEdit>(form, "Text1");
    EXPECT_EQ(manufacturer->text(), "Acme");
    EXPECT_EQ(Named<QLineEdit>(form, "Text2")->text(), "Beamer 1");
    EXPECT_EQ(Named<QPushButton>(form, "Cancel")->text(), "Cancel");

    manufacturer->setText(QString(40, 'X'));
    EXPECT_EQ(manufacturer->text(), QString(32, 'X'));
}

TEST_F(NewNameFormTest, BlankAndTakenNamesAreRefusedAndTheFormStaysOpen)
{
    struct Case {
        QString manufacturer, model, text, title;
    };
    const Case refusals[] = {
        {"   ", "B2", "Cannot save as no manufacturer name has been defined!", "Sorry!"},
        {"ACME", "", "Cannot save as no model name has been defined!", "Sorry!"},
        {" acme ", "beamer 1", "Projector ACME / BEAMER 1 already exists cannot paste to this name!",
         "Sorry cannot paste"},
    };
    NewNameForm form(state);
    form.show();
    for (const Case& refusal : refusals) {
        prompts.ExpectMessage(refusal.text, refusal.title, PromptButtons::Ok, PromptIcon::Exclamation);
        Type(form, refusal.manufacturer, refusal.model);
        EXPECT_TRUE(form.isVisible()) << refusal.text.toStdString();
        EXPECT_EQ(Entries(), 1);
        EXPECT_EQ(state.Projectors.ProjectorClipboard.ManufacturerField().trimmed(), "Acme");
    }
    EXPECT_EQ(Named<QLineEdit>(form, "Text1")->text(), "ACME") << "shown trimmed and upper-cased";

    Named<QPushButton>(form, "Cancel")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(state.Projectors.ProjectorClipboard.ModelField().trimmed(), "Beamer 1");
}

TEST_F(NewNameFormTest, ANewNameNamesTheClipboardAndAddsItsDefinitionInMemory)
{
    NewNameForm form(state);
    form.show();
    Type(form, " acme ", " beamer 2");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    const ProjectorClass& clipboard = state.Projectors.ProjectorClipboard;
    EXPECT_EQ(clipboard.ManufacturerField().trimmed(), "ACME");
    EXPECT_EQ(clipboard.ModelField().trimmed(), "BEAMER 2");
    ASSERT_EQ(Entries(), 2);
    EXPECT_TRUE(state.Projectors.ProjectorDatabase()[1].IsSameAs(clipboard));
    EXPECT_EQ(state.Projectors.ProjectorDatabase()[1].WarmUpTime(), 55);
    EXPECT_FALSE(folder.Exists("Projectors.DEF")) << "the caller saves";
}
