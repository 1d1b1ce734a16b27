#include "learning/RecallPanel.h"

#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"
#include "ui/Placement.h"
#include "ui/SingleClick.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kWordTop = 88;
constexpr int kSeparatorTop = 199;
constexpr QRect kShowAnswerPlace(126, 256, 201, 41);
constexpr QSize kSmallButton(97, 33);

} // namespace

RecallPanel::RecallPanel(QWidget* parent)
    : LearningPanel(QStringLiteral("Panel3"), parent)
{
    m_picture = AddPicture(QStringLiteral("Image_perevod"), QRect(96, 8, 261, 247));

    m_word = AddLabel(QStringLiteral("Label_vspomnit"), QStringLiteral("Слово"), TahomaFont(27, true), 0, kWordTop);
    SetTextColour(m_word, Qt::red);
    Placement::CentreHorizontally(m_word);

    m_separator = AddLine(QStringLiteral("Separator3"), QRect(7, kSeparatorTop, 442, 1));

    AddRecallControls();
    AddTypedControls();
}

void RecallPanel::AddRecallControls()
{
    m_showAnswer = AddButton(QStringLiteral("Button1"), QStringLiteral("Посмотреть ответ"), kShowAnswerPlace);

    // The revealed translation takes the place of the button, 4 pixels lower.
    m_answer = AddLabel(
        QStringLiteral("Label_otvet"), QStringLiteral("Перевод"), TahomaFont(24, true), 0, kShowAnswerPlace.top() + 4);
    SetTextColour(m_answer, Qt::black);
    Placement::CentreHorizontally(m_answer);
    m_answer->hide();

    // Grading makes sense only once the translation is shown.
    m_right = AddButton(QStringLiteral("Button2"), QStringLiteral("Верно"), QRect(QPoint(128, 376), kSmallButton));
    m_right->setEnabled(false);
    m_wrong = AddButton(QStringLiteral("Button3"), QStringLiteral("Неверно"), QRect(QPoint(232, 376), kSmallButton));
    m_wrong->setEnabled(false);
}

void RecallPanel::AddTypedControls()
{
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 19));
    m_edit->setGeometry(118, 256, 217, 32);
    m_edit->hide();

    m_check = AddButton(QStringLiteral("Button4"), QStringLiteral("Проверить"), QRect(QPoint(178, 296), kSmallButton));
    m_check->hide();
}

QPushButton* RecallPanel::AddButton(const QString& name, const QString& text, const QRect& place)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(place);
    TakeDoubleClickAsOne(button);
    return button;
}
