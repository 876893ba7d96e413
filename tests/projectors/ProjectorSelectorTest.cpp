#include "projectors/ProjectorDialogsFixture.h"
#include "projectors/ProjectorSelector.h"
#include "support/BrowserTest.h"
#include "support/FileBytes.h"
#include "support/UnusableImportFiles.h"

#include <QAction>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <filesystem>
#include <vector>

namespace {

// ACME ZETA (warm-up 1), ACME ALPHA (2) and BETA X (3), in that database order.
class ProjectorSelectorTest : public BrowserTest<ProjectorDialogsTest, ProjectorSelector> {
protected:
    ProjectorSelectorTest()
    {
        AddToDatabase("ACME", "ZETA", 1);
        AddToDatabase("ACME", "ALPHA", 2);
        AddToDatabase("BETA", "X", 3);
    }
    QTreeWidgetItem* Node(const QString& manufacturer, const QString& model = {})
    {
        for (int i = 0; i < Tree().topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = Tree().topLevelItem(i);
            if (top->text(0) != manufacturer) continue;
            if (model.isEmpty()) return top;
            LibraryTree::Unfold(*top);
            for (int j = 0; j < top->childCount(); ++j)
                if (top->child(j)->text(0) == model) return top->child(j);
        }
        return nullptr;
    }
    QStringList Children(const QString& manufacturer)
    {
        QStringList texts;
        QTreeWidgetItem* top = Node(manufacturer);
        if (top) LibraryTree::Unfold(*top);
        for (int j = 0; top && j < top->childCount(); ++j) texts << top->child(j)->text(0);
        return texts;
    }
    void ExpectQuestion(const QString& verb, const QString& names, PromptAnswer answer)
    {
        prompts.ExpectMessage("Are you sure you want to " + verb + " " + names + " projector?", "Are you sure?",
                              PromptButtons::YesNo, PromptIcon::None, answer);
    }
    ProjectorClass& Entry(int index) { return state.Projectors.ProjectorDatabase()[index]; }

    static Bytes RecordOf(const ProjectorClass& definition)
    {
        ProjectorDefinitionRecord record;
        record.StoreDefinition(definition);
        return Bytes(record.data(), record.data() + record.size());
    }
    static Bytes RecordOf(const char* manufacturer, const char* model, int16_t warmUp)
    {
        ProjectorClass definition;
        Fill(definition, manufacturer, model, warmUp);
        return RecordOf(definition);
    }
    Bytes Records(std::initializer_list<int> indices)
    {
        Bytes all;
        for (const int index : indices) {
            const Bytes one = RecordOf(Entry(index));
            all.insert(all.end(), one.begin(), one.end());
        }
        return all;
    }
    void ExpectFileError()
    {
        prompts.ExpectMessage("Sorry there was an error!", "Sorry File Error!", PromptButtons::Ok,
                              PromptIcon::Exclamation);
    }
};

}  // namespace

