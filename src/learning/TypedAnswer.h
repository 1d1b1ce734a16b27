#pragma once

#include <QString>

// The rules of the typed-translation exercise. As it stands (the default): the typed text,
// without the blanks and control characters (codes up to 32) at its ends, must equal the
// stored translation character for character. Case and inner blanks count, a translation
// listing several meanings must be typed whole, and the stored text is taken as it is.
// With "any one meaning" chosen in the settings: the translation is split into its meanings
// at commas and semicolons, and the typed text is right when it is one of them, or the
// whole translation, with letter case, blanks at either end and the kind of dash (-, ‐, ‑,
// –, —) not counting.
namespace TypedAnswer {

QString Trim(const QString& typed);
bool IsRight(const QString& typed, const QString& translation);
bool IsAnyMeaning(const QString& typed, const QString& translation);

} // namespace TypedAnswer
