#pragma once

#include <QString>

class QObject;
class QWidget;

// Setting the texts of a window's components by their object names, whatever kind of
// widget carries them.
namespace ComponentText {

// The component of the window with that object name (the window's main menu and its
// actions included); nullptr when there is none.
QObject* Find(QWidget* window, const QString& name);

// Sets the text a component shows: a label's or button's text, a group box's title, a tab
// page's tab text, a menu's or action's text, or the "text" property of our own widgets.
// A label that does not wrap its text resizes to it, as the window layouts expect.
bool SetCaption(QObject* component, const QString& text);

// The main-menu item: top-level item index top, or item index item of it.
bool SetMenuCaption(QWidget* window, int top, int item, bool topLevel, const QString& text);

} // namespace ComponentText
