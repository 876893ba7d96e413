#include "editor/defaults/DefaultEditForm.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "platform/ZipArchive.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class DefaultEditFormTest : public ::testing::Test {
protected:
    DefaultEditFormTest()
    {
        fs::create_directories(folder / "Defaults");
        fs::create_directories(elsewhere / "in");
        state.Config.ClearConfiguration();
    }
    ~DefaultEditFormTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected prompt never came"; }

    // A real default archive whose notes begin with the given text.
    void MakeDefault(const std::string& name, const std::string& notes)
    {
        state.Config.Record.ConfigNotes = notes;
        ASSERT_TRUE(SaveConfigurationFile(state, folder / "Defaults" / name));
        fs::remove(folder / "Defaults" / (name.substr(0, name.size() - 3) + "BAK"));
        state.Config.Record.ConfigNotes = "";
    }
    std::unique_ptr<DefaultEditForm> Open()
    {
        auto form = std::make_unique<DefaultEditForm>(state);
        form->show();
        return form;
    }
    static QStringList Listed(DefaultEditForm& form)
    {
        QStringList names;
        auto* tree = Named<QTreeWidget>(form, "treeview1");
        for (int i = 0; i < tree->topLevelItemCount(); ++i) names << tree->topLevelItem(i)->text(0);
        return names;
    }
    static void Click(DefaultEditForm& form, const QString& shown)
    {
        auto* tree = Named<QTreeWidget>(form, "treeview1");
        const QList<QTreeWidgetItem*> found = tree->findItems(shown, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << shown.toStdString();
        tree->setCurrentItem(found.front());
        emit tree->itemClicked(found.front(), 0);
    }
    static QString Notes(DefaultEditForm& form)
    {
        return Named<QPlainTextEdit>(form, "DefaultNotes")->toPlainText().trimmed();
    }
    static void Press(DefaultEditForm& form, const QString& key) { Named<QAction>(form, key)->trigger(); }
    static bool Enabled(DefaultEditForm& form, const QString& key) { return Named<QAction>(form, key)->isEnabled(); }

    TempProgramFolder folder;
    TempProgramFolder elsewhere;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};

}  // namespace

TEST_F(DefaultEditFormTest, ListsDefaultsAndPreviewsTheirNotesFromTheArchive)
{
    {
        auto form = Open();
        EXPECT_TRUE(Listed(*form).isEmpty());
        for (const char* key : {"SAVEAS", "DELETE", "EXPORT"}) EXPECT_FALSE(Enabled(*form, key)) << key;
        for (const char* key : {"SAVE", "IMPORT", "EXIT"}) EXPECT_TRUE(Enabled(*form, key)) << key;
        EXPECT_EQ(Named<QAction>(*form, "DELETE")->toolTip(), "Delete default file");
    }
    MakeDefault("Office.tvd", "Office notes");
    MakeDefault("Hall.tvd", "Hall notes");
    fs::create_directories(folder / "bare");
    folder.WriteBytes("bare/Config.tmp", "1\r\n");
    CompressFolder(folder / "bare", folder / "Defaults" / "Bare.tvd");
    folder.WriteBytes("Defaults/Broken.tvd", "not an archive");
    folder.WriteBytes("Defaults/Other.tvl", "not listed");

    auto form = Open();
    EXPECT_EQ(Listed(*form), QStringList({"Bare", "Broken", "Hall", "Office"}));
    Click(*form, "Office");
    EXPECT_EQ(Notes(*form), "Office notes");
    for (const char* key : {"SAVEAS", "DELETE", "EXPORT"}) EXPECT_TRUE(Enabled(*form, key)) << key;
    Click(*form, "Bare");
    EXPECT_EQ(Notes(*form), "") << "a default without notes shows none, not the last one's";
    Click(*form, "Hall");
    Click(*form, "Broken");
    EXPECT_EQ(Notes(*form), "");
    EXPECT_FALSE(folder.Exists("Notes.txt")) << "the preview leaves nothing behind";
}

TEST_F(DefaultEditFormTest, SaveWritesADefaultAndLeavesTheConfigurationAsItWas)
{
    state.Config.ConfigChanged = true;
    state.Config.Record.ConfigNotes = "Current";
    auto form = Open();
    prompts.ExpectSaveFile(QString::fromStdString((folder / "Defaults" / "Lecture").string()));
    Press(*form, "SAVE");
    EXPECT_TRUE(state.Config.ConfigChanged);
    EXPECT_EQ(state.Config.ConfigFileName, "");
    EXPECT_EQ(Listed(*form), QStringList({"Lecture"}));
    EXPECT_EQ(prompts.FileDialogs().back().initialFolder.toStdString(), (folder / "Defaults").string());
    EXPECT_EQ(prompts.FileDialogs().back().filter, "BRENLO Tavlo Default file (*.tvd)| *.tvd");
    Click(*form, "Lecture");
    EXPECT_EQ(Notes(*form), "Current");

    prompts.ExpectSaveFile(std::nullopt);  // cancelled: nothing happens
    Press(*form, "SAVE");
    EXPECT_EQ(Listed(*form), QStringList({"Lecture"}));

    // The added extension names an existing default: asked, and No goes back to the dialog.
    const std::string before = folder.ReadBytes("Defaults/Lecture.tvd");
    prompts.ExpectSaveFile(QString::fromStdString((folder / "Defaults" / "Lecture").string()));
    prompts.ExpectMessage("Lecture.tvd already exists.\r\nDo you want to replace it?", "Save", PromptButtons::YesNo,
                          PromptIcon::Exclamation, PromptAnswer::No);
    prompts.ExpectSaveFile(std::nullopt);
    Press(*form, "SAVE");
    EXPECT_EQ(prompts.FileDialogs().back().initialFileName, "Lecture");
    EXPECT_EQ(folder.ReadBytes("Defaults/Lecture.tvd"), before);
}

