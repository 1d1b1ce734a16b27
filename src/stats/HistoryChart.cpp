#include "stats/HistoryChart.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kPlotHeight = 64;
constexpr int kTitleToPlot = 4;
constexpr int kChartGap = 12;
constexpr int kTickLength = 3;
constexpr int kSwatchSize = 10;
constexpr int kSwatchToText = 4;
constexpr int kLegendGap = 12;
constexpr int kScaleToPlot = 4;

// The bar height of `value` in a plot `height` pixels high topped by `max`; a day with
// anything at all shows at least a pixel.
int Scaled(qint64 value, int max, int height)
{
    if (value <= 0 || max <= 0) {
        return 0;
    }
    return int(std::clamp<qint64>((value * height + max / 2) / max, 1, height));
}

} // namespace

// One bar chart's figures: per day a lower part and a part stacked on it.
struct HistoryChart::Bars {
    int Max = 0;
    std::vector<int> Lower;
    std::vector<int> Upper;
    QColor LowerColour;
    QColor UpperColour;
};

HistoryChart::HistoryChart(QWidget* parent)
    : QWidget(parent)
{
}

void HistoryChart::SetSeries(HistorySeries series, Texts texts)
{
    m_series = std::move(series);
    m_texts = std::move(texts);
    setAccessibleDescription(QStringList({ m_texts.Learned, m_texts.Answers }).join(QLatin1Char('\n')));
    updateGeometry();
    update();
}

std::array<QColor, 3> HistoryChart::SeriesColours()
{
    // Grey lightness (qGray) 111 (the learned status's own colour), 175 and 100.
    return { QColor(0x3a, 0x9a, 0x5a), QColor(0x8c, 0xcf, 0x9a), QColor(0xb8, 0x3a, 0x3a) };
}

int HistoryChart::LineHeight() const
{
    return std::max(fontMetrics().height(), kSwatchSize) + 2;
}

int HistoryChart::ScaleWidth() const
{
    int widest = fontMetrics().horizontalAdvance(QStringLiteral("0"));
    if (m_series) {
        for (const int top : { m_series->MaxLearned(), m_series->MaxAnswers() }) {
            widest = std::max(widest, fontMetrics().horizontalAdvance(QString::number(top)));
        }
    }
    return widest + kScaleToPlot;
}

QStringList HistoryChart::DateLabels() const
{
    if (!m_series || m_series->Days().empty()) {
        return {};
    }
    const std::vector<HistoryDay>& days = m_series->Days();
    return { days.front().Day.toString(m_texts.DateFormat), days[days.size() / 2].Day.toString(m_texts.DateFormat),
        days.back().Day.toString(m_texts.DateFormat) };
}

QStringList HistoryChart::AxisLabels() const
{
    if (!m_series) {
        return {};
    }
    return QStringList { QString::number(m_series->MaxLearned()), QStringLiteral("0"),
        QString::number(m_series->MaxAnswers()), QStringLiteral("0") }
    + DateLabels();
}

QSize HistoryChart::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int legend = 2 * (kSwatchSize + kSwatchToText) + kLegendGap + metrics.horizontalAdvance(m_texts.Right)
        + metrics.horizontalAdvance(m_texts.Wrong);
    const int titles = std::max(
        metrics.horizontalAdvance(m_texts.Learned), metrics.horizontalAdvance(m_texts.Answers) + kLegendGap + legend);
    const int height = 2 * (LineHeight() + kTitleToPlot + kPlotHeight) + kChartGap + kTickLength + LineHeight();
    return { std::max(titles, 240), height };
}

