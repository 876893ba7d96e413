#include "infrared/IRGraph.h"

#include "infrared/IRPulsePicture.h"
#include "platform/ObjectName.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

const QString ShowRepeatCaption = "Show Repeat Command";
const QString ShowStartCaption = "Show Start Command";
const QString ShowTextCaption = "Show Text View";
const QString ShowGraphicCaption = "Show Graphic View";

}  // namespace

IRGraph::IRGraph(const std::shared_ptr<IRCommandClass>& current, QWidget* parent) : QWidget(parent), current_(current)
{
    NoIR = WithName(new QFrame, "NoIR");
    auto* noIRColumn = new QVBoxLayout(NoIR);
    auto* Label8 = WithName(new QLabel("No IR command to display"), "Label8");
    Label8->setAlignment(Qt::AlignCenter);
    noIRColumn->addWidget(Label8);

    Picture1 = WithName(new IRPulsePicture, "Picture1");
    Text1 = WithName(new QPlainTextEdit, "Text1");
    Text1->setReadOnly(true);
    auto* viewArea = new QWidget;
    viewStack_ = new QStackedLayout(viewArea);
    viewStack_->addWidget(Picture1);
    viewStack_->addWidget(Text1);

    MainRepeat = WithName(new QPushButton(ShowRepeatCaption), "MainRepeat");
    View = WithName(new QPushButton(ShowTextCaption), "View");
    Label1 = WithName(new QLabel, "Label1");
    Label3 = WithName(new QLabel, "Label3");
    Label7 = WithName(new QLabel, "Label7");
    auto* values = new QGridLayout;
    values->addWidget(new QLabel("Length ="), 0, 0);
    values->addWidget(Label1, 0, 1);
    values->addWidget(WithName(new QLabel("Modulation frequency ="), "Label2"), 1, 0);
    values->addWidget(Label3, 1, 1);
    values->addWidget(WithName(new QLabel("Repeat time ="), "Label6"), 2, 0);
    values->addWidget(Label7, 2, 1);
    values->setColumnStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MainRepeat);
    buttons->addWidget(View);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(values, 1);
    bottom->addLayout(buttons);

    codePage_ = new QWidget;
    auto* codeColumn = new QVBoxLayout(codePage_);
    codeColumn->setContentsMargins(0, 0, 0, 0);
    codeColumn->addWidget(viewArea, 1);
    codeColumn->addLayout(bottom);

    front_ = new QStackedLayout(this);
    front_->addWidget(NoIR);
    front_->addWidget(codePage_);
    front_->setCurrentWidget(NoIR);

    connect(MainRepeat, &QPushButton::clicked, this, &IRGraph::MainRepeatClicked);
    connect(View, &QPushButton::clicked, this, &IRGraph::ViewClicked);
}

void IRGraph::reset()
{
    View->setText(ShowTextCaption);
    ShowTextList(false);
    front_->setCurrentWidget(NoIR);
    MainRepeat->setText(ShowRepeatCaption);
}

void IRGraph::display(bool reset)
{
    const std::shared_ptr<IRCommandClass> command = current_;
    if (!command) {
        front_->setCurrentWidget(NoIR);
        return;
    }
    front_->setCurrentWidget(codePage_);
    if (reset) {
        View->setText(ShowTextCaption);
        MainRepeat->setText(ShowRepeatCaption);
        ShowStart = true;
    }
    if (command->Mode() == 0) ShowStart = true;
    MainRepeat->setVisible(command->Mode() != 0);
    View->setVisible(true);

    const IRPart part = ShowStart ? IRPart::Start : IRPart::Repeat;
    Picture1->Show(*command, part);
    const IRCodeLayout layout = LayOutIRCode(*command, part, Picture1->width(), Picture1->height());
    Label1->setText(layout.Length);
    Label7->setText(layout.RepeatTime);
    Label3->setText(layout.Frequency);
    Text1->setPlainText(layout.TextLines.join('\n'));
    ShowTextList(false);
}

void IRGraph::MainRepeatClicked()
{
    if (MainRepeat->text() == ShowRepeatCaption) {
        MainRepeat->setText(ShowStartCaption);
        ShowStart = false;
    } else {
        MainRepeat->setText(ShowRepeatCaption);
        ShowStart = true;
    }
    display(false);
}

void IRGraph::ViewClicked()
{
    const bool toText = View->text() != ShowGraphicCaption;
    View->setText(toText ? ShowGraphicCaption : ShowTextCaption);
    ShowTextList(toText);
}

void IRGraph::ShowTextList(bool text)
{
    viewStack_->setCurrentWidget(text ? static_cast<QWidget*>(Text1) : Picture1);
}
