#include "learning/AnswerPopup.h"

#include "learning/LearningPanel.h"
#include "ui/DesignLook.h"
#include "ui/Placement.h"

#include <QLabel>

AnswerPopup::AnswerPopup(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_popup"));
    resize(kWidth, kHeight);
    SetWhiteBackground(this);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    SetTextColour(this, Qt::black);

    m_word = AddLabel(QStringLiteral("label1"), QStringLiteral("Слово"), 10, palette().color(QPalette::WindowText));
    m_translation = AddLabel(QStringLiteral("label2"), QStringLiteral("Перевод"), 50, Qt::red);
    hide();
}

QLabel* AnswerPopup::AddLabel(const QString& name, const QString& text, int top, const QColor& colour)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(TahomaFont(24, true));
    SetTextColour(label, colour);
    label->adjustSize();
    label->move(0, top);
    Placement::CentreHorizontally(label);
    return label;
}
