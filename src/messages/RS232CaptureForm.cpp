#include "messages/RS232CaptureForm.h"

#include "controls/SerialDeviceToolTip.h"
#include "messages/CaptureGrid.h"
#include "messages/OptionButtons.h"
#include "messages/PortSettingsText.h"
#include "model/ApplicationState.h"
#include "model/WorkSerialHandOff.h"
#include "platform/ObjectName.h"
#include "platform/SerialPortMaker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QGroupBox* FrameOf(const QString& title, const auto& options, int perRow)
{
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    for (std::size_t i = 0; i < options.size(); ++i)
        grid->addWidget(options[i], static_cast<int>(i) / perRow, static_cast<int>(i) % perRow);
    return frame;
}

}  // namespace

RS232CaptureForm::RS232CaptureForm(ApplicationState& state, QWidget* parent)
    : QDialog(parent), state_(state), MSComm1(MakeSerialPortOwnedBy(this, state.Installed))
{
    setWindowTitle("Capture Serial");
    BuildControls();
    Load();
}

RS232CaptureForm::~RS232CaptureForm()
{
    ClosePort();
}

void RS232CaptureForm::BuildControls()
{
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = WithName(new QRadioButton(QString::number(i + 1)), "Option1", i);
        ShowSerialDeviceInToolTip(*Option1[i], static_cast<int>(i) + 1);
    }
    const std::array<const char*, 5> rates = {"9600", "19k2", "38k4", "57k6", "115k2"};
    for (std::size_t i = 0; i < Baudrate.size(); ++i) Baudrate[i] = WithName(new QRadioButton(rates[i]), "Baudrate", i);
    Baudrate[0]->setChecked(true);
    const std::array<const char*, 3> parities = {"None", "Even", "Odd"};
    for (std::size_t i = 0; i < ParityOption.size(); ++i)
        ParityOption[i] = WithName(new QRadioButton(parities[i]), "ParityOption", i);
    const std::array<const char*, 3> views = {"Decimal", "Hex", "ASCII"};
    for (std::size_t i = 0; i < Option2.size(); ++i) Option2[i] = WithName(new QRadioButton(views[i]), "Option2", i);
    Option2[2]->setChecked(true);
    ShowControlCodesCheck = WithName(new QCheckBox("Show Control Codes"), "ShowControlCodesCheck");

    Connect = WithName(new QPushButton("Connect"), "Connect");
    Clear = WithName(new QPushButton("Clear"), "Clear");
    Clear->setEnabled(false);
    Done = WithName(new QPushButton("Done"), "Done");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Done->setDefault(true);

    Picture1 = WithName(new CaptureGrid(CaptureBuffer, state_.Names.ControlCodeNames), "Picture1");
    VScroll1 = WithName(new QScrollBar(Qt::Vertical), "VScroll1");
    VScroll1->setFixedHeight(Picture1->height());
    VScroll1->setPageStep(CaptureGrid::VisibleRows);
    Label1 = WithName(new QLabel("Bytes Received ="), "Label1");
    BytesReceivedLabel = WithName(new QLabel("0"), "BytesReceivedLabel");
    BytesSelectedLabel2 = WithName(new QLabel("Bytes Selected ="), "BytesSelectedLabel2");
    BytesSelectedLabel = WithName(new QLabel("0"), "BytesSelectedLabel");
    Timer1 = WithName(new QTimer(this), "Timer1");
    Timer1->setInterval(100);

    auto* settings = new QHBoxLayout;
    settings->addWidget(FrameOf("Port", Option1, 8), 2);
    settings->addWidget(FrameOf("Baudrate", Baudrate, 3), 1);
    settings->addWidget(FrameOf("Parity", ParityOption, 1));

    auto* receivedFrame = new QGroupBox("Message received");
    auto* gridRow = new QHBoxLayout(receivedFrame);
    gridRow->addStretch();
    gridRow->addWidget(Picture1);
    gridRow->setSpacing(0);
    gridRow->addWidget(VScroll1);
    gridRow->addStretch();

    auto* viewFrame = new QGroupBox("Display bytes in");
    auto* viewColumn = new QVBoxLayout(viewFrame);
    for (QRadioButton* view : Option2) viewColumn->addWidget(view);
    auto* side = new QVBoxLayout;
    side->addWidget(viewFrame);
    side->addWidget(ShowControlCodesCheck);
    auto* counts = new QGridLayout;
    counts->addWidget(Label1, 0, 0);
    counts->addWidget(BytesReceivedLabel, 0, 1);
    counts->addWidget(BytesSelectedLabel2, 1, 0);
    counts->addWidget(BytesSelectedLabel, 1, 1);
    side->addLayout(counts);
    side->addStretch();
    side->addWidget(Connect);
    side->addWidget(Clear);
    side->addWidget(Done);
    side->addWidget(Cancel);

    auto* body = new QHBoxLayout;
    body->addWidget(receivedFrame);
    body->addLayout(side);
    auto* main = new QVBoxLayout(this);
    main->addLayout(settings);
    main->addLayout(body);

    for (QRadioButton* option : Option1)
        connect(option, &QRadioButton::clicked, this, &RS232CaptureForm::SettingClicked);
    for (QRadioButton* option : Baudrate)
        connect(option, &QRadioButton::clicked, this, &RS232CaptureForm::SettingClicked);
    for (QRadioButton* option : ParityOption)
        connect(option, &QRadioButton::clicked, this, &RS232CaptureForm::SettingClicked);
    for (QRadioButton* view : Option2) connect(view, &QRadioButton::clicked, this, &RS232CaptureForm::DrawGrid);
    connect(ShowControlCodesCheck, &QCheckBox::clicked, this, &RS232CaptureForm::DrawGrid);
    connect(Connect, &QPushButton::clicked, this, &RS232CaptureForm::ConnectClicked);
    connect(Clear, &QPushButton::clicked, this, &RS232CaptureForm::ClearClicked);
    connect(Done, &QPushButton::clicked, this, &RS232CaptureForm::DoneClicked);
    connect(Cancel, &QPushButton::clicked, this, &RS232CaptureForm::reject);
    connect(Timer1, &QTimer::timeout, this, &RS232CaptureForm::CaptureTick);
    connect(Picture1, &CaptureGrid::ByteDown, this, &RS232CaptureForm::GridDown);
    connect(Picture1, &CaptureGrid::ByteMove, this, &RS232CaptureForm::GridMove);
    connect(Picture1, &CaptureGrid::ByteUp, this, &RS232CaptureForm::GridUp);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        Picture1->SetTopRow(value);
        DrawGrid();
    });
}

