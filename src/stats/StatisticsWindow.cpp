#include "stats/StatisticsWindow.h"

#include "store/StatusCounts.h"
#include "ui/ShareBar.h"

#include <QGroupBox>
#include <QLabel>

namespace {

constexpr int kWidth = 328;
constexpr int kMargin = 8;
constexpr int kFiguresHeight = 139; // the group box of the four figures
constexpr int kPictureTop = kMargin + kFiguresHeight + 12;

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
    SetCounts(StatusCounts {},
        LegendTexts { QStringLiteral("Ещё не показаны"), QStringLiteral("В изучении"), QStringLiteral("Выучены"),
            QStringLiteral("Удалены из обучения"), QStringLiteral("%1: %2 (%3 %)") });
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
    // The window grows to the picture, which grows with the legend's font.
    const int pictureHeight = m_shares->sizeHint().height();
    m_shares->setGeometry(kMargin, kPictureTop, kWidth - 2 * kMargin, pictureHeight);
    setFixedSize(kWidth, kPictureTop + pictureHeight + kMargin);
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