void HistoryChart::PaintTitle(QPainter& painter, int top, const QString& title, bool withLegend) const
{
    const QColor text = palette().color(QPalette::WindowText);
    const int lineHeight = LineHeight();
    painter.setPen(text);
    painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    if (!withLegend) {
        return;
    }
    // Right-aligned: the right answers' swatch and name, then the wrong ones'.
    const std::array<QColor, 3> colours = SeriesColours();
    const std::pair<const QString*, QColor> entries[]
        = { { &m_texts.Right, colours[1] }, { &m_texts.Wrong, colours[2] } };
    int right = width();
    for (int i = 1; i >= 0; --i) {
        const QString& name = *entries[i].first;
        const int textWidth = fontMetrics().horizontalAdvance(name);
        painter.setPen(text);
        painter.drawText(QRect(right - textWidth, top, textWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
        const QRect swatch(right - textWidth - kSwatchToText - kSwatchSize, top + (lineHeight - kSwatchSize) / 2,
            kSwatchSize - 1, kSwatchSize - 1);
        painter.fillRect(swatch, entries[i].second);
        painter.drawRect(swatch);
        right = swatch.left() - kLegendGap;
    }
}

void HistoryChart::PaintBars(QPainter& painter, const QRect& plot, const Bars& bars) const
{
    const QColor text = palette().color(QPalette::WindowText);
    // The scale: the largest day at the top line, 0 at the foot.
    const int scaleRight = plot.left() - kScaleToPlot;
    painter.setPen(text);
    painter.drawText(
        QRect(0, plot.top(), scaleRight, LineHeight()), Qt::AlignRight | Qt::AlignTop, QString::number(bars.Max));
    painter.drawText(QRect(0, plot.bottom() - LineHeight() + 1, scaleRight, LineHeight()),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    painter.drawLine(plot.left(), plot.top(), plot.right(), plot.top());

    const int days = int(bars.Lower.size());
    for (int i = 0; i < days; ++i) {
        const int left = plot.left() + i * plot.width() / days;
        const int slot = plot.left() + (i + 1) * plot.width() / days - left;
        const int barWidth = slot >= 3 ? slot - 1 : slot; // narrow bars touch rather than vanish
        const int lower = Scaled(bars.Lower[size_t(i)], bars.Max, plot.height());
        const qint64 upperValue = bars.Upper.empty() ? 0 : bars.Upper[size_t(i)];
        int whole = Scaled(qint64(bars.Lower[size_t(i)]) + upperValue, bars.Max, plot.height());
        if (upperValue > 0) {
            whole = std::min(std::max(whole, lower + 1), plot.height()); // a wrong answer never disappears
        }
        const int foot = plot.bottom() + 1;
        painter.fillRect(QRect(left, foot - lower, barWidth, lower), bars.LowerColour);
        painter.fillRect(QRect(left, foot - whole, barWidth, whole - lower), bars.UpperColour);
    }
    painter.setPen(text);
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
}

void HistoryChart::PaintDates(QPainter& painter, const QRect& plot) const
{
    const QStringList dates = DateLabels();
    const int days = int(m_series->Days().size());
    const int top = plot.bottom() + 1 + kTickLength;
    const Qt::Alignment alignments[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
    const int dayIndices[] = { 0, days / 2, days - 1 };
    painter.setPen(palette().color(QPalette::WindowText));
    for (int k = 0; k < 3; ++k) {
        const int centre = plot.left() + (2 * dayIndices[k] + 1) * plot.width() / (2 * days);
        painter.drawLine(centre, plot.bottom() + 1, centre, plot.bottom() + kTickLength);
        const int textWidth = fontMetrics().horizontalAdvance(dates[k]);
        const int left = k == 0 ? plot.left() : k == 1 ? centre - textWidth / 2 : plot.right() + 1 - textWidth;
        painter.drawText(QRect(left, top, textWidth, LineHeight()), alignments[k] | Qt::AlignVCenter, dates[k]);
    }
}

void HistoryChart::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_series || m_series->Days().empty()) {
        return;
    }
    QPainter painter(this);
    const std::array<QColor, 3> colours = SeriesColours();
    Bars learned { m_series->MaxLearned(), {}, {}, colours[0], colours[0] };
    Bars answers { m_series->MaxAnswers(), {}, {}, colours[1], colours[2] };
    for (const HistoryDay& day : m_series->Days()) {
        learned.Lower.push_back(day.Learned);
        answers.Lower.push_back(day.RightAnswers);
        answers.Upper.push_back(day.WrongAnswers);
    }
    const int lineHeight = LineHeight();
    const int plotLeft = ScaleWidth();
    int top = 0;
    PaintTitle(painter, top, m_texts.Learned, false);
    top += lineHeight + kTitleToPlot;
    PaintBars(painter, QRect(plotLeft, top, width() - plotLeft, kPlotHeight), learned);
    top += kPlotHeight + kChartGap;
    PaintTitle(painter, top, m_texts.Answers, true);
    top += lineHeight + kTitleToPlot;
    const QRect answersPlot(plotLeft, top, width() - plotLeft, kPlotHeight);
    PaintBars(painter, answersPlot, answers);
    PaintDates(painter, answersPlot);
}
