#include "reconcile/ImportLibraryComparison.h"

#include "controls/Twips.h"
#include "model/RuntimeErrors.h"
#include "reconcile/ComparisonRowLayout.h"
#include "reconcile/RowWheelScrolling.h"
#include "reconcile/SimpleComparisonControl.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int RowsLeftTwips = 120;
constexpr int RowsTopTwips = 840;
constexpr int HeadingsTopTwips = 240;
// Above and below the rows: the headings and the frame's lower edge.
constexpr int HeadingsHeightTwips = 720;
constexpr int LowerMarginTwips = 135;
constexpr int FrameMarginTwips = 120;

struct Divider {
    const char* name;
    int leftTwips;
};
// Between the headings: after the number, the name, the three ticks; the
// last closes the decision column.
constexpr Divider Dividers[] = {{"Line9", 435},  {"Line2", 2880}, {"Line3", 3360},
                                {"Line4", 3840}, {"Line5", 4320}, {"Line10", 5400}};

}  // namespace

ImportLibraryComparison::ImportLibraryComparison(QWidget* parent) : QWidget(parent)
{
    DifferencesFrame = new QGroupBox("Command differences", this);
    DifferencesFrame->setObjectName("DifferencesFrame");
    // Each heading spans its column, between two dividers.
    AddHeading("Label10", "Name", 435, 2880 - 435);
    AddHeading("Label13", "In  new", 2880, 480);
    AddHeading("Label12", "In  data base", 3360, 480);
    AddHeading("Label14", "Same", 3840, 480);
    DecisionHeading = AddHeading("Label1_0", "Add / Replace in database", 4320, 5400 - 4320);
    for (const Divider& divider : Dividers) AddLine(divider.name, true);
    Line11 = AddLine("Line11", false);
    Line1 = AddLine("Line1", false);
    VScroll1 = new QScrollBar(Qt::Vertical, DifferencesFrame);
    VScroll1->setObjectName("VScroll1");
    VScroll1->hide();
    connect(VScroll1, &QScrollBar::valueChanged, this, &ImportLibraryComparison::PositionRows);
    wheelScrolling_ = new RowWheelScrolling(*VScroll1, this);
    setFixedHeight(TwipsToPixels(6735));
}

QLabel* ImportLibraryComparison::AddHeading(const QString& name, const QString& caption, int leftTwips, int widthTwips)
{
    auto* heading = new QLabel(caption, DifferencesFrame);
    heading->setObjectName(name);
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    // Smaller, so that two words fit over a tick.
    QFont small = heading->font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.8);
    else
        small.setPixelSize(std::max(1, small.pixelSize() * 4 / 5));
    heading->setFont(small);
    heading->setGeometry(TwipsToPixels(RowsLeftTwips + leftTwips) + 1, TwipsToPixels(HeadingsTopTwips),
                         TwipsToPixels(widthTwips) - 1, TwipsToPixels(RowsTopTwips - HeadingsTopTwips));
    return heading;
}

