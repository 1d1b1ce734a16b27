#include "i18n/LanguageTable.h"

#include "base/IniFile.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/ComponentText.h"
#include "i18n/LanguageEntry.h"
#include "i18n/WindowLanguageRules.h"

#include <QFileInfo>
#include <QWidget>

namespace {

const LanguageRule* MatchingRule(const WindowLanguageRules& rules, const LanguageEntry& entry, bool wholeKey)
{
    for (const LanguageRule& rule : rules.Rules) {
        if (rule.WholeKey == wholeKey && rule.Match == (wholeKey ? entry.Key : entry.Kind)) {
            return &rule;
        }
    }
    return nullptr;
}

void SetWidgetProperty(QWidget* window, const QString& target, const char* property, const QString& value)
{
    if (QObject* component = ComponentText::Find(window, target)) {
        component->setProperty(property, value);
    }
}

void ApplyRule(const LanguageRule& rule, const LanguageEntry& entry, QWidget* window)
{
    switch (rule.Action) {
    case LanguageAction::SetCaption:
        ComponentText::SetCaption(ComponentText::Find(window, entry.Key), entry.Value);
        break;
    case LanguageAction::SetPaddedCaption:
        ComponentText::SetCaption(
            ComponentText::Find(window, entry.Key), QLatin1Char(' ') + entry.Value + QLatin1Char(' '));
        break;
    case LanguageAction::SetWindowCaption:
        window->setWindowTitle(entry.Value);
        break;
    case LanguageAction::SetMenuCaption:
        if (const auto target = ParseMenuEntry(entry.Line)) {
            ComponentText::SetMenuCaption(window, target->Top, target->Item, target->IsTopLevel, entry.Value);
        }
        break;
    case LanguageAction::SetHint:
        if (auto* component = qobject_cast<QWidget*>(ComponentText::Find(window, rule.Target))) {
            component->setToolTip(entry.Value);
        }
        break;
    case LanguageAction::SetHeaderTitle:
        SetWidgetProperty(window, rule.Target, "title", entry.Value);
        break;
    case LanguageAction::SetHeaderComment:
        SetWidgetProperty(window, rule.Target, "comment", entry.Value);
        break;
    case LanguageAction::AddMessage:
        break; // handled by the caller, which owns the table
    }
}

QWidget* Child(QWidget* window, const char* name)
{
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

// The value labels stand 10 pixels right of their caption labels, whose widths the
// language may have changed.
void PlaceStatisticsRows(QWidget* window)
{
    const char* rows[][2]
        = { { "Label1", "Label5" }, { "Label2", "Label6" }, { "Label3", "Label7" }, { "Label4", "Label8" } };
    for (const auto& row : rows) {
        QWidget* caption = Child(window, row[0]);
        QWidget* value = Child(window, row[1]);
        if (caption != nullptr && value != nullptr) {
            value->move(caption->x() + caption->width() + 10, value->y());
        }
    }
}

// Association and mosaic never run: their boxes are hidden and the four running
// exercises' boxes stand in one column, in the order the exercises come.
void ArrangeExerciseCheckBoxes(QWidget* window)
{
    for (const char* hidden : { "XPCheckBox1", "XPCheckBox2" }) {
        if (QWidget* box = Child(window, hidden)) {
            box->hide();
        }
    }
    if (QWidget* pairs = Child(window, "XPCheckBox7")) {
        pairs->move(32, pairs->y());
        pairs->show();
    }
    const std::pair<const char*, int> tops[]
        = { { "XPCheckBox3", 24 }, { "XPCheckBox7", 48 }, { "XPCheckBox4", 72 }, { "XPCheckBox5", 96 } };
    for (const auto& [name, top] : tops) {
        if (QWidget* box = Child(window, name)) {
            box->move(box->x(), top);
        }
    }
}

} // namespace

LanguageTable::LanguageTable(QString exeFolder, QString languageName)
    : m_exeFolder(std::move(exeFolder))
    , m_languageName(std::move(languageName))
{
}

QString LanguageTable::LanguageFileName(const QString& languageName)
{
    if (languageName == QLatin1String("russian")) {
        return QStringLiteral("Language/rus.lng");
    }
    if (languageName == QLatin1String("english")) {
        return QStringLiteral("Language/eng.lng");
    }
    return {};
}

QStringList LanguageTable::AvailableLanguages() const
{
    QStringList names;
    for (const QString& name : { QStringLiteral("russian"), QStringLiteral("english") }) {
        if (QFileInfo::exists(m_exeFolder + LanguageFileName(name))) {
            names << name;
        }
    }
    return names;
}

void LanguageTable::ApplyLanguage(const QString& windowKey, const QString& languageName, QWidget* window)
{
    const WindowLanguageRules* rules = RulesForWindow(windowKey);
    if (rules == nullptr || window == nullptr) {
        return;
    }
    const QString fileName = LanguageFileName(languageName);
    const QStringList entries
        = fileName.isEmpty() ? QStringList() : IniFile(m_exeFolder + fileName).ReadSection(rules->Section);
    for (const QString& line : entries) {
        const LanguageEntry entry = LanguageEntry::Parse(line);
        if (const LanguageRule* rule = MatchingRule(*rules, entry, false)) {
            if (rule->Action == LanguageAction::AddMessage) {
                m_messages.append(rules->MessagePrefix + entry.Line);
            } else {
                ApplyRule(*rule, entry, window);
            }
        }
        if (const LanguageRule* rule = MatchingRule(*rules, entry, true)) {
            ApplyRule(*rule, entry, window);
        }
    }
    switch (rules->Layout) {
    case LayoutStep::StatisticsRows:
        PlaceStatisticsRows(window);
        break;
    case LayoutStep::ExerciseCheckBoxes:
        ArrangeExerciseCheckBoxes(window);
        break;
    case LayoutStep::None:
        break;
    }
}

namespace {

std::optional<QString> FindMessage(const QStringList& messages, const QString& key)
{
    for (const QString& entry : messages) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals == key.size() && entry.startsWith(key, Qt::CaseSensitive)) {
            return entry.mid(equals + 1);
        }
    }
    return std::nullopt;
}

} // namespace

QString LanguageTable::LookupMessage(const QString& key) const
{
    if (auto text = FindMessage(m_messages, key); text && !text->isEmpty()) {
        return *text;
    }
    if (!m_builtIn) {
        m_builtIn = BuiltInTexts::Messages(m_languageName);
    }
    return FindMessage(*m_builtIn, key).value_or(QString());
}
