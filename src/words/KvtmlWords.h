#pragma once

#include "words/WordSource.h"

#include <QFile>
#include <QXmlStreamReader>

// Vocabulary documents (KVTML), read as a stream. Each language of the document gives two
// columns: its words and their pronunciation.
//
// Version 2 ("version" 2.x) lists its languages under <identifiers> (an id, a name and a
// locale each) and its words under <entries>: <entry> holds one <translation id="N"> per
// language, with <text> and <pronunciation>. Version 1 ("version" 1.x, or none) holds <e>
// elements, each with the original word <o> and its translations <t>, in columns; the
// language codes stand in their "l" attributes (usually on the first entry only) and the
// pronunciation in "p". An entry without words in the chosen word or translation language
// is skipped and counted by the import like any rejected row.
class KvtmlWords final : public WordSource {
public:
    struct Language {
        QString id; // the identifier's id (version 2), or the column number from 0 (version 1)
        QString name; // as the document names it; may be empty
        QString locale; // "en"; may be empty
    };

    // Opens the document and reads its languages. Throws AppError for broken XML (with the
    // line), another kind of document, a version it does not know, or fewer than two
    // languages.
    explicit KvtmlWords(const QString& path);

    WordFormat Format() const override { return WordFormat::Kvtml; }
    bool PlacesAreLines() const override { return false; }
    bool Next(WordRow& row) override;
    qint64 BytesRead() const override { return m_file.pos(); }
    qint64 TotalBytes() const override { return m_size; }

    int Version() const { return m_version; }
    const std::vector<Language>& Languages() const { return m_languages; }
    // The language a user's word names (its id, locale or name, case aside); -1 for none.
    int FindLanguage(const QString& word) const;
    // The columns of the words and pronunciation of a language.
    static int TextColumn(int language) { return language * 2; }
    static int PronunciationColumn(int language) { return language * 2 + 1; }
    // Words from one language, translations from another, the first's pronunciation.
    static ColumnMapping MappingFor(int wordLanguage, int translationLanguage);

private:
    void Open();
    void ReadIdentifiers();
    void SurveyFirstEntry();
    // Moves to the next entry element and makes `row` its empty row, numbered; false at the end.
    bool StartEntry(const QString& element, WordRow& row);
    bool NextVersion2(WordRow& row);
    bool NextVersion1(WordRow& row);
    void ReadTranslation(WordRow& row);
    [[noreturn]] void FailXml();
    // Moves to the next start element named one of `names` (at any depth); false at the end.
    bool FindStart(const QStringList& names);

    QString m_path;
    QFile m_file;
    qint64 m_size = 0;
    QXmlStreamReader m_xml;
    int m_version = 2;
    std::vector<Language> m_languages;
    qint64 m_entries = 0;
};