// Presets the options from the message and the port last used; the port
// itself is opened only by Connect. Options are set without a click, so
// presetting them reopens nothing.
void RS232CaptureForm::Load()
{
    ProbePorts();
    const SerialClass& message = *state_.Messages.WorkSerial;
    const int16_t baud = message.Baudrate();
    const int16_t parity = message.Parity();
    // A setting out of range is read as the first option, so Done always
    // writes a valid one.
    Baudrate[baud >= 0 && baud < 5 ? static_cast<std::size_t>(baud) : 0]->setChecked(true);
    ParityOption[parity >= 0 && parity < 3 ? static_cast<std::size_t>(parity) : 0]->setChecked(true);
    const int16_t last = state_.Messages.LastPortIndex;
    if (last >= 0 && last < 16 && Option1[static_cast<std::size_t>(last)]->isEnabled()) {
        Option1[static_cast<std::size_t>(last)]->setChecked(true);
    } else {
        for (QRadioButton* option : Option1) Deselect(option);
    }
    DrawGrid();
}

void RS232CaptureForm::ProbePorts()
{
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        ClosePort();
        MSComm1->SetCommPort(static_cast<int>(i) + 1);
        if (!MSComm1->Open()) Option1[i]->setEnabled(false);
    }
    ClosePort();
}

void RS232CaptureForm::ClosePort()
{
    if (MSComm1 && MSComm1->IsOpen()) MSComm1->Close();
}

bool RS232CaptureForm::OpenPort()
{
    ClosePort();
    const int port = SelectedIndex(Option1);
    const int baud = SelectedIndex(Baudrate);
    const int parity = SelectedIndex(ParityOption);
    if (port < 0) {
        Timer1->stop();
        return false;
    }
    MSComm1->SetSettings(PortSettingsText(static_cast<int16_t>(baud), static_cast<int16_t>(parity)));
    MSComm1->SetCommPort(port + 1);
    if (!MSComm1->Open()) {
        Timer1->stop();
        return false;
    }
    Timer1->start();
    MSComm1->Input();
    return true;
}

void RS232CaptureForm::ConnectClicked()
{
    if (MSComm1->IsOpen()) {
        ClosePort();
        Timer1->stop();
        Connect->setText("Connect");
        return;
    }
    // A fresh connection starts without a selection over the earlier bytes.
    ResetSelection();
    Connect->setText(OpenPort() ? "Disconnect" : "Connect");
    DrawGrid();
}

void RS232CaptureForm::SettingClicked()
{
    if (!MSComm1->IsOpen()) return;
    Connect->setText(OpenPort() ? "Disconnect" : "Connect");
    ClearClicked();
}

void RS232CaptureForm::ClearClicked()
{
    CaptureBuffer.clear();
    // A selection cannot outlive the bytes it marked.
    ResetSelection();
    Clear->setEnabled(false);
    DrawGrid();
}

void RS232CaptureForm::CaptureTick()
{
    const SerialPort::Bytes arrived = MSComm1->Input();
    CaptureBuffer.insert(CaptureBuffer.end(), arrived.begin(), arrived.end());
    Clear->setEnabled(true);
    DrawGrid();
}

