#include "editor/panels/GlobalMessagePanes.h"

#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"

#include <QGridLayout>
#include <QLabel>

GlobalMessagePanes::GlobalMessagePanes(ApplicationState& state, const QString& title, const std::vector<Pane>& panes,
                                       QWidget* parent)
    : QGroupBox(title, parent), state_(state)
{
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const Pane& pane : panes) {
        auto* display = new SerialStringDisplay(state);
        display->setObjectName(QString("SerialStringDisplay6_%1").arg(pane.slot));
        if (!pane.buttonName.isEmpty()) {
            auto* picture = new QLabel(pane.label);
            picture->setObjectName(QString("ButtonImage_%1").arg(row));
            picture->setToolTip(pane.buttonName);
            picture->setAlignment(Qt::AlignCenter);
            picture->setFrameShape(QFrame::StyledPanel);
            picture->setMinimumWidth(picture->fontMetrics().horizontalAdvance("MENU") + 12);
            grid->addWidget(picture, row, 0);
        } else if (!pane.label.isEmpty()) {
            grid->addWidget(new QLabel(pane.label), row, 0);
        }
        grid->addWidget(display, row, 1);
        ++row;
        const int slot = pane.slot;
        connect(display, &SerialStringDisplay::Changed, this, [this, slot] {
            state_.Config.Edit(ConfigGroup::GlobalMessages, [&] { state_.Config.StoreSerialSlotToConfig(slot); });
        });
        panes_.emplace_back(slot, display);
    }
    grid->setColumnStretch(1, 1);
}

void GlobalMessagePanes::Fill()
{
    for (const auto& [slot, display] : panes_) display->SetupSerial(state_.Config.ConfigSerialStrings(slot));
}
