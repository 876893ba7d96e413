#pragma once

#include "reconcile/CommandComparisonRows.h"

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QFrame;
class QGroupBox;
class QLabel;
class QScrollBar;
class RowWheelScrolling;
class SimpleComparisonControl;

// The list of an imported library's commands against the database
// library's, one row a name, with a decision column the user may tick to
// move the imported command into the database. The IR and RS232 lists
// differ only in how they build their rows; the list itself changes no
// library.
class ImportLibraryComparison : public QWidget {
    Q_OBJECT
public:
    explicit ImportLibraryComparison(QWidget* parent = nullptr);

    int16_t TotalNumberOfCommands() const { return static_cast<int16_t>(rows_.size()); }
    bool IsCommandInNew(int i) const;
    bool IsCommandInDatabase(int i) const;
    bool IsCommandSameInBoth(int i) const;
    bool MoveToDatabase(int i) const;
    std::string CommandName(int i) const;
    void SetAllMoveToDatabase();
    void ClearAllMoveToDatabase();

    // The row as the decision applies it, ticks from the list.
    CommandComparisonRow Row(int i) const;

protected:
    // Rebuilds every row, each decision cleared; without the decision column
    // the rows are narrower and its heading hidden.
    void ShowRows(bool hideDecision, const std::vector<CommandComparisonRow>& rows);
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* AddHeading(const QString& name, const QString& caption, int leftTwips, int widthTwips);
    QFrame* AddLine(const QString& name, bool vertical);
    void PlaceDividers(bool hideDecision);
    const SimpleComparisonControl& RowAt(int i) const;
    void LayOutRows();
    void PositionRows();

    QGroupBox* DifferencesFrame;
    QLabel* DecisionHeading;
    QFrame* Line1;
    QFrame* Line11;
    QScrollBar* VScroll1;
    RowWheelScrolling* wheelScrolling_;
    std::vector<SimpleComparisonControl*> rows_;
    int rowsInView_ = 0;
    int rowWidth_ = 0;
};
