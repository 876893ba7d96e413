#include "reconcile/SimpleComparisonControl.h"

#include "controls/Twips.h"
#include "model/FindByNames.h"
#include "platform/Windows1252.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

namespace {

constexpr int RowHeightTwips = 480;
constexpr int TickTopTwips = 120;
constexpr int TickSizeTwips = 255;
// The right edges of the "Same" column and of the decision column.
constexpr int SameColumnEndTwips = 4320;
constexpr int DecisionColumnEndTwips = 5400;

QFrame* AddRowLine(QWidget& row, const QString& name, int index)
{
    auto* line = new QFrame(&row);
    line->setObjectName(name + "_" + QString::number(index));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    // Rows lie edge to edge, so two of these meet between them: kept light.
    line->setForegroundRole(QPalette::Mid);
    return line;
}

}  // namespace

SimpleComparisonControl::SimpleComparisonControl(QWidget* parent) : QWidget(parent)
{
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(0, TwipsToPixels(TickTopTwips), TwipsToPixels(375), TwipsToPixels(TickSizeTwips));
    NameLabel = new QLabel(this);
    NameLabel->setObjectName("NameLabel");
    NameLabel->setGeometry(TwipsToPixels(480), TwipsToPixels(TickTopTwips), TwipsToPixels(2775 - 480),
                           TwipsToPixels(TickSizeTwips));
    InNewTick = AddTick(1, 3000);
    InDataBaseTick = AddTick(2, 3480);
    SameTick = AddTick(3, 3960);
    Check2 = new QCheckBox("-", this);
    Check2->setObjectName("Check2");
    Check2->setGeometry(TwipsToPixels(4440), TwipsToPixels(TickTopTwips) - 2, TwipsToPixels(5295 - 4440),
                        TwipsToPixels(TickSizeTwips) + 4);
    connect(Check2, &QCheckBox::toggled, this, &SimpleComparisonControl::ShowDecisionCaption);
    AddRowLine(*this, "Line2", 0);
    AddRowLine(*this, "Line2", 1);
    Show(true, 0);
}

QCheckBox* SimpleComparisonControl::AddTick(int index, int leftTwips)
{
    // The frame is disabled so that the tick shows state and takes no click.
    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1_" + QString::number(index));
    frame->setGeometry(TwipsToPixels(leftTwips), TwipsToPixels(TickTopTwips), TwipsToPixels(TickSizeTwips),
                       TwipsToPixels(TickSizeTwips));
    frame->setEnabled(false);
    auto* tick = new QCheckBox(frame);
    tick->setObjectName("Check1_" + QString::number(index));
    tick->setGeometry(0, 0, frame->width(), frame->height());
    return tick;
}

void SimpleComparisonControl::DisplayName(const std::string& name)
{
    name_ = name;
    NameLabel->setText(FromWindows1252(name));
}

std::string SimpleComparisonControl::DisplayName() const
{
    return TrimmedUpper(name_);
}

void SimpleComparisonControl::InNew(bool value)
{
    InNewTick->setChecked(value);
}

bool SimpleComparisonControl::InNew() const
{
    return InNewTick->isChecked();
}

void SimpleComparisonControl::InDataBase(bool value)
{
    InDataBaseTick->setChecked(value);
}

bool SimpleComparisonControl::InDataBase() const
{
    return InDataBaseTick->isChecked();
}

void SimpleComparisonControl::IsSame(bool value)
{
    SameTick->setChecked(value);
}

bool SimpleComparisonControl::IsSame() const
{
    return SameTick->isChecked();
}

void SimpleComparisonControl::MoveToDatabase(bool value)
{
    Check2->setChecked(value);
    ShowDecisionCaption();
}

bool SimpleComparisonControl::MoveToDatabase() const
{
    return Check2->isChecked();
}

void SimpleComparisonControl::ShowDecisionCaption()
{
    Check2->setText(Check2->isChecked() ? "Move" : "-");
}

int SimpleComparisonControl::RowWidth(bool hideDecision)
{
    return TwipsToPixels((hideDecision ? SameColumnEndTwips : DecisionColumnEndTwips) + 15);
}

int SimpleComparisonControl::RowHeight()
{
    return TwipsToPixels(RowHeightTwips);
}

void SimpleComparisonControl::Show(bool hideDecision, int16_t rowNumber)
{
    const int width = RowWidth(hideDecision);
    const int height = RowHeight();
    resize(width, height);
    Check2->setVisible(!hideDecision);
    findChild<QFrame*>("Line2_0")->setGeometry(0, 0, width, 1);
    findChild<QFrame*>("Line2_1")->setGeometry(0, height - 1, width, 1);
    Label1->setText(QString::number(rowNumber));
}
