#include "editor/Captions.h"
#include "editor/FileCommands.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "support/ExternalZip.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The window, as the commands see it: notes every call.
class RecordingView final : public ConfigurationView {
public:
    void ShowConfiguration() override { calls.push_back("show"); }
    void ClearIRDisplay() override { calls.push_back("clear IR"); }
    void SetCaption(const QString& text) override { caption = text; }
    void ReplaceDifferingProjector() override { calls.push_back("replace projector"); }

    std::vector<std::string> calls;
    QString caption = "start";
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() { state.Config.ClearConfiguration(); }
    ~FileCommandsTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected prompt never came"; }

    QString In(const std::string& name) const { return QString::fromStdString((folder / name).string()); }
    void ExpectSaveQuestion(PromptAnswer answer)
    {
        prompts.ExpectMessage("Do you wish to save changes?", "Save change?", PromptButtons::YesNoCancel,
                              PromptIcon::None, answer);
    }
    void ExpectSaveFailure()
    {
        prompts.ExpectMessageStartingWith("Failed to save file! '", "Save Fail!", PromptButtons::Ok,
                                          PromptIcon::Exclamation);
    }
    void SetProjector(const char* manufacturer, const char* model, int16_t warmUp)
    {
        ProjectorClass& projector = state.Config.ConfigProjector();
        projector.Manufacturer(manufacturer);
        projector.Model(model);
        projector.WarmUpTime(warmUp);
        state.Config.StoreProjectorToConfig();
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    RecordingView view;
    FileCommands commands{state, view};
};

}  // namespace

TEST(Captions, FileTitleIsTheBaseNameUpToItsFirstDot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Rooms\\Hall.tvl", "Hall"},
        {"C:\\Rooms.old\\Hall.tvl", "Hall"},
        {"/home/a/Rooms.old/Hall.tvl", "Hall"},
        {"Hall.backup.tvl", "Hall"},
        {"Hall", "Hall"},
        {"", ""},
        {"/home/a/.hidden", ""},
    };
    for (const auto& [path, title] : cases) EXPECT_EQ(FileTitle(path), title) << path;
    EXPECT_EQ(StartUpCaption(), "Tavlo Editor 1.0.17");
    EXPECT_EQ(UntitledCaption(), "Tavlo Editor 1,0,17");
}

TEST_F(FileCommandsTest, QuerySaveAsksOnlyAboutChangesAndFollowsTheAnswer)
{
    EXPECT_TRUE(commands.QuerySave()) << "nothing changed: no question";
    state.Config.ConfigChanged = true;
    ExpectSaveQuestion(PromptAnswer::Cancel);
    EXPECT_FALSE(commands.QuerySave());
    ExpectSaveQuestion(PromptAnswer::No);
    EXPECT_TRUE(commands.QuerySave());
    EXPECT_FALSE(folder.Exists("q.tvl"));

    ExpectSaveQuestion(PromptAnswer::Yes);
    prompts.ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(commands.QuerySave()) << "a cancelled save abandons the command";
    ExpectSaveQuestion(PromptAnswer::Yes);
    prompts.ExpectSaveFile(In("q.tvl"));
    EXPECT_TRUE(commands.QuerySave());
    EXPECT_TRUE(folder.Exists("q.tvl"));
    EXPECT_FALSE(state.Config.ConfigChanged);
}

