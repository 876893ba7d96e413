// The database browsers (projector, RS232, IR) with 1,000, 10,000 and
// 30,000 entries, read from files saved in another computer's order. Timed
// pair by pair beside their baselines: each browser's fill beside the plain
// tree of the nodes it shows, its top nodes (the fastest plain way, the same
// for every benchmark), its opening beside that plain tree opened as a
// window of the browser's size, the projector browser's opening beside the
// IR browser's, and its close, which saves the database, beside a plain
// write and flush of the same bytes. Then the waits a user sits through: the first press on
// each browser key of the main window, which reads the database, fills the
// tree and paints it, each in an editor process just started; every later
// press; and the opening of a group, whose nodes a browser makes only then.
// Last, EXPORT of one maker of every RS232 library, whose walk runs the
// window loop at each model, timed whole with the file it writes and
// flushes, beside a plain write and flush of the same bytes.
#include "NewProcess.h"
#include "PairedBySize.h"
#include "PairedTiming.h"
#include "PlainTree.h"
#include "QuickRun.h"
#include "SavedDatabases.h"
#include "editor/TavloForm.h"
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

// The first window a process shows costs more than any later one.
void ShowAWindowOnce()
{
    QTreeWidget window;
    window.show();
    QApplication::processEvents();
}

const std::vector<int> Sizes = DatabaseSizes({1000, 10000, 30000});
constexpr double FillAim = 1.5;
// Asked at 10,000 definitions; held at every size.
constexpr double ProjectorToIRAim = 2;
constexpr double CloseAim = 1.5;
constexpr double FirstPressAim = 100;
constexpr double LaterPressAim = 50;
// The export's walk looks its libraries up in one pass and moves its
// highlight at the screen's pace: the whole export, its file written and
// flushed, takes about twice a plain write and flush of its bytes (on a
// disk that flushes some 1.2 GB/s), and an export twice as slow about four
// times, on a quiet machine or a busy one alike, as the waits for a
// processor are left out. The walk is work and the write mostly waits, so a
// much faster disk raises the ratio.
constexpr double MakerExportAim = 3.0;
const int PairCount = Repetitions(15);
const int PressCount = Repetitions(9);
const QSize BrowserSize(640, 480);

// What each browser is: its class, its key on the main window, its file,
// the levels of its tree and the texts of the plain one.
struct Kind {
    const char* key;
    const char* file;
    int levels;
    const TreeTexts& (SavedDatabases::*texts)() const;
};
const Kind Projectors{"EDITPROJECTOR", "Projectors.DEF", 2, &SavedDatabases::ProjectorTexts};
const Kind RS232Libraries{"EDITRS232", "RS232Serials.DEF", 3, &SavedDatabases::RS232Texts};
const Kind IRLibraries{"EDITIR", "InfraRed.DEF", 3, &SavedDatabases::IRTexts};

// The browser's fill beside the plain tree's, each into a tree of its own.
// A browser makes the nodes below a top node only when it is opened, so
// the plain tree has the top nodes alone.
template <class Browser>
void Fill(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, const Kind& kind)
{
    const auto application = saved.FreshState();
    Browser browser(*application);
    LibraryBrowser& filled = browser;
    QTreeWidget plain;
    const TreeTexts& texts = (saved.*kind.texts)();
    TimePairs(
        state, pairs, [&] { return Time([&] { filled.FillTree(); }); },
        [&] { return Time([&] { FillPlainTopNodes(plain, texts, kind.levels); }); });
    if (browser.template findChild<QTreeWidget*>("treeview1")->topLevelItemCount() != plain.topLevelItemCount())
        state.SkipWithError("the trees differ");
}

// Opens what `open` builds and paints it once; closing and destroying it
// are not timed.
template <class Window, class Open>
Sample TimeOpening(Open open)
{
    std::optional<Window> window;
    const Sample opening = Time([&] {
        open(window);
        window->show();
        QApplication::processEvents();
    });
    window->hide();
    window.reset();
    QApplication::processEvents();
    return opening;
}

template <class Browser>
Sample OpenBrowser(ApplicationState& application)
{
    return TimeOpening<Browser>([&](std::optional<Browser>& browser) { browser.emplace(application); });
}

