#include "editor/pages/MicrophonePage.h"

#include "editor/panels/GlobalMessagePanes.h"
#include "editor/panels/MeshloEntries.h"
#include "model/ApplicationState.h"

#include <QCheckBox>
#include <QVBoxLayout>

MicrophonePage::MicrophonePage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    MicrophoneCheck = new QCheckBox("Microphone may be selected while the display is off");
    MicrophoneCheck->setObjectName("MicrophoneCheck");
    panes_ = new GlobalMessagePanes(state, "RS232 In", {{4, "Microphone On"}, {5, "Microphone Off"}});
    meshlo_ = new MeshloEntries(config_, "Meshlo", {{16, "Microphone On"}, {2, "Microphone Off"}});

    auto* column = new QVBoxLayout(this);
    column->addWidget(MicrophoneCheck);
    column->addWidget(panes_);
    column->addWidget(meshlo_);
    column->addStretch();

    connect(MicrophoneCheck, &QCheckBox::clicked, this, [this](bool checked) {
        StoreEdit(ConfigGroup::Microphone, [&] { config_.Record.MicrophoneWhenOff = checked; });
    });
}

void MicrophonePage::Fill()
{
    const FillGuard showing(ShowingConfiguration);
    MicrophoneCheck->setChecked(config_.Record.MicrophoneWhenOff);
    meshlo_->Fill();
    panes_->Fill();
}
