#include "infrared/EnterName.h"

#include "infrared/EditIRStore.h"
#include "model/CleanedName.h"
#include "model/FindByNames.h"
#include "model/IRclass.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EnterName::EnterName(const IRclass& library, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), library_(library), prompts_(prompts)
{
    setWindowTitle("Enter Key Name");
    Text1 = WithName(new QLineEdit, "Text1");
    Text1->setMaxLength(16);
    Text1->setMinimumWidth(Text1->fontMetrics().horizontalAdvance(QString(18, 'W')));
    auto* ok = WithName(new QPushButton("Ok"), "Ok");
    auto* cancel = WithName(new QPushButton("Cancel"), "Cancel");
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Text1);
    column->addLayout(buttons);

    connect(Text1, &QLineEdit::returnPressed, this, &EnterName::OkClicked);
    connect(ok, &QPushButton::clicked, this, &EnterName::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &EnterName::reject);
}

void EnterName::OkClicked()
{
    keyName_ = UpperCase1252(CleanedName(ToWindows1252(Text1->text())));
    if (keyName_.empty()) {
        prompts_.Message("Enter a key name", "Warning!", PromptButtons::Ok, PromptIcon::None);
        return;
    }
    if (FindIRCommand(library_, keyName_) < 0) {
        accept();
        return;
    }
    const QString question = FromWindows1252(keyName_) + " is already recorded do you wish to replace";
    if (prompts_.Message(question, "Warning!", PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes) accept();
}

void EnterName::reject()
{
    keyName_.clear();
    QDialog::reject();
}
