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

    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("label_verdict"));
    m_verdict->setFont(TahomaFont(13, true));
    m_verdict->setAlignment(Qt::AlignCenter);
    m_verdict->setGeometry(4, 4, kTextWidth, kVerdictHeight - 4);
    m_word = AddLabel(
        QStringLiteral("label1"), QStringLiteral("Слово"), kVerdictHeight + 6, palette().color(QPalette::WindowText));
    m_translation = AddLabel(QStringLiteral("label2"), QStringLiteral("Перевод"), kVerdictHeight + 46, Qt::red);
    m_typed = new QLabel(this);
    m_typed->setObjectName(QStringLiteral("label_typed"));
    m_typed->setFont(TahomaFont(13));
    m_typed->setAlignment(Qt::AlignCenter);
    m_typed->setGeometry(4, kHeight - 4, kTextWidth, kTypedHeight - 2);
    m_typed->hide();
    hide();
}

void AnswerPopup::ShowVerdict(bool right, const QString& text)
{
    m_verdict->setText(text);
    SetTextColour(m_verdict, right ? QColor(0x1b, 0x6e, 0x20) : QColor(0xa0, 0x10, 0x10));
}

void AnswerPopup::ShowTyped(const QString& text)
{
    // Cut short with an ellipsis rather than run past the frame.
    m_typed->setText(m_typed->fontMetrics().elidedText(text, Qt::ElideRight, kTextWidth));
    m_typed->setVisible(!text.isEmpty());
    resize(kWidth, text.isEmpty() ? kHeight : kHeight + kTypedHeight);
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
