#include "i18n/BuiltInTexts.h"

#include "base/IniDocument.h"
#include "i18n/LanguageEntry.h"
#include "i18n/LanguageTable.h"
#include "i18n/WindowLanguageRules.h"

#include <QFile>
#include <QFileInfo>

// Q_INIT_RESOURCE declares the registration function where it is used, and that function
// lives in the global namespace: the caller must stand there too, not in a namespace.
static void RegisterLanguageResource()
{
    Q_INIT_RESOURCE(languages);
}

namespace BuiltInTexts {

QStringList Messages(const QString& languageName)
{
    if (!QFile::exists(QStringLiteral(":/language/rus.lng"))) {
        RegisterLanguageResource();
    }
    const QString fileName = LanguageTable::LanguageFileName(languageName);
    QFile file(QStringLiteral(":/language/") + QFileInfo(fileName).fileName());
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const IniDocument document = IniDocument::Parse(file.readAll());
    QStringList messages;
    for (const WindowLanguageRules& rules : AllWindowLanguageRules()) {
        if (rules.MessagePrefix.isEmpty()) {
            continue;
        }
        for (const QString& line : document.ReadSection(rules.Section)) {
            if (LanguageEntry::Parse(line).Kind == QLatin1String("message")) {
                messages.append(rules.MessagePrefix + line);
            }
        }
    }
    return messages;
}

} // namespace BuiltInTexts
