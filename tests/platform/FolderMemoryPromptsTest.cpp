#include "platform/DocumentsFolder.h"
#include "platform/FolderMemoryPrompts.h"
#include "support/ScopedVariable.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The filters of the editor's dialogs, one of each kind of file.
const char* const KindFilters[] = {
    "BRENLO Tavlo file (*.tvl)| *.tvl|All files (*)|*", "BRENLO Tavlo Default file (*.tvd)| *.tvd",
    "Brenlo Projector Definition (*.BRD)|*.BRD",        "Brenlo RS232 Definitions file (*.BRS)|*.BRS",
    "Brenlo Infra-red Definitions file (*.BRI)|*.BRI",
};

class FolderMemoryPromptsTest : public ::testing::Test {
protected:
    ~FolderMemoryPromptsTest() override { EXPECT_TRUE(scripted.AllAnswered()); }

    QString Folder(const std::string& name)
    {
        fs::create_directories(folder / name);
        return QString::fromStdString((folder / name).string());
    }
    // Opens (or saves) through the memory and answers with the path; the
    // folder the dialog was started in.
    QString StartedIn(const QString& filter, const std::optional<QString>& answer, bool save = false)
    {
        FileDialogRequest request;
        request.filter = filter;
        if (save) {
            scripted.ExpectSaveFile(answer);
            prompts.ChooseFileToSave(request);
        } else {
            scripted.ExpectOpenFile(answer);
            prompts.ChooseFileToOpen(request);
        }
        return scripted.FileDialogs().back().initialFolder;
    }

    TempProgramFolder folder;
    ScriptedPrompts scripted;
    FolderMemoryPrompts prompts{scripted};
};

}  // namespace

TEST(FileKindOf, IsTheFirstPatternsExtensionInLowerCase)
{
    EXPECT_EQ(FileKindOf(KindFilters[0]), "tvl");
    EXPECT_EQ(FileKindOf(KindFilters[2]), "brd");
    EXPECT_EQ(FileKindOf("Text (*.txt;*.log)|*.txt;*.log"), "txt");
    EXPECT_EQ(FileKindOf("All files (*)|*"), "");
    EXPECT_EQ(FileKindOf(""), "");
}

// Each kind starts in the documents folder, then where its last file was
// chosen, opened or saved, whatever the other kinds did in between.
TEST_F(FolderMemoryPromptsTest, EachKindStartsWhereItsLastFileWasChosen)
{
    const QString documents = !DocumentsFolder().isEmpty() ? DocumentsFolder() : QDir::homePath();
    for (const char* filter : KindFilters) {
        SCOPED_TRACE(filter);
        const QString own = Folder(FileKindOf(filter).toStdString());
        EXPECT_EQ(StartedIn(filter, own + "/first"), documents);
        EXPECT_EQ(StartedIn(filter, own + "/second", true), own);
    }
    const QString rooms = Folder("rooms");
    EXPECT_EQ(StartedIn(KindFilters[0], rooms + "/Hall.tvl", true), Folder("tvl"));
    EXPECT_EQ(StartedIn(KindFilters[0], std::nullopt), rooms);  // cancelled: still rooms
    EXPECT_EQ(StartedIn(KindFilters[0], rooms + "/Hall.tvl"), rooms);
    for (std::size_t i = 1; i < std::size(KindFilters); ++i)
        EXPECT_EQ(StartedIn(KindFilters[i], std::nullopt), Folder(FileKindOf(KindFilters[i]).toStdString()));

    // The kind is the filter's, not the chosen file's.
    EXPECT_EQ(StartedIn(KindFilters[0], Folder("zips") + "/Hall.zip"), rooms);
    EXPECT_EQ(StartedIn(KindFilters[0], std::nullopt), Folder("zips"));

    // A folder removed since is no place to start.
    fs::remove_all(folder / "zips");
    EXPECT_EQ(StartedIn(KindFilters[0], std::nullopt), documents);
}

// A dialog that names its own start folder keeps it; its choice is still
// remembered, and every message passes through untouched.
TEST_F(FolderMemoryPromptsTest, AGivenStartFolderIsKeptAndItsChoiceRemembered)
{
    FileDialogRequest request;
    request.filter = KindFilters[0];
    request.initialFolder = Folder("given");
    request.initialFileName = "Office.tvl";
    request.defaultExtension = "tvl";
    scripted.ExpectSaveFile(Folder("chosen") + "/Office.tvl");
    EXPECT_EQ(prompts.ChooseFileToSave(request), Folder("chosen") + "/Office.tvl");
    EXPECT_EQ(scripted.FileDialogs().back().initialFolder, Folder("given"));
    EXPECT_EQ(scripted.FileDialogs().back().initialFileName, "Office.tvl");
    EXPECT_EQ(scripted.FileDialogs().back().defaultExtension, "tvl");
    EXPECT_EQ(prompts.StartFolder(KindFilters[0]), Folder("chosen"));

    scripted.ExpectMessage("Sure?", "Title", PromptButtons::YesNo, PromptIcon::Question, PromptAnswer::No);
    EXPECT_EQ(prompts.Message("Sure?", "Title", PromptButtons::YesNo, PromptIcon::Question), PromptAnswer::No);
}

// Without a documents folder the dialogs start at home, never nowhere: an
// empty start folder would let the dialog take the folder of another kind.
TEST_F(FolderMemoryPromptsTest, WithoutADocumentsFolderDialogsStartAtHome)
{
    const ScopedVariable home("HOME", (folder / "home").string());
    const ScopedVariable config("XDG_CONFIG_HOME", (folder / "config").string());
    const QString homeFolder = Folder("home");
    EXPECT_EQ(StartedIn(KindFilters[2], std::nullopt), homeFolder);
    const QString documents = Folder("home/Documents");
    EXPECT_EQ(StartedIn(KindFilters[2], std::nullopt), documents);
}
