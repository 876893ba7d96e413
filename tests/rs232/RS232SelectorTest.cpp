#include "controls/ToolbarIcons.h"
#include "model/LibraryReconciliation.h"
#include "rs232/RS232BrowserFixture.h"
#include "rs232/RS232LibraryLoader.h"
#include "rs232/RS232Selector.h"
#include "support/BrowserTest.h"
#include "support/DatabaseSaveFailure.h"
#include "support/FileBytes.h"
#include "support/FullDatabases.h"
#include "support/UnusableImportFiles.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

// Records what the reconciliation was given: the buffer's names and baud rate.
class RecordingReconciliation final : public LibraryReconciliation {
public:
    explicit RecordingReconciliation(std::vector<std::string>& seen) : seen_(seen) {}
    void ReconcileIRLibrary(ApplicationState& /*state*/) override { seen_.push_back("IR"); }
    void ReconcileRS232Library(ApplicationState& /*state*/) override { seen_.push_back("RS232"); }
    void ReconcileImportedIRLibrary(ApplicationState& /*state*/) override { seen_.push_back("imported IR"); }
    void ReconcileImportedRS232Library(ApplicationState& state) override
    {
        const RS232LibraryRecord& record = state.RS232Libraries.RS232RecordBuffer;
        seen_.push_back(record.Manufacturer() + "/" + record.Type() + "/" + record.Model() + "/" +
                        std::to_string(record.Int16At(RS232LibraryRecord::BaudrateOffset)));
    }

private:
    std::vector<std::string>& seen_;
};

// In database order: ACME PROJECTOR PJ-1 (baud rate 1), BETA PROJECTOR B-1
// (2), ACME SWITCHER SW-1 (3) and ACME PROJECTOR PJ-2 (4).
class RS232SelectorTest : public BrowserTest<RS232BrowserTest, RS232Selector> {
protected:
    RS232SelectorTest()
    {
        AddToDatabase("ACME", "PROJECTOR", "PJ-1", 1);
        AddToDatabase("BETA", "PROJECTOR", "B-1", 2);
        AddToDatabase("ACME", "SWITCHER", "SW-1", 3);
        AddToDatabase("ACME", "PROJECTOR", "PJ-2", 4);
    }
    // The tree as text: "A(B(C D))".
    static QString Shape(QTreeWidgetItem& node)
    {
        LibraryTree::Unfold(node);
        EXPECT_EQ(node.font(0).bold(), node.childCount() == 0) << "only models are bold";
        QStringList children;
        for (int i = 0; i < node.childCount(); ++i) children << Shape(*node.child(i));
        return children.isEmpty() ? node.text(0) : node.text(0) + "(" + children.join(' ') + ")";
    }
    QString Shape()
    {
        QStringList tops;
        for (int i = 0; i < Tree().topLevelItemCount(); ++i) tops << Shape(*Tree().topLevelItem(i));
        return tops.join(' ');
    }
    using BrowserTest::Click;
    void Click(const QStringList& path) { Click(Node(path)); }
    void ExpectQuestion(const QString& verb, const QString& names, PromptAnswer answer)
    {
        prompts.ExpectMessage("Are you sure you want to " + verb + " " + names + "?", "Are you sure?",
                              PromptButtons::YesNo, PromptIcon::None, answer);
    }
    // The next modal dialog (the library editor) shows its model, then is cancelled.
    static void WhenEditorOpensCancel(QString& model)
    {
        WhenModalOpens([&model](QWidget* editor) {
            model = Named<QLineEdit>(*editor, "Model")->text();
            Named<QPushButton>(*editor, "Cancel")->click();
        });
    }

    static Bytes RecordOf(const RS232FileBlockClass& library)
    {
        RS232LibraryRecord record;
        record.StoreLibrary(library);
        return Bytes(record.data(), record.data() + record.size());
    }
    static RS232LibraryRecord RecordNamed(const char* manufacturer, const char* type, const char* model,
                                          int16_t baudrate)
    {
        RS232FileBlockClass library;
        Fill(library, manufacturer, type, model, baudrate);
        RS232LibraryRecord record;
        record.StoreLibrary(library);
        // Names as another program may have written them, not upper-cased.
        record.Manufacturer(manufacturer);
        record.Type(type);
        record.Model(model);
        return record;
    }
    static Bytes BytesOf(const RS232LibraryRecord& record)
    {
        return Bytes(record.data(), record.data() + record.size());
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
    // The libraries in "RS232Serials.DEF", as the next start loads them.
    int SavedLibraries()
    {
        ScriptedPrompts quiet;
        SerialClassGlobals saved(folder.path(), quiet);
        saved.LoadRS232Database();
        return saved.RS232Database().Count();
    }
};

}  // namespace

