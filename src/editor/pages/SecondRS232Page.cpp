#include "editor/pages/SecondRS232Page.h"

#include "controls/IntegerEntry.h"
#include "editor/panels/GlobalMessagePanes.h"
#include "model/ApplicationState.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <std::size_t N>
QGroupBox* OptionRow(const QString& title, const char* name, const std::array<const char*, N>& captions,
                     std::array<QRadioButton*, N>& buttons)
{
    auto* frame = new QGroupBox(title);
    auto* row = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(captions[i]);
        buttons[i]->setObjectName(QString("%1_%2").arg(name).arg(i));
        group->addButton(buttons[i]);
        row->addWidget(buttons[i]);
    }
    row->addStretch();
    return frame;
}

// Checks the option of the stored index; an index out of range (a damaged
// file) checks none and keeps the value.
template <std::size_t N>
void CheckOption(std::array<QRadioButton*, N>& buttons, int16_t index)
{
    auto* group = buttons[0]->group();
    group->setExclusive(false);
    for (std::size_t i = 0; i < N; ++i) buttons[i]->setChecked(static_cast<int>(i) == index);
    group->setExclusive(true);
}

}  // namespace

SecondRS232Page::SecondRS232Page(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    QGroupBox* baudFrame = OptionRow<5>("Baud rate", "Baudrate", {"9600", "19k2", "38k4", "57k6", "115k2"}, Baudrate);
    QGroupBox* parityFrame = OptionRow<3>("Parity", "ParityOption", {"None", "Even", "Odd"}, ParityOption);
    InterByteDelay = new IntegerEntry;
    InterByteDelay->setObjectName("InterByteDelay");
    InterByteDelay->setMaximumWidth(InterByteDelay->sizeHint().width());
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(new QLabel("Inter-byte delay"));
    delayRow->addWidget(InterByteDelay);
    delayRow->addWidget(new QLabel("ms"));
    delayRow->addStretch();

    inputPanes_ = new GlobalMessagePanes(state, QString(), {{2, "Next Input"}, {3, "Previous Input"}});
    IRRS232Frame = new GlobalMessagePanes(state, "IR RS232 commands",
                                          {{12, "\u25B2", "Play/Up"},
                                           {13, "\u25BC", "Down/Stop"},
                                           {14, "\u25C0", "Left/Rewind"},
                                           {15, "\u25B6", "Right/Forward"},
                                           {16, "OK", "OK/Pause"},
                                           {17, "MENU", "Menu"},
                                           {18, "\u21A9", "Menu/Back"}});
    IRRS232Frame->setObjectName("IRRS232Frame");

    auto* settings = new QHBoxLayout;
    settings->addWidget(baudFrame);
    settings->addWidget(parityFrame);
    settings->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(settings);
    column->addLayout(delayRow);
    column->addWidget(inputPanes_);
    column->addWidget(IRRS232Frame);
    column->addStretch();

    for (std::size_t i = 0; i < Baudrate.size(); ++i)
        connect(Baudrate[i], &QRadioButton::clicked, this, [this, i] {
            StoreEdit(ConfigGroup::ControlPort, [&] { config_.Record.ControlPortBaudrate = static_cast<int16_t>(i); });
        });
    for (std::size_t i = 0; i < ParityOption.size(); ++i)
        connect(ParityOption[i], &QRadioButton::clicked, this, [this, i] {
            StoreEdit(ConfigGroup::ControlPort, [&] { config_.Record.ControlPortParity = static_cast<int16_t>(i); });
        });
    connect(InterByteDelay, &IntegerEntry::ValueChanged, this, [this] {
        StoreEdit(ConfigGroup::ControlPort,
                  [&] { config_.Record.ControlPortInterByteDelay = InterByteDelay->return_value(); });
    });
}

void SecondRS232Page::Fill()
{
    const FillGuard showing(ShowingConfiguration);
    const ConfigurationRecord& record = config_.Record;
    CheckOption(Baudrate, record.ControlPortBaudrate);
    CheckOption(ParityOption, record.ControlPortParity);
    InterByteDelay->set_values(record.ControlPortInterByteDelay, 0, 20, "Set interbyte dely period");
    inputPanes_->Fill();
    IRRS232Frame->Fill();
}

void SecondRS232Page::Arrange()
{
    IRRS232Frame->setVisible(config_.Record.QuilmarDraventEnabled);
}