Sample OpenPlain(const TreeTexts& texts, int levels)
{
    return TimeOpening<QTreeWidget>([&](std::optional<QTreeWidget>& tree) {
        tree.emplace();
        tree->setHeaderHidden(true);
        tree->resize(BrowserSize);
        FillPlainTopNodes(*tree, texts, levels);
    });
}

template <class Browser>
void Open(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, const Kind& kind)
{
    const auto application = saved.FreshState();
    OpenBrowser<Browser>(*application);  // the database is read, not timed
    const TreeTexts& texts = (saved.*kind.texts)();
    TimePairs(
        state, pairs, [&] { return OpenBrowser<Browser>(*application); },
        [&] { return OpenPlain(texts, kind.levels); });
}

void ProjectorBesideIR(benchmark::State& state, Pairs& pairs, SavedDatabases& saved)
{
    const auto application = saved.FreshState();
    OpenBrowser<ProjectorSelector>(*application);
    OpenBrowser<IRSelector>(*application);
    TimePairs(
        state, pairs, [&] { return OpenBrowser<ProjectorSelector>(*application); },
        [&] { return OpenBrowser<IRSelector>(*application); });
}

// The main window on a program folder of its own, as at start-up: no
// database read yet.
struct MainWindow {
    SavedDatabasesCopy folder;
    ApplicationState state;
    TavloForm window;
    explicit MainWindow(SavedDatabases& saved) : MainWindow(saved.Folder(), saved.Prompts()) {}
    MainWindow(const std::filesystem::path& saved, UserPrompts& prompts)
        : folder(saved), state(folder.Folder(), prompts), window(state, folder.Folder() / "registry")
    {
        window.show();
        QApplication::processEvents();
    }
};

// A press on a browser key timed to the first paint of the browser's tree,
// and the close that follows, which saves the database.
struct KeyPress {
    Sample opening;
    Sample closing;
};

// Watches for the first paint of a browser's tree; once it is done, the
// opening is timed and the browser closed.
class FirstPaintWatch : public QObject {
public:
    KeyPress Press(QAction& key)
    {
        done_ = false;
        start_.wall = Seconds();
        start_.cpu = ThreadCpuSeconds();
        qApp->installEventFilter(this);
        key.trigger();
        qApp->removeEventFilter(this);
        if (!done_) throw std::runtime_error("the browser never painted its tree");
        return press_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || done_) return false;
        auto* browser = qobject_cast<LibraryBrowser*>(static_cast<QWidget*>(watched)->window());
        if (browser == nullptr || watched->parent() == nullptr || watched->parent()->objectName() != "treeview1")
            return false;
        done_ = true;
        // Runs once the paint is over.
        QTimer::singleShot(0, this, [this, browser] {
            press_.opening = {Seconds() - start_.wall, ThreadCpuSeconds() - start_.cpu};
            press_.closing = Time([browser] { browser->accept(); });
        });
        return false;
    }

private:
    static double Seconds()
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }

    bool done_ = false;
    Sample start_;
    KeyPress press_;
};

KeyPress PressKey(MainWindow& main, const Kind& kind)
{
    auto* key = main.window.findChild<QAction*>(kind.key);
    if (key == nullptr) throw std::runtime_error(std::string("no key ") + kind.key);
    FirstPaintWatch watch;
    // The database stays read: a later press finds it in memory, as the
    // editor's user does, and its close saves over the file it wrote.
    return watch.Press(*key);
}

// Each first press in a process of its own, started as the user starts the
// editor: the read takes new pages, and nothing an earlier round left in
// this process's memory makes it kinder or slower.
void FirstPress(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, const Kind& kind)
{
    TimeWaits(state, pairs, [&] { return TimeInNewProcess({kind.key, saved.Folder().string()}); });
}

// What that process does: the main window on a copy of the saved folder,
// then the press on the key, whose wait it prints.
int FirstPressInThisProcess(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 4) return 1;
    const std::string key = argv[2];
    const Kind* kind = nullptr;
    for (const Kind* known : {&Projectors, &RS232Libraries, &IRLibraries})
        if (key == known->key) kind = known;
    if (kind == nullptr) return 1;
    ShowAWindowOnce();
    SilentPrompts prompts;
    MainWindow main(argv[3], prompts);
    PrintSample(PressKey(main, *kind).opening);
    return 0;
}

