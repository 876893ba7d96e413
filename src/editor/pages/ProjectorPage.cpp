#include "editor/pages/ProjectorPage.h"

#include "editor/pickers/ProjectorPicker.h"
#include "model/ApplicationState.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ProjectorPage::ProjectorPage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    ProjectorFrame = new ProjectorPicker(state);
    // The projector's notes are there to be read: no Tab stop on a box that
    // shows no caret and takes no typing.
    ProjectorFrame->findChild<QPlainTextEdit*>("ProjectorNotes")->setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout;
    row->addWidget(ProjectorFrame, 1, Qt::AlignTop);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addStretch();
}

void ProjectorPage::Fill()
{
    ProjectorFrame->ShowConfiguration();
}
