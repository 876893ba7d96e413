#pragma once

#include "model/ApplicationState.h"
#include "model/ProjectorClassGlobals.h"
#include "support/DatabaseSaveFailure.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A fresh application state in a fresh program folder, with helpers that
// fill projector definitions and drive the new-name dialog from inside its
// modal loop.
class ProjectorDialogsTest : public ProgramStateTest {
protected:
    static void Fill(ProjectorClass& projector, const char* manufacturer, const char* model, int16_t warmUp)
    {
        projector.Clear();
        projector.Manufacturer(manufacturer);
        projector.Model(model);
        projector.WarmUpTime(warmUp);
    }
    ProjectorClass& AddToDatabase(const char* manufacturer, const char* model, int16_t warmUp)
    {
        state.Projectors.AddProjectorDefinition();
        ProjectorClass& added = state.Projectors.ProjectorDatabase()[state.Projectors.ProjectorDatabase().LastIndex()];
        Fill(added, manufacturer, model, warmUp);
        return added;
    }
    // The warm-up time of the definition of these names in "Projectors.DEF", or -1.
    int SavedWarmUp(const char* manufacturer, const char* model)
    {
        ScriptedPrompts quiet;
        ProjectorClassGlobals saved(folder.path(), quiet);
        saved.LoadProjectorDatabase();
        const int index = saved.FindProjector(manufacturer, model);
        return index < 0 ? -1 : saved.ProjectorDatabase()[index].WarmUpTime();
    }
    int Entries() const { return state.Projectors.ProjectorDatabase().Count(); }

    // The next new-name dialog is given these names and Done, then closed
    // with Cancel if it is still open.
    static void WhenNewNameOpens(const QString& manufacturer, const QString& model)
    {
        WhenModalOpens([manufacturer, model](QWidget* dialog) {
            Named<QLineEdit>(*dialog, "Text1")->setText(manufacturer);
            Named<QLineEdit>(*dialog, "Text2")->setText(model);
            Named<QPushButton>(*dialog, "Done")->click();
            if (dialog->isVisible()) Named<QPushButton>(*dialog, "Cancel")->click();
        });
    }
    static void WhenNewNameOpensCancel()
    {
        WhenModalOpens([](QWidget* dialog) { Named<QPushButton>(*dialog, "Cancel")->click(); });
    }
    void ExpectSaveFailure()
    {
        prompts.ExpectMessage(DatabaseSaveFailure("projector", folder / "Projectors.DEF", ENOTEMPTY), "Save Fail!",
                              PromptButtons::Ok, PromptIcon::Exclamation);
    }
};
