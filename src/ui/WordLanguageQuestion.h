#pragma once

#include "base/UserText.h"

class DictionaryStore;
class Prompts;
class Speech;

// The question asked when a word of a dictionary that does not name its language is first
// to be said: which language are its words in? It offers the languages the system has a
// voice for, named in the interface language, and keeps the answer in the dictionary (a
// durable commit of its own), so it is asked once per dictionary. True when the dictionary
// names a language afterwards; false when the user cancelled or there is no voice to offer.
// Throws AppError when the answer cannot be written; the dictionary stays without one then.
bool AskWordLanguage(Prompts& prompts, const Speech& speech, DictionaryStore& store, const UserText::Lookup& lookup);
