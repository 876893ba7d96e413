#include "rs232/RS232SettingsDiferentForm.h"

#include "model/ApplicationState.h"
#include "model/HolderSettings.h"
#include "model/WorkSerialHandOff.h"
#include "platform/ObjectName.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct HolderTexts {
    const char* word;
    const char* keepCaption;
    const char* frameCaption;
};

// Captions by SerialType 0, 1, 2, as they have always read.
constexpr std::array<HolderTexts, 3> holderTexts = {{
    {"Tavlo", "Use Tavlo Settings", "Tavlo Settings"},
    {"Library", "Use Libarary Settings", "Libarary Settings"},
    {"Projector", "Use Projector Settings", "Projector Settings"},
}};

void ShowBaudrate(QLabel* label, int16_t index)
{
    constexpr std::array<const char*, 5> rates = {"9600", "19200", "38400", "57600", "115200"};
    if (index >= 0 && index < static_cast<int16_t>(rates.size()))
        label->setText(rates[static_cast<std::size_t>(index)]);
}

void ShowParity(QLabel* label, int16_t index)
{
    constexpr std::array<const char*, 3> parities = {"NONE", "EVEN", "ODD"};
    if (index >= 0 && index < static_cast<int16_t>(parities.size()))
        label->setText(parities[static_cast<std::size_t>(index)]);
}

}  // namespace

RS232SettingsDiferentForm::RS232SettingsDiferentForm(ApplicationState& state, QWidget* parent)
    : QDialog(parent), state_(state)
{
    setWindowTitle("RS232 Settings?");
    BuildControls();
    Load();
}

void RS232SettingsDiferentForm::BuildControls()
{
    Frame1 = WithName(new QGroupBox, "Frame1");
    HeadingLabel = WithName(new QLabel, "HeadingLabel");
    HeadingLabel->setWordWrap(true);
    (new QVBoxLayout(Frame1))->addWidget(HeadingLabel);

    for (std::size_t i = 0; i < Label2.size(); ++i) Label2[i] = WithName(new QLabel, "Label2", i);
    for (std::size_t i = 0; i < Label3.size(); ++i) Label3[i] = WithName(new QLabel, "Label3", i);
    for (std::size_t i = 0; i < Label4.size(); ++i) Label4[i] = WithName(new QLabel("mS"), "Label4", i);

    // Each frame holds rows of name, "=", value and unit; the source frame's
    // labels run the other way round from the holder's.
    struct Row {
        std::size_t name, sign, value;
    };
    const auto fillFrame = [this](QGroupBox* frame, const std::array<Row, 3>& rows, QLabel* unit) {
        auto* grid = new QGridLayout(frame);
        constexpr std::array<const char*, 3> names = {"Baudrate", "Parity", "Interbyte delay"};
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const int line = static_cast<int>(r);
            Label2[rows[r].name]->setText(names[r]);
            Label2[rows[r].sign]->setText("=");
            grid->addWidget(Label2[rows[r].name], line, 0);
            grid->addWidget(Label2[rows[r].sign], line, 1);
            grid->addWidget(Label3[rows[r].value], line, 2);
        }
        grid->addWidget(unit, 2, 3);
        grid->setColumnStretch(2, 1);
    };
    ExistingFrame = WithName(new QGroupBox(holderTexts[0].frameCaption), "ExistingFrame");
    fillFrame(ExistingFrame, {{{0, 3, 0}, {1, 4, 1}, {2, 5, 2}}}, Label4[0]);
    SourceFrame = WithName(new QGroupBox("Library Settings"), "SourceFrame");
    fillFrame(SourceFrame, {{{11, 8, 5}, {10, 7, 4}, {9, 6, 3}}}, Label4[1]);

    KeepLibrary = WithName(new QPushButton("Use Library Settings"), "KeepLibrary");
    KeepTavlo = WithName(new QPushButton(holderTexts[0].keepCaption), "KeepTavlo");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    for (QPushButton* button : {KeepLibrary, KeepTavlo, Cancel}) button->setAutoDefault(false);
    connect(KeepLibrary, &QPushButton::clicked, this, &RS232SettingsDiferentForm::KeepLibraryClicked);
    connect(KeepTavlo, &QPushButton::clicked, this, &RS232SettingsDiferentForm::KeepTavloClicked);
    connect(Cancel, &QPushButton::clicked, this, &RS232SettingsDiferentForm::reject);

    auto* frames = new QHBoxLayout;
    frames->addWidget(ExistingFrame);
    frames->addWidget(SourceFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(KeepLibrary);
    buttons->addWidget(KeepTavlo);
    buttons->addStretch();
    buttons->addWidget(Cancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Frame1);
    main->addLayout(frames);
    main->addLayout(buttons);
    setMinimumWidth(480);
}

