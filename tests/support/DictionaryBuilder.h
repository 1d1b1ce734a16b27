#pragma once

#include "store/CardTable.h"

#include <QString>
#include <QStringList>
#include <vector>

// Builds a dictionary for a test in code, card by card, and writes it with the store's own
// writer:
//   DictionaryBuilder().Card("apple", "яблоко").Status("learning").Marked().Write(path);
// Every card gets the id of its place (1, 2, ...) unless Id() says otherwise.
class DictionaryBuilder {
public:
    DictionaryBuilder& Card(const QString& header, const QString& translation = QStringLiteral("translation"));
    // Adds `count` cards "<prefix>001"... in order.
    DictionaryBuilder& Cards(int count, const QString& prefix = QStringLiteral("word"));
    // The following set a column of the card added last.
    DictionaryBuilder& Id(qint64 id);
    DictionaryBuilder& Status(const QString& status);
    DictionaryBuilder& Marked(bool marked = true);
    DictionaryBuilder& Set(int column, const SqlValue& value);
    // The language of the dictionary's words ("en").
    DictionaryBuilder& Language(const QString& code);

    const std::vector<CardRecord>& Records() const { return m_cards; }
    // Writes the dictionary to `path` and returns the path.
    QString Write(const QString& path) const;

private:
    CardRecord& Last();
    std::vector<CardRecord> m_cards;
    QString m_language;
};
