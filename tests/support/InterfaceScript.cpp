#include "support/InterfaceScript.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>

namespace InterfaceScript {

namespace {

// The texts a widget shows of its own.
QStringList TextsOf(const QWidget* widget)
{
    QStringList texts { widget->toolTip(), widget->statusTip(), widget->accessibleName() };
    if (widget->isWindow()) {
        texts << widget->windowTitle();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        texts << label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        texts << button->text();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        texts << group->title();
    } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i) {
            texts << combo->itemText(i);
        }
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        texts << edit->placeholderText();
    } else if (const auto* spin = qobject_cast<const QSpinBox*>(widget)) {
        texts << spin->prefix() << spin->suffix() << spin->specialValueText();
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model()) {
        // A table's column captions and their tooltips; its cells are the cards' own texts.
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            for (const int role : { int(Qt::DisplayRole), int(Qt::ToolTipRole) }) {
                texts << view->model()->headerData(column, Qt::Horizontal, role).toString();
            }
        }
    }
    // Custom widgets keep their captions in properties named so.
    for (const char* property : { "caption", "title", "subtitle" }) {
        texts << widget->property(property).toString();
    }
    for (const QAction* action : widget->actions()) {
        texts << action->text() << action->toolTip();
    }
    return texts;
}

QString PathOf(const QWidget* widget)
{
    const QWidget* window = widget->window();
    return window == widget ? widget->objectName() : window->objectName() + "/" + widget->objectName();
}

} // namespace

QStringList ForeignWords(const QString& text, const QString& languageName, const QStringList& allowed)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}+"));
    static const QRegularExpression latin(QStringLiteral("\\p{Latin}{2,}"));
    static const QRegularExpression addresses(QStringLiteral("\\S+@\\S+|\\w+://\\S+|www\\.\\S+|(?<!\\S)/\\S+"));
    const QRegularExpression& foreign = languageName == QLatin1String("english") ? cyrillic : latin;
    QStringList words;
    QString plain = text;
    plain.replace(addresses, QStringLiteral(" ")); // mail and web addresses and file paths are no language
    for (auto match = foreign.globalMatch(plain); match.hasNext();) {
        const QString word = match.next().captured();
        bool isAllowed = false;
        for (const QString& entry : allowed) {
            isAllowed = isAllowed || entry.contains(word);
        }
        if (!isAllowed) {
            words << word;
        }
    }
    return words;
}

QStringList ForeignTexts(const QString& languageName, const QStringList& allowed)
{
    QStringList found;
    for (const QWidget* widget : QApplication::allWidgets()) {
        // A text browser shows a document (the help), which has its own language. A menu is
        // hidden until it pops up, but its items are always within the user's reach.
        const bool menu = qobject_cast<const QMenu*>(widget) != nullptr;
        if (qobject_cast<const QTextBrowser*>(widget) != nullptr || (!menu && !widget->isVisible())) {
            continue;
        }
        for (const QString& text : TextsOf(widget)) {
            if (!text.isEmpty() && !ForeignWords(text, languageName, allowed).isEmpty()) {
                found << PathOf(widget) + ": " + text;
            }
        }
    }
    found.removeDuplicates();
    found.sort();
    return found;
}

} // namespace InterfaceScript
