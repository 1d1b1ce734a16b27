#include "learning/LearningKeys.h"

#include "learning/ChoicePanel.h"
#include "learning/LearningWindow.h"
#include "learning/PairPanel.h"
#include "learning/RecallPanel.h"
#include "ui/ClickableLabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// The letter a key stands for on an English layout, also when a Russian layout gave its
// Cyrillic letter (ЙЦУКЕН): 0 for any other key.
char LatinLetter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char>('A' + (key - Qt::Key_A));
    }
    static constexpr std::pair<char16_t, char> kRussian[] = { { u'Ф', 'A' }, { u'И', 'B' }, { u'С', 'C' },
        { u'В', 'D' }, { u'У', 'E' }, { u'А', 'F' }, { u'П', 'G' }, { u'Р', 'H' }, { u'Н', 'Y' }, { u'Т', 'N' } };
    for (const auto& [cyrillic, latin] : kRussian) {
        if (key == cyrillic) {
            return latin;
        }
    }
    return 0;
}

bool OnScreen(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled();
}

bool ClickLabel(ClickableLabel* label)
{
    if (!OnScreen(label)) {
        return false;
    }
    Q_EMIT label->clicked();
    return true;
}

bool ClickButton(QAbstractButton* button)
{
    if (!OnScreen(button)) {
        return false;
    }
    button->click();
    return true;
}

} // namespace

LearningKeys::Action LearningKeys::ActionFor(int key, Panel panel, bool typing)
{
    if (key == Qt::Key_Escape) {
        return { Target::Familiarization };
    }
    if (typing) {
        return {};
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const int digit = key >= Qt::Key_1 && key <= Qt::Key_8 ? key - Qt::Key_0 : 0;
    const char letter = LatinLetter(key);
    switch (panel) {
    case Panel::Choice:
        return digit != 0 ? Action { Target::Option, digit } : Action {};
    case Panel::Pairs:
        if (digit != 0) {
            return { Target::LeftWord, digit };
        }
        return letter >= 'A' && letter <= 'H' ? Action { Target::RightWord, letter - 'A' + 1 } : Action {};
    case Panel::Recall:
        if (enter || key == Qt::Key_Space) {
            return { Target::ShowAnswer };
        }
        if (key == Qt::Key_Right || letter == 'Y') {
            return { Target::Right };
        }
        if (key == Qt::Key_Left || letter == 'N') {
            return { Target::Wrong };
        }
        return {};
    case Panel::Typed:
        return enter ? Action { Target::Check } : Action {};
    case Panel::Other:
        break;
    }
    return {};
}

LearningKeys::LearningKeys(LearningWindow& window, QObject* parent)
    : QObject(parent)
    , m_window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

LearningKeys::~LearningKeys()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

LearningKeys::Panel LearningKeys::ShownPanel() const
{
    if (m_window.Choice()->isVisible()) {
        return Panel::Choice;
    }
    if (m_window.Pairs()->isVisible()) {
        return Panel::Pairs;
    }
    if (m_window.Recall()->isVisible()) {
        return m_window.Recall()->AnswerEdit()->isVisible() ? Panel::Typed : Panel::Recall;
    }
    return Panel::Other;
}

bool LearningKeys::Perform(const Action& action) const
{
    RecallPanel* recall = m_window.Recall();
    switch (action.target) {
    case Target::Option:
        return ClickLabel(m_window.Choice()->OptionLabel(action.row));
    case Target::LeftWord:
        return ClickLabel(m_window.Pairs()->LeftLabel(action.row));
    case Target::RightWord:
        return ClickLabel(m_window.Pairs()->RightLabel(action.row));
    case Target::ShowAnswer:
        return ClickButton(recall->ShowAnswerButton());
    case Target::Right:
        return ClickButton(recall->RightButton());
    case Target::Wrong:
        return ClickButton(recall->WrongButton());
    case Target::Check:
        return ClickButton(recall->CheckButton());
    case Target::Familiarization:
        return ClickButton(m_window.FamiliarizationButton());
    case Target::None:
        break;
    }
    return false;
}

bool LearningKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_window.isActiveWindow()) {
        return QObject::eventFilter(watched, event);
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (widget == nullptr || widget->window() != &m_window || key->isAutoRepeat() || (key->modifiers() & commands)) {
        return QObject::eventFilter(watched, event);
    }
    const bool typing = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    const Action action = ActionFor(key->key(), ShownPanel(), typing);
    if (action.target == Target::None) {
        return QObject::eventFilter(watched, event);
    }
    // A key whose control is not there now (a grade before the answer shows, a row beyond
    // the block) does nothing: it neither answers nor moves the focus.
    Perform(action);
    return true;
}
