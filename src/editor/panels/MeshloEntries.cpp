#include "editor/panels/MeshloEntries.h"

#include "controls/MeshloAddressControl.h"
#include "model/Configuration.h"

#include <QFormLayout>
#include <array>
#include <cmath>
#include <utility>

int MeshloTableElement(int control)
{
    return control >= 10 ? control : 38 + control;
}

QString MeshloEntryTooltip(int control)
{
    constexpr std::array<std::pair<int, const char*>, 24> Tooltips{{
        {0, "Meshlo Address In For Mute Off"},
        {1, "Meshlo Address In For  Power Off"},
        {2, "Meshlo Address In For Microphone Off"},
        {3, "Meshlo Address In For Select Back "},
        {4, "Meshlo Address Out For Power Is On"},
        {5, "Meshlo Address In For Display Is  Warming "},
        {6, "Meshlo Address In For Display Is Cooling "},
        {10, "Meshlo Address In For Next Input"},
        {11, "Meshlo Address In For Previous Input"},
        {12, "Meshlo Address In for Volume Step Up"},
        {13, "Meshlo Address In for Volume Step Down"},
        {14, "Meshlo Address In for Volume Analogue Level"},
        {15, "Meshlo Address In for Mute On"},
        {16, "Meshlo Address In For Microphone On"},
        {17, "Meshlo Address In For Power On"},
        {18, "Meshlo Address In For Lock"},
        {19, "Meshlo Address In For UnLock"},
        {20, "Meshlo Address In For Play/Up"},
        {21, "Meshlo Address In For Down/Stop"},
        {22, "Meshlo Address In For Left/Rewind"},
        {23, "Meshlo Address In For Right/Forward"},
        {24, "Meshlo Address In For OK/Pause"},
        {25, "Meshlo Address In For Menu"},
        {36, "Meshlo Address Out For Menu/Back"},
    }};
    for (const auto& [k, tooltip] : Tooltips)
        if (k == control) return tooltip;
    return {};
}

MeshloEntries::MeshloEntries(Configuration& config, const QString& title, const std::vector<Entry>& entries,
                             QWidget* parent)
    : QGroupBox(title, parent), config_(config)
{
    auto* form = new QFormLayout(this);
    for (const Entry& entry : entries) {
        auto* control = new MeshloAddressControl;
        control->setObjectName(QString("MeshloAddressControl1_%1").arg(entry.control));
        form->addRow(entry.caption, control);
        const int element = MeshloTableElement(entry.control);
        // set_values raises no event: only a user edit arrives here.
        connect(control, &MeshloAddressControl::ValueChanged, this, [this, control, element] {
            config_.Edit(ConfigGroup::MeshloAddresses, [&] {
                config_.Record.MeshloAddressTable[static_cast<std::size_t>(element)] =
                    static_cast<int16_t>(std::lround(control->return_value()));
            });
        });
        entries_.emplace_back(entry.control, control);
    }
}

void MeshloEntries::Fill()
{
    for (const auto& [k, control] : entries_)
        control->set_values(config_.Record.MeshloAddressTable[static_cast<std::size_t>(MeshloTableElement(k))],
                            MeshloEntryTooltip(k));
}
