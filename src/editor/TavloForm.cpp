#include "editor/TavloForm.h"

#include "model/ApplicationState.h"
#include "model/Version.h"

TavloForm::TavloForm(ApplicationState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setWindowTitle(StartUpCaption());
    resize(900, 640);
    state_.Names.InitNameTables();
}

QString TavloForm::StartUpCaption()
{
    return QString("Tavlo Editor %1.%2.%3").arg(TavloVersion::Major).arg(TavloVersion::Minor).arg(TavloVersion::Revision);
}
