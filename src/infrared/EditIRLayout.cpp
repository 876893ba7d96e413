#include "controls/SerialDeviceToolTip.h"
#include "infrared/EditIR.h"
#include "infrared/IRGraph.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int NameLength = 16;

QGroupBox* Framed(const QString& title, QWidget* content)
{
    auto* frame = new QGroupBox(title);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(content);
    return frame;
}

QComboBox* NameList(const QString& name)
{
    auto* list = WithName(new QComboBox, name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumContentsLength(NameLength);
    return list;
}

QFrame* Frame(const QString& name)
{
    auto* frame = WithName(new QFrame, name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

}  // namespace

void EditIR::BuildControls()
{
    auto* left = new QVBoxLayout;
    left->addWidget(BuildHeader());
    left->addWidget(Framed("Commands", BuildCommands()), 1);

    IRGraph1 = WithName(new IRGraph(ir_.CurrentIRCommand), "IRGraph1");
    auto* right = new QVBoxLayout;
    right->addWidget(Framed("Button Detail", IRGraph1), 1);
    right->addWidget(BuildButtons());
    right->addWidget(BuildCapture());

    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 2);
    main->addLayout(right, 3);
}

QWidget* EditIR::BuildHeader()
{
    Manufacturer = NameList("Manufacturer");
    TypeCombo1 = NameList("TypeCombo1");
    Model = WithName(new QLineEdit, "Model");
    Model->setMaxLength(NameLength);
    Notes = WithName(new QPlainTextEdit, "Notes");
    Notes->setToolTip("Up to 160 characters");
    Notes->setMaximumHeight(Notes->fontMetrics().lineSpacing() * 5);

    auto* names = new QWidget;
    auto* grid = new QGridLayout(names);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Framed("Manufacturer", Manufacturer), 0, 0);
    grid->addWidget(Framed("Type", TypeCombo1), 0, 1);
    grid->addWidget(Framed("Model", Model), 1, 0);
    grid->addWidget(Framed("Notes", Notes), 2, 0, 1, 2);
    return names;
}

