// EXPORT of a maker walks its libraries and lets the window loop run at
// each one to show it highlighted. Whatever the user does meanwhile, the
// walk's nodes stay whole: the export writes exactly the maker's libraries,
// nothing is deleted, cut or re-sorted under it, and the browser stays open;
// once the export has ended the same action works as ever.
#include "model/RS232LibraryRecord.h"
#include "rs232/RS232BrowserFixture.h"
#include "rs232/RS232Selector.h"
#include "support/BrowserTest.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <ostream>

namespace {

class RS232ExportWalkTest;

struct DuringWalk {
    const char* name;
    std::function<void(RS232ExportWalkTest&)> act;
    // What the action does once the export has ended.
    enum class Then { AsksToRemoveALibrary, SortsByType, Closes } then;
    QString verb;  // of the question, where one is asked
};

void PrintTo(const DuringWalk& c, std::ostream* out)
{
    *out << c.name;
}

// OTHER's one library, then MAKER's: 12 televisions and 12 recorders, so
// the walk from MAKER lets the window loop run 23 times.
class RS232ExportWalkTest : public BrowserTest<RS232BrowserTest, RS232Selector>,
                            public ::testing::WithParamInterface<DuringWalk> {
public:
    static constexpr int MakersLibraries = 24;

    RS232ExportWalkTest()
    {
        AddToDatabase("OTHER", "TV", "X1", 1);
        for (int i = 1; i <= MakersLibraries; ++i) {
            const bool tv = i <= MakersLibraries / 2;
            const std::string model = (tv ? "T" : "V") + std::to_string(i);
            AddToDatabase("MAKER", tv ? "TV" : "VCR", model.c_str(), static_cast<int16_t>(i));
        }
    }

    void PressKey(QKeyCombination key) { QTest::keyClick(&Tree(), key.key(), key.keyboardModifiers()); }
    void ClickButton(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QWidget* ToolbarButton(const char* key)
    {
        return Named<QToolBar>(*form, "Toolbar1")->widgetForAction(Named<QAction>(*form, key));
    }
    QRadioButton* SortBy(int i) { return Named<QRadioButton>(*form, "SortBy", i); }
    void ClickCloseBox()
    {
        QCloseEvent close;
        QApplication::sendEvent(form->windowHandle(), &close);
    }

    // The records of the libraries 1 to 24, in database and tree order.
    Bytes MakersRecords()
    {
        Bytes all;
        for (int i = 1; i <= MakersLibraries; ++i) {
            RS232LibraryRecord record;
            record.StoreLibrary(Entry(i));
            all.insert(all.end(), record.data(), record.data() + record.size());
        }
        return all;
    }
    QStringList TopNodes()
    {
        QStringList texts;
        for (int i = 0; i < Tree().topLevelItemCount(); ++i) texts << Tree().topLevelItem(i)->text(0);
        return texts;
    }
};

}  // namespace

TEST_P(RS232ExportWalkTest, NothingTheUserDoesDuringTheWalkActsOnIt)
{
    const DuringWalk& c = GetParam();
    Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Click(Node({"MAKER"}));
    const auto target = folder / "maker.BRS";
    prompts.ExpectSaveFile(Text(target));
    prompts.ExpectMessage("RS232 library saved", "RS232 Saved.", PromptButtons::Ok, PromptIcon::None);

    bool actedDuringWalk = false;
    QString shownDuringWalk;
    QTimer::singleShot(0, form.get(), [this, &c, &actedDuringWalk, &shownDuringWalk] {
        actedDuringWalk = prompts.FileDialogs().empty();
        shownDuringWalk = Tree().currentItem() ? Tree().currentItem()->text(0) : QString();
        c.act(*this);
    });
    Press("EXPORT");

    EXPECT_TRUE(actedDuringWalk);
    EXPECT_EQ(shownDuringWalk, "T1") << "the walk shows where it is";
    EXPECT_EQ(ReadAll(target), MakersRecords());
    EXPECT_EQ(prompts.Shown().size(), 1u) << "nothing asked but the export's message";
    EXPECT_EQ(Entries(), MakersLibraries + 1);
    EXPECT_FALSE(Enabled("PASTE")) << "nothing cut";
    EXPECT_EQ(TopNodes(), QStringList({"OTHER", "MAKER"}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Tree().selectedItems(), QList<QTreeWidgetItem*>{Node({"MAKER"})}) << "the walk came back to its start";

    // The window takes the user's input again.
    switch (c.then) {
    case DuringWalk::Then::AsksToRemoveALibrary:
        Click(Node({"MAKER", "TV", "T1"}));
        prompts.ExpectMessage("Are you sure you want to " + c.verb + " MAKER / T1 / TV?", "Are you sure?",
                              PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
        c.act(*this);
        EXPECT_EQ(Entries(), MakersLibraries);
        break;
    case DuringWalk::Then::SortsByType:
        c.act(*this);
        EXPECT_EQ(TopNodes(), QStringList({"TV", "VCR"}));
        break;
    case DuringWalk::Then::Closes:
        c.act(*this);
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(std::filesystem::exists(folder / "RS232Serials.DEF")) << "saved as it closed";
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayToActOnTheTree, RS232ExportWalkTest,
    ::testing::Values(
        DuringWalk{"DeleteKey", [](RS232ExportWalkTest& t) { t.PressKey(Qt::Key_Delete); },
                   DuringWalk::Then::AsksToRemoveALibrary, "delete"},
        DuringWalk{"CtrlX", [](RS232ExportWalkTest& t) { t.PressKey(Qt::CTRL | Qt::Key_X); },
                   DuringWalk::Then::AsksToRemoveALibrary, "cut(delete)"},
        DuringWalk{"DeleteButton", [](RS232ExportWalkTest& t) { t.ClickButton(t.ToolbarButton("DELETE")); },
                   DuringWalk::Then::AsksToRemoveALibrary, "delete"},
        DuringWalk{"SortByType", [](RS232ExportWalkTest& t) { t.ClickButton(t.SortBy(1)); },
                   DuringWalk::Then::SortsByType, ""},
        DuringWalk{"Escape", [](RS232ExportWalkTest& t) { t.PressKey(Qt::Key_Escape); }, DuringWalk::Then::Closes, ""},
        DuringWalk{"CloseBox", [](RS232ExportWalkTest& t) { t.ClickCloseBox(); }, DuringWalk::Then::Closes, ""}),
    [](const ::testing::TestParamInfo<DuringWalk>& info) { return std::string(info.param.name); });
