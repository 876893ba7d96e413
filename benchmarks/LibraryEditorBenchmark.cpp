// The opening of the three library editors (projector definition, RS232
// library, IR library), as NEW in a browser opens them, over databases of
// 1,000, 10,000 and 30,000 entries read from files saved in another
// computer's order. Each opening, to its first paint, is timed pair by pair
// beside the same editor's opening over 1,000 entries: an editor lists every
// manufacturer (and type) of its database, and that list must grow with the
// database, not with the database times its makers. Then the openings as
// waits a user sits through.
#include "PairedBySize.h"
#include "PairedTiming.h"
#include "QuickRun.h"
#include "SavedDatabases.h"
#include "infrared/EditIR.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSetupForm.h"
#include "rs232/SerialLibraryEdit.h"

#include <QApplication>
#include <QTreeWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

const std::vector<int> Sizes = DatabaseSizes({1000, 10000, 30000});
const int BaselineSize = DatabaseSize(1000);
// Linear in the entries would be 30 times at 30,000; the rest of the
// opening is the same at every size.
constexpr double OpeningAim = 4;
const int PairCount = Repetitions(15);

// The first window a process shows costs more than any later one.
void ShowAWindowOnce()
{
    QTreeWidget window;
    window.show();
    QApplication::processEvents();
}

// The editor, opened on the state's empty work object as NEW leaves it, shown
// and painted once; its closing is not timed.
template <class Editor>
Sample OpenEditor(ApplicationState& application)
{
    std::optional<Editor> editor;
    const Sample opening = Time([&] {
        editor.emplace(application);
        editor->show();
        QApplication::processEvents();
    });
    editor->hide();
    editor.reset();
    QApplication::processEvents();
    return opening;
}

// The opening over this size's databases beside the opening over the
// baseline size's.
template <class Editor>
void Open(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, SavedDatabases& baselineSaved)
{
    const auto application = saved.FreshState();
    const auto baseline = baselineSaved.FreshState();
    // The databases are read at the first opening, not timed.
    OpenEditor<Editor>(*application);
    OpenEditor<Editor>(*baseline);
    TimePairs(
        state, pairs, [&] { return OpenEditor<Editor>(*application); }, [&] { return OpenEditor<Editor>(*baseline); });
}

}  // namespace

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ShowAWindowOnce();
    PairedResults results;
    SavedDatabasesBySize saved;
    const auto add = [&](const std::string& name, auto open) {
        RegisterPairedBySize(results, saved, Sizes, name, PairCount,
                             [&saved, open](benchmark::State& state, Pairs& pairs, SavedDatabases& databases) {
                                 open(state, pairs, databases, saved.Of(BaselineSize));
                             });
    };
    add("ProjectorEditorOpen", Open<ProjectorSetupForm>);
    add("RS232EditorOpen", Open<SerialLibraryEdit>);
    add("IREditorOpen", Open<EditIR>);

    std::vector<PairedReporter::Ratio> ratios;
    std::vector<PairedReporter::Wait> waits;
    for (const std::string editor : {"Projector", "RS232", "IR"}) {
        ratios.push_back({editor + " editor open", editor + "EditorOpen", Clock::Processor, OpeningAim});
        waits.push_back({editor + " editor open", editor + "EditorOpen"});
    }
    PairedReporter reporter(results, Sizes, "the same editor opened over " + std::to_string(BaselineSize) + " entries",
                            std::move(ratios), std::move(waits));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
