#pragma once

#include <QString>
#include <functional>
#include <vector>

// A text the program composes for the user: the message key that gives it in the language
// files, the English text shown where no language file gives the key, and the values of its
// placeholders %1 to %9, each itself such a text or a plain value (a file name, a number,
// the system's own words). The layers below the windows compose errors this way without
// knowing the interface language; the error box puts them into it.
class UserText {
public:
    using Lookup = std::function<QString(const QString& key)>;

    UserText() = default;
    // A plain value, the same in every language.
    UserText(QString plain); // NOLINT(google-explicit-constructor): values pass as arguments
    UserText(QString key, QString english, std::vector<UserText> arguments = {});

    bool IsEmpty() const { return m_key.isEmpty() && m_text.isEmpty(); }
    const QString& Key() const { return m_key; }

    // The text in English, as the program has it built in.
    QString English() const;
    // The text as the lookup gives its key (English where it gives nothing), with every
    // placeholder filled in the same way.
    QString In(const Lookup& lookup) const;

    // The lookup of the interface language, set by the program once it knows the language
    // (an empty lookup: English). Errors shown in a box are put into the language with it.
    static void InstallLookup(Lookup lookup);
    static QString Localized(const UserText& text);

private:
    QString m_key;
    QString m_text; // the English text, or the plain value
    std::vector<UserText> m_arguments;
};
