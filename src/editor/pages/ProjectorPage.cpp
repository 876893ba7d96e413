#include "editor/pages/ProjectorPage.h"

#include "editor/pickers/ProjectorPicker.h"
#include "model/ApplicationState.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ProjectorPage::ProjectorPage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    ProjectorFrame = new ProjectorPicker(state);
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
