#include "app/GlossmereApp.h"
#include "base/AppPaths.h"
#include "base/Clock.h"
#include "base/EventPump.h"
#include "base/Random.h"
#include "base/Services.h"
#include "ui/DesktopShell.h"
#include "ui/ProgramPictures.h"
#include "ui/QtPrompts.h"
#include "ui/SystemSpeech.h"
#include "ui/SystemTray.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[])
{
    // Answered before QApplication connects to the display, so it works in a terminal
    // without one (packaging scripts, a remote shell).
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("glossmere %s\n", GLOSSMERE_VERSION);
            return 0;
        }
    }

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
    SystemSpeech speech;
    Services services { prompts, clock, random, shell, events, speech };
    SystemTray tray;

    GlossmereApp glossmere(AppPaths::ForThisProgram(), services, tray);
    return glossmere.Run();
}
