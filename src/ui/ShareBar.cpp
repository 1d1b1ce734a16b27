#include "ui/ShareBar.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

constexpr int kBarHeight = 22;
constexpr int kBarToLegend = 8;
constexpr int kSwatchSize = 12;
constexpr int kSwatchToText = 6;

std::int64_t Total(const std::vector<int>& counts)
{
    return std::accumulate(counts.begin(), counts.end(), std::int64_t(0),
        [](std::int64_t sum, int count) { return sum + std::max(count, 0); });
}

} // namespace

ShareBar::ShareBar(QWidget* parent)
    : QWidget(parent)
{
}

void ShareBar::SetLineFormat(const QString& format)
{
    m_lineFormat = format;
    update();
}

void ShareBar::SetParts(std::vector<Part> parts)
{
    m_parts = std::move(parts);
    setAccessibleDescription(LegendLines().join(QLatin1Char('\n')));
    updateGeometry();
    update();
}

std::vector<int> ShareBar::WholePercents(const std::vector<int>& counts)
{
    std::vector<int> percents(counts.size(), 0);
    const std::int64_t total = Total(counts);
    if (total == 0) {
        return percents;
    }
    // Each part first gets the whole percents it fully holds; the points still missing to
    // 100 go to the parts with the largest remainders, earlier parts first on a tie.
    std::vector<std::int64_t> remainders(counts.size());
    int given = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        const std::int64_t scaled = std::int64_t(std::max(counts[i], 0)) * 100;
        percents[i] = int(scaled / total);
        remainders[i] = scaled % total;
        given += percents[i];
    }
    std::vector<size_t> order(counts.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return remainders[a] > remainders[b]; });
    for (size_t k = 0; given < 100 && k < order.size(); ++k, ++given) {
        ++percents[order[k]];
    }
    return percents;
}

std::vector<int> ShareBar::SegmentWidths(int width) const
{
    std::vector<int> counts;
    for (const Part& part : m_parts) {
        counts.push_back(part.Count);
    }
    std::vector<int> widths(counts.size(), 0);
    const std::int64_t total = Total(counts);
    if (total == 0 || width <= 0) {
        return widths;
    }
    // Each edge is rounded from the running sum, so the segments fill the bar exactly.
    std::int64_t running = 0;
    int edge = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        running += std::max(counts[i], 0);
        const int next = int((running * width + total / 2) / total);
        widths[i] = next - edge;
        edge = next;
    }
    return widths;
}

QString ShareBar::ShareText(int index, const std::vector<int>& percents) const
{
    const int count = m_parts[size_t(index)].Count;
    const int percent = percents[size_t(index)];
    // A part that is there but rounds to nothing, or a whole that is not quite this part,
    // must not read as 0 or 100.
    if (count > 0 && percent == 0) {
        return QStringLiteral("<1");
    }
    if (percent == 100 && std::any_of(m_parts.begin(), m_parts.end(), [&](const Part& other) {
            return &other != &m_parts[size_t(index)] && other.Count > 0;
        })) {
        return QStringLiteral(">99");
    }
    return QString::number(percent);
}

QStringList ShareBar::LegendLines() const
{
    std::vector<int> counts;
    for (const Part& part : m_parts) {
        counts.push_back(part.Count);
    }
    const std::vector<int> percents = WholePercents(counts);
    QStringList lines;
    for (int i = 0; i < int(m_parts.size()); ++i) {
        lines << m_lineFormat.arg(
            m_parts[size_t(i)].Name, QString::number(m_parts[size_t(i)].Count), ShareText(i, percents));
    }
    return lines;
}

int ShareBar::LineHeight() const
{
    return std::max(fontMetrics().height(), kSwatchSize) + 4;
}

QSize ShareBar::sizeHint() const
{
    int textWidth = 0;
    for (const QString& line : LegendLines()) {
        textWidth = std::max(textWidth, fontMetrics().horizontalAdvance(line));
    }
    return QSize(std::max(kSwatchSize + kSwatchToText + textWidth, 120),
        kBarHeight + kBarToLegend + LineHeight() * int(m_parts.size()));
}

void ShareBar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QColor frame = palette().color(QPalette::WindowText);
    // The bar: segments side by side, a thin line between neighbours, a frame around all,
    // so a light part stays visible against the window and an empty bar is still a bar.
    const QRect bar(0, 0, width() - 1, kBarHeight - 1);
    const std::vector<int> widths = SegmentWidths(bar.width());
    int left = bar.left();
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (widths[i] > 0) {
            painter.fillRect(QRect(left, bar.top(), widths[i], bar.height()), m_parts[i].Colour);
            if (left > bar.left()) {
                painter.setPen(palette().color(QPalette::Window));
                painter.drawLine(left, bar.top() + 1, left, bar.bottom() - 1);
            }
            left += widths[i];
        }
    }
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);

    const QStringList lines = LegendLines();
    const int lineHeight = LineHeight();
    for (int i = 0; i < lines.size(); ++i) {
        const int top = kBarHeight + kBarToLegend + i * lineHeight;
        const QRect swatch(0, top + (lineHeight - kSwatchSize) / 2, kSwatchSize - 1, kSwatchSize - 1);
        painter.fillRect(swatch, m_parts[size_t(i)].Colour);
        painter.setPen(frame);
        painter.drawRect(swatch);
        painter.drawText(QRect(kSwatchSize + kSwatchToText, top, width() - kSwatchSize - kSwatchToText, lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}
