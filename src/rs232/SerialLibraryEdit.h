#pragma once

#include "controls/FillGuard.h"
#include "model/RS232FileBlockClass.h"

#include <QDialog>
#include <array>

class ApplicationState;
class IntegerEntry;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class QWidget;
class RS232commandControl;
class RowsScrollArea;

// Edits the RS232 library in WorkRS232Library: its names, port settings,
// notes and 32 commands. The commands are edited in EditCommandSerials and
// reach the library on Save, which also stores the library into the RS232
// database in memory (the browser writes the file).
class SerialLibraryEdit : public QDialog {
    Q_OBJECT
public:
    explicit SerialLibraryEdit(ApplicationState& state, QWidget* parent = nullptr);
    ~SerialLibraryEdit() override;

    // Escape and the close box: a changed library goes only once the user agrees.
    void reject() override;

private:
    void BuildControls();
    QWidget* BuildSettings();
    void Load();
    void FillNameLists();
    // The page of a tab: the command rows or the settings.
    QWidget& Page(int tab) const;
    void ShowTab(int tab);
    void StoreNames();
    void StorePortSettings();
    void StoreNotes();
    void StampCommands();
    void SaveClicked();
    // The library as Save would take it differs from the one the editor opened with.
    bool LibraryChanged() const;

    ApplicationState& state_;
    FillFlag Loading;
    RS232FileBlockClass opened_;

    QTabBar* SSTab1;
    QWidget* SerialFrame;
    RowsScrollArea* commandRows_;
    QWidget* settingsPage_;
    std::array<RS232commandControl*, 16> RS232commandControl1{};
    QComboBox* Manufacturer;
    QComboBox* TypeCombo1;
    QLineEdit* Model;
    std::array<QRadioButton*, 5> Baudrate{};
    std::array<QRadioButton*, 3> ParityOption{};
    IntegerEntry* InterByteDelay;
    QPlainTextEdit* Notes;
    QPushButton* Done;
    QPushButton* Cancel;
};

// Shows the editor modally on WorkRS232Library, which the caller has filled;
// the outcome is in WorkRS232Library and the RS232 database in memory.
void ShowSerialLibraryEdit(ApplicationState& state, QWidget* parent);
