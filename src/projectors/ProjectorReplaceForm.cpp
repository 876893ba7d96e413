#include "projectors/ProjectorReplaceForm.h"

#include "model/ApplicationState.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorDatabaseSaving.h"
#include "projectors/ProjectorReplaceFrame.h"

#include <QRadioButton>
#include <QVBoxLayout>

ProjectorReplaceForm::ProjectorReplaceForm(ApplicationState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      entryIndex_(state.Projectors.FindConfigProjector(state.Config.Record.ConfigProjectorBlock))
{
    setWindowTitle("Replace Projector?");
    auto* layout = new QVBoxLayout(this);
    AddProjectorReplaceHeading(*layout, ConfigProjector(),
                               "The projector in this configuration has the same manufacturer and model as one in "
                               "the data base but is not the same.");
    DoNothing = AddProjectorReplaceChoice(
        *layout, "DoNothing", "Keep the projector in the configuartion and make no changes in my data base");
    NewInData = AddProjectorReplaceChoice(
        *layout, "NewInData", "Add the projector in this configuration to my data base under a new manufacturer/model");
    ReplaceInConfiguration = AddProjectorReplaceChoice(
        *layout, "ReplaceInConfiguration", "Replace projector in the configuration with the one in my data base");
    ReplaceInDataBase = AddProjectorReplaceChoice(
        *layout, "ReplaceInDataBase", "Replace the projector in my data base with the one in the configuration");
    // Without a database definition of these names there is nothing to replace.
    ReplaceInConfiguration->setEnabled(entryIndex_ >= 0);
    ReplaceInDataBase->setEnabled(entryIndex_ >= 0);

    connect(DoNothing, &QRadioButton::clicked, this, &QDialog::reject);
    connect(NewInData, &QRadioButton::clicked, this, &ProjectorReplaceForm::NewInDataClicked);
    connect(ReplaceInConfiguration, &QRadioButton::clicked, this, &ProjectorReplaceForm::ReplaceInConfigurationClicked);
    connect(ReplaceInDataBase, &QRadioButton::clicked, this, &ProjectorReplaceForm::ReplaceInDataBaseClicked);
}

ProjectorClass& ProjectorReplaceForm::ConfigProjector()
{
    return state_.Config.ConfigProjector();
}

void ProjectorReplaceForm::ReplaceInConfigurationClicked()
{
    ConfigProjector().CopyFromProjectorClass(state_.Projectors.ProjectorDatabase()[entryIndex_]);
    state_.Config.Edit(ConfigGroup::Projector);
    accept();
}

void ProjectorReplaceForm::ReplaceInDataBaseClicked()
{
    state_.Projectors.ProjectorDatabase()[entryIndex_].CopyFromProjectorClass(ConfigProjector());
    SaveProjectorDatabaseReporting(state_);
    accept();
}

void ProjectorReplaceForm::NewInDataClicked()
{
    ProjectorClass& clipboard = state_.Projectors.ProjectorClipboard;
    clipboard.CopyFromProjectorClass(ConfigProjector());
    ShowNewNameForm(state_, this);
    const bool renamed = clipboard.ManufacturerField() != ConfigProjector().ManufacturerField() ||
                         clipboard.ModelField() != ConfigProjector().ModelField();
    if (!renamed) {
        ClearProjectorReplaceChoice(*NewInData);
        return;
    }
    // The configuration now names another projector, so it has to be saved again.
    ConfigProjector().CopyFromProjectorClass(clipboard);
    state_.Config.Edit(ConfigGroup::Projector);
    SaveProjectorDatabaseReporting(state_);
    accept();
}

void ShowProjectorReplaceForm(ApplicationState& state, QWidget* parent)
{
    ProjectorReplaceForm form(state, parent);
    form.exec();
}