QFrame* ImportLibraryComparison::AddLine(const QString& name, bool vertical)
{
    auto* line = new QFrame(DifferencesFrame);
    line->setObjectName(name);
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

const SimpleComparisonControl& ImportLibraryComparison::RowAt(int i) const
{
    if (i < 0 || i >= TotalNumberOfCommands()) throw SubscriptOutOfRange("comparison row " + std::to_string(i));
    return *rows_[static_cast<std::size_t>(i)];
}

bool ImportLibraryComparison::IsCommandInNew(int i) const
{
    return RowAt(i).InNew();
}

bool ImportLibraryComparison::IsCommandInDatabase(int i) const
{
    return RowAt(i).InDataBase();
}

bool ImportLibraryComparison::IsCommandSameInBoth(int i) const
{
    return RowAt(i).IsSame();
}

bool ImportLibraryComparison::MoveToDatabase(int i) const
{
    return RowAt(i).MoveToDatabase();
}

std::string ImportLibraryComparison::CommandName(int i) const
{
    return RowAt(i).DisplayName();
}

CommandComparisonRow ImportLibraryComparison::Row(int i) const
{
    return CommandComparisonRow{CommandName(i), IsCommandInNew(i), IsCommandInDatabase(i), IsCommandSameInBoth(i)};
}

void ImportLibraryComparison::SetAllMoveToDatabase()
{
    for (SimpleComparisonControl* row : rows_) row->MoveToDatabase(true);
}

void ImportLibraryComparison::ClearAllMoveToDatabase()
{
    for (SimpleComparisonControl* row : rows_) row->MoveToDatabase(false);
}

void ImportLibraryComparison::ShowRows(bool hideDecision, const std::vector<CommandComparisonRow>& rows)
{
    for (SimpleComparisonControl* row : rows_) delete row;
    rows_.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* row = new SimpleComparisonControl(DifferencesFrame);
        row->setObjectName("SimpleComparisonControl1_" + QString::number(i));
        row->InNew(rows[i].InNew);
        row->InDataBase(rows[i].InDataBase);
        row->IsSame(rows[i].IsSame);
        row->DisplayName(rows[i].Name);
        row->Show(hideDecision, static_cast<int16_t>(i + 1));
        row->MoveToDatabase(false);
        wheelScrolling_->Watch(*row);
        rows_.push_back(row);
    }
    DecisionHeading->setVisible(!hideDecision);
    PlaceDividers(hideDecision);
    // An empty list still has the width of one row.
    rowWidth_ = SimpleComparisonControl::RowWidth(hideDecision);
    LayOutRows();
}

void ImportLibraryComparison::PlaceDividers(bool hideDecision)
{
    for (const Divider& divider : Dividers) {
        auto* line = DifferencesFrame->findChild<QFrame*>(divider.name);
        line->setGeometry(TwipsToPixels(RowsLeftTwips + divider.leftTwips), TwipsToPixels(HeadingsTopTwips), 1,
                          TwipsToPixels(RowsTopTwips - HeadingsTopTwips));
        line->setVisible(!hideDecision || divider.leftTwips <= 4320);
    }
}

void ImportLibraryComparison::LayOutRows()
{
    const int rowHeight = SimpleComparisonControl::RowHeight();
    // The frame takes the list's height, which is set before the list is first shown.
    const int available = height() - TwipsToPixels(HeadingsHeightTwips) - TwipsToPixels(LowerMarginTwips);
    const ComparisonRowLayout layout = LayOutComparisonRows(available, rowHeight, static_cast<int>(rows_.size()));
    rowsInView_ = layout.RowsInView;
    const int left = TwipsToPixels(RowsLeftTwips);
    const int top = TwipsToPixels(RowsTopTwips);
    const int rowsRight = left + rowWidth_;
    int right = rowsRight;
    VScroll1->blockSignals(true);
    VScroll1->setValue(0);
    VScroll1->setVisible(layout.ScrollBarShown);
    if (layout.ScrollBarShown) {
        VScroll1->setGeometry(rowsRight, top, VScroll1->sizeHint().width(), rowHeight * rowsInView_);
        VScroll1->setRange(0, layout.ScrollMaximum);
        VScroll1->setPageStep(layout.LargeChange);
        VScroll1->setSingleStep(1);
        right = VScroll1->geometry().right() + 1;
    }
    VScroll1->blockSignals(false);
    DifferencesFrame->setGeometry(0, 0, right + TwipsToPixels(FrameMarginTwips), height());
    setFixedWidth(DifferencesFrame->geometry().right() + 1);
    Line11->setGeometry(left, TwipsToPixels(HeadingsTopTwips), rowWidth_, 1);
    Line1->setGeometry(left, top + rowHeight * rowsInView_, rowWidth_, 1);
    PositionRows();
}

void ImportLibraryComparison::PositionRows()
{
    const int first = VScroll1->value();
    int runningTop = TwipsToPixels(RowsTopTwips);
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        SimpleComparisonControl* row = rows_[static_cast<std::size_t>(i)];
        if (i < first || i >= first + rowsInView_) {
            row->hide();
            continue;
        }
        row->move(TwipsToPixels(RowsLeftTwips), runningTop);
        row->show();
        runningTop += row->height();
    }
}

void ImportLibraryComparison::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    DifferencesFrame->resize(DifferencesFrame->width(), height());
}
