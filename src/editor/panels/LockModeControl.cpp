#include "editor/panels/LockModeControl.h"

#include "controls/IntegerEntry.h"
#include "editor/panels/EntryEnabling.h"
#include "editor/panels/LockControl.h"
#include "model/Configuration.h"
#include "platform/ObjectName.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
enum LockBit : int {
    FrontPanelOffBit = 1,
    ExternalPowerDownBit = 2,
    RoomEmptyBit = 4,
    ButtonSequenceLockBit = 8,
    ButtonSequenceUnlockBit = 16
};
constexpr int16_t ExternalPowerDownInput = 3;
constexpr int16_t RoomSensorLow = 1;
constexpr int16_t RoomSensorHigh = 2;

// Captions of the other ways the panel is locked and unlocked.
QVBoxLayout* AlsoByColumn(const QString& heading, QWidget* parent)
{
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(heading, parent));
    column->addWidget(new QLabel("Meshlo", parent));
    column->addWidget(new QLabel("Serial", parent));
    return column;
}
}  // namespace

LockModeControl::LockModeControl(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    auto* conditions = new QGroupBox(this);
    LockOnFrontPanelCheck = WithName(new QCheckBox("Lock on front panel off", conditions), "LockOnFrontPanelCheck");
    LockOnFrontPanelAfterTimePeriod = new IntegerEntry(conditions);
    LockOnFrontPanelAfterTimePeriod->setObjectName("LockOnFrontPanelAfterTimePeriod");
    LockOnFrontPanelAfterTimePeriodLabel =
        WithName(new QLabel("Min's", conditions), "LockOnFrontPanelAfterTimePeriodLabel");
    LockONExternalCheck = WithName(new QCheckBox("Lock on external power down", conditions), "LockONExternalCheck");
    LockOnRoomEmptyCheck = WithName(new QCheckBox("Lock on room empty", conditions), "LockOnRoomEmptyCheck");
    LockOnRoomEmptyPeriod = new IntegerEntry(conditions);
    LockOnRoomEmptyPeriod->setObjectName("LockOnRoomEmptyPeriod");
    LockOnRoomEmptyPeriodLabel = WithName(new QLabel("Min's", conditions), "LockOnRoomEmptyPeriodLabel");
    LockUsingButtonsCheck = WithName(new QCheckBox("Lock using button sequence", conditions), "LockUsingButtonsCheck");
    UnlockCheck = WithName(new QCheckBox("UnLock using button sequence", conditions), "UnlockCheck");

    auto* grid = new QGridLayout(conditions);
    grid->addWidget(LockOnFrontPanelCheck, 0, 0);
    grid->addWidget(LockOnFrontPanelAfterTimePeriod, 0, 1, Qt::AlignLeft);
    grid->addWidget(LockOnFrontPanelAfterTimePeriodLabel, 0, 2);
    grid->addWidget(LockONExternalCheck, 1, 0);
    grid->addWidget(LockOnRoomEmptyCheck, 2, 0);
    grid->addWidget(LockOnRoomEmptyPeriod, 2, 1, Qt::AlignLeft);
    grid->addWidget(LockOnRoomEmptyPeriodLabel, 2, 2);
    grid->addWidget(LockUsingButtonsCheck, 3, 0);
    grid->addWidget(UnlockCheck, 4, 0);
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(3, 1);
    grid->addLayout(AlsoByColumn("Also Locked By", conditions), 0, 4, 3, 1, Qt::AlignTop);
    grid->addLayout(AlsoByColumn("Also UnLocked By", conditions), 0, 5, 3, 1, Qt::AlignTop);

    WarningFrame = new QFrame(this);
    WarningFrame->setObjectName("WarningFrame");
    WarningFrame->setFrameShape(QFrame::Box);
    auto* warning = new QLabel("Warning No Unlock Method Defined", WarningFrame);
    warning->setStyleSheet("color: red; font-weight: bold;");
    auto* warningRow = new QHBoxLayout(WarningFrame);
    warningRow->addWidget(warning);
    // Showing or hiding the warning or the unlock box moves nothing else.
    for (QWidget* comesAndGoes : std::initializer_list<QWidget*>{WarningFrame, UnlockCheck}) {
        QSizePolicy keepPlace = comesAndGoes->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        comesAndGoes->setSizePolicy(keepPlace);
    }

    LockSequenceFrame = new QGroupBox("Lock/Unlock Sequence", this);
    LockSequenceFrame->setObjectName("LockSequenceFrame");
    auto* steps = new QGridLayout(LockSequenceFrame);
    for (int k = 0; k < Steps; ++k) {
        LockControl1[k] = new LockControl(config_, LockSequenceFrame);
        LockControl1[k]->setObjectName("LockControl1_" + QString::number(k));
        steps->addWidget(LockControl1[k], k / 2, k % 2);
    }

    auto* page = new QVBoxLayout(this);
    page->addWidget(conditions);
    page->addWidget(WarningFrame, 0, Qt::AlignLeft);
    page->addWidget(LockSequenceFrame);
    page->addStretch();

    connect(LockOnFrontPanelCheck, &QCheckBox::clicked, this,
            [this](bool checked) { EnableFrontPanelMinutes(checked); });
    ConnectLockBit(LockOnFrontPanelCheck, FrontPanelOffBit);
    ConnectLockBit(LockONExternalCheck, ExternalPowerDownBit);
    ConnectLockBit(LockOnRoomEmptyCheck, RoomEmptyBit);
    ConnectLockBit(LockUsingButtonsCheck, ButtonSequenceLockBit);
    ConnectLockBit(UnlockCheck, ButtonSequenceUnlockBit);
    connect(LockOnFrontPanelAfterTimePeriod, &IntegerEntry::ValueChanged, this, [this] {
        config_.Edit(ConfigGroup::Locking,
                     [this] { config_.Record.UnlockedMinutes = LockOnFrontPanelAfterTimePeriod->return_value(); });
        UpdateDisplay();
    });
    // No configuration variable holds this period; an edit only marks the change.
    connect(LockOnRoomEmptyPeriod, &IntegerEntry::ValueChanged, this, [this] {
        config_.Edit(ConfigGroup::Locking);
        UpdateDisplay();
    });

    // The rules read the control-input modes; the messages are shown again as the window does.
    for (ConfigGroup group : {ConfigGroup::ControlInputs, ConfigGroup::GlobalMessages})
        listeners_.push_back(std::make_unique<EditListener>(config_.Edits, group, [this] { FillSettings(); }));

    FillSettings();
}

