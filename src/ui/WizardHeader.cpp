#include "ui/WizardHeader.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kMargin = 16;
constexpr int kCommentIndent = 8;

} // namespace

WizardHeader::WizardHeader(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(kHeight);
}

void WizardHeader::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void WizardHeader::setComment(const QString& comment)
{
    m_comment = comment;
    update();
}

void WizardHeader::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, palette().color(QPalette::Highlight));
    gradient.setColorAt(1, palette().color(QPalette::Window));
    painter.fillRect(rect(), gradient);

    // The title stands on the strong end of the gradient, the comment on the pale one.
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::HighlightedText));
    const int half = height() / 2;
    painter.drawText(QRect(kMargin, 4, width() - 2 * kMargin, half - 4), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(kMargin + kCommentIndent, half, width() - 2 * kMargin - kCommentIndent, half - 4),
        Qt::AlignLeft | Qt::AlignVCenter, m_comment);
}
