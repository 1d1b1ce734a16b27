#include "learning/Watermark.h"

#include "ui/DesignLook.h"

#include <QPainter>

Watermark::Watermark(QString text, QWidget* parent)
    : QWidget(parent)
    , m_text(std::move(text))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(DesignFont(QStringLiteral("Arial"), 16));
}

void Watermark::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(192, 192, 192));
    painter.setFont(font());
    // Rising from the lower left corner to the upper right one.
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(-45.0);
    const QRectF box(-width(), -height() / 2.0, 2.0 * width(), height());
    painter.drawText(box, Qt::AlignCenter, m_text);
}
