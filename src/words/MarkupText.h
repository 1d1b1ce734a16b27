#pragma once

#include <QString>

// Fields of notes exported with markup: the plain text a card shows.
namespace MarkupText {

// Drops the tags (a line break or block becomes a space), the sound references
// ("[sound:x.mp3]"), decodes the character entities (&amp; &lt; &nbsp; &#233; &#xE9; ...),
// and folds runs of white space into one blank.
QString ToPlain(const QString& html);

} // namespace MarkupText
