#include "ui/DesktopShell.h"

#include <QDesktopServices>

bool DesktopShell::Open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
