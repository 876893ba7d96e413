#include "editor/pages/OnOffPage.h"

#include "controls/IntegerEntry.h"
#include "editor/panels/GlobalMessagePanes.h"
#include "editor/panels/MeshloEntries.h"
#include "model/ApplicationState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

OnOffPage::OnOffPage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    panes_ = new GlobalMessagePanes(state, "RS232 In", {{0, "On"}, {1, "Off"}});
    meshlo_ = new MeshloEntries(
        config_, "Meshlo",
        {{17, "Power On"}, {1, "Power Off"}, {4, "Power Is On"}, {5, "Display Is Warming"}, {6, "Display Is Cooling"}});
    InactiveTime = new IntegerEntry;
    InactiveTime->setObjectName("InactiveTime");
    InactiveTime->setMaximumWidth(InactiveTime->sizeHint().width());
    auto* timeoutRow = new QHBoxLayout;
    timeoutRow->addWidget(new QLabel("Inactive timeout"));
    timeoutRow->addWidget(InactiveTime);
    timeoutRow->addWidget(new QLabel("hours"));
    timeoutRow->addStretch();

    auto* column = new QVBoxLayout(this);
    column->addWidget(panes_);
    column->addWidget(meshlo_, 0, Qt::AlignLeft);
    column->addLayout(timeoutRow);
    column->addStretch();

    connect(InactiveTime, &IntegerEntry::ValueChanged, this, [this] {
        StoreEdit(ConfigGroup::OnOff,
                  [&] { config_.Record.InactiveTimeoutHours = static_cast<uint8_t>(InactiveTime->return_value()); });
    });
}

void OnOffPage::Fill()
{
    const FillGuard showing(ShowingConfiguration);
    meshlo_->Fill();
    InactiveTime->set_values(config_.Record.InactiveTimeoutHours, 0, 12, "Inactive timeout period in hours (0 = Off)");
    panes_->Fill();
}