void LockModeControl::ConnectLockBit(QCheckBox* check, int bit)
{
    connect(check, &QCheckBox::clicked, this, [this, bit](bool checked) {
        config_.Edit(ConfigGroup::Locking, [&] {
            int16_t& flags = config_.Record.LockFlags;
            flags = static_cast<int16_t>(checked ? (flags | bit) : (flags & ~bit));
        });
        UpdateDisplay();
    });
}

void LockModeControl::FillSettings()
{
    const ConfigurationRecord& record = config_.Record;
    const FillGuard filling(Filling);
    LockOnFrontPanelAfterTimePeriod->set_values(record.UnlockedMinutes, 1, ConfigurationRecord::MaximumUnlockedMinutes,
                                                "Set duration that Tavlo remains unlocked after a front panel off");
    for (int16_t k = 0; k < Steps; ++k) LockControl1[k]->FillSettings(k);
    const auto isSet = [&record](int bit) { return (record.LockFlags & bit) != 0; };
    LockOnFrontPanelCheck->setChecked(isSet(FrontPanelOffBit));
    EnableFrontPanelMinutes(isSet(FrontPanelOffBit));
    LockONExternalCheck->setChecked(isSet(ExternalPowerDownBit));
    LockOnRoomEmptyCheck->setChecked(isSet(RoomEmptyBit));
    LockUsingButtonsCheck->setChecked(isSet(ButtonSequenceLockBit));
    UnlockCheck->setChecked(isSet(ButtonSequenceUnlockBit));
    UpdateDisplay();
}

void LockModeControl::RefreshDisplay()
{
    UpdateDisplay();
}

void LockModeControl::UpdateDisplay()
{
    const ConfigurationRecord& record = config_.Record;
    const bool externalInput = record.ControlInput1Mode == ExternalPowerDownInput;
    LockONExternalCheck->setEnabled(externalInput);
    const bool roomSensor = record.ControlInput2Mode == RoomSensorLow || record.ControlInput2Mode == RoomSensorHigh;
    LockOnRoomEmptyCheck->setEnabled(roomSensor);
    SetEntryEnabled(LockOnRoomEmptyPeriod, roomSensor);
    LockOnRoomEmptyPeriodLabel->setEnabled(roomSensor);

    // A condition counts only while it can be chosen; one that an input mode
    // rules out keeps its tick and its bit for when the mode allows it again.
    const bool external = LockONExternalCheck->isChecked() && externalInput;
    const bool roomEmpty = LockOnRoomEmptyCheck->isChecked() && roomSensor;
    const bool byButtons = LockUsingButtonsCheck->isChecked();
    const bool anyLock = LockOnFrontPanelCheck->isChecked() || external || roomEmpty || byButtons;
    UnlockCheck->setVisible(anyLock);
    const bool unlockBySequence = UnlockCheck->isChecked();
    LockSequenceFrame->setVisible(unlockBySequence || byButtons);
    WarningFrame->setVisible(anyLock && !unlockBySequence);
    if (!Filling) emit SettingsChanged();
}

void LockModeControl::EnableFrontPanelMinutes(bool enabled)
{
    SetEntryEnabled(LockOnFrontPanelAfterTimePeriod, enabled);
    LockOnFrontPanelAfterTimePeriodLabel->setEnabled(enabled);
}
