#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ApplicationTitle.h"
#include "platform/ProgramFolder.h"
#include "platform/QtUserPrompts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);

    QtUserPrompts prompts;
    ApplicationState state(ResolveProgramFolder(), prompts);
    TavloForm window(state);
    window.show();
    return QApplication::exec();
}