void LaterPress(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, const Kind& kind)
{
    MainWindow main(saved);
    PressKey(main, kind);
    TimeWaits(state, pairs, [&] { return PressKey(main, kind).opening; });
}

// A top group opened in a shown browser, to its nodes painted. Each round
// fills the tree afresh first, not timed, so the group makes its nodes again.
template <class Browser>
void GroupOpen(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, const Kind& /*kind*/)
{
    const auto application = saved.FreshState();
    Browser browser(*application);
    browser.show();
    QApplication::processEvents();
    auto* tree = browser.template findChild<QTreeWidget*>("treeview1");
    TimeWaits(state, pairs, [&] {
        browser.FillTree();
        QApplication::processEvents();
        QTreeWidgetItem* group = tree->topLevelItem(0);
        const Sample opening = Time([&] {
            tree->expandItem(group);
            QApplication::processEvents();
        });
        if (group->childCount() == 0) throw std::runtime_error("the group opened empty");
        return opening;
    });
}

// The close of a browser the user opened, beside writing and flushing the
// bytes of the file it saves.
void Close(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, const Kind& kind)
{
    MainWindow main(saved);
    PressKey(main, kind);
    const std::string bytes = ReadWhole(saved.Folder() / kind.file);
    const std::filesystem::path raw = main.folder.Folder() / "raw.bin";
    TimePairs(
        state, pairs, [&] { return PressKey(main, kind).closing; },
        [&] { return Time([&] { WriteWholeAndSync(raw, bytes); }); });
}

// The RS232 database made of one maker's libraries in seven types, as
// many as the saved database holds.
void OneMakerOfEveryLibrary(ApplicationState& application, int libraries)
{
    SerialClassGlobals& rs232 = application.RS232Libraries;
    rs232.ClearRS232Database();
    for (int i = 0; i < libraries; ++i) {
        rs232.AddRS232Library();
        RS232FileBlockClass& library = rs232.RS232Database()[rs232.RS232Database().LastIndex()];
        library.Manufacturer("MAKER");
        library.MyType("TYPE" + std::to_string(i % 7));
        library.Model("MODEL" + std::to_string(i));
    }
}

// Answers the export's file choice with `target` and counts the messages of
// a file written; any other message is a failed export.
class ExportPrompts final : public UserPrompts {
public:
    explicit ExportPrompts(std::filesystem::path target) : target_(std::move(target)) {}
    PromptAnswer Message(const QString& text, const QString&, PromptButtons, PromptIcon) override
    {
        if (text != "RS232 library saved") throw std::runtime_error("unexpected message: " + text.toStdString());
        ++written;
        return PromptAnswer::Ok;
    }
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override
    {
        return QString::fromStdString(target_.string());
    }
    int written = 0;

private:
    std::filesystem::path target_;
};

