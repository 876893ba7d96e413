#include "projectors/ProjectorReplaceForm2.h"

#include "model/ApplicationState.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorReplaceFrame.h"

#include <QRadioButton>
#include <QVBoxLayout>

ProjectorReplaceForm2::ProjectorReplaceForm2(ApplicationState& state, QWidget* parent)
    : QDialog(parent), state_(state), entryIndex_(state.Projectors.FindWorkProjector())
{
    setWindowTitle("Replace/Add Projector");
    auto* layout = new QVBoxLayout(this);
    AddProjectorReplaceHeading(*layout, state_.Projectors.WorkProjector,
                               "The projector in this BRD has the same manufacturer and model as one in the data "
                               "base but is not the same.");
    DoNothing = AddProjectorReplaceChoice(*layout, "DoNothing", "Do not import this projector");
    NewInData = AddProjectorReplaceChoice(*layout, "NewInData",
                                          "Add this projector to my data base under a new manufacturer/model");
    ReplaceInDataBase = AddProjectorReplaceChoice(*layout, "ReplaceInDataBase",
                                                  "Replace the projector in my data base with this projector");
    // Without a database definition of these names there is nothing to replace.
    ReplaceInDataBase->setEnabled(entryIndex_ >= 0);

    connect(DoNothing, &QRadioButton::clicked, this, &QDialog::reject);
    connect(NewInData, &QRadioButton::clicked, this, &ProjectorReplaceForm2::NewInDataClicked);
    connect(ReplaceInDataBase, &QRadioButton::clicked, this, &ProjectorReplaceForm2::ReplaceInDataBaseClicked);
}

void ProjectorReplaceForm2::ReplaceInDataBaseClicked()
{
    state_.Projectors.ProjectorDatabase()[entryIndex_].CopyFromProjectorClass(state_.Projectors.WorkProjector);
    accept();
}

void ProjectorReplaceForm2::NewInDataClicked()
{
    ProjectorClass& clipboard = state_.Projectors.ProjectorClipboard;
    ProjectorClass& work = state_.Projectors.WorkProjector;
    clipboard.CopyFromProjectorClass(work);
    ShowNewNameForm(state_, this);
    if (clipboard.ManufacturerField() == work.ManufacturerField() && clipboard.ModelField() == work.ModelField()) {
        ClearProjectorReplaceChoice(*NewInData);
        return;
    }
    work.CopyFromProjectorClass(clipboard);
    accept();
}

void ShowProjectorReplaceForm2(ApplicationState& state, QWidget* parent)
{
    ProjectorReplaceForm2 form(state, parent);
    form.exec();
}
