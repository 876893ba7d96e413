#include "IRBrowserFixture.h"
#include "infrared/IRSelector.h"
#include "model/LibraryReconciliation.h"
#include "support/BrowserTest.h"
#include "support/DatabaseSaveFailure.h"
#include "support/FullDatabases.h"
#include "support/UnusableImportFiles.h"

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

namespace {

// SONY TV A1 (2 commands), ACME DVD X (1), SONY DVD B2 (3), SONY TV A0 (1), in that database order.
class IRSelectorTest : public BrowserTest<IRBrowserTest, IRSelector> {
protected:
    IRSelectorTest()
    {
        for (const Library& library : Libraries) Add(library);
    }
    // The tree drawn as "text{children}".
    static QString Shape(QTreeWidgetItem& node)
    {
        LibraryTree::Unfold(node);
        QStringList children;
        for (int i = 0; i < node.childCount(); ++i) children << Shape(*node.child(i));
        return node.text(0) + (children.isEmpty() ? "" : "{" + children.join(",") + "}");
    }
    QString Shape()
    {
        QStringList tops;
        for (int i = 0; i < Tree().topLevelItemCount(); ++i) tops << Shape(*Tree().topLevelItem(i));
        return tops.join(" ");
    }
    void ExpectDeleteQuestion(const QString& names, PromptAnswer answer)
    {
        prompts.ExpectMessage("Are you sure you want to delete " + names + "?", "Are you sure?", PromptButtons::YesNo,
                              PromptIcon::None, answer);
    }
    void ExpectExport(const std::filesystem::path& target)
    {
        prompts.ExpectSaveFile(Text(target));
        prompts.ExpectMessage("IR library saved", "IR Saved.", PromptButtons::Ok, PromptIcon::None);
    }

    const std::vector<Library> Libraries{{"SONY", "TV", "A1", 2, 1},
                                         {"ACME", "DVD", "X", 1, 2},
                                         {"SONY", "DVD", "B2", 3, 3},
                                         {"SONY", "TV", "A0", 1, 4}};
};

// Records every imported library it is asked to settle, as the buffers hold it.
class RecordingReconciliation final : public LibraryReconciliation {
public:
    explicit RecordingReconciliation(QStringList& asked) : asked_(asked) {}
    void ReconcileIRLibrary(ApplicationState&) override { ADD_FAILURE() << "not an archive"; }
    void ReconcileRS232Library(ApplicationState&) override { ADD_FAILURE() << "not an archive"; }
    void ReconcileImportedRS232Library(ApplicationState&) override { ADD_FAILURE() << "not an RS232 import"; }
    void ReconcileImportedIRLibrary(ApplicationState& state) override
    {
        const IRLibraryHeaderRecord& header = state.IR.IRHeaderRecordBuffer;
        asked_ << QString::fromStdString(header.Manufacturer.full() + "/" + header.IRtype.full() + "/" +
                                         header.Model.full() + " " + std::to_string(header.InterPeriod0) + " " +
                                         std::to_string(state.IR.IRCommandRecordBuffers.size()));
    }

private:
    QStringList& asked_;
};

}  // namespace

