#include "app/Shell.h"

#include <QDesktopServices>

bool DesktopShell::Open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