TEST_F(ProjectorSelectorTest, TheTreeAndToolbarFollowTheDatabaseAndTheCurrentNode)
{
    Fill(state.Projectors.ProjectorClipboard, "ACME", "ZETA", 1);
    Open();
    EXPECT_EQ(form->windowTitle(), "Projector/Display  Selector");
    EXPECT_EQ(Tree().toolTip(), "Select Projector");
    ASSERT_EQ(Tree().topLevelItemCount(), 2);
    EXPECT_EQ(Tree().topLevelItem(0)->text(0), "ACME");
    EXPECT_EQ(Tree().topLevelItem(1)->text(0), "BETA");
    EXPECT_EQ(Children("ACME"), QStringList({"ALPHA", "ZETA"}));

    QStringList keys;
    QStringList tips;
    for (QAction* action : Named<QToolBar>(*form, "Toolbar1")->actions()) {
        keys << action->objectName();
        tips << action->toolTip();
        EXPECT_FALSE(action->icon().pixmap(24).isNull())
            << "every key has its picture: " << action->objectName().toStdString();
    }
    EXPECT_EQ(keys,
              QStringList({"NEW", "COPY", "CUT", "PASTE", "DELETE", "EDIT", "EXPORT", "EXPORTALL", "IMPORT", "EXIT"}));
    EXPECT_EQ(tips, QStringList({"Create new projector", "Copy current projector", "Cut current projector",
                                 "Paste copied projector", "Delete current projector", "Edit current projector",
                                 "Export current projector", "Export all projectors", "Import projector", "Exit"}));

    // The clipboard's names were blanked on opening.
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");
    Click(Node("ACME"));
    EXPECT_EQ(EnabledKeys(), "NEW EXPORT EXPORTALL IMPORT EXIT");
    Click(Node("ACME", "ZETA"));
    EXPECT_EQ(EnabledKeys(), "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT");
    Press("COPY");
    EXPECT_TRUE(Enabled("PASTE"));
    Click(nullptr);
    EXPECT_EQ(EnabledKeys(), "NEW PASTE EXPORTALL IMPORT EXIT");

    // EXIT ends the browser and the database reaches the disk.
    Entry(0).WarmUpTime(11);
    Press("EXIT");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(SavedWarmUp("ACME", "ZETA"), 11);
}

TEST_F(ProjectorSelectorTest, CopyCutAndPasteGoThroughTheClipboardAndTheNewNameDialog)
{
    Open();
    Click(Node("ACME", "ALPHA"));
    Press("COPY");
    // The names are taken: the new-name dialog adds it, and the new node becomes current.
    WhenNewNameOpens("acme", "alpha 2");
    Press("PASTE");
    ASSERT_EQ(Entries(), 4);
    EXPECT_EQ(Entry(3).WarmUpTime(), 2);
    EXPECT_EQ(Children("ACME"), QStringList({"ALPHA", "ALPHA 2", "ZETA"}));
    EXPECT_EQ(Tree().currentItem(), Node("ACME", "ALPHA 2"));
    WhenNewNameOpensCancel();
    Press("PASTE");
    EXPECT_EQ(Entries(), 4);

    // A cut answered No still copies.
    Click(Node("BETA", "X"));
    ExpectQuestion("cut(delete)", "BETA / X", PromptAnswer::No);
    Press("CUT");
    EXPECT_EQ(Entries(), 4);
    EXPECT_EQ(state.Projectors.ProjectorClipboard.ModelField().trimmed(), "X");
    ExpectQuestion("cut(delete)", "BETA / X", PromptAnswer::Yes);
    Press("CUT");
    EXPECT_EQ(Entries(), 3);
    EXPECT_EQ(Node("BETA"), nullptr);
    EXPECT_EQ(EnabledKeys(), "NEW PASTE EXPORTALL IMPORT EXIT");
    // Pasted where the names are free, it is appended as it was.
    Press("PASTE");
    ASSERT_EQ(Entries(), 4);
    EXPECT_EQ(Entry(3).WarmUpTime(), 3);
    EXPECT_TRUE(Enabled("EDIT"));
    EXPECT_EQ(Tree().currentItem(), Node("BETA", "X"));
}

