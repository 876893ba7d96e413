#include "reconcile/LibraryComparisonControl.h"

#include "platform/ObjectName.h"
#include "platform/Windows1252.h"
#include "reconcile/ComaprisonControl.h"
#include "reconcile/ComparisonRowLayout.h"
#include "reconcile/RowWheelScrolling.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QLabel* Heading(const QString& text, const QString& name, int width)
{
    auto* label = WithName(new QLabel(text), name);
    label->setFixedWidth(width);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

}  // namespace

LibraryComparisonControl::LibraryComparisonControl(LibraryKind kind, QWidget* parent)
    : QWidget(parent), rowName_(kind == LibraryKind::IR ? "IRComaprisonControl1" : "ComaprisonControl1")
{
    setObjectName(kind == LibraryKind::IR ? "LibraryIRComparisonControl1" : "LibraryRS232ComparisonControl1");
    auto* frame = WithName(new QGroupBox("Command differences"), "DifferencesFrame");
    auto* frameLayout = new QVBoxLayout(frame);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->addWidget(Heading("", "NumberHeading", ComaprisonControl::NumberWidth));
    auto* name = Heading("Name", "Label10", ComaprisonControl::NameWidth);
    name->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    headings->addWidget(name);
    headings->addWidget(Heading("In  use", "Label11", ComaprisonControl::TickWidth));
    headings->addWidget(Heading("In  new", "Label13", ComaprisonControl::TickWidth));
    headings->addWidget(Heading("In  data base", "Label12", ComaprisonControl::TickWidth));
    headings->addWidget(Heading("Same", "Label14", ComaprisonControl::TickWidth));
    const char* choices[] = {"Move new to database and use", "Use from new, don't add to database",
                             "Use from database, discard new", "Remove and don't add to database"};
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        choiceHeadings_.push_back(Heading(choices[i], "Label1_" + QString::number(i), ComaprisonControl::ChoiceWidth));
        headings->addWidget(choiceHeadings_.back());
    }
    headings->addStretch();
    frameLayout->addLayout(headings);

    rowsHolder_ = new QWidget;
    rowsLayout_ = new QVBoxLayout(rowsHolder_);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setSpacing(0);
    rowsLayout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
    area_ = WithName(new QScrollArea, "VScroll1");
    area_->setWidget(rowsHolder_);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    wheelScrolling_ = new RowWheelScrolling(*area_->verticalScrollBar(), this);
    frameLayout->addWidget(area_);
    frameLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

ComaprisonControl& LibraryComparisonControl::Row(int i) const
{
    return *rowControls_.at(static_cast<std::size_t>(i));
}

bool LibraryComparisonControl::IsCommandInUse(int i) const
{
    return Row(i).InUse();
}

bool LibraryComparisonControl::IsCommandInNew(int i) const
{
    return Row(i).InNew();
}

bool LibraryComparisonControl::IsCommandInDatabase(int i) const
{
    return Row(i).InDataBase();
}

bool LibraryComparisonControl::IsCommandSameInBoth(int i) const
{
    return Row(i).IsSame();
}

int16_t LibraryComparisonControl::WhatToDoToCommand(int i) const
{
    return Row(i).WhatToDoToCommand();
}

QString LibraryComparisonControl::CommandName(int i) const
{
    return Row(i).DisplayName();
}

void LibraryComparisonControl::SetAllMoveNewAndUse()
{
    for (ComaprisonControl* row : rowControls_) row->MoveToDatabaseAndUse(true);
}

void LibraryComparisonControl::SetAllUseNewDontAdd()
{
    for (ComaprisonControl* row : rowControls_) row->UseNewDontAdd(true);
}

void LibraryComparisonControl::SetAllUseDatabaseAndDiscard()
{
    for (ComaprisonControl* row : rowControls_) row->UseFromDatabaseAndDiscardNew(true);
}

void LibraryComparisonControl::Show(bool displayOnly, const ConfigurationLibrary& library)
{
    for (ComaprisonControl* row : rowControls_) delete row;
    rowControls_.clear();
    rows_ = BuildCommandRows(library);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const CommandRow& fields = rows_[i];
        auto* row = WithName(new ComaprisonControl, rowName_, i);
        row->DisplayName(FromWindows1252(fields.Name));
        row->InNew(fields.InNew);
        row->InDataBase(fields.InDataBase);
        row->IsSame(fields.IsSame);
        row->InUse(fields.InUse);
        row->Show(displayOnly, static_cast<int16_t>(i + 1));
        row->UseNewDontAdd(true);
        wheelScrolling_->Watch(*row);
        rowsLayout_->addWidget(row);
        rowControls_.push_back(row);
    }
    for (QLabel* heading : choiceHeadings_) heading->setVisible(!displayOnly);

    const int rowsWidth = rowControls_.empty() ? ComaprisonControl::NumberWidth : rowControls_.front()->width();
    const ComparisonRowLayout layout = LayOutComparisonRows(RowsInView * ComaprisonControl::Height,
                                                            ComaprisonControl::Height, static_cast<int>(rows_.size()));
    const int inView = layout.RowsInView;
    const bool scrolls = layout.ScrollBarShown;
    const int scrollWidth = scrolls ? area_->verticalScrollBar()->sizeHint().width() : 0;
    rowsHolder_->adjustSize();
    area_->setFixedSize(rowsWidth + scrollWidth, std::max(1, inView) * ComaprisonControl::Height);
    area_->verticalScrollBar()->setValue(0);
    adjustSize();
}

std::vector<std::string> LibraryComparisonControl::ApplyChoices(ConfigurationLibrary& library) const
{
    std::vector<CommandChoice> choices;
    for (std::size_t i = 0; i < rowControls_.size(); ++i)
        choices.push_back(static_cast<CommandChoice>(rowControls_[i]->WhatToDoToCommand()));
    return ApplyCommandChoices(library, rows_, choices);
}
