#include "controls/MeshloControl.h"

#include "controls/IntegerEntry.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

MeshloControl::MeshloControl(QWidget* parent) : QWidget(parent)
{
    ActiveCheck = new QCheckBox("Right/Forward Meshlo in", this);
    ActiveCheck->setObjectName("ActiveCheck");
    ActiveCheck->setToolTip("Enable Meshlo Address in for this output");
    MeshloAddress = new IntegerEntry(this);
    MeshloAddress->setObjectName("MeshloAddress");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");

    // The entry sits centred against the label whatever the height.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(ActiveCheck, 0, Qt::AlignVCenter);
    row->addWidget(MeshloAddress, 0, Qt::AlignVCenter);
    row->addWidget(Label1, 1, Qt::AlignVCenter);
    MeshloAddress->hide();

    connect(MeshloAddress, &IntegerEntry::ValueChanged, this, &MeshloControl::ValueChanged);
    connect(ActiveCheck, &QCheckBox::clicked, this, [this](bool ticked) {
        MeshloAddress->setVisible(ticked);
        emit ActiveChanged(ticked);
    });
}

void MeshloControl::MyAddress(bool active)
{
    MeshloAddress->setVisible(active);
    ActiveCheck->setChecked(active);
}

bool MeshloControl::MyAddress() const
{
    return ActiveCheck->isChecked();
}

void MeshloControl::MyName(const QString& name)
{
    Label1->setText(name);
}

void MeshloControl::set_values(int16_t address, int16_t minimum, int16_t maximum, const QString& tooltip)
{
    MeshloAddress->set_values(address, minimum, maximum, tooltip);
}

int16_t MeshloControl::return_value()
{
    return MeshloAddress->return_value();
}
