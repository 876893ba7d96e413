#include "projectors/ProjectorDialogsFixture.h"
#include "projectors/ProjectorReplaceForm2.h"

#include <QLabel>
#include <QRadioButton>

namespace {

// The imported ACME BEAMER 1 warms up in 30 s, the database's in 45 s.
class ProjectorReplaceForm2Test : public ProjectorDialogsTest {
protected:
    ProjectorReplaceForm2Test()
    {
        AddToDatabase("ACME", "BEAMER 1", 45);
        Fill(state.Projectors.WorkProjector, "acme", "beamer 1", 30);
    }
    std::unique_ptr<ProjectorReplaceForm2> OpenAndChoose(const char* choice)
    {
        auto form = std::make_unique<ProjectorReplaceForm2>(state);
        form->show();
        Named<QRadioButton>(*form, choice)->click();
        return form;
    }
    const ProjectorClass& Entry(int index) const { return state.Projectors.ProjectorDatabase()[index]; }
    const ProjectorClass& Work() const { return state.Projectors.WorkProjector; }
};

}  // namespace

TEST_F(ProjectorReplaceForm2Test, ShowsTheImportedNamesAndThreeChoices)
{
    ProjectorReplaceForm2 form(state);
    EXPECT_EQ(form.windowTitle(), "Replace/Add Projector");
    EXPECT_EQ(Named<QLabel>(form, "ModelName")->text(), "beamer 1" + QString(24, ' '));
    EXPECT_EQ(Named<QLabel>(form, "Explanation")->text(),
              "The projector in this BRD has the same manufacturer and model as one in the data base but is not the "
              "same.");
    EXPECT_EQ(Named<QRadioButton>(form, "DoNothing")->text(), "Do not import this projector");
    EXPECT_EQ(Named<QRadioButton>(form, "NewInData")->text(),
              "Add this projector to my data base under a new manufacturer/model");
    EXPECT_EQ(Named<QRadioButton>(form, "ReplaceInDataBase")->text(),
              "Replace the projector in my data base with this projector");
    EXPECT_EQ(form.findChild<QRadioButton*>("ReplaceInConfiguration"), nullptr);
}

TEST_F(ProjectorReplaceForm2Test, EachChoiceChangesOnlyMemoryAndLeavesSavingToTheBrowser)
{
    EXPECT_FALSE(OpenAndChoose("DoNothing")->isVisible());
    EXPECT_EQ(Entry(0).WarmUpTime(), 45);

    WhenNewNameOpensCancel();
    auto form = OpenAndChoose("NewInData");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Work().ModelField().trimmed(), "beamer 1");

    WhenNewNameOpens("Acme", "Beamer 1 Import");
    Named<QRadioButton>(*form, "NewInData")->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(Entries(), 2);
    EXPECT_EQ(Work().ModelField().trimmed(), "BEAMER 1 IMPORT");
    EXPECT_TRUE(Entry(1).IsSameAs(Work()));
    EXPECT_EQ(Entry(0).WarmUpTime(), 45);

    Fill(state.Projectors.WorkProjector, "ACME", "BEAMER 1", 20);
    EXPECT_FALSE(OpenAndChoose("ReplaceInDataBase")->isVisible());
    EXPECT_TRUE(Entry(0).IsSameAs(Work()));
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));
    EXPECT_FALSE(state.Config.ConfigChanged);
}