TEST_F(RS232SelectorTest, TheTreeSortsByEitherNameAndTheToolbarFollowsTheCurrentNode)
{
    Fill(state.RS232Libraries.RS232LibraryClipboard, "ACME", "PROJECTOR", "PJ-1", 1);
    Open();
    EXPECT_EQ(form->windowTitle(), "Serial RS232 Selector");
    EXPECT_EQ(Named<QRadioButton>(*form, "SortBy", 0)->text(), "Sort By Manufacturer");
    EXPECT_EQ(Named<QRadioButton>(*form, "SortBy", 1)->text(), "Sort By Type");
    EXPECT_TRUE(Named<QRadioButton>(*form, "SortBy", 0)->isChecked());
    EXPECT_EQ(Shape(), "ACME(PROJECTOR(PJ-1 PJ-2) SWITCHER(SW-1)) BETA(PROJECTOR(B-1))");
    for (QTreeWidgetItemIterator node(&Tree()); *node; ++node)
        EXPECT_FALSE((*node)->isExpanded()) << (*node)->text(0).toStdString();

    QStringList keys;
    QStringList tips;
    for (QAction* action : Named<QToolBar>(*form, "Toolbar1")->actions()) {
        keys << action->objectName();
        tips << action->toolTip();
        const QString picture = action->objectName() == "EDIT" ? "EDITPROJECTOR" : action->objectName();
        EXPECT_EQ(action->icon().pixmap(16).toImage(), ToolbarIcon(picture).pixmap(16).toImage())
            << action->objectName().toStdString();
    }
    EXPECT_EQ(keys,
              QStringList({"NEW", "COPY", "CUT", "PASTE", "DELETE", "EDIT", "EXPORT", "EXPORTALL", "IMPORT", "EXIT"}));
    EXPECT_EQ(tips,
              QStringList({"Create new RS232 equipment", "Copy current RS232 equipment", "Cut current RS232 equipment",
                           "Paste copied RS232 equipment", "Delete current RS232 equipment",
                           "Edit current RS232 equipment", "Export current RS232 equipment",
                           "Export all RS232 libraries", "Import RS232 equipment", "Exit"}));

    // The clipboard's manufacturer and model were blanked on opening, its type kept.
    EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.MyTypeField().trimmed(), "PROJECTOR");
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");
    const struct {
        QStringList path;
        QString keys;
    } clicks[] = {
        {{"ACME"}, "NEW EXPORT EXPORTALL IMPORT EXIT"},
        {{"ACME", "SWITCHER"}, "NEW EXPORT EXPORTALL IMPORT EXIT"},
        {{"ACME", "PROJECTOR", "PJ-2"}, "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT"},
    };
    for (const auto& click : clicks) {
        Click(click.path);
        EXPECT_EQ(EnabledKeys(), click.keys) << click.path.join('/').toStdString();
    }
    Press("COPY");
    EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.Baudrate(), 4);
    EXPECT_TRUE(Enabled("PASTE"));
    Click(nullptr);
    EXPECT_EQ(EnabledKeys(), "NEW PASTE EXPORTALL IMPORT EXIT");

    // By type; the old current node is gone from the new tree.
    Click({"ACME", "PROJECTOR", "PJ-1"});
    Named<QRadioButton>(*form, "SortBy", 1)->click();
    EXPECT_EQ(Shape(), "PROJECTOR(ACME(PJ-1 PJ-2) BETA(B-1)) SWITCHER(ACME(SW-1))");
    EXPECT_EQ(EnabledKeys(), "NEW PASTE EXPORTALL IMPORT EXIT");
    Click({"PROJECTOR", "BETA", "B-1"});
    Press("COPY");
    EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.Baudrate(), 2);
}

