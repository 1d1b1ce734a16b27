#include "windows/ProductLinks.h"

namespace ProductLinks {

QUrl SupportMail(const QString& version)
{
    QString subject = QString::fromLatin1(kProductName) + QLatin1Char(' ') + version;
    subject.replace(QLatin1Char(' '), QLatin1String("%20"));
    return QUrl(
        QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress) + QStringLiteral("?subject=") + subject);
}

} // namespace ProductLinks
