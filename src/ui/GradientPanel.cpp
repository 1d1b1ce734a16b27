#include "ui/GradientPanel.h"
#include "ui/Placement.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(QWidget* parent)
    : QWidget(parent)
{
}

void GradientPanel::setText(const QString& text)
{
    m_text = text;
    update();
}

void GradientPanel::ShowCentredHorizontally()
{
    if (parentWidget() != nullptr) {
        Placement::CentreHorizontally(this);
    }
    show();
    raise();
}

void GradientPanel::ShowCentred()
{
    if (parentWidget() != nullptr) {
        Placement::CentreInParent(this);
    }
    show();
    raise();
}

void GradientPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(237, 237, 234));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}
