#include "support/LanguageCoverage.h"

#include "base/IniFile.h"
#include "i18n/ComponentText.h"
#include "i18n/LanguageEntry.h"
#include "i18n/LanguageTable.h"
#include "i18n/WindowLanguageRules.h"

#include <QWidget>

namespace LanguageCoverage {

namespace {

QStringList SectionLines(const WindowLanguageRules& rules, const QString& languageName)
{
    return IniFile(DataFolder() + LanguageTable::LanguageFileName(languageName)).ReadSection(rules.Section);
}

// Why the entry misses under this rule; empty when it lands.
QString MissUnderRule(QWidget* window, const LanguageRule& rule, const LanguageEntry& entry)
{
    switch (rule.Action) {
    case LanguageAction::SetCaption:
    case LanguageAction::SetPaddedCaption: {
        QObject* component = ComponentText::Find(window, entry.Key);
        if (component == nullptr) {
            return QStringLiteral("no component");
        }
        return ComponentText::SetCaption(component, entry.Value) ? QString() : QStringLiteral("shows no caption");
    }
    case LanguageAction::SetWindowCaption:
        return entry.Key == window->objectName() ? QString() : QStringLiteral("names another window");
    case LanguageAction::SetHint:
        return ComponentText::Find(window, rule.Target) ? QString() : QStringLiteral("no hint target");
    case LanguageAction::SetHeaderTitle:
    case LanguageAction::SetHeaderComment: {
        const char* property = rule.Action == LanguageAction::SetHeaderTitle ? "title" : "comment";
        QObject* header = ComponentText::Find(window, rule.Target);
        const bool lands = header != nullptr && header->metaObject()->indexOfProperty(property) >= 0;
        return lands ? QString() : QStringLiteral("no header band with a %1").arg(QLatin1String(property));
    }
    case LanguageAction::SetMenuCaption:
    case LanguageAction::AddMessage:
        return {};
    }
    return {};
}

} // namespace

QString DataFolder()
{
    return qEnvironmentVariable("GLOSSMERE_SOURCE_DIR") + QStringLiteral("/data/");
}

QStringList Misses(QWidget* window, const QString& windowKey, const QString& languageName)
{
    const WindowLanguageRules* rules = RulesForWindow(windowKey);
    if (rules == nullptr) {
        return { QStringLiteral("no language rules for ") + windowKey };
    }
    QStringList misses;
    for (const QString& line : SectionLines(*rules, languageName)) {
        const LanguageEntry entry = LanguageEntry::Parse(line);
        bool handled = false;
        for (const LanguageRule& rule : rules->Rules) {
            if (rule.Match != (rule.WholeKey ? entry.Key : entry.Kind)) {
                continue;
            }
            handled = true;
            if (const QString miss = MissUnderRule(window, rule, entry); !miss.isEmpty()) {
                misses.append(entry.Key + QStringLiteral(": ") + miss);
            }
        }
        if (!handled) {
            misses.append(entry.Key + QStringLiteral(": handled by no rule"));
        }
    }
    return misses;
}

int ComponentEntryCount(const QString& windowKey, const QString& languageName)
{
    const WindowLanguageRules* rules = RulesForWindow(windowKey);
    int count = 0;
    if (rules != nullptr) {
        for (const QString& line : SectionLines(*rules, languageName)) {
            count += LanguageEntry::Parse(line).Kind == QLatin1String("message") ? 0 : 1;
        }
    }
    return count;
}

} // namespace LanguageCoverage