TEST_F(ProjectorSelectorTest, DeleteAsksAndSelectsThePreviousModel)
{
    state.Projectors.SaveProjectorDatabase();
    ASSERT_TRUE(std::filesystem::exists(folder / "Projectors.DEF"));
    Open();
    Click(Node("ACME", "ZETA"));
    ExpectQuestion("delete", "ACME / ZETA", PromptAnswer::No);
    Press("DELETE");
    EXPECT_EQ(Entries(), 3);

    ExpectQuestion("delete", "ACME / ZETA", PromptAnswer::Yes);
    Press("DELETE");
    ASSERT_EQ(Entries(), 2);
    EXPECT_EQ(Entry(0).ModelField().trimmed(), "ALPHA");
    EXPECT_EQ(Entry(1).ModelField().trimmed(), "X");
    EXPECT_EQ(Tree().currentItem(), Node("ACME", "ALPHA"));
    EXPECT_TRUE(Enabled("DELETE"));

    // The first model of its maker leaves no model current.
    ExpectQuestion("delete", "ACME / ALPHA", PromptAnswer::Yes);
    Press("DELETE");
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");
    Click(Node("BETA", "X"));
    ExpectQuestion("delete", "BETA / X", PromptAnswer::Yes);
    Press("DELETE");
    EXPECT_EQ(Entries(), 0);
    EXPECT_EQ(Tree().topLevelItemCount(), 0);

    // Closing saves the empty database: its file goes.
    Close();
    EXPECT_FALSE(std::filesystem::exists(folder / "Projectors.DEF"));
}

TEST_F(ProjectorSelectorTest, EditAndNewOpenTheEditorOnTheRightDefinition)
{
    Open();
    Click(Node("ACME", "ZETA"));
    QString edited;
    WhenModalOpens([&edited](QWidget* editor) {
        edited = Named<QLineEdit>(*editor, "Model")->text();
        Named<QPushButton>(*editor, "Cancel")->click();
    });
    Press("EDIT");
    EXPECT_EQ(edited.trimmed(), "ZETA");
    EXPECT_EQ(state.Projectors.WorkProjector.WarmUpTime(), 1);
    EXPECT_EQ(Tree().currentItem(), Node("ACME", "ZETA"));

    // A rebuilt tree still finds the current node by its names.
    WhenNewNameOpens("ACME", "ALPHA 2");
    Press("COPY");
    Press("PASTE");
    Click(Node("ACME", "ZETA"));
    WhenModalOpens([&edited](QWidget* editor) {
        edited = Named<QLineEdit>(*editor, "Model")->text();
        Named<QPushButton>(*editor, "Cancel")->click();
    });
    Named<QTreeWidget>(*form, "treeview1")->itemDoubleClicked(Node("ACME", "ZETA"), 0);
    EXPECT_EQ(edited.trimmed(), "ZETA");

    WhenModalOpens([&edited](QWidget* editor) {
        edited = Named<QLineEdit>(*editor, "Model")->text();
        Named<QPushButton>(*editor, "Cancel")->click();
    });
    Press("NEW");
    EXPECT_EQ(edited.trimmed(), "");
    EXPECT_EQ(Entries(), 4);
}

TEST_F(ProjectorSelectorTest, AFailedSaveOnClosingIsTold)
{
    Open();
    std::filesystem::create_directories(folder / "Projectors.TMP" / "blocker");
    ExpectSaveFailure();
    Close();
    EXPECT_EQ(Entries(), 3);
}

TEST_F(ProjectorSelectorTest, ExportWritesWholeRecordsInTreeOrDatabaseOrderOverTheOldFile)
{
    const auto target = folder / "out.BRD";
    WriteAll(target, Bytes(5 * ProjectorDefinitionRecord::Length + 100, 0xAA));
    Open();
    const auto expectSaved = [this, &target] {
        prompts.ExpectSaveFile(Text(target));
        prompts.ExpectMessage("Projector definition saved", "File Saved.", PromptButtons::Ok, PromptIcon::None);
    };

    // A maker's models go alphabetically, and its last model ends current.
    Click(Node("ACME"));
    expectSaved();
    Press("EXPORT");
    EXPECT_EQ(ReadAll(target), Records({1, 0}));
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Brenlo Projector Definition (*.BRD)|*.BRD");
    EXPECT_TRUE(prompts.FileDialogs()[0].promptOverwrite);
    EXPECT_TRUE(Enabled("EDIT"));

    Click(Node("BETA", "X"));
    expectSaved();
    Press("EXPORT");
    EXPECT_EQ(ReadAll(target), Records({2}));
    expectSaved();
    Press("EXPORTALL");
    EXPECT_EQ(ReadAll(target), Records({0, 1, 2}));
    EXPECT_EQ(std::filesystem::file_size(target), 3 * ProjectorDefinitionRecord::Length);

    // Cancelled, nothing happens; failed, the old file is untouched and the failure told.
    prompts.ExpectSaveFile(std::nullopt);
    Press("EXPORTALL");
    std::filesystem::create_directories(folder / "out.BRD.TMP" / "blocker");
    prompts.ExpectSaveFile(Text(target));
    ExpectFileError();
    Press("EXPORTALL");
    EXPECT_EQ(ReadAll(target), Records({0, 1, 2}));
}

