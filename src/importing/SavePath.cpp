#include "importing/SavePath.h"

#include "base/Prompts.h"
#include "i18n/LanguageTable.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> AskSavePath(Prompts& prompts, const LanguageTable& texts, const QString& title,
    const QString& folder, const QString& filter, const QString& suffix)
{
    QString path = prompts.SaveFile(title, folder, filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0) {
        path += QLatin1Char('.') + suffix;
    }
    if (QFileInfo::exists(path)
        && !prompts.ConfirmIrreversible(texts.LookupMessage(QStringLiteral("form1_message_replace_question"))
                                            .arg(QDir::toNativeSeparators(path)))) {
        return std::nullopt;
    }
    return path;
}
