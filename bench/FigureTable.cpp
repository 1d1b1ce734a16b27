#include "FigureTable.h"

#include <QTextStream>

namespace {

constexpr int kNameWidth = 46;
constexpr int kValueWidth = 11;

QString Value(double value, FigureTable::Unit unit)
{
    // Three significant digits are all a median of a few runs can claim.
    const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : value >= 1 ? 2 : 3;
    const QString suffix = unit == FigureTable::Unit::Milliseconds ? QStringLiteral(" ms") : QStringLiteral(" MB");
    return QString::number(value, 'f', decimals) + suffix;
}

} // namespace

double FigureTable::Ratio(const Figure& figure)
{
    return figure.floor > 0 ? figure.ours / figure.floor : 0;
}

bool FigureTable::Met(const Figure& figure)
{
    if (figure.floor <= 0) {
        return figure.maxOurs > 0 && figure.ours <= figure.maxOurs;
    }
    return Ratio(figure) <= figure.maxRatio && (figure.maxOurs <= 0 || figure.ours < figure.maxOurs);
}

FigureTable::Figure FigureTable::Budget(QString name, double ours, double allowedMs)
{
    Figure figure(std::move(name), ours, 0);
    figure.maxOurs = allowedMs;
    return figure;
}

QString FigureTable::TargetText(const Figure& figure)
{
    if (figure.floor <= 0) {
        return QStringLiteral("<= %1 (one frame)").arg(Value(figure.maxOurs, figure.unit));
    }
    QString text = figure.floorName.isEmpty() ? QStringLiteral("ratio <= %1").arg(figure.maxRatio)
                                              : QStringLiteral("<= %1 %2").arg(figure.maxRatio).arg(figure.floorName);
    if (figure.maxOurs > 0) {
        text += QStringLiteral(", < %1").arg(Value(figure.maxOurs, figure.unit));
    }
    return text;
}

void FigureTable::PrintHeader(QTextStream& out) const
{
    out << QStringLiteral("figure").leftJustified(kNameWidth) << QStringLiteral("ours").rightJustified(kValueWidth)
        << QStringLiteral("floor").rightJustified(kValueWidth) << QStringLiteral("ratio").rightJustified(7)
        << QStringLiteral("  target") << Qt::endl;
}

void FigureTable::Add(const Figure& figure, QTextStream& out)
{
    m_figures.append(figure);
    PrintValues(figure, out);
    out << QStringLiteral("  ") << TargetText(figure)
        << (Met(figure) ? QStringLiteral("  ok") : QStringLiteral("  MISSED")) << Qt::endl;
}

void FigureTable::AddScale(const Figure& figure, QTextStream& out) const
{
    PrintValues(figure, out);
    out << QStringLiteral("  figure of scale") << Qt::endl;
}

void FigureTable::PrintValues(const Figure& figure, QTextStream& out)
{
    const bool floor = figure.floor > 0;
    out << figure.name.leftJustified(kNameWidth) << Value(figure.ours, figure.unit).rightJustified(kValueWidth)
        << (floor ? Value(figure.floor, figure.unit) : QStringLiteral("-")).rightJustified(kValueWidth)
        << (floor ? QString::number(Ratio(figure), 'f', 2) : QStringLiteral("-")).rightJustified(7);
}

int FigureTable::MissedCount() const
{
    int missed = 0;
    for (const Figure& figure : m_figures) {
        missed += Met(figure) ? 0 : 1;
    }
    return missed;
}

void FigureTable::PrintSummary(QTextStream& out) const
{
    QStringList missed;
    for (const Figure& figure : m_figures) {
        if (!Met(figure)) {
            missed << figure.name;
        }
    }
    out << QStringLiteral("summary: %1 of %2 targets met").arg(m_figures.size() - missed.size()).arg(m_figures.size());
    if (!missed.isEmpty()) {
        out << QStringLiteral("; missed: ") << missed.join(QStringLiteral("; "));
    }
    out << Qt::endl;
}
