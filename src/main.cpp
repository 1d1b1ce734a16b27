#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/EventPump.h"
#include "app/GlossmereApp.h"
#include "app/QtPrompts.h"
#include "app/Random.h"
#include "app/Services.h"
#include "app/Shell.h"
#include "app/Tray.h"
#include "windows/ProgramPictures.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glossmere"));
    QApplication::setDesktopFileName(QStringLiteral("org.glossmere.Glossmere"));
    EnsureProgramPictures();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/glossmere-256.png")));

    SystemClock clock;
    Random random(clock);
    QtPrompts prompts;
    DesktopShell shell;
    QtEventPump events;
    Services services { prompts, clock, random, shell, events };
    SystemTray tray;

    GlossmereApp glossmere(AppPaths::ForThisProgram(), services, tray);
    return glossmere.Run();
}