TEST_F(DefaultEditFormTest, SaveAsAndExportCopyTheSelectedDefaultOut)
{
    MakeDefault("Office.tvd", "Office notes");
    auto form = Open();
    Click(*form, "Office");

    const fs::path copy = elsewhere / "Room 4.tvl";
    prompts.ExpectSaveFile(QString::fromStdString(copy.string()));
    Press(*form, "SAVEAS");
    EXPECT_EQ(prompts.FileDialogs().back().initialFileName, "Office.tvl");
    EXPECT_EQ(prompts.FileDialogs().back().filter, "BRENLO Tavlo file (*.tvl)| *.tvl");
    EXPECT_EQ(elsewhere.ReadBytes("Room 4.tvl"), folder.ReadBytes("Defaults/Office.tvd"));
    EXPECT_TRUE(Enabled(*form, "EXPORT")) << "the selection stays";
    prompts.ExpectSaveFile(QString::fromStdString((elsewhere / "Room 5").string()));
    Press(*form, "SAVEAS");
    EXPECT_EQ(elsewhere.ReadBytes("Room 5.tvl"), folder.ReadBytes("Defaults/Office.tvd"));

    prompts.ExpectSaveFile(QString::fromStdString((elsewhere / "Office.tvd").string()));
    Press(*form, "EXPORT");
    EXPECT_EQ(prompts.FileDialogs().back().initialFileName, "Office.tvd");
    EXPECT_EQ(elsewhere.ReadBytes("Office.tvd"), folder.ReadBytes("Defaults/Office.tvd"));

    // A copy that fails says so and the list is refilled.
    prompts.ExpectSaveFile(QString::fromStdString((elsewhere / "missing" / "x.tvd").string()));
    prompts.ExpectMessageStartingWith("Could not copy '", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Press(*form, "EXPORT");
    EXPECT_EQ(Listed(*form), QStringList({"Office"}));
}

TEST_F(DefaultEditFormTest, DeleteAsksAndRemovesOnlyTheSelectedFile)
{
    MakeDefault("Hall.tvd", "");
    MakeDefault("Office.tvd", "");
    auto form = Open();
    Click(*form, "Office");
    // Another default arrives before Office in the list; the selection stays on Office.
    prompts.ExpectSaveFile(QString::fromStdString((elsewhere / "x.tvd").string()));
    folder.WriteBytes("Defaults/Annex.tvd", folder.ReadBytes("Defaults/Hall.tvd"));
    Press(*form, "EXPORT");

    const QString question = "Do you really want to delete the default file Office?";
    prompts.ExpectMessage(question, "Really Delete?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
    Press(*form, "DELETE");
    EXPECT_TRUE(folder.Exists("Defaults/Office.tvd"));
    prompts.ExpectMessage(question, "Really Delete?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    Press(*form, "DELETE");
    EXPECT_FALSE(folder.Exists("Defaults/Office.tvd"));
    EXPECT_EQ(Listed(*form), QStringList({"Annex", "Hall"}));
    EXPECT_FALSE(Enabled(*form, "DELETE")) << "the selection is cleared";
}

TEST_F(DefaultEditFormTest, ImportAsksBeforeOverwritingADefault)
{
    MakeDefault("Office.tvd", "old");
    const std::string incoming = "incoming bytes";
    elsewhere.WriteBytes("in/Office.tvd", incoming);
    auto form = Open();
    const QString chosen = QString::fromStdString((elsewhere / "in" / "Office.tvd").string());

    prompts.ExpectOpenFile(chosen);
    prompts.ExpectMessage("Do you wish to overwrite Office?", "Overwright?", PromptButtons::YesNo, PromptIcon::None,
                          PromptAnswer::No);
    Press(*form, "IMPORT");
    EXPECT_NE(folder.ReadBytes("Defaults/Office.tvd"), incoming);

    prompts.ExpectOpenFile(chosen);
    prompts.ExpectMessage("Do you wish to overwrite Office?", "Overwright?", PromptButtons::YesNo, PromptIcon::None,
                          PromptAnswer::Yes);
    Press(*form, "IMPORT");
    EXPECT_EQ(folder.ReadBytes("Defaults/Office.tvd"), incoming);

    prompts.ExpectOpenFile(QString::fromStdString((elsewhere / "in" / "Gone.tvd").string()));
    prompts.ExpectMessageStartingWith("Could not copy '", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Press(*form, "IMPORT");
    EXPECT_EQ(Listed(*form), QStringList({"Office"}));
}
