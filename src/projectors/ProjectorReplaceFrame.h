#pragma once

#include <QString>

class ProjectorClass;
class QRadioButton;
class QVBoxLayout;

// The parts both projector replace dialogs share: the frame with the
// definition's names, the explanation and prompt above the choices, and the
// choices themselves, each acting on its own click.
void AddProjectorReplaceHeading(QVBoxLayout& layout, const ProjectorClass& projector, const QString& explanation);
QRadioButton* AddProjectorReplaceChoice(QVBoxLayout& layout, const QString& name, const QString& caption);
// A choice that left its dialog open is offered again unticked.
void ClearProjectorReplaceChoice(QRadioButton& choice);