TEST_F(IRSelectorTest, TheTreeAndToolbarFollowTheArrangementAndTheSelectedNode)
{
    Add({"  sony ", "TV", "Lower", 1, 5}).Comment("  the comment ");
    Fill(state.IR.IRClipboard, Libraries[0]);
    Open();
    EXPECT_EQ(form->windowTitle(), "Infrared Selector");
    QStringList keys;
    QStringList tips;
    for (QAction* action : Named<QToolBar>(*form, "Toolbar1")->actions()) {
        keys << action->objectName();
        tips << action->toolTip();
        EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();
    }
    EXPECT_EQ(keys,
              QStringList({"NEW", "COPY", "CUT", "PASTE", "DELETE", "EDIT", "EXPORT", "EXPORTALL", "IMPORT", "EXIT"}));
    EXPECT_EQ(tips,
              QStringList({"Create new library", "Copy current library", "Cut current library", "Paste copied library",
                           "Delete current IR library", "Edit current IR library", "Export current IR Library",
                           "Export complete IR Library", "Import IR library", "Exit"}));
    EXPECT_EQ(Named<QRadioButton>(*form, "SortBy_0")->text(), "Sort By Manufacturer");
    EXPECT_EQ(Named<QRadioButton>(*form, "SortBy_1")->text(), "Sort By Type");
    EXPECT_TRUE(Named<QRadioButton>(*form, "SortBy_0")->isChecked());

    // Names trimmed, case kept; groups in the order their first library comes.
    EXPECT_EQ(Shape(), "SONY{TV{A1,A0},DVD{B2}} ACME{DVD{X}} sony{TV{Lower}}");
    EXPECT_EQ(Node({"sony", "TV", "Lower"})->data(0, Qt::UserRole + 1).toString(), "the comment");
    EXPECT_TRUE(Node({"SONY", "TV", "A1"})->font(0).bold());
    EXPECT_FALSE(Node({"SONY", "TV"})->font(0).bold() || Node({"SONY", "TV"})->isExpanded());
    // The clipboard of an earlier visit is not offered.
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");

    struct Step {
        QStringList node;  // empty: a click on empty space
        QString keys;
    };
    for (const Step& step :
         {Step{{"SONY"}, "NEW EXPORT EXPORTALL IMPORT EXIT"}, Step{{"SONY", "DVD"}, "NEW EXPORT EXPORTALL IMPORT EXIT"},
          Step{{"SONY", "DVD", "B2"}, "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT"},
          Step{{}, "NEW EXPORTALL IMPORT EXIT"}}) {
        Click(step.node.isEmpty() ? nullptr : Node(step.node));
        EXPECT_EQ(EnabledKeys(), step.keys) << step.node.join("/").toStdString();
    }

    // By type the manufacturer is the model's parent; the old selection is gone.
    Click(Node({"SONY", "DVD", "B2"}));
    QTest::mouseClick(Named<QRadioButton>(*form, "SortBy_1"), Qt::LeftButton);
    EXPECT_EQ(Shape(), "TV{SONY{A1,A0},sony{Lower}} DVD{ACME{X},SONY{B2}}");
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");
    Click(Node({"DVD", "SONY", "B2"}));
    Press("COPY");
    EXPECT_EQ(state.IR.IRClipboard.InterPeriod0(), 3);
    EXPECT_TRUE(Named<QAction>(*form, "PASTE")->isEnabled());
    QTest::mouseClick(Named<QRadioButton>(*form, "SortBy_0"), Qt::LeftButton);
    EXPECT_EQ(Shape(), "SONY{TV{A1,A0},DVD{B2}} ACME{DVD{X}} sony{TV{Lower}}");

    // An empty database has nothing to export.
    Close();
    state.IR.ClearIRDatabase();
    Open();
    EXPECT_EQ(Tree().topLevelItemCount(), 0);
    EXPECT_EQ(EnabledKeys(), "NEW IMPORT EXIT");
}

// "A#B" / "C" and "A" / "B#C" once joined into one key, so a command on one
// group or model reached the other's library.
TEST_F(IRSelectorTest, NamesHoldingAHashStayTheirOwnNodes)
{
    state.IR.ClearIRDatabase();
    Add({"A#B", "C", "1", 1, 1});
    Add({"A", "B#C", "1", 1, 2});
    Open();
    Click(Node({"A", "B#C", "1"}));
    Press("COPY");
    EXPECT_EQ(state.IR.IRClipboard.InterPeriod0(), 2);
    Click(Node({"A", "B#C"}));
    const std::filesystem::path target = folder / "group.BRI";
    ExpectExport(target);
    Press("EXPORT");
    EXPECT_EQ(ReadAll(target), RecordsOf({"A", "B#C", "1", 1, 2}));
}

