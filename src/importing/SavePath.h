#pragma once

#include <QString>
#include <optional>

class LanguageTable;
class Prompts;

// Asks where a file is to be written, through the save dialog: the extension is added when
// the name has none of its own, and an existing file is replaced only after the user agreed
// to it. Empty when the user cancelled either question.
std::optional<QString> AskSavePath(Prompts& prompts, const LanguageTable& texts, const QString& title,
    const QString& folder, const QString& filter, const QString& suffix);
