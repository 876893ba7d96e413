#include "controls/ApplicationIcon.h"
#include "controls/QtUserPrompts.h"
#include "editor/InstallDialogs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ApplicationTitle.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setWindowIcon(ApplicationIcon());
    // Ties the window to the installed tavlo-editor.desktop (and its icon).
    QGuiApplication::setDesktopFileName("tavlo-editor");

    QtUserPrompts prompts;
    ApplicationState state(ResolveProgramFolder(), prompts);
    InstallDialogs(state);
    TavloForm window(state, Registry::DefaultFile());
    window.show();
    // The one argument is a configuration archive to open.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.OpenFromCommandLine(arguments.at(1));
    return QApplication::exec();
}