// The keys open a group as the user reaches it: Right opens one level, "*"
// every level below; each open group shows its own nodes.
TEST_F(RS232SelectorTest, TheKeysOpenAGroupWithItsNodes)
{
    Open();
    Tree().setFocus();
    QTest::keyClick(&Tree(), Qt::Key_Home);
    ASSERT_EQ(Tree().currentItem(), Node({"ACME"}));
    QTest::keyClick(&Tree(), Qt::Key_Right);
    QTest::keyClick(&Tree(), Qt::Key_Down);
    EXPECT_EQ(Tree().currentItem()->text(0), "PROJECTOR");
    QTest::keyClick(&Tree(), Qt::Key_End);
    ASSERT_EQ(Tree().currentItem()->text(0), "BETA");
    QTest::keyClick(&Tree(), Qt::Key_Asterisk);
    QTest::keyClick(&Tree(), Qt::Key_End);
    EXPECT_EQ(LibraryTree::PathOf(*Tree().currentItem()), QStringList({"BETA", "PROJECTOR", "B-1"}));
}

TEST_F(RS232SelectorTest, NamesHoldingTheKeySeparatorStayApart)
{
    AddToDatabase("A#B", "C", "X", 5);
    AddToDatabase("A", "B#C", "X", 6);
    Open();
    EXPECT_EQ(Shape(), "ACME(PROJECTOR(PJ-1 PJ-2) SWITCHER(SW-1)) BETA(PROJECTOR(B-1)) A#B(C(X)) A(B#C(X))");
    for (const auto& [path, baudrate] : {std::pair{QStringList{"A#B", "C", "X"}, 5}, {{"A", "B#C", "X"}, 6}}) {
        Click(path);
        Press("COPY");
        EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.Baudrate(), baudrate);
    }
}

TEST_F(RS232SelectorTest, CopyCutAndPasteGoThroughTheClipboardAndTheNewNameDialog)
{
    Open();
    Click({"ACME", "PROJECTOR", "PJ-1"});
    Press("COPY");
    // The names are taken: both frames show them, unchanged they are refused, a new model is added.
    QString original;
    WhenModalOpens([&original](QWidget* dialog) {
        original = Named<QLabel>(*dialog, "Label7")->text() + "=" + Named<QLineEdit>(*dialog, "Text3")->text();
        Named<QPushButton>(*dialog, "Done")->click();
        Named<QLineEdit>(*dialog, "Text3")->setText(" pj-3");
        Named<QPushButton>(*dialog, "Done")->click();
    });
    ExpectTaken("ACME / PROJECTOR / PJ-1");
    Press("PASTE");
    EXPECT_EQ(original, "PJ-1=PJ-1");
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Entry(4).ModelField().trimmed(), "PJ-3");
    EXPECT_EQ(Entry(4).Baudrate(), 1);
    EXPECT_EQ(Shape(), "ACME(PROJECTOR(PJ-1 PJ-2 PJ-3) SWITCHER(SW-1)) BETA(PROJECTOR(B-1))");
    EXPECT_EQ(Tree().currentItem(), Node({"ACME", "PROJECTOR", "PJ-3"}));
    EXPECT_TRUE(Enabled("EDIT"));

    // Cancelled, nothing is added and the existing library of those names is selected.
    Click({"BETA"});
    WhenModalOpens([](QWidget* dialog) { Named<QPushButton>(*dialog, "Cancel")->click(); });
    Press("PASTE");
    EXPECT_EQ(Entries(), 5);
    EXPECT_EQ(Tree().currentItem(), Node({"ACME", "PROJECTOR", "PJ-3"}));

    // A cut answered No still copies.
    Click({"BETA", "PROJECTOR", "B-1"});
    ExpectQuestion("cut(delete)", "BETA / B-1 / PROJECTOR", PromptAnswer::No);
    Press("CUT");
    EXPECT_EQ(Entries(), 5);
    EXPECT_EQ(state.RS232Libraries.RS232LibraryClipboard.ModelField().trimmed(), "B-1");
    EXPECT_TRUE(Enabled("PASTE"));
    ExpectQuestion("cut(delete)", "BETA / B-1 / PROJECTOR", PromptAnswer::Yes);
    Press("CUT");
    EXPECT_EQ(Entries(), 4);
    EXPECT_EQ(Node({"BETA"}), nullptr);
    EXPECT_EQ(EnabledKeys(), "NEW PASTE EXPORTALL IMPORT EXIT");
    // Pasted where the names are free, it is appended as it was.
    Press("PASTE");
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Entry(4).Baudrate(), 2);
    EXPECT_EQ(Tree().currentItem(), Node({"BETA", "PROJECTOR", "B-1"}));
    EXPECT_TRUE(Enabled("DELETE"));
}

