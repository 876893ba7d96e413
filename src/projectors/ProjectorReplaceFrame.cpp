#include "projectors/ProjectorReplaceFrame.h"

#include "model/ProjectorClass.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

void AddProjectorReplaceHeading(QVBoxLayout& layout, const ProjectorClass& projector, const QString& explanation)
{
    auto* frame = WithName(new QGroupBox("Projector In Configuration"), "Frame1");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Manufacturer"), 0, 0);
    grid->addWidget(WithName(new QLabel(FromWindows1252(projector.Manufacturer())), "ManufacturerName"), 0, 1);
    grid->addWidget(new QLabel("Model"), 1, 0);
    grid->addWidget(WithName(new QLabel(FromWindows1252(projector.Model())), "ModelName"), 1, 1);
    grid->setColumnStretch(1, 1);
    layout.addWidget(frame);

    auto* explanationLabel = WithName(new QLabel(explanation), "Explanation");
    explanationLabel->setWordWrap(true);
    layout.addWidget(explanationLabel);
    layout.addWidget(WithName(new QLabel("Click on one of the buttons below to proceed."), "Prompt"));
}

QRadioButton* AddProjectorReplaceChoice(QVBoxLayout& layout, const QString& name, const QString& caption)
{
    auto* choice = WithName(new QRadioButton(caption), name);
    // Each choice stands alone, so one that left the dialog open can be clicked again.
    choice->setAutoExclusive(false);
    layout.addWidget(choice);
    return choice;
}

void ClearProjectorReplaceChoice(QRadioButton& choice)
{
    choice.setChecked(false);
}