// The whole export as the user waits for it, its walk and the file it
// writes and flushes (over the one the last export wrote), beside a plain
// write and flush of the same bytes over an earlier copy: one export,
// untimed, writes the file first, so the baseline writes the very records
// the export writes. Both wait on the disk alike, so the ratio is what the
// walk and the export's way of writing add to the write itself.
void MakerExport(benchmark::State& state, Pairs& pairs, SavedDatabases& saved)
{
    const ScratchFolder files;
    const std::filesystem::path target = files.path() / "MAKER.BRS";
    ExportPrompts prompts(target);
    ApplicationState application(saved.Folder(), prompts);
    OneMakerOfEveryLibrary(application, saved.Entries());
    RS232Selector browser(application);
    browser.resize(BrowserSize);
    browser.show();
    QApplication::processEvents();
    auto* tree = browser.findChild<QTreeWidget*>("treeview1");
    auto* exportKey = browser.findChild<QAction*>("EXPORT");
    const auto exportMaker = [&] {
        tree->setCurrentItem(tree->topLevelItem(0));
        QApplication::processEvents();
        return TimeUnqueued([&] { exportKey->trigger(); });
    };
    exportMaker();
    const std::string records = ReadWhole(target);
    if (records.size() != RS232LibraryRecord::Length * static_cast<std::size_t>(saved.Entries()))
        state.SkipWithError("the export left libraries out");
    const std::filesystem::path raw = files.path() / "raw.bin";
    WriteWholeAndSync(raw, records);
    TimePairs(state, pairs, exportMaker, [&] { return TimeUnqueued([&] { WriteWholeAndSync(raw, records); }); });
    if (prompts.written != 1 + static_cast<int>(state.iterations()) || ReadWhole(target) != records)
        state.SkipWithError("an export wrote no file or another one");
}

}  // namespace

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (IsNewProcess(argc, argv)) return RunTimedProcess([&] { return FirstPressInThisProcess(argc, argv); });
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ShowAWindowOnce();
    PairedResults results;
    SavedDatabasesBySize saved;
    const auto add = [&](const std::string& name, int iterations, auto run) {
        RegisterPairedBySize(results, saved, Sizes, name, iterations, run);
    };
    const auto each = [&](const std::string& browser, const Kind& kind, auto fill, auto open, auto groupOpen) {
        add(browser + "BrowserFill", PairCount,
            [&kind, fill](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                fill(state, pairs, databases, kind);
            });
        add(browser + "BrowserOpen", PairCount,
            [&kind, open](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                open(state, pairs, databases, kind);
            });
        add(browser + "BrowserClose", PairCount,
            [&kind](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                Close(state, pairs, databases, kind);
            });
        add(browser + "BrowserFirstPress", PressCount,
            [&kind](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                FirstPress(state, pairs, databases, kind);
            });
        add(browser + "BrowserLaterPress", PressCount,
            [&kind](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                LaterPress(state, pairs, databases, kind);
            });
        add(browser + "BrowserGroupOpen", PressCount,
            [&kind, groupOpen](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                groupOpen(state, pairs, databases, kind);
            });
    };
    each("Projector", Projectors, Fill<ProjectorSelector>, Open<ProjectorSelector>, GroupOpen<ProjectorSelector>);
    each("RS232", RS232Libraries, Fill<RS232Selector>, Open<RS232Selector>, GroupOpen<RS232Selector>);
    each("IR", IRLibraries, Fill<IRSelector>, Open<IRSelector>, GroupOpen<IRSelector>);
    add("ProjectorBesideIRBrowserOpen", PairCount, ProjectorBesideIR);
    add("RS232BrowserMakerExport", PairCount, MakerExport);

    std::vector<PairedReporter::Ratio> ratios;
    std::vector<PairedReporter::Wait> waits;
    for (const std::string browser : {"Projector", "RS232", "IR"}) {
        ratios.push_back({browser + " browser fill", browser + "BrowserFill", Clock::Processor, FillAim});
        ratios.push_back({browser + " browser open", browser + "BrowserOpen", Clock::Processor});
        ratios.push_back({browser + " browser close / write+flush", browser + "BrowserClose", Clock::Real, CloseAim});
        waits.push_back({browser + " browser key, first press", browser + "BrowserFirstPress", FirstPressAim});
        waits.push_back({browser + " browser key, later press", browser + "BrowserLaterPress", LaterPressAim});
        waits.push_back({browser + " browser, a group opened", browser + "BrowserGroupOpen", LaterPressAim});
    }
    ratios.push_back(
        {"Projector open / IR browser open", "ProjectorBesideIRBrowserOpen", Clock::Processor, ProjectorToIRAim});
    // On the clock as this machine runs now; the aim is held as on a machine
    // running nothing else, which other programs' work moves far less.
    ratios.push_back({"RS232 export of one maker / write+flush", "RS232BrowserMakerExport", Clock::Real});
    ratios.push_back(
        {"RS232 export of one maker / write+flush", "RS232BrowserMakerExport", Clock::Unqueued, MakerExportAim});
    PairedReporter reporter(results, Sizes, "baseline (plain tree of the same visible nodes; plain write and flush)",
                            std::move(ratios), std::move(waits));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
