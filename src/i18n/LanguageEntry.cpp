#include "i18n/LanguageEntry.h"

LanguageEntry LanguageEntry::Parse(const QString& line)
{
    LanguageEntry entry;
    entry.Line = line;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    entry.Key = equals < 0 ? line : line.left(equals);
    entry.Value = equals < 0 ? QString() : line.mid(equals + 1);
    qsizetype end = 0;
    while (end < line.size()) {
        const QChar c = line[end];
        if ((c >= QLatin1Char('1') && c <= QLatin1Char('9')) || c == QLatin1Char('_')) {
            break;
        }
        ++end;
    }
    // Without any ending character the line has no kind a window could handle.
    entry.Kind = end < line.size() ? line.left(end) : QString();
    return entry;
}

namespace {

std::optional<int> IntegerBetween(const QString& line, qsizetype open, qsizetype close)
{
    if (open < 0 || close < 0 || close <= open) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = line.mid(open + 1, close - open - 1).toInt(&ok, 10);
    if (!ok || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<MenuTarget> ParseMenuEntry(const QString& line)
{
    const qsizetype firstClose = line.indexOf(QLatin1Char(']'));
    const qsizetype lastClose = line.lastIndexOf(QLatin1Char(']'));
    const auto top = IntegerBetween(line, line.indexOf(QLatin1Char('[')), firstClose);
    const auto item = IntegerBetween(line, line.lastIndexOf(QLatin1Char('[')), lastClose);
    if (!top || !item) {
        return std::nullopt;
    }
    MenuTarget target;
    target.Top = *top;
    target.Item = *item;
    target.IsTopLevel = *top == *item && firstClose == lastClose;
    return target;
}
