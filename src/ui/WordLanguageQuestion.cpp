#include "ui/WordLanguageQuestion.h"

#include "base/Prompts.h"
#include "base/Speech.h"
#include "base/WordLanguages.h"
#include "store/DictionaryStore.h"

bool AskWordLanguage(Prompts& prompts, const Speech& speech, DictionaryStore& store, const UserText::Lookup& lookup)
{
    const QStringList voices = speech.Languages();
    QStringList codes;
    QStringList names;
    for (const QString& code : WordLanguages::Codes()) {
        if (voices.contains(code)) {
            codes << code;
            names << UserText(WordLanguages::NameKey(code), WordLanguages::EnglishName(code)).In(lookup);
        }
    }
    if (codes.isEmpty()) {
        return false;
    }
    const int chosen = prompts.Choose(UserText(QStringLiteral("form1_message_ask_word_language"),
                                          QStringLiteral("The dictionary does not say which language its words are "
                                                         "in. Which language should they be said in?"))
                                          .In(lookup),
        names);
    if (chosen < 0 || chosen >= codes.size()) {
        return false;
    }
    store.SetLanguage(codes.at(chosen));
    return true;
}
