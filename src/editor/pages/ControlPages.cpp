#include "editor/pages/ControlPages.h"

#include "editor/panels/GlobalMessagePanes.h"
#include "editor/panels/InputSControl.h"
#include "editor/panels/LockModeControl.h"
#include "editor/panels/MeshloEntries.h"
#include "editor/panels/OutputsControl.h"
#include "model/ApplicationState.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The panel at the page's top left, as on the other pages.
void HostAtTopLeft(QWidget* page, QWidget* panel)
{
    auto* row = new QHBoxLayout;
    row->addWidget(panel, 0, Qt::AlignTop);
    row->addStretch();
    auto* column = new QVBoxLayout(page);
    column->addLayout(row);
    column->addStretch();
}

}  // namespace

ControlInputsPage::ControlInputsPage(Configuration& config, QWidget* parent) : ConfigurationPage(config, parent)
{
    InputSControl1 = new InputSControl(config);
    InputSControl1->setObjectName("InputSControl1");
    HostAtTopLeft(this, InputSControl1);
}

void ControlInputsPage::Fill()
{
    InputSControl1->FillSettings();
}

ControlOutputsPage::ControlOutputsPage(Configuration& config, QWidget* parent) : ConfigurationPage(config, parent)
{
    OutputsControl1 = new OutputsControl(config);
    OutputsControl1->setObjectName("OutputsControl1");
    HostAtTopLeft(this, OutputsControl1);
}

void ControlOutputsPage::Fill()
{
    OutputsControl1->FillSettings();
}

LockingPage::LockingPage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    LockModeControl1 = new LockModeControl(config_);
    LockModeControl1->setObjectName("LockModeControl1");
    panes_ = new GlobalMessagePanes(state, "RS232 Control In", {{6, "Lock"}, {7, "Unlock"}});
    meshlo_ = new MeshloEntries(config_, "Meshlo", {{18, "Lock"}, {19, "Unlock"}});

    auto* events = new QHBoxLayout;
    events->addWidget(panes_, 1);
    events->addWidget(meshlo_, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout(this);
    column->addWidget(LockModeControl1, 0, Qt::AlignLeft);
    column->addLayout(events);
    column->addStretch();
}

void LockingPage::Fill()
{
    meshlo_->Fill();
    panes_->Fill();
    LockModeControl1->FillSettings();
}

void LockingPage::Arrange()
{
    LockModeControl1->RefreshDisplay();
}
