#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

// A picture of how a whole splits into parts: one horizontal bar cut into a segment per
// part, each as wide as its share, and below it a legend line per part with a swatch of its
// colour, its name, its count and its share in whole percents. The parts' colours are
// chosen by the caller; the legend names them, so the picture reads without colour too.
class ShareBar : public QWidget {
    Q_OBJECT

public:
    struct Part {
        QString Name;
        int Count = 0;
        QColor Colour;
    };

    explicit ShareBar(QWidget* parent = nullptr);

    // A legend line: %1 the part's name, %2 its count, %3 its share ("25", "<1", ">99").
    void SetLineFormat(const QString& format);
    void SetParts(std::vector<Part> parts);
    const std::vector<Part>& Parts() const { return m_parts; }

    // The legend as it is drawn, one line per part.
    QStringList LegendLines() const;
    // Whole percents of each count, summing to 100 (largest remainders round up); all 0
    // when every count is 0.
    static std::vector<int> WholePercents(const std::vector<int>& counts);
    // The width of each part's segment in a bar `width` pixels wide: they add up to the
    // bar (every 0 when every count is 0, an empty bar).
    std::vector<int> SegmentWidths(int width) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int LineHeight() const;
    // The share text of part `index` given the whole percents.
    QString ShareText(int index, const std::vector<int>& percents) const;

    QString m_lineFormat = QStringLiteral("%1: %2 (%3%)");
    std::vector<Part> m_parts;
};
