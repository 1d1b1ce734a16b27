#include "ui/ProgramPictures.h"

#include <QFile>
#include <QString>

// Q_INIT_RESOURCE declares the registration function where it is used, and that function
// lives in the global namespace: the caller must stand there too, not in a namespace.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(glossmere);
}

void EnsureProgramPictures()
{
    // Once linked in, the resources register themselves at start; the call below is what
    // links them in, and runs only when they are still missing.
    if (!QFile::exists(QStringLiteral(":/images/splash.png"))) {
        RegisterPictures();
    }
}
