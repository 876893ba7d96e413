#include "editor/TavloForm.h"

#include "editor/Captions.h"
#include "model/ApplicationState.h"

TavloForm::TavloForm(ApplicationState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setWindowTitle(StartUpCaption());
    resize(900, 640);
    state_.Names.InitNameTables();
}
