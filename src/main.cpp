#include "app/GlossmereApp.h"
#include "base/AppPaths.h"
#include "base/Clock.h"
#include "base/EventPump.h"
#include "base/Random.h"
#include "base/Services.h"
#include "ui/DesktopShell.h"
#include "ui/ProgramPictures.h"
#include "ui/QtPrompts.h"
#include "ui/SystemTray.h"

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