TEST_F(FileCommandsTest, SaveOpenAndSaveAsRoundTripWithTheirCaptions)
{
    state.Config.Record.ConfigNotes = "Room 12";
    state.Config.ConfigChanged = true;
    prompts.ExpectSaveFile(In("Hall.tvl"));
    commands.SaveKey();
    EXPECT_EQ(prompts.FileDialogs().back().filter, "BRENLO Tavlo file (*.tvl)| *.tvl");
    EXPECT_TRUE(prompts.FileDialogs().back().promptOverwrite);
    EXPECT_EQ(view.caption, "Hall");
    EXPECT_EQ(state.Config.ConfigFileName, (folder / "Hall.tvl").string());
    EXPECT_FALSE(state.Config.ConfigChanged);

    commands.SaveKey();  // titled: no dialog, the old file becomes the backup
    EXPECT_TRUE(folder.Exists("Hall.BAK"));

    prompts.ExpectSaveFile(In("Copy.tvl"));
    commands.SaveAsKey();
    EXPECT_EQ(view.caption, "Copy");
    EXPECT_EQ(state.Config.ConfigFileName, (folder / "Copy.tvl").string());

    state.Config.ConfigChanged = true;
    ExpectSaveQuestion(PromptAnswer::No);
    commands.NewKey();
    EXPECT_EQ(view.caption, UntitledCaption());
    EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 7), "       ");
    EXPECT_EQ(state.Config.ConfigFileName, "");

    prompts.ExpectOpenFile(In("Hall.tvl"));
    commands.OpenKey();
    EXPECT_EQ(prompts.FileDialogs().back().filter, "BRENLO Tavlo file (*.tvl)| *.tvl|All files (*)|*");
    EXPECT_EQ(view.caption, "Hall");
    EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 7), "Room 12");
    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_EQ(state.Config.ConfigFileName, (folder / "Hall.tvl").string());

    state.Config.ConfigChanged = true;
    ExpectSaveQuestion(PromptAnswer::Cancel);
    commands.OpenKey();  // abandoned: nothing asked of the file dialog
    EXPECT_TRUE(state.Config.ConfigChanged);
}

// The dialog is told the extension; whatever answers it, a name typed
// without one is saved as a ".tvl" and a file it would replace is asked about.
TEST_F(FileCommandsTest, ANameTypedWithoutExtensionIsSavedAsATavloFile)
{
    fs::create_directory(folder / "Rooms.old");
    struct Case {
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"room-2", "room-2.tvl"},   {"Rooms.old/Hall", "Rooms.old/Hall.tvl"},
        {"room.bak2", "room.bak2"}, {"Upper.TVL", "Upper.TVL"},
        {".hidden", ".hidden.tvl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const bool added = std::string(c.typed) != c.saved;
        state.Config.ConfigFileName.clear();
        prompts.ExpectSaveFile(In(c.typed));
        commands.SaveKey();
        EXPECT_EQ(prompts.FileDialogs().back().defaultExtension, "tvl");
        EXPECT_EQ(state.Config.ConfigFileName, (folder / c.saved).string());
        EXPECT_TRUE(folder.Exists(c.saved));
        EXPECT_EQ(folder.Exists(c.typed), !added);

        // The dialog asked about the name as typed, if at all: the file the
        // added extension names is asked about here.
        if (added) {
            const QString name = QString::fromStdString(fs::path(c.saved).filename().string());
            prompts.ExpectMessage(name + " already exists.\r\nDo you want to replace it?", "Save As",
                                  PromptButtons::YesNo, PromptIcon::Exclamation, PromptAnswer::Yes);
        }
        state.Config.ConfigFileName.clear();
        prompts.ExpectSaveFile(In(c.typed));
        commands.SaveAsKey();
        EXPECT_EQ(prompts.FileDialogs().back().defaultExtension, "tvl");
        EXPECT_EQ(state.Config.ConfigFileName, (folder / c.saved).string());
    }

    // No goes back to the dialog with the name as typed; a cancel there keeps the file.
    folder.WriteBytes("Kept.tvl", "kept");
    prompts.ExpectSaveFile(In("Kept"));
    prompts.ExpectMessage("Kept.tvl already exists.\r\nDo you want to replace it?", "Save", PromptButtons::YesNo,
                          PromptIcon::Exclamation, PromptAnswer::No);
    prompts.ExpectSaveFile(std::nullopt);
    state.Config.ConfigFileName.clear();
    commands.SaveKey();
    EXPECT_EQ(prompts.FileDialogs().back().initialFolder.toStdString(), folder.path().string());
    EXPECT_EQ(prompts.FileDialogs().back().initialFileName, "Kept");
    EXPECT_EQ(folder.ReadBytes("Kept.tvl"), "kept");
    EXPECT_EQ(state.Config.ConfigFileName, "");
}