void RS232SettingsDiferentForm::Load()
{
    const SerialClass& message = *state_.Messages.WorkSerial;
    const int16_t type = message.SerialType();
    const std::optional<HolderSettings> holder = ReadHolderSettings(state_, type);
    QString holderWord;
    if (type >= 0 && type < static_cast<int16_t>(holderTexts.size())) {
        const HolderTexts& texts = holderTexts[static_cast<std::size_t>(type)];
        holderWord = texts.word;
        KeepTavlo->setText(texts.keepCaption);
        ExistingFrame->setTitle(texts.frameCaption);
    }

    const bool captured = state_.Messages.SettingsFromCapture;
    KeepLibrary->setText(captured ? "Use Captured Settings" : "Use Library Settings");
    SourceFrame->setTitle(captured ? "Captured Settings" : "Library Settings");
    const QString sourceWord = captured ? "Captured" : "Library";
    // A capture brings no delay of its own.
    for (QLabel* label : {Label2[2], Label2[5], Label3[2], Label4[0], Label2[9], Label2[6], Label3[3], Label4[1]})
        label->setVisible(!captured);

    HeadingLabel->setText("The Baudrate, parity or Interbyte delay settings from the " + sourceWord +
                          " RS232 message are not the same as the current " + holderWord + " settings!");

    if (holder) {
        ShowBaudrate(Label3[0], holder->Baudrate);
        ShowParity(Label3[1], holder->Parity);
        Label3[2]->setText(QString::number(holder->InterByteDelay));
    }
    ShowBaudrate(Label3[5], message.Baudrate());
    ShowParity(Label3[4], message.Parity());
    Label3[3]->setText(QString::number(message.InterByteDelay()));
}

void RS232SettingsDiferentForm::KeepLibraryClicked()
{
    const SerialClass& message = *state_.Messages.WorkSerial;
    const HolderSettings settings{message.Baudrate(), message.Parity(), message.InterByteDelay()};
    if (WriteHolderSettings(state_, message.SerialType(), settings)) state_.Config.Edit(ConfigGroup::ControlPort);
    Cancelled = false;
    accept();
}

void RS232SettingsDiferentForm::KeepTavloClicked()
{
    SerialClass& message = *state_.Messages.WorkSerial;
    Cancelled = false;
    if (const std::optional<HolderSettings> holder = ReadHolderSettings(state_, message.SerialType())) {
        message.Baudrate(holder->Baudrate);
        message.Parity(holder->Parity);
        message.InterByteDelay(holder->InterByteDelay);
    }
    accept();
}

void RS232SettingsDiferentForm::reject()
{
    Cancelled = true;
    QDialog::reject();
}

bool ShowRS232SettingsDiferentForm(ApplicationState& state, SerialClass& message, bool fromCapture, QWidget* parent)
{
    const WorkSerialHandOff handOff(state.Messages, message, fromCapture);
    RS232SettingsDiferentForm form(state, parent);
    form.exec();
    return form.Cancelled;
}

bool RS232SettingsDiferentFormLauncher::ShowSettingsDifferentForm(QWidget* owner, ApplicationState& state,
                                                                  SerialClass& message, bool fromCapture)
{
    return ShowRS232SettingsDiferentForm(state, message, fromCapture, owner);
}
