#include "learning/KeyHint.h"

#include <QEvent>
#include <QFontMetrics>

KeyHint::KeyHint(const QString& name, const QString& key, QWidget* option, int left)
    : QLabel(key, option->parentWidget())
    , m_option(option)
{
    setObjectName(name);
    QFont small = font();
    small.setPointSize(9);
    setFont(small);
    QPalette grey = palette();
    grey.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
    setPalette(grey);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    resize(kWidth, QFontMetrics(small).height());
    move(left, 0);
    // Not a target of its own: a click on the key answers as a click on the option would.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    option->installEventFilter(this);
    Follow();
}

bool KeyHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_option) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::FontChange:
            Follow();
            break;
        default:
            break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

void KeyHint::Follow()
{
    // On the baseline of the option's first line: a long option wraps downwards from there.
    const int baseline = QFontMetrics(m_option->font()).ascent() - QFontMetrics(font()).ascent();
    move(x(), m_option->y() + m_option->contentsMargins().top() + baseline);
    setVisible(m_option->isVisibleTo(parentWidget()));
}
