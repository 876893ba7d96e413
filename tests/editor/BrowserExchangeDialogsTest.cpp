// The export and import dialogs of the three database browsers, and their
// EXPORTALL key, which has nothing to export from an empty database.
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct BrowserCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(ApplicationState&)> open;
    std::function<void(ApplicationState&)> addEntry;
    std::function<void(ApplicationState&)> clearDatabase;
    const char* exportTitle;
    const char* importTitle;
    const char* savedText;
    const char* savedTitle;
};

template <class Browser>
std::unique_ptr<QDialog> Open(ApplicationState& state)
{
    auto browser = std::make_unique<Browser>(state);
    browser->show();
    return browser;
}

const BrowserCase Browsers[] = {
    {"projectors", Open<ProjectorSelector>,
     [](ApplicationState& state) {
         state.Projectors.AddProjectorDefinition();
         ProjectorClass& projector =
             state.Projectors.ProjectorDatabase()[state.Projectors.ProjectorDatabase().LastIndex()];
         projector.Manufacturer("ACME");
         projector.Model("P1");
     },
     [](ApplicationState& state) { state.Projectors.ClearProjectorDatabase(); }, "Export projector definitions",
     "Import projector definitions", "Projector definition saved", "File Saved."},
    {"RS232", Open<RS232Selector>,
     [](ApplicationState& state) {
         state.RS232Libraries.AddRS232Library();
         RS232FileBlockClass& library =
             state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
         library.Manufacturer("ACME");
         library.MyType("PROJECTOR");
         library.Model("P1");
     },
     [](ApplicationState& state) { state.RS232Libraries.ClearRS232Database(); }, "Export RS232 libraries",
     "Import RS232 libraries", "RS232 library saved", "RS232 Saved."},
    {"IR", Open<IRSelector>,
     [](ApplicationState& state) {
         IRclass& library = state.IR.AddIRLibrary();
         library.Manufacturer("ACME");
         library.IRtype("TV");
         library.Model("T1");
         IRCommandClass& command = library.AddIRCommand();
         command.Name("POWER");
         command.Data(IRPart::Start, 0, 7);
     },
     [](ApplicationState& state) { state.IR.ClearIRDatabase(); }, "Export IR libraries", "Import IR libraries",
     "IR library saved", "IR Saved."},
};

class BrowserExchangeDialogsTest : public ProgramStateTest {};

}  // namespace

// Each browser exports everything under its own title, starts again on an
// empty database with EXPORTALL off, and turns it on once an import added
// an entry.
TEST_F(BrowserExchangeDialogsTest, DialogsHaveTitlesAndExportAllNeedsAnEntry)
{
    for (const BrowserCase& browser : Browsers) {
        SCOPED_TRACE(browser.name);
        const QString file = QString::fromStdString((folder / browser.name).string());
        browser.addEntry(state);
        {
            const std::unique_ptr<QDialog> dialog = browser.open(state);
            QAction* exportAll = Named<QAction>(*dialog, "EXPORTALL");
            EXPECT_TRUE(exportAll->isEnabled());
            prompts.ExpectSaveFile(file);
            prompts.ExpectMessage(browser.savedText, browser.savedTitle, PromptButtons::Ok, PromptIcon::None);
            exportAll->trigger();
            EXPECT_EQ(prompts.FileDialogs().back().title, browser.exportTitle);
            dialog->close();
        }

        browser.clearDatabase(state);
        const std::unique_ptr<QDialog> dialog = browser.open(state);
        QAction* exportAll = Named<QAction>(*dialog, "EXPORTALL");
        EXPECT_FALSE(exportAll->isEnabled());
        prompts.ExpectOpenFile(file);
        Named<QAction>(*dialog, "IMPORT")->trigger();
        EXPECT_EQ(prompts.FileDialogs().back().title, browser.importTitle);
        EXPECT_TRUE(exportAll->isEnabled());
        dialog->close();
    }
}
