#include "devicelink/TavloComms.h"

#include "controls/SerialDeviceToolTip.h"
#include "controls/TitleRoom.h"
#include "controls/Twips.h"
#include "devicelink/ImageDownload.h"
#include "devicelink/PortSearch.h"
#include "model/ApplicationState.h"
#include "platform/SerialPortMaker.h"
#include "platform/UserPrompts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

namespace {

// The dialog is laid out in twips, as its rows and covers must lie exactly
// over one another.
int Twips(const QWidget* widget, int twips)
{
    return TwipsToPixels(twips, widget->logicalDpiX());
}

void Place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips(widget, left), Twips(widget, top), Twips(widget, width), Twips(widget, height));
}

QFrame* Cover(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    frame->setPalette(palette);
    return frame;
}

constexpr int RowLeft = 120;
constexpr int RowTop = 120;
constexpr int RowPitch = 360;
constexpr int CoverWidth = 2295;
constexpr int DialogWidth = 2535;
constexpr int DialogHeight = 3135;

const QString ProgrammingFailedText =
    "Program failed, Tavlo may fail to operate correctly until reprogrammmed, Try powering the pod off/wait/on "
    "and reprogram again";

}  // namespace

const QString TavloComms::UpdateSite = "www.brenlo.com";

TavloComms::TavloComms(ApplicationState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      port_(*MakeSerialPortOwnedBy(this, state.Installed)),
      link_(port_, AbortWait, state.Prompts(), state.DeviceTypes)
{
    setWindowTitle("Tavlo program");
    BuildControls();
}

TavloComms::~TavloComms()
{
    AbortWait = true;
    if (port_.IsOpen()) port_.Close();
}

void TavloComms::BuildControls()
{
    // The controls lie over one another in twips; the dialog is as wide as
    // its caption needs, with them in the middle.
    auto* content = new QWidget(this);
    content->setObjectName("Controls");
    const QSize contentSize(Twips(this, DialogWidth), Twips(this, DialogHeight));
    const int width = std::max(contentSize.width(), TitleRoomWidth(*this, windowTitle()));
    setFixedSize(width, contentSize.height());
    content->setGeometry(QRect(QPoint((width - contentSize.width()) / 2, 0), contentSize));
    for (int i = 0; i < Ports; ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        const int top = RowTop + RowPitch * i;
        row.option = new QRadioButton(QString::number(i + 1), content);
        row.option->setObjectName(QString("Option1_%1").arg(i));
        Place(row.option, RowLeft, top, 480, 285);
        row.podType = new QLineEdit(content);
        row.podType->setReadOnly(true);
        row.podType->setObjectName(QString("PodType_%1").arg(i));
        Place(row.podType, 600, top, 1815, 285);
        ShowSerialDeviceInToolTip(*row.option, i + 1);
        ShowSerialDeviceInToolTip(*row.podType, i + 1);
        connect(row.option, &QRadioButton::clicked, this, [this, i] { OptionClicked(i); });
    }

    command1_ = new QPushButton("Search for Tavlo", content);
    Place(command1_, 240, 1680, 2055, 375);
    programPod_ = new QPushButton("Program Tavlo", content);
    Place(programPod_, 240, 2160, 2055, 375);
    command2_ = new QPushButton("Cancel", content);
    Place(command2_, 240, 2640, 2055, 375);
    connect(command1_, &QPushButton::clicked, this, &TavloComms::SearchClicked);
    connect(programPod_, &QPushButton::clicked, this, &TavloComms::ProgramPodClicked);
    connect(command2_, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    programPod_->setAutoDefault(false);
    command1_->setAutoDefault(false);
    command2_->setAutoDefault(false);

    // Each row's cover; the last one reaches down to the dialog's foot, over
    // the three buttons.
    for (int i = 0; i < Ports; ++i) {
        QFrame* cover = Cover(content);
        const int top = RowTop + RowPitch * i;
        Place(cover, RowLeft, top, CoverWidth, i < Ports - 1 ? RowPitch : DialogHeight - top);
        cover->hide();
        cover->setObjectName(QString("Blanking_%1").arg(i));
        rows_[static_cast<std::size_t>(i)].blanking = cover;
    }
    blanking1_ = new QLabel("Please Wait Searching for Tavlo", rows_[3].blanking);
    blanking1_->setWordWrap(true);
    blanking1_->setAlignment(Qt::AlignCenter);
    blanking1_->setForegroundRole(QPalette::HighlightedText);
    Place(blanking1_, 120, 480, CoverWidth - 240, 720);

    pleaseWait_ = new QFrame(content);
    pleaseWait_->setAutoFillBackground(true);
    pleaseWait_->setFrameShape(QFrame::Panel);
    Place(pleaseWait_, RowLeft, 0, CoverWidth, 3015);
    label3_ = new QLabel(pleaseWait_);
    label3_->setWordWrap(true);
    label3_->setAlignment(Qt::AlignCenter);
    Place(label3_, 120, 360, CoverWidth - 240, 720);
    progressBar1_ = new QProgressBar(pleaseWait_);
    progressBar1_->setRange(0, ProgressBarMaximum);
    progressBar1_->setTextVisible(false);
    Place(progressBar1_, 120, 1320, CoverWidth - 240, 300);
    label1_ = new QLabel("Percentage complete", pleaseWait_);
    label1_->setAlignment(Qt::AlignCenter);
    Place(label1_, 120, 1800, CoverWidth - 240, 300);
    label2_ = new QLabel(pleaseWait_);
    label2_->setAlignment(Qt::AlignCenter);
    Place(label2_, 120, 2160, CoverWidth - 240, 300);
    pleaseWait_->hide();

    command1_->setObjectName("Command1");
    programPod_->setObjectName("ProgramPod");
    command2_->setObjectName("Command2");
    blanking1_->setObjectName("Blanking1");
    pleaseWait_->setObjectName("PleaseWait");
    progressBar1_->setObjectName("ProgressBar1");
    label1_->setObjectName("Label1");
    label2_->setObjectName("Label2");
    label3_->setObjectName("Label3");
}

void TavloComms::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // After the dialog has been drawn, so the user sees the search run.
    QTimer::singleShot(0, this, &TavloComms::Activated);
}

void TavloComms::done(int result)
{
    // Closing ends whatever runs: its waits see the flag, and nothing
    // touches the port again.
    AbortWait = true;
    if (port_.IsOpen()) port_.Close();
    activated_ = false;
    QDialog::done(result);
}

void TavloComms::Activated()
{
    if (!isVisible()) return;
    encoder_.BuildControllerImage(state_.Config.Record);
    AbortWait = false;
    programPod_->setEnabled(false);
    progressBar1_->setValue(0);
    for (const Row& row : rows_) row.blanking->raise();
    pleaseWait_->raise();
    pleaseWait_->hide();
    search_for_pod();
}

void TavloComms::SearchClicked()
{
    if (busy_) return;
    for (const Row& row : rows_) row.blanking->show();
    pleaseWait_->hide();
    search_for_pod();
}

void TavloComms::search_for_pod()
{
    busy_ = true;
    // Cleared first and last: a row chosen before must not stay chosen, and
    // nothing the user clicks meanwhile may count.
    ClearOptions();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].blanking->show();
        rows_[i].option->setEnabled(false);
        rows_[i].option->hide();
        portIsVersion1_[i] = true;
    }
    for (int p = 1; p <= Ports && !AbortWait; ++p) {
        Row& row = rows_[static_cast<std::size_t>(p - 1)];
        const PortSearchRow found = SearchPort(link_, p, state_.DeviceTypes);
        row.podType->setText(found.deviceText);
        row.podType->setVisible(found.opened);
        row.option->setEnabled(found.canProgram);
        if (!found.version1) portIsVersion1_[static_cast<std::size_t>(p - 1)] = false;
        row.blanking->hide();
    }
    for (const Row& row : rows_) row.option->setVisible(!row.podType->isHidden());
    programPod_->setEnabled(false);
    ClearOptions();
    busy_ = false;
    emit SearchFinished();
}

