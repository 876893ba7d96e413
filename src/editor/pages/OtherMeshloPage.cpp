#include "editor/pages/OtherMeshloPage.h"

#include "editor/panels/MeshloEntries.h"
#include "model/Configuration.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

OtherMeshloPage::OtherMeshloPage(Configuration& config, QWidget* parent) : ConfigurationPage(config, parent)
{
    inputs_ = new MeshloEntries(config_, "Inputs", {{10, "Next Input"}, {11, "Previous Input"}});
    IRMeshloFrameFrame = new MeshloEntries(config_, "IR Meshlo Commands",
                                           {{3, "Select Back"},
                                            {20, "Play/Up"},
                                            {21, "Down/Stop"},
                                            {22, "Left/Rewind"},
                                            {23, "Right/Forward"},
                                            {24, "OK/Pause"},
                                            {25, "Menu"},
                                            {36, "Menu/Back"}});
    IRMeshloFrameFrame->setObjectName("IRMeshloFrameFrame");
    auto* row = new QHBoxLayout;
    row->addWidget(inputs_, 0, Qt::AlignTop);
    row->addWidget(IRMeshloFrameFrame, 0, Qt::AlignTop);
    row->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addStretch();
}

void OtherMeshloPage::Fill()
{
    inputs_->Fill();
    IRMeshloFrameFrame->Fill();
}

void OtherMeshloPage::Arrange()
{
    IRMeshloFrameFrame->setVisible(config_.Record.QuilmarDraventEnabled);
}
