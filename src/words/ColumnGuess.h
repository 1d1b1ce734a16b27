#pragma once

#include "words/WordSource.h"

// The column mapping that a file's column names suggest.
namespace ColumnGuess {

// The field a column name stands for ("word", "Front", "перевод", "part of speech"...);
// false for a name that names none.
bool FieldOf(const QString& name, WordField& field);
// Columns a notes export fills with its own bookkeeping (guid, note type, deck, tags): never
// a card's text.
bool IsBookkeeping(const QString& name);
// Named columns fill their fields; word and translation, where no name gives them, take
// the first columns left over, in order.
ColumnMapping Guess(const std::vector<WordColumn>& columns);

} // namespace ColumnGuess
