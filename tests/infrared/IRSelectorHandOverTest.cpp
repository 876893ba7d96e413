// The IR browser lists the libraries from their headers while their
// commands are read behind them. When that read fails (a pulled stick, a
// dropped share), the commands reach no library and the database is
// emptied: every command of the browser then works on what the database
// holds, the user is told, and the tree shows the empty database.
#include "IRBrowserFixture.h"
#include "infrared/IRSelector.h"
#include "support/BrowserTest.h"
#include "support/FailingRecordFileReader.h"

#include <QAction>
#include <QTest>
#include <QTreeWidget>
#include <cerrno>
#include <cstring>
#include <functional>

namespace {

class IRSelectorHandOverTest;

struct HandOverCase {
    const char* key;
    QStringList node;  // clicked first, when given
    // The prompts the command shows around the failed read.
    std::function<void(IRSelectorHandOverTest&)> expect;
    QStringList models;  // the tree afterwards, as the database holds it
};

class IRSelectorHandOverTest : public BrowserTest<IRBrowserTest, IRSelector>,
                               public ::testing::WithParamInterface<HandOverCase> {
public:
    IRSelectorHandOverTest()
    {
        WriteAll(folder / "InfraRed.DEF", StoredFile());
        state.IR.ReadCommandsThrough(FailingRecordFileReader::CommandsFailingAfter(0));
        WriteAll(Imported(), RecordsOf({"NEW", "VCR", "N1", 1, 9}));
    }
    ~IRSelectorHandOverTest() override
    {
        // The file the editor could not read is left as it is by the close's save.
        if (form) {
            prompts.ExpectMessageStartingWith("Failed to save the IR data base! '", "Save Fail!", PromptButtons::Ok,
                                              PromptIcon::Exclamation);
            Close();
        }
        EXPECT_EQ(ReadAll(folder / "InfraRed.DEF"), StoredFile());
    }

    std::filesystem::path Exported() const { return folder / "out.BRI"; }
    std::filesystem::path Imported() const { return folder / "in.BRI"; }
    void ExpectCommandsUnreadable()
    {
        prompts.ExpectMessage("Infra-red configuration file could not be loaded!\r\ncannot read '" +
                                  Text(folder / "InfraRed.DEF") + "': " + std::strerror(EIO),
                              "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    }
    // Every model of the tree, "MANUFACTURER/TYPE/MODEL".
    QStringList Models()
    {
        QStringList models;
        for (int m = 0; m < Tree().topLevelItemCount(); ++m) {
            QTreeWidgetItem* manufacturer = Tree().topLevelItem(m);
            LibraryTree::Unfold(*manufacturer);
            for (int t = 0; t < manufacturer->childCount(); ++t) {
                QTreeWidgetItem* type = manufacturer->child(t);
                LibraryTree::Unfold(*type);
                for (int i = 0; i < type->childCount(); ++i)
                    models << manufacturer->text(0) + "/" + type->text(0) + "/" + type->child(i)->text(0);
            }
        }
        return models;
    }

    ScriptedPrompts& Prompts() { return prompts; }

private:
    static Bytes StoredFile()
    {
        return Join({RecordsOf({"SONY", "TV", "A1", 2, 1}), RecordsOf({"ACME", "DVD", "X", 1, 2})});
    }
};

void Unreadable(IRSelectorHandOverTest& t)
{
    t.ExpectCommandsUnreadable();
}

}  // namespace

TEST_P(IRSelectorHandOverTest, TheCommandWorksOnWhatTheDatabaseHoldsOnceTheCommandsFailed)
{
    const HandOverCase& c = GetParam();
    Open();
    ASSERT_EQ(Models(), QStringList({"SONY/TV/A1", "ACME/DVD/X"})) << "listed from the headers alone";
    Fill(state.IR.IRClipboard, {"PASTED", "TV", "P1", 1, 7});
    if (!c.node.isEmpty()) Click(Node(c.node));
    c.expect(*this);
    Press(c.key);
    EXPECT_TRUE(prompts.AllAnswered());
    EXPECT_EQ(state.IR.IRLibraryNames().Count(), c.models.size());
    EXPECT_EQ(Models(), c.models) << "the tree shows what the database holds";
    EXPECT_EQ(Enabled("EXPORTALL"), !c.models.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(Exported()));
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, IRSelectorHandOverTest,
                         ::testing::Values(HandOverCase{"EDIT", {"SONY", "TV", "A1"}, Unreadable, {}},
                                           HandOverCase{"COPY", {"SONY", "TV", "A1"}, Unreadable, {}},
                                           HandOverCase{"DELETE", {"SONY", "TV", "A1"}, Unreadable, {}},
                                           HandOverCase{"EXPORT", {"SONY"}, Unreadable, {}},
                                           // Told before a file is asked for: nothing to write.
                                           HandOverCase{"EXPORTALL", {}, Unreadable, {}},
                                           HandOverCase{"PASTE", {"ACME", "DVD", "X"}, Unreadable, {"PASTED/TV/P1"}},
                                           HandOverCase{"IMPORT",
                                                        {},
                                                        [](IRSelectorHandOverTest& t) {
                                                            t.Prompts().ExpectOpenFile(Text(t.Imported()));
                                                            t.ExpectCommandsUnreadable();
                                                        },
                                                        {"NEW/VCR/N1"}}),
                         [](const ::testing::TestParamInfo<HandOverCase>& info) {
                             return std::string(info.param.key);
                         });