TEST_F(IRSelectorTest, CopyPastesUnderFreeNamesAndCutTakesNothing)
{
    Open();
    Click(Node({"SONY", "TV", "A0"}));
    Press("CUT");
    EXPECT_EQ(Entries(), 4);
    EXPECT_TRUE(state.IR.IRClipboard.ManufacturerField().isBlank());
    EXPECT_EQ(EnabledKeys(), "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT");

    // The names are taken: the dialog shows them and refuses them (and blank ones) until free ones come.
    Press("COPY");
    QStringList shown;
    prompts.ExpectMessage("IR Library SONY / TV / A0 already exists cannot paste to this name!", "Sorry cannot paste",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    WhenNewNameOpens({"sony", "a0", " TV "}, &shown);
    Press("PASTE");
    EXPECT_EQ(shown, QStringList({"New IR name", "SONY", "A0", "TV", "SONY", "A0", "TV"}));
    EXPECT_EQ(Entries(), 4);
    prompts.ExpectMessage("Cannot add IR library as no type has been defined!", "No Type!", PromptButtons::Ok,
                          PromptIcon::Exclamation);
    WhenNewNameOpens({"SONY", "A9", "   "});
    Press("PASTE");
    EXPECT_EQ(Entries(), 4);

    // Stored as a field holds it: upper case, cut to 16 characters before the lookup.
    Add({"PHILIPS", "TV", "ABCDEFGHIJKLMNOP", 1, 9});
    Click(Node({"SONY", "TV", "A0"}));
    prompts.ExpectMessage("IR Library PHILIPS / TV / ABCDEFGHIJKLMNOP already exists cannot paste to this name!",
                          "Sorry cannot paste", PromptButtons::Ok, PromptIcon::Exclamation);
    WhenNewNameOpens({"  philips", "abcdefghijklmnopQRS", "tv"});
    Press("PASTE");
    EXPECT_EQ(Entries(), 5);
    WhenNewNameOpens({"  philips ", "a0 second", "tv"});
    Press("PASTE");
    ASSERT_EQ(Entries(), 6);
    EXPECT_EQ(Names().last(), "PHILIPS/TV/A0 SECOND");
    EXPECT_EQ(Entry(5).Num_commands(), 1);
    EXPECT_EQ(Entry(5).InterPeriod0(), 4);
    EXPECT_EQ(Tree().currentItem(), Node({"PHILIPS", "TV", "A0 SECOND"}));
    EXPECT_EQ(EnabledKeys(), "NEW COPY CUT PASTE DELETE EDIT EXPORT EXPORTALL IMPORT EXIT");

    // Cancel adds nothing.
    WhenModalOpens([](QWidget* dialog) { Named<QPushButton>(*dialog, "Cancel")->click(); });
    Press("PASTE");
    EXPECT_EQ(Entries(), 6);

    // Copied and then deleted, it pastes straight back under its own names.
    Click(Node({"ACME", "DVD", "X"}));
    Press("COPY");
    ExpectDeleteQuestion("ACME / DVD / X", PromptAnswer::Yes);
    Press("DELETE");
    ASSERT_EQ(Entries(), 5);
    Press("PASTE");
    ASSERT_EQ(Entries(), 6);
    EXPECT_EQ(Names().last(), "ACME/DVD/X");
    EXPECT_EQ(Entry(5).InterPeriod0(), 2);
    EXPECT_EQ(Tree().currentItem(), Node({"ACME", "DVD", "X"}));
}

TEST_F(IRSelectorTest, DeleteAsksForEachLibraryOfTheNamesAndSelectsThePreviousModel)
{
    Add({"SONY ", "TV", " A0", 2, 7});  // the same names once trimmed
    Open();
    Click(Node({"SONY", "TV", "A0"}));
    ExpectDeleteQuestion("SONY / TV / A0", PromptAnswer::No);
    ExpectDeleteQuestion("SONY / TV / A0", PromptAnswer::No);
    Press("DELETE");
    EXPECT_EQ(Entries(), 5);

    // No to the first goes on to the second.
    ExpectDeleteQuestion("SONY / TV / A0", PromptAnswer::No);
    ExpectDeleteQuestion("SONY / TV / A0", PromptAnswer::Yes);
    Press("DELETE");
    ASSERT_EQ(Entries(), 4);
    EXPECT_EQ(Entry(3).InterPeriod0(), 4);
    EXPECT_EQ(Node({"SONY", "TV"})->childCount(), 2);
    // The previous model of the type becomes selected.
    EXPECT_EQ(Tree().currentItem(), Node({"SONY", "TV", "A1"}));

    Click(Node({"SONY", "TV", "A0"}));
    ExpectDeleteQuestion("SONY / TV / A0", PromptAnswer::Yes);
    Press("DELETE");
    EXPECT_EQ(Names(), QStringList({"SONY/TV/A1", "ACME/DVD/X", "SONY/DVD/B2"}));
    EXPECT_EQ(Tree().currentItem(), Node({"SONY", "TV", "A1"}));
    EXPECT_EQ(EnabledKeys(), "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT");

    // The first model of its type has none before it.
    ExpectDeleteQuestion("SONY / TV / A1", PromptAnswer::Yes);
    Press("DELETE");
    EXPECT_EQ(Names(), QStringList({"ACME/DVD/X", "SONY/DVD/B2"}));
    // The type left without models goes too.
    EXPECT_EQ(Node({"SONY", "TV"}), nullptr);

    for (const QStringList& node : {QStringList{"ACME", "DVD", "X"}, QStringList{"SONY", "DVD", "B2"}}) {
        Click(Node(node));
        ExpectDeleteQuestion(node.join(" / "), PromptAnswer::Yes);
        Press("DELETE");
    }
    EXPECT_FALSE(state.IR.IRDatabaseAllocated());
    EXPECT_EQ(EnabledKeys(), "NEW IMPORT EXIT");
}

TEST_F(IRSelectorTest, ClosingSavesTheDatabaseAndAFailureIsTold)
{
    const auto def = folder / "InfraRed.DEF";
    struct Case {
        const char* how;
        bool blocked;
    };
    for (const Case& c : {Case{"EXIT", false}, Case{"close box", false}, Case{"close box", true}}) {
        std::filesystem::remove(def);
        Open();
        if (c.blocked) {
            std::filesystem::create_directories(folder / "InfraRed.TMP" / "blocker");
            prompts.ExpectMessage(DatabaseSaveFailure("IR", def, ENOTEMPTY), "Save Fail!", PromptButtons::Ok,
                                  PromptIcon::Exclamation);
        }
        if (std::string(c.how) == "EXIT") {
            Press("EXIT");
            EXPECT_FALSE(form->isVisible());
            form.reset();
        } else {
            Close();
        }
        if (c.blocked) {
            EXPECT_FALSE(std::filesystem::exists(def));
            continue;
        }
        EXPECT_EQ(ReadAll(def), Join({RecordsOf(Libraries[0]), RecordsOf(Libraries[1]), RecordsOf(Libraries[2]),
                                      RecordsOf(Libraries[3])}))
            << c.how;
    }
    EXPECT_EQ(Entries(), 4);
}

TEST_F(IRSelectorTest, ExportWritesTheNodesLibrariesInTreeOrderThroughATemporaryFile)
{
    Add({"SONY", "TV", "EMPTY", 0, 8});
    const auto target = folder / "out.BRI";
    WriteAll(target, Bytes(3000, 0xAA));
    Open();

    struct Case {
        bool byType;
        QStringList node;
        std::vector<int> libraries;  // of Libraries, in the file's order
    };
    for (const Case& c :
         {Case{false, {"SONY"}, {0, 3, 2}}, Case{false, {"SONY", "TV"}, {0, 3}}, Case{false, {"ACME", "DVD", "X"}, {1}},
          Case{true, {"DVD"}, {1, 2}}, Case{true, {"TV", "SONY", "A0"}, {3}}}) {
        QTest::mouseClick(Named<QRadioButton>(*form, c.byType ? "SortBy_1" : "SortBy_0"), Qt::LeftButton);
        Click(Node(c.node));
        ExpectExport(target);
        Press("EXPORT");
        std::vector<Bytes> expected;
        for (const int i : c.libraries) expected.push_back(RecordsOf(Libraries[static_cast<std::size_t>(i)]));
        EXPECT_EQ(ReadAll(target), Join(expected)) << c.node.join("/").toStdString();
    }
    const FileDialogRequest& request = prompts.FileDialogs().back();
    EXPECT_EQ(request.filter, "Brenlo Infra-red Definitions file (*.BRI)|*.BRI");
    EXPECT_TRUE(request.promptOverwrite);
    EXPECT_TRUE(request.initialFileName.isEmpty());

    // Everything, in database order; the library without commands is left out.
    ExpectExport(target);
    Press("EXPORTALL");
    const Bytes all =
        Join({RecordsOf(Libraries[0]), RecordsOf(Libraries[1]), RecordsOf(Libraries[2]), RecordsOf(Libraries[3])});
    EXPECT_EQ(ReadAll(target), all);

    // Cancelled, nothing is written; failed, the old file stays and the failure is told.
    prompts.ExpectSaveFile(std::nullopt);
    Press("EXPORTALL");
    std::filesystem::create_directories(folder / "out.BRI.TMP" / "blocker");
    prompts.ExpectSaveFile(Text(target));
    prompts.ExpectMessage("Failed to save IR library", "IR Saved.", PromptButtons::Ok, PromptIcon::None);
    Press("EXPORTALL");
    EXPECT_EQ(ReadAll(target), all);
    EXPECT_TRUE(std::filesystem::exists(folder / "out.BRI.TMP" / "blocker"));
}

// Where no library chosen has a command, a file would hold nothing to
// import: the user is told before any file is asked for, and the file of
// that name stays as it was.
TEST_F(IRSelectorTest, AnExportOfLibrariesWithoutCommandsIsToldAndWritesNoFile)
{
    const auto target = folder / "out.BRI";
    const Bytes before(3000, 0xAA);
    WriteAll(target, before);
    const auto toldNothing = [this] {
        prompts.ExpectMessage("Nothing to export: no IR library chosen holds a command!", "Sorry!", PromptButtons::Ok,
                              PromptIcon::Exclamation);
    };
    Add({"SONY", "VCR", "EMPTY1", 0, 8});
    Add({"SONY", "VCR", "EMPTY2", 0, 9});
    Open();
    for (const QStringList& node : {QStringList{"SONY", "VCR", "EMPTY2"}, QStringList{"SONY", "VCR"}}) {
        Click(Node(node));
        toldNothing();
        Press("EXPORT");
        EXPECT_TRUE(prompts.AllAnswered()) << node.join("/").toStdString();
    }
    Close();
    state.IR.ClearIRDatabase();
    Add({"SONY", "VCR", "EMPTY1", 0, 8});
    Open();
    toldNothing();
    Press("EXPORTALL");

    EXPECT_TRUE(prompts.FileDialogs().empty());
    EXPECT_EQ(ReadAll(target), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.BRI.TMP"));
}

TEST_F(IRSelectorTest, ImportAddsNewLibrariesSkipsIdenticalOnesAndHandsDifferingOnesOn)
{
    QStringList asked;
    state.Installed.Install<LibraryReconciliation>(std::make_unique<RecordingReconciliation>(asked));
    Library controlInType{"NEW\x01", "T\x1FV", "\x02M1", 1, 20};
    Bytes blankHeader = RecordsOf({" \x05 ", "TV", "SKIPPED", 2, 21});
    const Bytes file = Join({
        RecordsOf(Libraries[0]),                           // identical: nothing
        RecordsOf({"sony", "dvd", "b2", 3, 30}),           // differs: handed on, names upper-cased
        RecordsOf({"ZERO", "TV", "COUNT", 0, 24}),         // no commands: skipped
        blankHeader,                                       // a blank name: skipped with its commands
        RecordsOf(controlInType),                          // control characters dropped
        RecordsOf({"LAST", "TV", "CUT SHORT", 3, 22}, 4),  // the file ends inside it: nothing taken
    });
    const auto path = folder / "in.BRI";
    WriteAll(path, file);
    Open();
    const auto damaged = [this] {
        prompts.ExpectMessage("IR library file damaged!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
    };
    prompts.ExpectOpenFile(Text(path));
    damaged();
    Press("IMPORT");
    EXPECT_EQ(prompts.FileDialogs().back().filter, "Brenlo Infra-red Definitions file (*.BRI)|*.BRI");
    // Names as the lookup leaves them: trimmed, upper case, in 16-character fields.
    EXPECT_EQ(asked, QStringList({QString("SONY").leftJustified(16) + "/" + QString("DVD").leftJustified(16) + "/" +
                                  QString("B2").leftJustified(16) + " 30 3"}));
    ASSERT_EQ(Names(), QStringList({"SONY/TV/A1", "ACME/DVD/X", "SONY/DVD/B2", "SONY/TV/A0", "NEW/TV/M1"}));
    EXPECT_EQ(Entry(2).InterPeriod0(), 3);
    IRclass expected;
    Fill(expected, {"NEW", "TV", "M1", 1, 20});
    EXPECT_EQ(Entry(4).Num_commands(), 1);
    EXPECT_EQ(Entry(4).CommandAt(0)->Part(IRPart::Start), expected.CommandAt(0)->Part(IRPart::Start));
    EXPECT_EQ(Entry(4).CommentField(), expected.CommentField());
    EXPECT_NE(Node({"NEW", "TV", "M1"}), nullptr);

    // Without a reconciliation the database keeps its library; cancelled, nothing is read.
    state.Installed.Install<LibraryReconciliation>(nullptr);
    prompts.ExpectOpenFile(Text(path));
    damaged();
    form->ImportIRLibrary();
    prompts.ExpectOpenFile(std::nullopt);
    Press("IMPORT");

    EXPECT_EQ(Entries(), 5);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(Entry(2).InterPeriod0(), 3);
}

TEST_F(IRSelectorTest, AnImportFileWithoutAWholeRecordIsToldAndChangesNothing)
{
    Open();
    ImportEachUnusableFile(prompts, folder / "in.BRI", IRRecordLayout::RecordLength, [this] {
        Press("IMPORT");
        EXPECT_EQ(Entries(), 4);
    });
}

// A mode other than 0 or 1 is none the editor writes: such a library is
// damaged and nothing of it is taken, while what came before it stays.
TEST_F(IRSelectorTest, ALibraryWithACommandOfAnUnknownModeIsDamagedAndNothingOfItIsTaken)
{
    Bytes secondModeTwo = RecordsOf({"MODE", "TV", "TWO", 3, 50});
    secondModeTwo[3 * IRRecordLayout::RecordLength - 1] = 2;
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"a file of 0xFF bytes", Bytes(256 * IRRecordLayout::RecordLength, 0xFF)},
        {"a second command of mode 2", secondModeTwo},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto path = folder / "in.BRI";
        WriteAll(path,
                 Join({RecordsOf({"FIRST", "TV", "F1", 2, 40}), c.file, RecordsOf({"AFTER", "TV", "A1", 1, 41})}));
        prompts.ExpectOpenFile(Text(path));
        prompts.ExpectMessage("IR library file damaged!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
        Press("IMPORT");
        EXPECT_EQ(Names(), QStringList({"SONY/TV/A1", "ACME/DVD/X", "SONY/DVD/B2", "SONY/TV/A0", "FIRST/TV/F1"}));
    }
}

TEST_F(IRSelectorTest, AnImportThatFillsTheDatabaseIsToldAndKeepsWhatCameBefore)
{
    // One library short of full: the file's first new library fits, its second does not.
    FillIRDatabase(state.IR, IRClassGlobals::MaximumLibraries - 1);
    const auto path = folder / "in.BRI";
    WriteAll(path, Join({RecordsOf({"FIRST", "TV", "F1", 1, 40}), RecordsOf({"SECOND", "TV", "S1", 1, 41})}));
    Open();
    prompts.ExpectOpenFile(Text(path));
    prompts.ExpectMessage("The IR data base is full!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
    Press("IMPORT");
    ASSERT_EQ(Entries(), IRClassGlobals::MaximumLibraries);
    EXPECT_EQ(Names().back(), "FIRST/TV/F1");
    EXPECT_NE(Node({"FIRST", "TV", "F1"}), nullptr);
}

// A paste or the editor's Done under free names, or a paste under names in
// use, would each add a library: a full database says so at once and keeps
// the clipboard, and the editor stays open with the user's edits.
TEST_F(IRSelectorTest, AFullDatabaseTakesNoPastedOrEditedLibraryAndSaysSo)
{
    FillIRDatabase(state.IR, IRClassGlobals::MaximumLibraries);
    Open();
    QStringList seen;  // what became of each dialog that opened
    const auto cancel = [&seen](QWidget* dialog) {
        seen << dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    };
    const auto renameAndSave = [&seen](QWidget* editor) {
        Named<QLineEdit>(*editor, "Model")->setText("A7");
        Named<QPushButton>(*editor, "Done")->click();
        seen << (editor->isVisible() ? "open on " : "closed on ") + Named<QLineEdit>(*editor, "Model")->text();
        Named<QPushButton>(*editor, "MainCancel")->click();
    };
    const struct {
        const char* what;
        Library clipboard;
        const char* key;
        std::function<void(QWidget*)> onDialog;
        QStringList seen;
    } cases[] = {
        {"a paste under free names", {"FREE", "TV", "P1", 1, 8}, "PASTE", cancel, {}},
        {"a paste under names in use", Libraries[0], "PASTE", cancel, {}},
        {"the editor's Done under new names", {}, "EDIT", renameAndSave, {"open on A7"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        seen.clear();
        Fill(state.IR.IRClipboard, c.clipboard);
        Click(Node({"SONY", "TV", "A1"}));
        const ModalWatch watch(c.onDialog);
        prompts.ExpectMessage("The IR data base is full!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
        Press(c.key);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(Entries(), IRClassGlobals::MaximumLibraries);
        EXPECT_EQ(Node({"FREE", "TV", "P1"}), nullptr);
        EXPECT_EQ(Node({"SONY", "TV", "A7"}), nullptr);
        EXPECT_EQ(state.IR.IRClipboard.ModelField().trimmed(), c.clipboard.model) << "the clipboard keeps its names";
        EXPECT_EQ(Names().first(), "SONY/TV/A1");
    }
}

TEST_F(IRSelectorTest, ExportedLibrariesImportBackByteForByte)
{
    const auto target = folder / "all.BRI";
    Open();
    ExpectExport(target);
    Press("EXPORTALL");
    Close();
    const Bytes exported = ReadAll(target);

    state.IR.ClearIRDatabase();
    Open();
    prompts.ExpectOpenFile(Text(target));
    Press("IMPORT");
    EXPECT_EQ(Names(), QStringList({"SONY/TV/A1", "ACME/DVD/X", "SONY/DVD/B2", "SONY/TV/A0"}));
    ExpectExport(target);
    Press("EXPORTALL");
    EXPECT_EQ(ReadAll(target), exported);
}

TEST_F(IRSelectorTest, NewAndEditOpenTheEditorOnTheRightLibraryAndTheTreeFollowsIt)
{
    Open();
    struct Seen {
        QString title;
        QString model;
        QString manufacturer;
    };
    const auto whenEditorOpens = [](Seen& seen, const QString& newModel) {
        WhenModalOpens([&seen, newModel](QWidget* editor) {
            seen = {editor->windowTitle(), Named<QLineEdit>(*editor, "Model")->text(),
                    Named<QComboBox>(*editor, "Manufacturer")->currentText()};
            if (newModel.isEmpty()) {
                editor->close();
                return;
            }
            Named<QLineEdit>(*editor, "Model")->setText(newModel);
            Named<QPushButton>(*editor, "Done")->click();
        });
    };

    Seen seen;
    whenEditorOpens(seen, {});
    Press("NEW");
    EXPECT_EQ(seen.model, "");
    EXPECT_EQ(seen.manufacturer, "");
    EXPECT_EQ(Entries(), 4);
    EXPECT_EQ(EnabledKeys(), "NEW EXPORTALL IMPORT EXIT");

    whenEditorOpens(seen, {});
    Tree().itemDoubleClicked(Node({"ACME", "DVD", "X"}), 0);
    EXPECT_EQ(seen.model.trimmed(), "X");
    EXPECT_EQ(seen.manufacturer.trimmed(), "ACME");

    // Saved under new names, the library is added and its node selected.
    Click(Node({"SONY", "TV", "A1"}));
    whenEditorOpens(seen, "A7");
    Press("EDIT");
    EXPECT_EQ(seen.model.trimmed(), "A1");
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Names().last(), "SONY/TV/A7");
    EXPECT_EQ(Entry(4).InterPeriod0(), 1);
    EXPECT_EQ(Tree().currentItem(), Node({"SONY", "TV", "A7"}));
    EXPECT_EQ(EnabledKeys(), "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT");
    EXPECT_TRUE(std::filesystem::exists(folder / "InfraRed.DEF"));
}