void TavloComms::ClearOptions()
{
    for (const Row& row : rows_) {
        row.option->setAutoExclusive(false);
        row.option->setChecked(false);
        row.option->setAutoExclusive(true);
    }
}

std::optional<int> TavloComms::ChosenRow() const
{
    for (int i = 0; i < Ports; ++i)
        if (rows_[static_cast<std::size_t>(i)].option->isChecked()) return i;
    return std::nullopt;
}

void TavloComms::OptionClicked(int i)
{
    if (busy_) return;
    if (portIsVersion1_[static_cast<std::size_t>(i)]) {
        programPod_->setEnabled(true);
        return;
    }
    // A row chosen before must not leave programming open for this one.
    programPod_->setEnabled(false);
    state_.Prompts().Message(
        "The version of the Tavlo editor can only,\r\nprogram version 1 firmware Tavlos\r\n"
        "Please obtain a nev verison of this program from\r\n" +
            UpdateSite,
        "Sorry update editor!", PromptButtons::Ok, PromptIcon::Exclamation);
}

void TavloComms::ShowProgress(int value, const QString& label)
{
    progressBar1_->setValue(value);
    label2_->setText(label);
}

void TavloComms::ProgrammingFailed()
{
    state_.Prompts().Message(ProgrammingFailedText, "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
}

void TavloComms::ProgramPodClicked()
{
    if (busy_) return;
    busy_ = true;
    link_.set_active_port(ChosenRow());
    label3_->setText("Please wait programing main data");
    ShowProgress(0, "0%");
    pleaseWait_->raise();
    pleaseWait_->show();

    const auto stop = [this](const QString& message) {
        // The panel goes again so the dialog's buttons can be used; a run
        // cut short by closing the dialog says that programming failed.
        pleaseWait_->hide();
        if (AbortWait)
            ProgrammingFailed();
        else
            state_.Prompts().Message(message, "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
        busy_ = false;
        emit ProgrammingFinished();
    };
    if (!port_.IsOpen()) return stop("Port not open");
    bool restart = false;
    if (link_.Find_pod(restart) == 0) return stop("No response");

    encoder_.BuildControllerImage(state_.Config.Record);
    const bool downloaded = download_image(link_, encoder_.Image(), encoder_.ControllerImageLength(),
                                           [this](int value, const QString& label) { ShowProgress(value, label); });
    ShowProgress(0, "0%");
    pleaseWait_->hide();
    const bool restarted = link_.restart_unit();
    if (downloaded && restarted && !AbortWait)
        state_.Prompts().Message("Tavlo programed", "Complete", PromptButtons::Ok, PromptIcon::None);
    else
        ProgrammingFailed();
    busy_ = false;
    if (isVisible()) done(QDialog::Accepted);
    emit ProgrammingFinished();
}

void ShowTavloComms(ApplicationState& state, QWidget* parent)
{
    TavloComms dialog(state, parent);
    dialog.exec();
}
