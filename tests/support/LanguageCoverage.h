#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The language files beside the program address a window's components by name. These
// helpers read the real files of the source tree, so a renamed component shows up here
// instead of as a text that silently stays Russian.
namespace LanguageCoverage {

// The data folder of the source tree (with a trailing "/"), which holds Language/.
QString DataFolder();

// The entries of the window's section in the file of the language name that miss their
// target: a component that does not exist or cannot show a caption, a header band without
// the property its text goes to, a window caption keyed by another name, or an entry no
// rule of the window handles. Empty when every entry lands. Each problem is one line.
QStringList Misses(QWidget* window, const QString& windowKey, const QString& languageName);

// How many entries of the window's section are not messages (so a test notices an empty
// or missing section instead of passing on it).
int ComponentEntryCount(const QString& windowKey, const QString& languageName);

} // namespace LanguageCoverage
