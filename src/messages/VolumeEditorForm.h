#pragma once

#include "controls/FillGuard.h"
#include "controls/VolumeEditorLauncher.h"
#include "messages/VolumeFormatRules.h"
#include "model/SerialClass.h"

#include <QDialog>
#include <array>

class ApplicationState;
class HEXentry;
class IntegerEntry;
class LevelControls;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class VolumeExtensionClass;

// Edits how a level is written into the message in WorkSerial: its range,
// step, start-up level and byte format. Checks the format after every
// change and stores it only when it is sound.
class VolumeEditorForm : public QDialog {
    Q_OBJECT
public:
    // WorkSerial must hold a message with a volume format.
    explicit VolumeEditorForm(ApplicationState& state, QWidget* parent = nullptr);

    bool HasError() const { return errorFlag_; }
    int16_t TestLevel() const { return testLevel_; }

public slots:
    void reject() override;

private:
    void BuildControls();
    void Load();
    void ConnectMirror(IntegerEntry* entry, HEXentry* mirror, int16_t minimum, int16_t maximum, const QString& entryTip,
                       const QString& mirrorTip);
    void Check();
    void UpdateEnabling();
    void Preview();
    VolumeFormatDraft Draft();
    int16_t SelectedFormat() const;
    VolumeExtensionClass FormatOf(const VolumeFormatDraft& draft) const;
    void MoveTestLevel(int16_t (*move)(int16_t, const VolumeExtensionClass&));
    void DoneClicked();

    ApplicationState& state_;
    IntegerEntry* MaximumLevel;
    IntegerEntry* MinimumLevel;
    IntegerEntry* VolumeStep;
    IntegerEntry* FixedStartLevel;
    HEXentry* MaximumLevelInHex;
    HEXentry* MinimumLevelInHex;
    HEXentry* VolumeStepInHex;
    HEXentry* FixedStartLevelInHex;
    QCheckBox* UsePowerDownCheck;
    std::array<QRadioButton*, 3> MessageFormat{};
    QGroupBox* FirstByteFrame;
    std::array<QRadioButton*, 2> FirstByteIs{};
    std::array<QRadioButton*, 4> NumberOfBytes{};
    QLabel* ErrorLabel;
    std::array<QLabel*, 3> FixedLevelLabel{};
    std::array<QLabel*, 6> HexLabel{};
    QPushButton* Done;
    QPushButton* CancelCommand;
    LevelControls* levelControls_;
    SerialClass backup_;
    bool errorFlag_ = false;
    FillFlag busy_;
    int16_t testLevel_ = 0;
};

// Opens the volume editor for the byte cells of the serial string editor.
class VolumeEditorFormLauncher final : public VolumeEditorLauncher {
public:
    explicit VolumeEditorFormLauncher(ApplicationState& state) : state_(state) {}
    bool ShowVolumeEditorForm(QWidget* owner, SerialClass& message) override;

private:
    ApplicationState& state_;
};