TEST_F(RS232SelectorTest, DeleteAsksAndSelectsThePreviousModelAndTheEmptyDatabaseLosesItsFile)
{
    state.RS232Libraries.SaveRS232Database();
    ASSERT_TRUE(std::filesystem::exists(folder / "RS232Serials.DEF"));
    Open();
    Click({"ACME", "PROJECTOR", "PJ-2"});
    ExpectQuestion("delete", "ACME / PJ-2 / PROJECTOR", PromptAnswer::No);
    Press("DELETE");
    EXPECT_EQ(Entries(), 4);

    ExpectQuestion("delete", "ACME / PJ-2 / PROJECTOR", PromptAnswer::Yes);
    Press("DELETE");
    ASSERT_EQ(Entries(), 3);
    EXPECT_EQ(Entry(2).ModelField().trimmed(), "SW-1");
    EXPECT_EQ(Tree().currentItem(), Node({"ACME", "PROJECTOR", "PJ-1"}));
    EXPECT_TRUE(Enabled("DELETE"));

    // The first model under its parent leaves nothing current.
    ExpectQuestion("delete", "ACME / PJ-1 / PROJECTOR", PromptAnswer::Yes);
    Press("DELETE");
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");
    for (const QStringList& path : {QStringList{"ACME", "SWITCHER", "SW-1"}, QStringList{"BETA", "PROJECTOR", "B-1"}}) {
        Click(path);
        ExpectQuestion("delete", path[0] + " / " + path[2] + " / " + path[1], PromptAnswer::Yes);
        Press("DELETE");
    }
    EXPECT_EQ(Entries(), 0);
    EXPECT_FALSE(state.RS232Libraries.RS232DatabaseAllocated());
    EXPECT_EQ(Tree().topLevelItemCount(), 0);
    // Nothing to export: no dialog at all.
    Press("EXPORTALL");
    EXPECT_TRUE(prompts.FileDialogs().empty());

    Close();
    EXPECT_FALSE(std::filesystem::exists(folder / "RS232Serials.DEF"));
}

TEST_F(RS232SelectorTest, EditDoubleClickAndNewOpenTheEditorAndTheBrowserFollowsARename)
{
    Open();
    Click({"ACME", "SWITCHER", "SW-1"});
    QString model;
    WhenEditorOpensCancel(model);
    Press("EDIT");
    EXPECT_EQ(model, "SW-1");
    EXPECT_EQ(state.RS232Libraries.WorkRS232Library.Baudrate(), 3);
    EXPECT_EQ(Tree().currentItem(), Node({"ACME", "SWITCHER", "SW-1"}));

    // Renamed in the editor, the library is saved under the new names and its leaf selected.
    Click({"ACME", "PROJECTOR", "PJ-1"});
    WhenModalOpens([](QWidget* editor) {
        Named<QLineEdit>(*editor, "Model")->setText("pj-9");
        Named<QPushButton>(*editor, "Done")->click();
    });
    Tree().itemDoubleClicked(Node({"ACME", "PROJECTOR", "PJ-1"}), 0);
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Entry(4).ModelField().trimmed(), "PJ-9");
    EXPECT_EQ(Tree().currentItem(), Node({"ACME", "PROJECTOR", "PJ-9"}));
    EXPECT_TRUE(Enabled("EDIT"));

    WhenEditorOpensCancel(model);
    Press("NEW");
    EXPECT_EQ(model, "");
    EXPECT_EQ(Entries(), 5);
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");
}