TEST_F(ProjectorSelectorTest, ImportAddsNewDefinitionsSkipsEqualOnesAndSettlesDifferingOnes)
{
    const auto file = folder / "in.BRD";
    Bytes shortTail(100, 0x41);
    WriteAll(file, Join({RecordOf("acme", "Gamma", 7), RecordOf("ACME", "ZETA", 1), RecordOf("", "NONAME", 5),
                         RecordOf("ACME", "ALPHA", 9), RecordOf("BETA", "Y", 4), shortTail}));
    Open();
    WhenModalOpens([](QWidget* dialog) { Named<QRadioButton>(*dialog, "ReplaceInDataBase")->click(); });
    prompts.ExpectOpenFile(Text(file));
    Press("IMPORT");
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Entry(3).ManufacturerField().trimmed(), "ACME");
    EXPECT_EQ(Entry(3).ModelField().trimmed(), "Gamma");
    EXPECT_EQ(Entry(3).WarmUpTime(), 7);
    EXPECT_EQ(Entry(1).WarmUpTime(), 9);
    EXPECT_EQ(Entry(4).ModelField().trimmed(), "Y");
    EXPECT_EQ(Children("ACME"), QStringList({"ALPHA", "Gamma", "ZETA"}));
    EXPECT_EQ(Tree().currentItem(), Node("BETA", "Y"));
    EXPECT_TRUE(Enabled("EDIT"));

    prompts.ExpectOpenFile(std::nullopt);
    Press("IMPORT");
    ExpectFileError();
    prompts.ExpectOpenFile(Text(folder / "missing.BRD"));
    Press("IMPORT");
    EXPECT_EQ(Entries(), 5);
}

TEST_F(ProjectorSelectorTest, AnImportFileWithoutAWholeRecordIsToldAndChangesNothing)
{
    Open();
    ImportEachUnusableFile(prompts, folder / "in.BRD", ProjectorDefinitionRecord::Length, [this] {
        Press("IMPORT");
        EXPECT_EQ(Entries(), 3);
    });
}

TEST_F(ProjectorSelectorTest, ImportStopsAtADamagedRecordKeepingWhatCameBefore)
{
    const std::size_t firstMessage = ProjectorDefinitionRecord::MessagesOffset;
    Bytes tooLong = RecordOf("NEW", "TWO", 2);
    tooLong[firstMessage] = 33;
    Bytes badType = RecordOf("NEW", "THREE", 3);
    badType[firstMessage] = 1;
    badType[firstMessage + 34] = 7;
    Bytes negative = RecordOf("NEW", "FOUR", 4);
    negative[firstMessage + 67] = 0xFF;  // the second message's count, high byte
    Open();
    for (const Bytes& damaged : {tooLong, badType, negative}) {
        const auto file = folder / "damaged.BRD";
        WriteAll(file, Join({RecordOf("NEW", "ONE", 1), damaged, RecordOf("NEW", "FIVE", 5)}));
        prompts.ExpectOpenFile(Text(file));
        ExpectFileError();
        Press("IMPORT");
        EXPECT_EQ(Children("NEW"), QStringList({"ONE"}));
    }
    EXPECT_EQ(Entries(), 4);
}
