#include "i18n/ComponentText.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVariant>

namespace ComponentText {

QObject* Find(QWidget* window, const QString& name)
{
    if (name.isEmpty()) {
        return nullptr;
    }
    return window->findChild<QObject*>(name);
}

namespace {

// A page of a tab widget sits in the tab widget's inner stack.
QTabWidget* TabWidgetOf(QWidget* page)
{
    QWidget* stack = page->parentWidget();
    if (stack == nullptr || qobject_cast<QStackedWidget*>(stack) == nullptr) {
        return nullptr;
    }
    return qobject_cast<QTabWidget*>(stack->parentWidget());
}

} // namespace

bool SetCaption(QObject* component, const QString& text)
{
    if (component == nullptr) {
        return false;
    }
    if (auto* label = qobject_cast<QLabel*>(component)) {
        label->setText(text);
        if (!label->wordWrap()) {
            label->adjustSize();
        }
        return true;
    }
    if (auto* group = qobject_cast<QGroupBox*>(component)) {
        group->setTitle(text);
        return true;
    }
    if (auto* menu = qobject_cast<QMenu*>(component)) {
        menu->setTitle(text);
        return true;
    }
    if (auto* action = qobject_cast<QAction*>(component)) {
        action->setText(text);
        return true;
    }
    if (auto* page = qobject_cast<QWidget*>(component)) {
        if (QTabWidget* tabs = TabWidgetOf(page)) {
            tabs->setTabText(tabs->indexOf(page), text);
            return true;
        }
    }
    if (component->metaObject()->indexOfProperty("text") >= 0) {
        return component->setProperty("text", text);
    }
    return false;
}

bool SetMenuCaption(QWidget* window, int top, int item, bool topLevel, const QString& text)
{
    auto* menuBar = window->findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    if (menuBar == nullptr) {
        return false;
    }
    const QList<QAction*> topItems = menuBar->actions();
    if (top < 0 || top >= topItems.size()) {
        return false;
    }
    if (topLevel) {
        topItems[top]->setText(text);
        return true;
    }
    QMenu* menu = topItems[top]->menu();
    if (menu == nullptr || item < 0 || item >= menu->actions().size()) {
        return false;
    }
    QAction* action = menu->actions()[item];
    // A separator has no caption to show: the file's "-" names it, and a text would be drawn
    // at the line's left edge.
    if (!action->isSeparator()) {
        action->setText(text);
    }
    return true;
}

} // namespace ComponentText