TEST_F(FileCommandsTest, FailuresKeepWhatTheUserHad)
{
    fs::create_directory(folder / "dir.tvl");  // no archive can be written over a folder

    // A failed first save leaves the configuration untitled.
    state.Config.ConfigChanged = true;
    prompts.ExpectSaveFile(In("dir.tvl"));
    ExpectSaveFailure();
    commands.SaveKey();
    EXPECT_EQ(state.Config.ConfigFileName, "");
    EXPECT_EQ(view.caption, "start");
    EXPECT_TRUE(state.Config.ConfigChanged);

    // A failed Save As keeps the configuration, its file and caption.
    prompts.ExpectSaveFile(In("Hall.tvl"));
    commands.SaveKey();
    state.Config.Record.ConfigNotes = "edited";
    state.Config.ConfigChanged = true;
    prompts.ExpectSaveFile(In("dir.tvl"));
    ExpectSaveFailure();
    commands.SaveAsKey();
    EXPECT_EQ(state.Config.ConfigFileName, (folder / "Hall.tvl").string());
    EXPECT_EQ(view.caption, "Hall");
    EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 6), "edited");
    EXPECT_TRUE(state.Config.ConfigChanged);

    // A file that is no archive: one message, then an untitled new configuration.
    folder.WriteBytes("Broken.tvl", "PK but not really");
    view.calls.clear();
    prompts.ExpectMessage("Failed to open file! '" + In("Broken.tvl") + ": Not a zip archive'", "Error!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    commands.OpenConfiguration(In("Broken.tvl"));
    EXPECT_EQ(view.caption, UntitledCaption());
    EXPECT_EQ(state.Config.ConfigFileName, "");
    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 6), "      ");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"clear IR", "show"}));
}

// A name typed as the caption shows it opens the configuration with ".tvl";
// what does not open is named, with the cause, as a failed save is.
TEST_F(FileCommandsTest, OpenFindsTheNameWithoutItsExtensionAndSaysWhyAnOpenFailed)
{
    state.Config.Record.ConfigNotes = "room";
    ASSERT_TRUE(SaveConfigurationFile(state, folder / "room-24.tvl"));
    fs::create_directories(folder / "Folder");
    ExternalZip::WriteRawArchive(folder / "Other.tvl", {{"Notes.txt", "no configuration"}});
    folder.WriteBytes("Text.tvl", "no archive at all");
    struct Case {
        const char* typed;
        // The file opened or named in the message, and the cause it gives.
        const char* file;
        const char* cause;
    };
    const Case cases[] = {
        {"room-24", "room-24.tvl", nullptr},
        {"room-24.tvl", "room-24.tvl", nullptr},
        {"room-24.tv", "room-24.tv", "No such file or directory"},
        {"nowhere", "nowhere", "No such file or directory"},
        {"Folder", "Folder", "Is a directory"},
        {"Other", "Other.tvl", "no Config.tmp in the archive"},
        {"Text", "Text.tvl", "Not a zip archive"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        state.Config.ClearConfiguration();
        if (c.cause != nullptr)
            prompts.ExpectMessage("Failed to open file! '" + In(c.file) + ": " + c.cause + "'", "Error!",
                                  PromptButtons::Ok, PromptIcon::Exclamation);
        EXPECT_EQ(commands.OpenConfiguration(In(c.typed)), c.cause == nullptr);
        EXPECT_TRUE(prompts.AllAnswered());
        if (c.cause != nullptr) continue;
        EXPECT_EQ(state.Config.ConfigFileName, In(c.file).toStdString());
        EXPECT_EQ(view.caption, "room-24");
        EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 4), "room");
    }
}

// However an archive is damaged, the open says so once, naming the file
// once, with the reason the archive gives.
TEST_F(FileCommandsTest, ADamagedArchiveIsOneMessageThatNamesTheFileOnce)
{
    state.Config.Record.ConfigNotes = std::string(150, 'n');
    ASSERT_TRUE(SaveConfigurationFile(state, folder / "whole.tvl"));
    const std::string whole = folder.ReadBytes("whole.tvl");
    // Well inside Config.tmp's compressed lines, past its local header.
    std::string garbled = whole;
    const std::size_t data = whole.find("Config.tmp") + 64;
    ASSERT_LT(data + 64, whole.find("Config.tmp", data));
    for (std::size_t i = data; i < data + 64; ++i) garbled[i] = static_cast<char>(garbled[i] ^ 0x5A);
    const std::pair<const char*, std::string> damaged[] = {
        {"cut to nothing", ""},
        {"cut after the signature", whole.substr(0, 4)},
        {"cut in half", whole.substr(0, whole.size() / 2)},
        {"end record cut", whole.substr(0, whole.size() - 1)},
        {"member data garbled", garbled},
    };
    for (const auto& [label, bytes] : damaged) {
        SCOPED_TRACE(label);
        folder.WriteBytes("room.tvl", bytes);
        prompts.ExpectMessageStartingWith("Failed to open file! '" + In("room.tvl") + ": ", "Error!", PromptButtons::Ok,
                                          PromptIcon::Exclamation);
        EXPECT_FALSE(commands.OpenConfiguration(In("room.tvl")));
        ASSERT_TRUE(prompts.AllAnswered());
        EXPECT_EQ(prompts.Shown().back().text.count("room.tvl"), 1) << prompts.Shown().back().text.toStdString();
    }
}

