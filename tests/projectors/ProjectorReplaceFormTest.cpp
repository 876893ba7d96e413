#include "projectors/ProjectorDialogsFixture.h"
#include "projectors/ProjectorReplaceForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <filesystem>

namespace {

// The configuration's ACME BEAMER 1 warms up in 30 s, the database's in 45 s.
class ProjectorReplaceFormTest : public ProjectorDialogsTest {
protected:
    ProjectorReplaceFormTest()
    {
        state.Config.ClearConfiguration();
        AddToDatabase("ACME", "AAA", 10);
        AddToDatabase("ACME", "BEAMER 1", 45);
        Fill(state.Config.ConfigProjector(), "ACME", "BEAMER 1", 30);
        state.Config.StoreProjectorToConfig();
    }
    // Shows the dialog without a loop of its own and clicks the choice.
    std::unique_ptr<ProjectorReplaceForm> OpenAndChoose(const char* choice)
    {
        auto form = std::make_unique<ProjectorReplaceForm>(state);
        form->show();
        Named<QRadioButton>(*form, choice)->click();
        return form;
    }
    const ProjectorClass& Entry(int index) const { return state.Projectors.ProjectorDatabase()[index]; }
    const ProjectorClass& Configured() { return state.Config.ConfigProjector(); }
};

}  // namespace

TEST_F(ProjectorReplaceFormTest, ShowsTheConfigurationsNamesAndItsFourChoices)
{
    ProjectorReplaceForm form(state);
    EXPECT_EQ(form.windowTitle(), "Replace Projector?");
    EXPECT_EQ(Named<QGroupBox>(form, "Frame1")->title(), "Projector In Configuration");
    EXPECT_EQ(Named<QLabel>(form, "ManufacturerName")->text(), "ACME" + QString(28, ' '));
    EXPECT_EQ(Named<QLabel>(form, "ModelName")->text(), "BEAMER 1" + QString(24, ' '));
    EXPECT_EQ(Named<QLabel>(form, "Explanation")->text(),
              "The projector in this configuration has the same manufacturer and model as one in the data base but "
              "is not the same.");
    EXPECT_EQ(Named<QLabel>(form, "Prompt")->text(), "Click on one of the buttons below to proceed.");
    const std::pair<const char*, const char*> choices[] = {
        {"DoNothing", "Keep the projector in the configuartion and make no changes in my data base"},
        {"NewInData", "Add the projector in this configuration to my data base under a new manufacturer/model"},
        {"ReplaceInConfiguration", "Replace projector in the configuration with the one in my data base"},
        {"ReplaceInDataBase", "Replace the projector in my data base with the one in the configuration"},
    };
    for (const auto& [name, caption] : choices) EXPECT_EQ(Named<QRadioButton>(form, name)->text(), caption);
}

TEST_F(ProjectorReplaceFormTest, KeepingOrClosingChangesNothing)
{
    auto form = OpenAndChoose("DoNothing");
    EXPECT_FALSE(form->isVisible());
    auto closed = std::make_unique<ProjectorReplaceForm>(state);
    closed->show();
    closed->close();
    EXPECT_EQ(Configured().WarmUpTime(), 30);
    EXPECT_EQ(Entry(1).WarmUpTime(), 45);
    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));
}

TEST_F(ProjectorReplaceFormTest, TheConfigurationTakesTheDatabasesDefinitionWithoutASave)
{
    auto form = OpenAndChoose("ReplaceInConfiguration");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(Configured().IsSameAs(Entry(1)));
    EXPECT_TRUE(state.Config.ConfigChanged);
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));
}

TEST_F(ProjectorReplaceFormTest, TheDatabaseTakesTheConfigurationsDefinitionAndIsSaved)
{
    auto form = OpenAndChoose("ReplaceInDataBase");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(Entry(1).IsSameAs(Configured()));
    EXPECT_EQ(SavedWarmUp("ACME", "BEAMER 1"), 30);
    EXPECT_EQ(SavedWarmUp("ACME", "AAA"), 10);
    EXPECT_FALSE(state.Config.ConfigChanged);

    // A save that fails is told and closes the dialog; the last good file stays.
    Fill(state.Config.ConfigProjector(), "ACME", "BEAMER 1", 60);
    std::filesystem::create_directories(folder / "Projectors.TMP" / "blocker");
    ExpectSaveFailure();
    form = OpenAndChoose("ReplaceInDataBase");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Entry(1).WarmUpTime(), 60);
    EXPECT_EQ(SavedWarmUp("ACME", "BEAMER 1"), 30);
}

TEST_F(ProjectorReplaceFormTest, ANewNameIsOfferedUntilOneIsTakenThenTheConfigurationUsesItAndTheDatabaseIsSaved)
{
    WhenNewNameOpensCancel();
    auto form = OpenAndChoose("NewInData");
    EXPECT_TRUE(form->isVisible()) << "cancelled: another choice is asked for";
    EXPECT_FALSE(Named<QRadioButton>(*form, "NewInData")->isChecked());
    EXPECT_EQ(Entries(), 2);
    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));

    prompts.ExpectMessage("Projector ACME / AAA already exists cannot paste to this name!", "Sorry cannot paste",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    WhenNewNameOpens("acme", "aaa");
    Named<QRadioButton>(*form, "NewInData")->click();
    EXPECT_TRUE(form->isVisible()) << "a refused name, then Cancel";
    EXPECT_EQ(Entries(), 2);

    WhenNewNameOpens("acme", "beamer 1b");
    Named<QRadioButton>(*form, "NewInData")->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(Entries(), 3);
    EXPECT_EQ(Configured().ModelField().trimmed(), "BEAMER 1B");
    EXPECT_EQ(Configured().WarmUpTime(), 30);
    EXPECT_TRUE(Entry(2).IsSameAs(Configured()));
    EXPECT_EQ(Entry(1).WarmUpTime(), 45) << "the database's own definition is kept";
    EXPECT_TRUE(state.Config.ConfigChanged) << "the configuration names another projector now";
    EXPECT_EQ(SavedWarmUp("ACME", "BEAMER 1B"), 30);
    EXPECT_EQ(SavedWarmUp("ACME", "BEAMER 1"), 45);
}
