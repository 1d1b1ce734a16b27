#include "i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtTranslations {

std::unique_ptr<QTranslator> Install(const QString& languageName)
{
    if (languageName != QLatin1String("russian")) {
        return nullptr;
    }
    // "qt_ru" bundles qtbase_ru and the other modules' files Debian ships beside it.
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qt_ru"), folder) && !translator->load(QStringLiteral("qtbase_ru"), folder)) {
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace QtTranslations
