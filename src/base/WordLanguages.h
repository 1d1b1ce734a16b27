#pragma once

#include <QString>
#include <QStringList>

// The languages a dictionary's words can be said in, as the codes a dictionary stores ("en")
// and the message keys that name them in the interface language. The list is the languages
// learners of the program's dictionaries meet most; the system's voices say all of them.
namespace WordLanguages {

// Every code, in the order of the list.
QStringList Codes();
// The message key of a language's name ("form1_message_word_language_en").
QString NameKey(const QString& code);
// The language's name in English, the text the program shows without a language file.
QString EnglishName(const QString& code);

} // namespace WordLanguages
