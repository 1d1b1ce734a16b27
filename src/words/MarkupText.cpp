#include "words/MarkupText.h"

#include <QHash>
#include <QRegularExpression>

namespace {

QString Entity(const QString& name)
{
    static const QHash<QString, QString> named {
        { QStringLiteral("amp"), QStringLiteral("&") },
        { QStringLiteral("lt"), QStringLiteral("<") },
        { QStringLiteral("gt"), QStringLiteral(">") },
        { QStringLiteral("quot"), QStringLiteral("\"") },
        { QStringLiteral("apos"), QStringLiteral("'") },
        { QStringLiteral("nbsp"), QStringLiteral(" ") },
        { QStringLiteral("mdash"), QString(QChar(0x2014)) },
        { QStringLiteral("ndash"), QString(QChar(0x2013)) },
        { QStringLiteral("laquo"), QString(QChar(0x00AB)) },
        { QStringLiteral("raquo"), QString(QChar(0x00BB)) },
        { QStringLiteral("hellip"), QString(QChar(0x2026)) },
    };
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t character = code;
            return QString::fromUcs4(&character, 1);
        }
        return {};
    }
    return named.value(name.toLower());
}

} // namespace

namespace MarkupText {

QString ToPlain(const QString& html)
{
    static const QRegularExpression breaks(
        QStringLiteral("<\\s*(br|/?div|/?p|/?li|/?tr)\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression sounds(QStringLiteral("\\[sound:[^\\]]*\\]"));
    static const QRegularExpression entities(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);"));
    QString text = html;
    text.replace(breaks, QStringLiteral(" "));
    text.remove(tags);
    text.remove(sounds);
    QString decoded;
    qsizetype done = 0;
    for (auto match = entities.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const QString replacement = Entity(found.captured(1));
        decoded += QStringView(text).mid(done, found.capturedStart() - done);
        decoded += replacement.isNull() ? found.captured(0) : replacement;
        done = found.capturedEnd();
    }
    decoded += QStringView(text).mid(done);
    return decoded.simplified();
}

} // namespace MarkupText
