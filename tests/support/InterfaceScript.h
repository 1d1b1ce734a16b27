#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Texts of the interface written in the other interface language's script: in the English
// interface any Cyrillic letter, in the Russian one any Latin word of two letters or more.
// Words listed in `allowed` (card contents, the product's name, file names) are not counted.
namespace InterfaceScript {

// The foreign words of one text, empty when it is all in the interface's language.
QStringList ForeignWords(const QString& text, const QString& languageName, const QStringList& allowed);

// Every text a user can meet on the program's visible widgets and in its menus (a window's
// title, captions of labels, buttons, group boxes, tabs and menu items, tool tips, spin box
// units, combo box items, placeholders) that has foreign words in it, as
// "Form4/TntLabel1: text". Mail and web addresses are not counted. Empty when none has any.
QStringList ForeignTexts(const QString& languageName, const QStringList& allowed);

} // namespace InterfaceScript
