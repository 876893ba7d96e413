#include "MainWindowTest.h"
#include "PickerTestHost.h"
#include "editor/Captions.h"
#include "editor/TavloForm.h"
#include "model/ConfigurationArchive.h"
#include "platform/ZipArchive.h"

#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

class DefaultFileDropDownTest : public MainWindowTest {
protected:
    DefaultFileDropDownTest()
    {
        auto installed = std::make_unique<TestPointer>();
        pointer = installed.get();
        state.Installed.Install<PointerPosition>(std::move(installed));
    }

    void MakeDefault(const std::string& name, const std::string& notes)
    {
        state.Config.ClearConfiguration();
        state.Config.Record.ConfigNotes = notes;
        std::filesystem::create_directories(folder / "Defaults");
        ASSERT_TRUE(SaveConfigurationFile(state, folder / "Defaults" / name));
    }
    void PressDefaults()
    {
        auto* toolbar = Named<QToolBar>(Window(), "Toolbar1");
        QWidget* button = toolbar->widgetForAction(Named<QAction>(*toolbar, "DEFAULTS"));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QTreeWidget* DropMenu() { return Named<QTreeWidget>(Window(), "DropMenu"); }
    QString Notes() { return Named<QPlainTextEdit>(Window(), "DefaultNotes")->toPlainText().trimmed(); }

    TestPointer* pointer = nullptr;
};

}  // namespace

TEST_F(DefaultFileDropDownTest, NothingDropsDownWithoutDefaults)
{
    PressDefaults();
    EXPECT_EQ(Window().findChild<QTreeWidget*>("DropMenu"), nullptr) << "the list never entered the window";
}

TEST_F(DefaultFileDropDownTest, TheListPreviewsNotesAndLoadsADefaultUntitled)
{
    MakeDefault("Lecture.tvd", "Lecture notes");
    MakeDefault("Office.tvd", "Office notes");
    std::filesystem::create_directories(folder / "bare");
    folder.WriteBytes("bare/Config.tmp", "1\r\n");
    CompressFolder(folder / "bare", folder / "Defaults" / "Plain.tvd");
    Window();

    state.Config.ConfigChanged = true;
    prompts.ExpectMessage("Do you wish to save changes?", "Save change?", PromptButtons::YesNoCancel, PromptIcon::None,
                          PromptAnswer::Cancel);
    PressDefaults();
    auto* hidden = Window().findChild<QTreeWidget*>("DropMenu");
    EXPECT_TRUE(hidden == nullptr || !hidden->isVisible()) << "cancelled: the list stays hidden";

    state.Config.ConfigChanged = false;
    PressDefaults();
    ASSERT_TRUE(DropMenu()->isVisible());
    EXPECT_EQ(ShownRows(DropMenu()), QStringList({"Lecture", "Office", "Plain"}));
    auto* notes = Named<QPlainTextEdit>(Window(), "DefaultNotes");
    EXPECT_TRUE(notes->isVisible());
    EXPECT_EQ(notes->x(), DropMenu()->x() + DropMenu()->width()) << "the notes stand to the right of the list";

    HoverAt(DropMenu(), {20, RowMiddle(DropMenu(), 1)});
    EXPECT_EQ(Notes(), "Office notes");
    HoverAt(DropMenu(), {20, RowMiddle(DropMenu(), 2)});
    EXPECT_EQ(Notes(), "") << "a default without notes shows none";

    HoverAt(DropMenu(), {20, RowMiddle(DropMenu(), 0)});
    ClickAt(DropMenu(), {20, RowMiddle(DropMenu(), 0)});
    EXPECT_FALSE(DropMenu()->isVisible());
    EXPECT_EQ(Window().windowTitle(), "Tavlo Editor, Default file 'Lecture' loaded.");
    EXPECT_EQ(state.Config.ConfigFileName, "");
    EXPECT_EQ(state.Config.Record.ConfigNotes.full().substr(0, 13), "Lecture notes");
    EXPECT_FALSE(state.Config.ConfigChanged);
}

TEST_F(DefaultFileDropDownTest, ADefaultThatFailsToLoadKeepsTheFailedOpensCaption)
{
    MakeDefault("Good.tvd", "");
    folder.WriteBytes("Defaults/Broken.tvd", "not an archive");
    Window();
    PressDefaults();
    ASSERT_TRUE(DropMenu()->isVisible());
    prompts.ExpectMessage("Failed to open file! '" +
                              QString::fromStdString((folder / "Defaults" / "Broken.tvd").string()) +
                              ": Not a zip archive'",
                          "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    HoverAt(DropMenu(), {20, RowMiddle(DropMenu(), 0)});
    ClickAt(DropMenu(), {20, RowMiddle(DropMenu(), 0)});
    EXPECT_EQ(Window().windowTitle(), UntitledCaption());
}
