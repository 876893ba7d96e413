#pragma once

#include "controls/FillGuard.h"
#include "model/ProjectorClass.h"
#include "model/SerialClass.h"
#include "projectors/ProjectorSetupVisibility.h"

#include <QDialog>
#include <array>

class ApplicationState;
class IntegerEntry;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SerialStringDisplay;

// Edits the projector definition in WorkProjector: names, notes, port
// settings, timings and its 25 messages. The messages are edited on copies
// that reach WorkProjector only on Save, which also writes the definition
// into the projector database (the browser saves the file).
class ProjectorSetupForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int NameLength = 32;
    static constexpr int NotesLength = 256;

    explicit ProjectorSetupForm(ApplicationState& state, QWidget* parent = nullptr);
    ~ProjectorSetupForm() override;

    // Escape and the close box: a changed definition goes only once the user agrees.
    void reject() override;

private:
    struct CommandRow {
        int slot;
        int replyCheck;
        int reply;
        int gridRow;
    };

    void BuildControls();
    QWidget* BuildMessageGrid();
    QWidget* BuildSettings();
    void Load();
    void LoadMessages();
    ProjectorSetupChecks CheckStates() const;
    void RefreshVisibility();
    void PlaceRow(const CommandRow& row, bool replyTicked);
    void UpperCaseManufacturer();
    void KeepNotesWithinField();
    void SetTabOrderByRows();
    void StoreIntoWorkProjector();
    void StoreInto(ProjectorClass& definition) const;
    // The definition as Save would store it differs from the one the form opened with.
    bool DefinitionChanged() const;
    void SaveClicked();

    ApplicationState& state_;
    FillFlag loading_;
    std::array<SerialClass, 25> messages_{};
    std::array<CommandRow, 12> commandRows_{};
    ProjectorClass opened_;

    std::array<SerialStringDisplay*, 25> SerialStringDisplay1{};
    std::array<QCheckBox*, 13> ReplyCheck{};
    // Elements 1, 3, 4 and 5 exist, as on the form.
    std::array<QCheckBox*, 6> AvailableCheck{};
    QCheckBox* SerialOnOffUsedCheck;
    QCheckBox* VolumeAvailableCheck;
    QCheckBox* UseLevelsCheck;
    QFrame* VolumeSeparator;
    QGridLayout* messageGrid_;
    QComboBox* Manufacturer;
    QLineEdit* Model;
    QPlainTextEdit* Notes;
    std::array<QRadioButton*, 5> Baudrate{};
    std::array<QRadioButton*, 3> ParityOption{};
    IntegerEntry* InterByteDelay;
    IntegerEntry* InterCommandDelay;
    IntegerEntry* WarmUpTime;
    IntegerEntry* CoolDownTime;
    QPushButton* Done;
    QPushButton* Cancel;
};

// Shows the editor modally on WorkProjector, which the caller has filled;
// the outcome is in WorkProjector and the projector database.
void ShowProjectorSetupForm(ApplicationState& state, QWidget* parent);
