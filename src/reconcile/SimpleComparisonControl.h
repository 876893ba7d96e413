#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;

// One row of an imported library's comparison: the command's name, three
// ticks that only show where it is found, and the user's one tick that asks
// for it to be moved into the database.
class SimpleComparisonControl : public QWidget {
    Q_OBJECT
public:
    explicit SimpleComparisonControl(QWidget* parent = nullptr);

    // The name as stored, 8-bit text; read back trimmed and upper case.
    void DisplayName(const std::string& name);
    std::string DisplayName() const;
    void InNew(bool value);
    bool InNew() const;
    void InDataBase(bool value);
    bool InDataBase() const;
    void IsSame(bool value);
    bool IsSame() const;
    void MoveToDatabase(bool value);
    bool MoveToDatabase() const;

    // Sizes the row, narrower without the decision column, and numbers it.
    void Show(bool hideDecision, int16_t rowNumber);
    static int RowWidth(bool hideDecision);
    static int RowHeight();

private:
    QCheckBox* AddTick(int index, int leftTwips);
    void ShowDecisionCaption();

    std::string name_;
    QLabel* Label1;
    QLabel* NameLabel;
    QCheckBox* InNewTick;
    QCheckBox* InDataBaseTick;
    QCheckBox* SameTick;
    QCheckBox* Check2;
};
