// Fills the IR device picker's tree and the library browsers' tree with
// 5,000 libraries and the projector picker's with 2,000 definitions, each
// beside filling a plain QTreeWidget with the same items straight from
// prepared texts.
#include "DatabaseBenchmarkSupport.h"
#include "controls/LibraryTree.h"
#include "editor/DeviceTreeFill.h"
#include "model/IRClassGlobals.h"
#include "model/ProjectorClassGlobals.h"

#include <QApplication>
#include <QTreeWidget>
#include <array>
#include <string>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

constexpr int Libraries = 5000;
constexpr int Definitions = 2000;

// Names of one entry on the three levels, as the plain baseline gets them.
using Texts = std::vector<std::array<QString, 3>>;

struct IRFixture {
    ScratchFolder folder;
    IRClassGlobals ir{folder.path()};
    Texts texts;
    IRFixture()
    {
        for (int l = 0; l < Libraries; ++l) {
            IRclass& library = ir.AddIRLibrary();
            library.Manufacturer("MAKER" + std::to_string(l % 97));
            library.IRtype("TYPE" + std::to_string(l % 7));
            library.Model("MODEL" + std::to_string(l));
            library.Comment("a library of the benchmark");
            texts.push_back({QString::fromLatin1(library.ManufacturerField().view()),
                             QString::fromLatin1(library.IRtypeField().view()),
                             QString::fromLatin1(library.ModelField().view())});
        }
    }
};

struct ProjectorFixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    ProjectorClassGlobals projectors{folder.path(), prompts};
    Texts texts;
    ProjectorFixture()
    {
        for (int d = 0; d < Definitions; ++d) {
            projectors.AddProjectorDefinition();
            ProjectorClass& definition = projectors.ProjectorDatabase[d];
            definition.Manufacturer("MAKER" + std::to_string(d / 20));
            definition.Model("MODEL" + std::to_string(d));
            definition.Notes("a definition of the benchmark");
            texts.push_back({QString::fromLatin1(definition.ManufacturerField().view()),
                             QString::fromLatin1(definition.ModelField().view()), QString()});
        }
    }
};

// The plain tree: groups looked up by their text, the items added one by one.
void FillPlain(QTreeWidget& tree, const Texts& texts, int levels)
{
    tree.clear();
    QHash<QString, QTreeWidgetItem*> groups;
    for (const auto& entry : texts) {
        QTreeWidgetItem* root = groups.value(entry[0]);
        if (root == nullptr) groups.insert(entry[0], root = new QTreeWidgetItem(&tree, {entry[0]}));
        QTreeWidgetItem* parent = root;
        if (levels == 3) {
            const QString key = entry[0] + '#' + entry[1];
            parent = groups.value(key);
            if (parent == nullptr) groups.insert(key, parent = new QTreeWidgetItem(root, {entry[1]}));
        }
        new QTreeWidgetItem(parent, {entry[levels - 1]});
    }
}

void BM_IRPickerFill(benchmark::State& state)
{
    IRFixture fixture;
    QTreeWidget tree;
    for (auto _ : state) FillIRDeviceTree(tree, fixture.ir, IRGrouping::ByManufacturer);
    if (tree.topLevelItemCount() != 97) state.SkipWithError("the tree is not whole");
}

void BM_IRPlainFill(benchmark::State& state)
{
    IRFixture fixture;
    QTreeWidget tree;
    for (auto _ : state) FillPlain(tree, fixture.texts, 3);
}

void BM_BrowserTreeFill(benchmark::State& state)
{
    IRFixture fixture;
    std::vector<LibraryTree::Entry> entries;
    for (const auto& texts : fixture.texts)
        entries.push_back(
            {{texts[0].trimmed().toStdString(), texts[1].trimmed().toStdString(), texts[2].trimmed().toStdString()},
             QStringLiteral("a library of the benchmark")});
    QTreeWidget tree;
    for (auto _ : state) LibraryTree::Build(tree, LibraryTree::Arrangement::ByManufacturer, entries);
    if (tree.topLevelItemCount() != 97) state.SkipWithError("the tree is not whole");
}

void BM_ProjectorPickerFill(benchmark::State& state)
{
    ProjectorFixture fixture;
    QTreeWidget tree;
    for (auto _ : state) FillProjectorTree(tree, fixture.projectors);
    if (tree.topLevelItemCount() != Definitions / 20) state.SkipWithError("the tree is not whole");
}

void BM_ProjectorPlainFill(benchmark::State& state)
{
    ProjectorFixture fixture;
    QTreeWidget tree;
    for (auto _ : state) FillPlain(tree, fixture.texts, 2);
}

}  // namespace

BENCHMARK(BM_IRPickerFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IRPlainFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserTreeFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectorPickerFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectorPlainFill)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return Run(argc, argv,
               {{"BM_IRPickerFill", "BM_IRPlainFill"},
                {"BM_BrowserTreeFill", "BM_IRPlainFill"},
                {"BM_ProjectorPickerFill", "BM_ProjectorPlainFill"}},
               1.5);
}
