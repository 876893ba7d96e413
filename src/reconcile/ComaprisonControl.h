#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QRadioButton;

// One row of the per-command comparison: the command's number and name,
// four ticks that only show state, and one of four choices.
class ComaprisonControl : public QWidget {
    Q_OBJECT
public:
    // Widths of the row's columns, shared with the list's headings.
    static constexpr int NumberWidth = 32;
    static constexpr int NameWidth = 150;
    static constexpr int TickWidth = 52;
    static constexpr int ChoiceWidth = 96;
    static constexpr int Height = 30;

    explicit ComaprisonControl(QWidget* parent = nullptr);

    QString DisplayName() const;
    void DisplayName(const QString& name);
    bool InUse() const;
    // A command in use starts with the choice "Use new".
    void InUse(bool value);
    bool InNew() const;
    void InNew(bool value);
    bool InDataBase() const;
    void InDataBase(bool value);
    bool IsSame() const;
    void IsSame(bool value);
    bool MoveToDatabaseAndUse() const;
    void MoveToDatabaseAndUse(bool value);
    bool UseNewDontAdd() const;
    void UseNewDontAdd(bool value);
    bool UseFromDatabaseAndDiscardNew() const;
    void UseFromDatabaseAndDiscardNew(bool value);

    // Numbers the row and shows the choices unless only the ticks are wanted.
    void Show(bool displayOnly, int16_t number);
    // 1 "Mov/Use", 2 "Use new", 3 "Use/Dis"; 0 "Remove" or none.
    int16_t WhatToDoToCommand() const;

private:
    void Choose(int option, bool value);
    void ShowCaptions();

    QLabel* Label1;
    QLabel* NameLabel;
    std::array<QCheckBox*, 4> Check1{};
    std::array<QRadioButton*, 4> Option1{};
};
