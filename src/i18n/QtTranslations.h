#pragma once

#include <QString>
#include <memory>

class QTranslator;

// Qt's own texts (the file dialog, the buttons of message boxes, the context menu of a text
// box) in the interface language. The Russian interface loads Qt's Russian translations from
// where Qt keeps them; the English one needs none.
namespace QtTranslations {

// Installs the translations of the language into the application; the returned translator
// uninstalls them when it goes. Null for English, or when the system has no translations
// for the language (Qt's English texts stay then).
std::unique_ptr<QTranslator> Install(const QString& languageName);

} // namespace QtTranslations
