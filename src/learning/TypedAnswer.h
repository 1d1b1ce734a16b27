#pragma once

#include <QString>

// The rule of the typed-translation exercise: the typed text, without the blanks and control
// characters (codes up to 32) at its ends, must equal the stored translation character for
// character. Case and inner blanks count, a translation listing several meanings must be
// typed whole, and the stored text is taken as it is.
namespace TypedAnswer {

QString Trim(const QString& typed);
bool IsRight(const QString& typed, const QString& translation);

} // namespace TypedAnswer
