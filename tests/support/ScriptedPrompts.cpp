#include "support/ScriptedPrompts.h"

namespace {

const char* KindName(ScriptedPrompts::Kind kind)
{
    switch (kind) {
    case ScriptedPrompts::Kind::Confirm:
        return "confirmation";
    case ScriptedPrompts::Kind::Information:
        return "information";
    case ScriptedPrompts::Kind::Error:
        return "error";
    case ScriptedPrompts::Kind::OpenFile:
        return "file dialog";
    case ScriptedPrompts::Kind::Choose:
        return "choice";
    case ScriptedPrompts::Kind::SaveFile:
        return "save dialog";
    }
    return "?";
}

} // namespace

ScriptedPrompts& ScriptedPrompts::ExpectConfirm(bool yes)
{
    m_script.append({ Kind::Confirm, yes, {} });
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectInformation(bool ok)
{
    m_script.append({ Kind::Information, ok, {} });
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectError(bool ok)
{
    m_script.append({ Kind::Error, ok, {} });
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectOpenFile(const QString& chosenPath)
{
    m_script.append({ Kind::OpenFile, !chosenPath.isEmpty(), chosenPath });
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectSaveFile(const QString& chosenPath)
{
    m_script.append({ Kind::SaveFile, !chosenPath.isEmpty(), chosenPath });
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectChoose(const QString& option)
{
    m_script.append({ Kind::Choose, !option.isEmpty(), option });
    return *this;
}

int ScriptedPrompts::Choose(const QString& text, const QStringList& options)
{
    m_shown.append({ Kind::Choose, text, {}, {}, false, options });
    const Answer* answer = Next(Kind::Choose, text);
    if (answer == nullptr || !answer->accept) {
        return -1;
    }
    if (!options.contains(answer->path)) {
        m_problems.append(QStringLiteral("the choice \"%1\" has no option \"%2\"").arg(text, answer->path));
        return -1;
    }
    return int(options.indexOf(answer->path));
}

const ScriptedPrompts::Answer* ScriptedPrompts::Next(Kind kind, const QString& text)
{
    if (m_script.isEmpty()) {
        m_problems.append(QStringLiteral("unexpected %1: \"%2\"").arg(QLatin1String(KindName(kind)), text));
        return nullptr;
    }
    if (m_script.first().kind != kind) {
        m_problems.append(
            QStringLiteral("expected a %1 but a %2 came: \"%3\"")
                .arg(QLatin1String(KindName(m_script.first().kind)), QLatin1String(KindName(kind)), text));
        return nullptr;
    }
    m_current = m_script.takeFirst();
    return &m_current;
}

ScriptedPrompts::Shown ScriptedPrompts::Prompt(int n) const
{
    if (n >= 0 && n < m_shown.size()) {
        return m_shown[n];
    }
    return { Kind::OpenFile, QStringLiteral("<prompt %1 never shown; %2 were>").arg(n).arg(m_shown.size()), {}, {},
        false, {} };
}

bool ScriptedPrompts::Confirm(const QString& text)
{
    m_shown.append({ Kind::Confirm, text, {}, {}, false, {} });
    const Answer* answer = Next(Kind::Confirm, text);
    return answer != nullptr && answer->accept;
}

bool ScriptedPrompts::ConfirmIrreversible(const QString& text)
{
    m_shown.append({ Kind::Confirm, text, {}, {}, true, {} });
    const Answer* answer = Next(Kind::Confirm, text);
    return answer != nullptr && answer->accept;
}

bool ScriptedPrompts::Information(const QString& text)
{
    m_shown.append({ Kind::Information, text, {}, {}, false, {} });
    const Answer* answer = Next(Kind::Information, text);
    return answer != nullptr && answer->accept;
}

bool ScriptedPrompts::Error(const QString& text)
{
    m_shown.append({ Kind::Error, text, {}, {}, false, {} });
    const Answer* answer = Next(Kind::Error, text);
    return answer != nullptr && answer->accept;
}

QString ScriptedPrompts::OpenFile(const QString& title, const QString& folder, const QString& filter)
{
    m_shown.append({ Kind::OpenFile, title, folder, filter, false, {} });
    const Answer* answer = Next(Kind::OpenFile, title);
    return answer != nullptr ? answer->path : QString();
}

QString ScriptedPrompts::SaveFile(const QString& title, const QString& folder, const QString& filter)
{
    m_shown.append({ Kind::SaveFile, title, folder, filter, false, {} });
    const Answer* answer = Next(Kind::SaveFile, title);
    return answer != nullptr ? answer->path : QString();
}

QString ScriptedPrompts::Report() const
{
    QStringList lines = m_problems;
    for (const Answer& unused : m_script) {
        lines.append(QStringLiteral("expected %1 never came").arg(QLatin1String(KindName(unused.kind))));
    }
    return lines.join(QStringLiteral("; "));
}
