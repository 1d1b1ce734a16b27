#include "stats/StatisticsWindow.h"

#include <QGroupBox>
#include <QLabel>

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Статистика"));
    setFixedSize(328, 155);
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("XPGroupBox1"));
    group->setGeometry(8, 8, 312, 139);
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
}

void StatisticsWindow::SetFigures(int cards, int familiar, int learned, int removed)
{
    const int figures[] = { cards, familiar, learned, removed };
    for (int row = 0; row < 4; ++row) {
        m_values[row]->setText(QString::number(figures[row]));
        m_values[row]->adjustSize();
    }
}

QString StatisticsWindow::Figure(int row) const
{
    return m_values[row]->text();
}
