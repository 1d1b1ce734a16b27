#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The part-of-speech codes a card's part_of_speech column knows, and the marker shown after
// the asked word (and beside the code in the card editor) for each.
namespace PartOfSpeech {

// The known codes, in the order the card editor offers them.
const QStringList& KnownCodes();

// A message of the interface's language by its key ("form4_message_pos_verb"); empty when
// there is none.
using MessageLookup = std::function<QString(const QString& key)>;

// Sets `marker` for the known codes ("verb", "noun", "adj.", "adv.", "pron.", "prep.",
// "conj.", "num.", "interj.", "other", compared exactly, case included) and leaves it as it
// was for any other code. The marker is the language's message for the code (its key the
// code without its dot), else the built-in Russian one.
void PartOfSpeechMarker(const QString& code, QString& marker, const MessageLookup& lookup = {});

// The caption of a question word label: the word, a blank and its marker. The marker of
// "other" says nothing about the word, so it is left out (the blank stays).
QString QuestionWordCaption(const QString& word, const QString& code, const MessageLookup& lookup = {});

} // namespace PartOfSpeech
