#pragma once

// Interface texts. A window is built with its Russian texts; applying a language file
// replaces them from the window's section, entry by entry, as the window's rules
// (WindowLanguageRules) say, and collects the section's "message" entries into the one
// message table the program reads its message boxes, titles and status texts from.
// Each window is localized once, at start-up; the table only grows while that happens.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

class LanguageTable {
public:
    // The table of a run in the given language ("russian" or "english").
    explicit LanguageTable(QString exeFolder, QString languageName = QStringLiteral("russian"));

    // The language file of a language name, relative to the data folder; empty for a
    // name other than "russian" or "english".
    static QString LanguageFileName(const QString& languageName);

    // The languages whose files the data folder holds, in the order the settings dialog
    // offers them.
    QStringList AvailableLanguages() const;
    const QString& LanguageName() const { return m_languageName; }

    // Applies the window's section of the language file to the window. A missing file or
    // section keeps the built-in texts; the window's layout step runs in every case.
    void ApplyLanguage(const QString& windowKey, const QString& languageName, QWidget* window);

    // The text of the first message-table entry whose key equals the given key exactly
    // (case matters); where the language file gave none, the program's built-in text of
    // the run's language; the empty text for a key the program does not know.
    QString LookupMessage(const QString& key) const;

    const QStringList& Messages() const { return m_messages; }

private:
    QString m_exeFolder;
    QString m_languageName;
    mutable std::optional<QStringList> m_builtIn; // read on the first lookup that needs it
    QStringList m_messages; // "form1_message_delete=Text", in the order they were added
};
