#include "base/StartupSettings.h"

#include "base/AppPaths.h"
#include "base/AppSettings.h"
#include "base/IniFile.h"
#include "base/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace SettingsKeys;

namespace StartupSettings {

void PrepareSettingsFile(const AppPaths& paths)
{
    if (QFileInfo::exists(paths.SettingsPath)) {
        return;
    }
    QDir().mkpath(paths.SettingsFolder);
    QFile::copy(paths.ExeFolder + QStringLiteral("settings.ini"), paths.SettingsPath);
    // A template installed read-only must not make the user's copy read-only.
    QFile::setPermissions(
        paths.SettingsPath, QFile::permissions(paths.SettingsPath) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

StartupDecision ReadStartupSettings(const QString& settingsPath, AppSettings& settings)
{
    const IniFile file(settingsPath);
    StartupDecision decision;
    decision.LanguageName = QStringLiteral("russian");

    if (file.ReadString(kMain, kFirstStart, QStringLiteral("0")) == QLatin1String("1")) {
        file.WriteString(kMain, kLanguage, decision.LanguageName);
        file.WriteString(kMain, kFirstStart, QStringLiteral("0"));
    } else {
        decision.LanguageName = file.ReadString(kMain, kLanguage, QStringLiteral("english"));
        if (decision.LanguageName.isEmpty()) {
            decision.LanguageName = QStringLiteral("english");
            file.WriteString(kMain, kLanguage, decision.LanguageName);
        }
    }

    // Association and mosaic are never scheduled: switched off on every start.
    file.WriteString(kMain, UseSettingKey(ExerciseKind::associaciya), QStringLiteral("0"));
    settings.UseExercise[ExerciseKind::associaciya] = false;
    file.WriteString(kMain, UseSettingKey(ExerciseKind::mozaika), QStringLiteral("0"));
    settings.UseExercise[ExerciseKind::mozaika] = false;

    // A count that is not an integer counts as 0.
    const int starts = IniDocument::ParseInteger(file.ReadString(kMain, kKolStarts, QStringLiteral("0"))).value_or(0);
    const qint64 count = qint64(starts) + 1;
    file.WriteString(kMain, kKolStarts, QString::number(count));
    decision.SubscriptionPromptDue = count == 5;
    return decision;
}

} // namespace StartupSettings
