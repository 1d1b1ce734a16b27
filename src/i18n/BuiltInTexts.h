#pragma once

#include <QStringList>

// The texts the program carries inside itself: the language files it was built with,
// compiled in. Where the data folder's language file lacks a message, or is missing or
// damaged, the built-in message of the same language stands in, so no message box, title
// or status text is ever empty.
namespace BuiltInTexts {

// Every window's messages for the language, as the message table holds them
// ("form1_message_delete=Text"), in file order; empty for a language the program does
// not know.
QStringList Messages(const QString& languageName);

} // namespace BuiltInTexts
