#include "controls/SaveCancelRow.h"

#include "platform/ObjectName.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* SaveCancelRow(QPushButton*& done, QPushButton*& cancel)
{
    done = WithName(new QPushButton("Save"), "Done");
    cancel = WithName(new QPushButton("Cancel"), "Cancel");
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : {done, cancel}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    return row;
}
