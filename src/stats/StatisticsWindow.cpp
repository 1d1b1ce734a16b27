#include "stats/StatisticsWindow.h"

#include "store/StatusCounts.h"
#include "ui/ShareBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int kWidth = 328;
constexpr int kMargin = 8;
constexpr int kFiguresHeight = 139; // the group box of the four figures
constexpr int kPictureTop = kMargin + kFiguresHeight + 12;
constexpr int kSectionGap = 12;
constexpr int kLineGap = 6;
constexpr int kBottomMargin = 12; // below a line of text, which has no frame of its own

QLabel* NamedLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Статистика"));
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("XPGroupBox1"));
    group->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, kFiguresHeight);
    const char* captions[] = { "Количество слов в словаре:", "Количество слов прошедших ознакомление:",
        "Количество выученный слов:", "Количество слов удаленных из обучения:" };
    for (int row = 0; row < 4; ++row) {
        auto* caption = new QLabel(QString::fromUtf8(captions[row]), group);
        caption->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        caption->move(16, 24 + row * 28);
        caption->adjustSize();
        m_values[row] = new QLabel(QStringLiteral("0"), group);
        m_values[row]->setObjectName(QStringLiteral("Label%1").arg(row + 5));
        QFont bold = m_values[row]->font();
        bold.setBold(true);
        m_values[row]->setFont(bold);
        m_values[row]->move(caption->x() + caption->width() + 10, caption->y());
        m_values[row]->adjustSize();
    }
    m_shares = new ShareBar(this);
    m_shares->setObjectName(QStringLiteral("ShareBar1"));

    const int periods[] = { HistorySeries::kShortPeriod, HistorySeries::kLongPeriod };
    for (int i = 0; i < 2; ++i) {
        m_periods[i] = new QRadioButton(QString::fromUtf8("За %1 дней").arg(periods[i]), this);
        m_periods[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    }
    m_periods[0]->setChecked(true);
    connect(m_periods[1], &QRadioButton::toggled, this, &StatisticsWindow::ShowPeriod);
    m_chart = new HistoryChart(this);
    m_chart->setObjectName(QStringLiteral("HistoryChart1"));
    m_noHistory = NamedLabel(
        QString::fromUtf8("За эти дни занятий пока не было. График появится, как только вы начнёте заниматься."),
        "Label9", this);
    m_noHistory->setWordWrap(true);
    m_streak = NamedLabel(QString(), "Label10", this);

    SetCounts(StatusCounts {},
        LegendTexts { QStringLiteral("Ещё не показаны"), QStringLiteral("В изучении"), QStringLiteral("Выучены"),
            QStringLiteral("Удалены из обучения"), QStringLiteral("%1: %2 (%3 %)") });
    SetHistory({}, QDate(),
        HistoryTexts { { QStringLiteral("Выучено карточек за день"), QStringLiteral("Ответов за день"),
                           QStringLiteral("верных"), QStringLiteral("неверных"), QStringLiteral("dd.MM") },
            QStringLiteral("Дней подряд с занятиями: %1") });
}

void StatisticsWindow::SetCounts(const StatusCounts& counts, const LegendTexts& texts)
{
    const int figures[] = { counts.Cards, counts.Learning + counts.Learned, counts.Learned, counts.Removed };
    for (int row = 0; row < 4; ++row) {
        m_values[row]->setText(QString::number(figures[row]));
        m_values[row]->adjustSize();
    }
    const std::array<QColor, 4> colours = StatusColours();
    const int notSeen = counts.Cards - counts.Learning - counts.Learned - counts.Removed;
    m_shares->SetLineFormat(texts.LineFormat);
    m_shares->SetParts({ { texts.NotSeen, notSeen, colours[0] }, { texts.Learning, counts.Learning, colours[1] },
        { texts.Learned, counts.Learned, colours[2] }, { texts.Removed, counts.Removed, colours[3] } });
    Arrange();
}

void StatisticsWindow::SetHistory(std::vector<HistoryDay> history, const QDate& today, const HistoryTexts& texts)
{
    m_history = std::move(history);
    m_today = today;
    m_historyTexts = texts;
    ShowPeriod();
}

void StatisticsWindow::ShowPeriod()
{
    HistorySeries series(
        m_history, m_today, m_periods[1]->isChecked() ? HistorySeries::kLongPeriod : HistorySeries::kShortPeriod);
    const bool chart = series.HasActivity();
    m_streak->setText(m_historyTexts.StreakFormat.arg(series.Streak()));
    m_chart->SetSeries(std::move(series), m_historyTexts.Chart);
    m_chart->setVisible(chart);
    m_streak->setVisible(chart);
    m_noHistory->setVisible(!chart);
    Arrange();
}

// Everything stands in one column below the figures; the window grows to what it shows,
// and widens only when a language's chart titles need it.
void StatisticsWindow::Arrange()
{
    const int width = std::max(kWidth, m_chart->sizeHint().width() + 2 * kMargin);
    const int inner = width - 2 * kMargin;
    m_values[0]->parentWidget()->resize(inner, kFiguresHeight);
    const int pictureHeight = m_shares->sizeHint().height();
    m_shares->setGeometry(kMargin, kPictureTop, inner, pictureHeight);

    int top = kPictureTop + pictureHeight + kSectionGap;
    int left = kMargin;
    for (QRadioButton* period : m_periods) {
        period->adjustSize();
        period->move(left, top);
        left += period->width() + kSectionGap;
    }
    top += m_periods[0]->height() + kLineGap;
    if (m_chart->isVisibleTo(this)) {
        m_chart->setGeometry(kMargin, top, inner, m_chart->sizeHint().height());
        top += m_chart->height() + kSectionGap;
        m_streak->adjustSize();
        m_streak->move(kMargin, top);
        top += m_streak->height();
    } else {
        m_noHistory->setGeometry(kMargin, top, inner, m_noHistory->heightForWidth(inner));
        top += m_noHistory->height();
    }
    setFixedSize(width, top + kBottomMargin);
}

QString StatisticsWindow::Figure(int row) const
{
    return m_values[row]->text();
}

std::array<QColor, 4> StatisticsWindow::StatusColours()
{
    // Grey lightness (qGray) 228, 172, 111 and 69.
    return { QColor(0xe4, 0xe4, 0xe4), QColor(0xe8, 0xa8, 0x38), QColor(0x3a, 0x9a, 0x5a), QColor(0x40, 0x46, 0x50) };
}
