#pragma once

#include <QString>

// The part-of-speech marker shown after the asked word, from the card's code.
namespace PartOfSpeech {

// Sets `marker` for the five known codes ("verb", "noun", "adj.", "adv.", "other", compared
// exactly, case included) and leaves it as it was for any other code.
void PartOfSpeechMarker(const QString& code, QString& marker);

// The caption of a question word label: the word, a blank and its marker. The marker of
// "other" says nothing about the word, so it is left out (the blank stays).
QString QuestionWordCaption(const QString& word, const QString& code);

} // namespace PartOfSpeech