QWidget* EditIR::BuildCommands()
{
    treeview1 = WithName(new QTreeWidget, "treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->setRootIsDecorated(false);
    treeview1->setSortingEnabled(true);
    treeview1->sortByColumn(0, Qt::AscendingOrder);
    treeview1->setSelectionMode(QAbstractItemView::SingleSelection);
    treeview1->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    treeview1->setMinimumHeight(160);
    return treeview1;
}

// The capture panels and the closing notice stand in front of the buttons.
QWidget* EditIR::BuildButtons()
{
    ControlFrame = Frame("ControlFrame");
    AddCommand = WithName(new QPushButton("Add Command"), "AddCommand");
    Delete = WithName(new QPushButton("Delete Command"), "Delete");
    ReCapture = WithName(new QPushButton("ReCapture Command"), "ReCapture");
    PlayBack = WithName(new QPushButton("Test"), "PlayBack");
    MainCancel = WithName(new QPushButton("Cancel"), "MainCancel");
    Done = WithName(new QPushButton("Done"), "Done");
    auto* grid = new QGridLayout(ControlFrame);
    grid->addWidget(AddCommand, 0, 0);
    grid->addWidget(Delete, 0, 1);
    grid->addWidget(ReCapture, 0, 2);
    grid->addWidget(PlayBack, 1, 0);
    grid->addWidget(MainCancel, 1, 1);
    grid->addWidget(Done, 1, 2);
    for (QPushButton* button : {AddCommand, Delete, ReCapture, PlayBack, MainCancel, Done})
        button->setAutoDefault(false);

    Press = Frame("Press");
    Cancel[0] = WithName(new QPushButton("Cancel"), "Cancel", 0);
    Release = Frame("Release");
    Cancel[1] = WithName(new QPushButton("Cancel"), "Cancel", 1);
    DoneOk = Frame("DoneOk");
    Cancel[2] = WithName(new QPushButton("OK"), "Cancel", 2);
    DoneFailed = Frame("DoneFailed");
    Cancel[3] = WithName(new QPushButton("Abandon"), "Cancel", 3);
    Retry = WithName(new QPushButton("Retry"), "Retry");
    Downloading = Frame("Downloading");
    Cancel[4] = WithName(new QPushButton("Cancel"), "Cancel", 4);
    ProgressBar1 = WithName(new QProgressBar, "ProgressBar1");
    ProgressBar1->setRange(0, 33);
    const std::pair<QFrame*, QString> texts[] = {{Press, "  Press and hold remote button"},
                                                 {Release, "Release remote button"},
                                                 {Downloading, "Please wait whilst saving"},
                                                 {DoneOk, "Button captured"},
                                                 {DoneFailed, "Failed to capture button"}};
    for (const auto& [panel, text] : texts) {
        auto* column = new QVBoxLayout(panel);
        column->addWidget(new QLabel(text), 0, Qt::AlignHCenter);
        if (panel == Downloading) column->addWidget(ProgressBar1);
        auto* row = new QHBoxLayout;
        row->addStretch();
        column->addLayout(row);
    }
    const std::pair<QFrame*, QPushButton*> buttons[] = {{Press, Cancel[0]},  {Release, Cancel[1]},
                                                        {DoneOk, Cancel[2]}, {DoneFailed, Cancel[3]},
                                                        {DoneFailed, Retry}, {Downloading, Cancel[4]}};
    for (const auto& [panel, button] : buttons) {
        button->setAutoDefault(false);
        auto* row = static_cast<QHBoxLayout*>(panel->layout()->itemAt(panel->layout()->count() - 1)->layout());
        row->addWidget(button);
    }

    ClosingFrame = Frame("ClosingFrame");
    auto* closing = new QVBoxLayout(ClosingFrame);
    closing->addWidget(new QLabel("Please wait, closing down."), 0, Qt::AlignCenter);

    auto* area = new QWidget;
    frontOfButtons_ = new QStackedLayout(area);
    for (QFrame* page : {ControlFrame, Press, Release, Downloading, DoneOk, DoneFailed, ClosingFrame})
        frontOfButtons_->addWidget(page);
    frontOfButtons_->setCurrentWidget(ControlFrame);
    return area;
}

QWidget* EditIR::BuildCapture()
{
    auto* capture = new QGroupBox("Capture");
    auto* grid = new QGridLayout(capture);
    // The options stand in rows of their own, so one group keeps them exclusive.
    portGroup_ = new QButtonGroup(this);
    // A search hides the ports it could not use; the rest keep their places.
    const auto keepPlaceWhenHidden = [](QWidget* widget) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    };
    for (std::size_t i = 0; i < IRport.size(); ++i) {
        IRport[i] = WithName(new QRadioButton(QString::number(i + 1)), "IRport", i);
        portGroup_->addButton(IRport[i]);
        PodType[i] = WithName(new QLineEdit, "PodType", i);
        PodType[i]->setReadOnly(true);
        PodType[i]->setFocusPolicy(Qt::NoFocus);
        ShowSerialDeviceInToolTip(*IRport[i], static_cast<int>(i) + 1);
        ShowSerialDeviceInToolTip(*PodType[i], static_cast<int>(i) + 1);
        keepPlaceWhenHidden(IRport[i]);
        keepPlaceWhenHidden(PodType[i]);
        auto* row = new QWidget;
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(IRport[i]);
        rowLayout->addWidget(PodType[i], 1);
        Blanking[i] = Frame("Blanking_" + QString::number(i));
        auto* rowArea = new QWidget;
        portRows_[i] = new QStackedLayout(rowArea);
        portRows_[i]->addWidget(row);
        portRows_[i]->addWidget(Blanking[i]);
        grid->addWidget(rowArea, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    Blanking[4] = Frame("Blanking_4");
    auto* searching = new QHBoxLayout(Blanking[4]);
    searching->addWidget(WithName(new QLabel("Please Wait Searching for Pods"), "Blanking1"));
    keepPlaceWhenHidden(Blanking[4]);
    Blanking[4]->hide();
    search = WithName(new QPushButton("Find  Capture Pod"), "search");
    search->setAutoDefault(false);
    grid->addWidget(Blanking[4], 2, 0, 1, 2);
    grid->addWidget(search, 3, 0, 1, 2);
    return capture;
}