TEST_F(RS232SelectorTest, ClosingSavesTheDatabaseAndAFailedSaveIsTold)
{
    Open();
    Entry(0).Baudrate(0);
    Press("EXIT");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(SavedLibraries(), 4);
    EXPECT_EQ(ReadAll(folder / "RS232Serials.DEF"), Records({0, 1, 2, 3}));
    form.reset();

    Open();
    std::filesystem::create_directories(folder / "RS232Serials.TMP" / "blocker");
    prompts.ExpectMessage(DatabaseSaveFailure("RS232", folder / "RS232Serials.DEF", ENOTEMPTY), "Save Fail!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    Close();
    EXPECT_EQ(Entries(), 4);
    EXPECT_EQ(SavedLibraries(), 4);
}

TEST_F(RS232SelectorTest, ExportWritesWholeRecordsInTreeOrderOverALargerFileOrKeepsItWhenItFails)
{
    const auto target = folder / "out.BRS";
    WriteAll(target, Bytes(5 * RS232LibraryRecord::Length + 100, 0xAA));
    Open();
    const auto expectSaved = [this, &target] {
        prompts.ExpectSaveFile(Text(target));
        prompts.ExpectMessage("RS232 library saved", "RS232 Saved.", PromptButtons::Ok, PromptIcon::None);
    };

    // By type, a type's libraries manufacturer by manufacturer; the walk
    // shows each and comes back to the type, which stays current.
    Named<QRadioButton>(*form, "SortBy", 1)->click();
    Click({"PROJECTOR"});
    expectSaved();
    Press("EXPORT");
    EXPECT_EQ(ReadAll(target), Records({0, 3, 1}));
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Brenlo RS232 Definitions file (*.BRS)|*.BRS");
    EXPECT_TRUE(prompts.FileDialogs()[0].promptOverwrite);
    EXPECT_EQ(Tree().selectedItems(), QList<QTreeWidgetItem*>{Node({"PROJECTOR"})});
    EXPECT_EQ(EnabledKeys(), "NEW EXPORT EXPORTALL IMPORT EXIT") << "the type stays current";

    const struct {
        QStringList path;
        std::initializer_list<int> written;
    } exports[] = {{{"PROJECTOR", "ACME"}, {0, 3}}, {{"SWITCHER", "ACME", "SW-1"}, {2}}};
    for (const auto& one : exports) {
        Click(one.path);
        expectSaved();
        Press("EXPORT");
        EXPECT_EQ(ReadAll(target), Records(one.written)) << one.path.join('/').toStdString();
    }
    expectSaved();
    Press("EXPORTALL");
    const Bytes all = ReadAll(target);
    EXPECT_EQ(all, Records({0, 1, 2, 3}));
    ASSERT_EQ(all.size(), 4 * RS232LibraryRecord::Length);
    // The first record's fields where every reader looks for them.
    EXPECT_EQ(std::string(all.begin(), all.begin() + 48), "ACME            PJ-1            PROJECTOR       ");
    const Bytes settings(all.begin() + 208, all.begin() + 222);
    EXPECT_EQ(settings, Bytes({1, 0, 1, 0, 0, 0, 11, 0, 2, 0, 0x02, 'B', 0, 0}));
    EXPECT_EQ(all[216 + 34], ContentHex);
    EXPECT_EQ(all[216 + 35], ContentAscii);
    EXPECT_EQ(std::string(all.begin() + 2328, all.begin() + 2336), "POWER ON");
    EXPECT_EQ(all[2840 + 62], 0xFF);
    EXPECT_EQ(all[2840 + 63], 0xFF);

    // Cancelled, nothing happens; failed, the old file is untouched and the failure told.
    prompts.ExpectSaveFile(std::nullopt);
    Press("EXPORTALL");
    std::filesystem::create_directories(folder / "out.BRS.TMP" / "blocker");
    prompts.ExpectSaveFile(Text(target));
    prompts.ExpectMessage("Failed to save RS232 library", "RS232 Saved.", PromptButtons::Ok, PromptIcon::None);
    Press("EXPORTALL");
    EXPECT_EQ(ReadAll(target), Records({0, 1, 2, 3}));
}

TEST_F(RS232SelectorTest, ImportAddsNewLibrariesSkipsEqualAndNamelessOnesAndHandsOnDifferingOnes)
{
    const auto file = folder / "in.BRS";
    RS232LibraryRecord differing = RecordNamed(" beta", "projector", "b-1\x02", 0);
    WriteAll(file, Join({BytesOf(RecordNamed(" \x01gamma", " hub", "g-1", 5)), RecordOf(Entry(0)),
                         BytesOf(RecordNamed("DELTA", "HUB", " \x03 ", 6)), BytesOf(differing),
                         BytesOf(RecordNamed("GAMMA", "HUB", "G-1", 7)), Bytes(100, 0x41)}));
    Open();
    // None installed: the differing library stays as the database has it.
    prompts.ExpectOpenFile(Text(file));
    Press("IMPORT");
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Entry(4).Manufacturer(), "GAMMA           ");
    EXPECT_EQ(Entry(4).MyType(), "HUB             ");
    EXPECT_EQ(Entry(4).Model(), "G-1             ");
    EXPECT_EQ(Entry(4).Baudrate(), 5) << "the second copy differs and is not taken";
    EXPECT_EQ(Entry(1).Baudrate(), 2);
    EXPECT_EQ(Shape(), "ACME(PROJECTOR(PJ-1 PJ-2) SWITCHER(SW-1)) BETA(PROJECTOR(B-1)) GAMMA(HUB(G-1))");
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    EXPECT_EQ(prompts.FileDialogs()[0].filter, "Brenlo RS232 Definitions file (*.BRS)|*.BRS");

    std::vector<std::string> seen;
    state.Installed.Install<LibraryReconciliation>(std::make_unique<RecordingReconciliation>(seen));
    prompts.ExpectOpenFile(Text(file));
    Press("IMPORT");
    EXPECT_EQ(seen, std::vector<std::string>({"BETA            /PROJECTOR       /B-1             /0",
                                              "GAMMA           /HUB             /G-1             /7"}));
    EXPECT_EQ(Entries(), 5);

    // Cancelled, nothing changes and nothing is said.
    prompts.ExpectOpenFile(std::nullopt);
    Press("IMPORT");
    EXPECT_EQ(Entries(), 5);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(RS232SelectorTest, AnImportFileWithoutAWholeRecordIsToldAndChangesNothing)
{
    Open();
    ImportEachUnusableFile(prompts, folder / "in.BRS", RS232LibraryRecord::Length, [this] {
        Press("IMPORT");
        EXPECT_EQ(Entries(), 4);
    });
}

TEST_F(RS232SelectorTest, ImportStopsAtADamagedRecordKeepingWhatCameBefore)
{
    const auto message = [](int command) { return RS232LibraryRecord::MessageOffset(command); };
    RS232LibraryRecord tooLong = RecordNamed("NEW", "HUB", "TWO", 2);
    tooLong.SetInt16(message(3), 33);
    RS232LibraryRecord badType = RecordNamed("NEW", "HUB", "THREE", 3);
    badType.SetByte(message(0) + 34 + 1, 7);
    RS232LibraryRecord negative = RecordNamed("NEW", "HUB", "FOUR", 4);
    negative.SetInt16(message(31), -1);
    Open();
    for (const RS232LibraryRecord* damaged : {&tooLong, &badType, &negative}) {
        const auto file = folder / "damaged.BRS";
        WriteAll(file, Join({BytesOf(RecordNamed("NEW", "HUB", "ONE", 1)), BytesOf(*damaged),
                             BytesOf(RecordNamed("NEW", "HUB", "FIVE", 5))}));
        prompts.ExpectOpenFile(Text(file));
        prompts.ExpectMessage("RS232 library file damaged!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
        Press("IMPORT");
        EXPECT_EQ(Shape(), "ACME(PROJECTOR(PJ-1 PJ-2) SWITCHER(SW-1)) BETA(PROJECTOR(B-1)) NEW(HUB(ONE))");
    }
    EXPECT_EQ(Entries(), 5);
}

// The RS232 database holds any number of libraries: one past the 16-bit
// indexes exports itself, and the command loader lists and gives its commands.
TEST_F(RS232SelectorTest, ALibraryPastTheSixteenBitIndexesExportsItselfAndLoadsItsCommands)
{
    constexpr int PastSixteenBits = 32768;
    FillRS232Database(state.RS232Libraries, PastSixteenBits);
    AddToDatabase("ZETA", "PROJECTOR", "Z-1", 4);
    Open();
    Click({"ZETA", "PROJECTOR", "Z-1"});
    const auto target = folder / "zeta.BRS";
    prompts.ExpectSaveFile(Text(target));
    prompts.ExpectMessage("RS232 library saved", "RS232 Saved.", PromptButtons::Ok, PromptIcon::None);
    Press("EXPORT");
    EXPECT_EQ(ReadAll(target), Records({PastSixteenBits}));
    Close();

    SerialClass work;
    work.Manufacturer("ZETA");
    work.MyType("PROJECTOR");
    work.Model("Z-1");
    state.Messages.WorkSerial = &work;
    RS232LibraryLoader loader(state);
    loader.show();
    auto* timer = Named<QTimer>(loader, "Timer1");
    ASSERT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }, 10000));
    auto* commands = Named<QTreeWidget>(loader, "commandTreeView");
    ASSERT_EQ(commands->topLevelItemCount(), 2);
    ASSERT_EQ(commands->topLevelItem(0)->text(0), "POWER ON");
    QTest::mouseClick(commands->viewport(), Qt::LeftButton, {},
                      commands->visualItemRect(commands->topLevelItem(0)).center());
    EXPECT_EQ(work.Command().substr(0, 8), "POWER ON");
    EXPECT_EQ(work.Baudrate(), 4);
    EXPECT_EQ(work.MyRS232StringClass().ContentBytes(1), 'A' + 4);
    EXPECT_EQ(work.ConfigIndex(), -1) << "a place the message's 16-bit index cannot hold";
}
