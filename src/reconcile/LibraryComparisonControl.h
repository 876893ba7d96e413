#pragma once

#include "reconcile/ConfigurationLibraryChanges.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class ComaprisonControl;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class RowWheelScrolling;

// The per-command comparison of a configuration's library with the
// database's: one row per command name found in either, with its ticks
// and, when deciding, its choice. It changes nothing itself.
class LibraryComparisonControl : public QWidget {
    Q_OBJECT
public:
    // Rows that fit the list's height; one more makes it scroll, with one
    // fewer in view.
    static constexpr int RowsInView = 12;

    // IR names the list and its rows as the IR twin, otherwise as the RS232 one.
    explicit LibraryComparisonControl(LibraryKind kind, QWidget* parent = nullptr);

    int16_t TotalNumberOfCommands() const { return static_cast<int16_t>(rows_.size()); }
    bool IsCommandInUse(int i) const;
    bool IsCommandInNew(int i) const;
    bool IsCommandInDatabase(int i) const;
    bool IsCommandSameInBoth(int i) const;
    int16_t WhatToDoToCommand(int i) const;
    QString CommandName(int i) const;
    void SetAllMoveNewAndUse();
    void SetAllUseNewDontAdd();
    void SetAllUseDatabaseAndDiscard();

    // Rebuilds every row from the library, each starting at "Use new"; with
    // displayOnly the choice columns are hidden.
    void Show(bool displayOnly, const ConfigurationLibrary& library);
    // Applies every row's choice; the names of the commands the database
    // library had no room for are returned.
    std::vector<std::string> ApplyChoices(ConfigurationLibrary& library) const;

private:
    ComaprisonControl& Row(int i) const;

    QString rowName_;
    std::vector<CommandRow> rows_;
    std::vector<ComaprisonControl*> rowControls_;
    std::vector<QLabel*> choiceHeadings_;
    QScrollArea* area_;
    QWidget* rowsHolder_;
    QVBoxLayout* rowsLayout_;
    RowWheelScrolling* wheelScrolling_;
};
