#include "controls/QtUserPrompts.h"
#include "editor/InstallDialogs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ApplicationTitle.h"
#include "platform/ProgramFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);

    QtUserPrompts prompts;
    ApplicationState state(ResolveProgramFolder(), prompts);
    InstallDialogs(state);
    TavloForm window(state);
    window.show();
    return QApplication::exec();
}
