#include "controls/ApplicationIcon.h"
#include "controls/QtUserPrompts.h"
#include "editor/InstallInterfaces.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ApplicationTitle.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstring>
#include <iostream>

namespace {

// Prints the user's data folder and ends: scripts/run.sh keeps a build's
// data there, and asks rather than repeating how the folder is found.
constexpr const char* UserDataFolderOption = "--user-data-folder";

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(ApplicationTitle);
    if (argc == 2 && std::strcmp(argv[1], UserDataFolderOption) == 0) {
        const QCoreApplication application(argc, argv);
        std::cout << UserDataFolder().string() << '\n';
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    // Ties the window to the installed tavlo-editor.desktop (and its icon).
    QGuiApplication::setDesktopFileName("tavlo-editor");

    QtUserPrompts prompts;
    ApplicationState state(ResolveProgramFolder(), prompts);
    InstallInterfaces(state);
    TavloForm window(state, Registry::DefaultFile());
    window.show();
    // The one argument is a configuration archive to open.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.OpenFromCommandLine(arguments.at(1));
    return QApplication::exec();
}