TEST_F(FileCommandsTest, AnOpenedProjectorJoinsTheDatabaseOrIsSettledWhenItDiffers)
{
    SetProjector("ACME", "BEAMER 1", 30);
    ASSERT_TRUE(SaveConfigurationFile(state, folder / "Room.tvl"));

    commands.OpenConfiguration(In("Room.tvl"));
    ASSERT_EQ(state.Projectors.ProjectorDatabase().Count(), 1) << "an unknown projector is added in memory";
    EXPECT_EQ(state.Projectors.ProjectorDatabase()[0].WarmUpTime(), 30);
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));

    view.calls.clear();
    commands.OpenConfiguration(In("Room.tvl"));
    EXPECT_EQ(view.calls, std::vector<std::string>{"show"}) << "the same definition: nothing to settle";

    state.Projectors.ProjectorDatabase()[0].WarmUpTime(45);
    view.calls.clear();
    commands.OpenConfiguration(In("Room.tvl"));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"show", "replace projector"}));
}

TEST_F(FileCommandsTest, AnOpenedProjectorWithABlankNameNeverJoinsTheDatabase)
{
    // As the database loader reads names: control characters dropped, then spaces trimmed.
    const std::pair<const char*, const char*> blankNames[] = {{"", ""}, {"ACME", " "}, {"\x01\x1f ", "BEAMER 1"}};
    for (const auto& [manufacturer, model] : blankNames) {
        SetProjector(manufacturer, model, 30);
        ASSERT_TRUE(SaveConfigurationFile(state, folder / "Room.tvl"));
        view.calls.clear();
        commands.OpenConfiguration(In("Room.tvl"));
        EXPECT_EQ(state.Projectors.ProjectorDatabase().Count(), 0) << '"' << manufacturer << "\", \"" << model << '"';
        EXPECT_EQ(view.calls, std::vector<std::string>{"show"});
    }
}

TEST_F(FileCommandsTest, AnEditedProjectorIsOfferedToTheConfiguration)
{
    SetProjector("ACME", "BEAMER 1", 30);
    state.Projectors.AddProjectorDefinition();
    state.Projectors.ProjectorDatabase()[0].CopyFromProjectorClass(state.Config.ConfigProjector());

    commands.CheckEditedProjector();  // unchanged: no question

    const QString question =
        "The projector included in this configuration has been edited!\r\nDo you wish to change it to the new version?";
    state.Projectors.ProjectorDatabase()[0].WarmUpTime(60);
    prompts.ExpectMessage(question, "Projector Changed!", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
    commands.CheckEditedProjector();
    EXPECT_EQ(state.Config.ConfigProjector().WarmUpTime(), 30);
    EXPECT_FALSE(state.Config.ConfigChanged);

    prompts.ExpectMessage(question, "Projector Changed!", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    commands.CheckEditedProjector();
    EXPECT_EQ(state.Config.ConfigProjector().WarmUpTime(), 60);
    EXPECT_EQ(state.Config.Record.ConfigProjectorBlock.WarmUpTime, 60);
    EXPECT_TRUE(state.Config.ConfigChanged);

    state.Projectors.ClearProjectorDatabase();
    commands.CheckEditedProjector();  // deleted from the database: no question
}

// The dialogs remember the folder of the configuration last saved or opened.
TEST_F(FileCommandsTest, OpenStartsInTheFolderOfTheLastSaveAs)
{
    fs::create_directory(folder / "rooms");
    prompts.ExpectSaveFile(In("rooms/Hall"));
    commands.SaveAsKey();
    prompts.ExpectOpenFile(std::nullopt);
    commands.OpenKey();
    EXPECT_EQ(prompts.FileDialogs().back().initialFolder.toStdString(), (folder / "rooms").string());
}