void RS232CaptureForm::GridDown(int32_t position)
{
    Dragging = position != 0;
    SelectionAnchor = position;
    SelectionEnd = position;
    NormaliseSelection();
    DrawGrid();
}

void RS232CaptureForm::GridMove(int32_t position)
{
    if (!Dragging) return;
    if (position != 0) SelectionEnd = position;
    NormaliseSelection();
    DrawGrid();
}

void RS232CaptureForm::GridUp(int32_t position)
{
    if (!Dragging) return;
    Dragging = false;
    if (position != 0) SelectionEnd = position;
    NormaliseSelection();
    DrawGrid();
}

// A selection holds at most 32 bytes, counted from where the drag began.
void RS232CaptureForm::NormaliseSelection()
{
    constexpr int32_t longest = RS232_String_Class::Capacity - 1;
    if (SelectionAnchor > 0 && SelectionEnd > 0) {
        if (SelectionAnchor <= SelectionEnd) {
            SelectionEnd = std::min(SelectionEnd, SelectionAnchor + longest);
            SelectionLow = SelectionAnchor;
            SelectionHigh = SelectionEnd;
        } else {
            SelectionEnd = std::max(SelectionEnd, SelectionAnchor - longest);
            SelectionLow = SelectionEnd;
            SelectionHigh = SelectionAnchor;
        }
    } else {
        SelectionLow = 0;
        SelectionHigh = 0;
    }
}

void RS232CaptureForm::ResetSelection()
{
    Dragging = false;
    SelectionAnchor = 0;
    SelectionEnd = 0;
    NormaliseSelection();
}

void RS232CaptureForm::DrawGrid()
{
    const auto count = static_cast<int64_t>(CaptureBuffer.size());
    const int64_t rows = count / CaptureGrid::Columns + (count % CaptureGrid::Columns != 0 ? 1 : 0);
    if (rows < CaptureGrid::VisibleRows) {
        VScroll1->setValue(0);
        VScroll1->hide();
    } else {
        const int top = static_cast<int>(rows - CaptureGrid::VisibleRows);
        if (VScroll1->value() > top) VScroll1->setValue(top);
        VScroll1->setMaximum(top);
        VScroll1->show();
    }
    const int view = SelectedIndex(Option2);
    const CaptureView shown = view == 0 ? CaptureView::Decimal : view == 1 ? CaptureView::Hex : CaptureView::Ascii;
    Picture1->SetView(shown, ShowControlCodesCheck->isChecked());
    Picture1->SetSelection(SelectionLow, SelectionHigh);
    BytesReceivedLabel->setText(QString::number(count));
    const bool selected = SelectionAnchor > 0 && SelectionEnd > 0;
    BytesSelectedLabel->setText(QString::number(selected ? SelectionHigh - SelectionLow + 1 : 0));
}

void RS232CaptureForm::DoneClicked()
{
    SerialClass& message = *state_.Messages.WorkSerial;
    message.Baudrate(static_cast<int16_t>(SelectedIndex(Baudrate)));
    message.Parity(static_cast<int16_t>(SelectedIndex(ParityOption)));
    RS232_String_Class& string = message.MyRS232StringClass();
    RS232_String_Class before;
    before.CopyFromThisRS232StringClass(string);
    const bool selected = SelectionLow >= 1 && SelectionHigh >= SelectionLow &&
                          SelectionHigh <= static_cast<int32_t>(CaptureBuffer.size());
    if (!selected) {
        string.NumberOfBytes(0);
    } else {
        string.NumberOfBytes(SelectionHigh - SelectionLow + 1);
        const int view = SelectedIndex(Option2);
        const ContentType viewType = view == 0 ? ContentDecimal : view == 1 ? ContentHex : ContentAscii;
        for (int32_t p = SelectionLow; p <= SelectionHigh; ++p) {
            const uint8_t byte = CaptureBuffer[static_cast<std::size_t>(p - 1)];
            const int i = p - SelectionLow;
            string.ContentBytes(i, byte);
            string.ContentTypes(i, byte < 32 && ShowControlCodesCheck->isChecked() ? ContentControl : viewType);
        }
    }
    // Bytes of its own are no longer the library's command.
    if (!string.IsSameAs(before)) message.IsFromLibrary(false);
    accept();
}

void RS232CaptureForm::reject()
{
    Timer1->stop();
    ClosePort();
    QDialog::reject();
}

bool ShowRS232CaptureForm(ApplicationState& state, SerialClass& message, QWidget* parent)
{
    const WorkSerialHandOff handOff(state.Messages, message);
    RS232CaptureForm form(state, parent);
    return form.exec() == QDialog::Accepted;
}

bool RS232CaptureFormLauncher::ShowRS232CaptureForm(QWidget* owner, ApplicationState& state, SerialClass& message)
{
    return ::ShowRS232CaptureForm(state, message, owner);
}
