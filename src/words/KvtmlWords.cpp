#include "words/KvtmlWords.h"

#include "words/ImportTexts.h"

namespace {

QString LanguageTitle(const KvtmlWords::Language& language, int column)
{
    if (!language.name.isEmpty() && !language.locale.isEmpty() && language.name != language.locale) {
        return QStringLiteral("%1 (%2)").arg(language.name, language.locale);
    }
    if (!language.name.isEmpty()) {
        return language.name;
    }
    return language.locale.isEmpty() ? QString::number(column + 1) : language.locale;
}

} // namespace

KvtmlWords::KvtmlWords(const QString& path)
    : m_path(path)
    , m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly)) {
        ImportTexts::Fail(path, ImportTexts::Reason("unreadable", "the file cannot be read"), m_file.errorString());
    }
    m_size = m_file.size();
    Open();
    if (m_version == 2) {
        ReadIdentifiers();
    } else {
        SurveyFirstEntry();
        m_file.seek(0);
        Open(); // the entries are read again from the first
    }
    if (m_languages.size() < 2) {
        ImportTexts::Fail(m_path, ImportTexts::Reason("languages", "the document has fewer than two languages"));
    }
    for (size_t language = 0; language < m_languages.size(); ++language) {
        const QString title = LanguageTitle(m_languages[language], int(language));
        m_columns.push_back({ title, false });
        m_columns.push_back({ title, true });
    }
    m_defaultMapping = MappingFor(0, 1);
}

void KvtmlWords::Open()
{
    m_xml.clear();
    m_xml.setDevice(&m_file);
    if (!m_xml.readNextStartElement()) {
        FailXml();
    }
    if (m_xml.name() != QLatin1String("kvtml")) {
        ImportTexts::Fail(m_path, ImportTexts::Reason("not_kvtml", "it is an XML document, but not a vocabulary one"));
    }
    const QString version = m_xml.attributes().value(QLatin1String("version")).toString().trimmed();
    if (version.isEmpty() || version.startsWith(QLatin1Char('1'))) {
        m_version = 1;
    } else if (version.startsWith(QLatin1Char('2'))) {
        m_version = 2;
    } else {
        ImportTexts::Fail(
            m_path, ImportTexts::Reason("kvtml_version", "its version %1 is not one Glossmere reads", { version }));
    }
}

void KvtmlWords::FailXml()
{
    if (!m_xml.hasError()) {
        ImportTexts::Fail(m_path, ImportTexts::Reason("not_kvtml", "it is an XML document, but not a vocabulary one"));
    }
    ImportTexts::Fail(m_path,
        ImportTexts::Reason("xml", "its XML is broken on line %1", { QString::number(m_xml.lineNumber()) }),
        m_xml.errorString());
}

void KvtmlWords::ReadIdentifiers()
{
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isStartElement() && m_xml.name() == QLatin1String("entries")) {
            return; // the entries follow; Next reads them
        }
        if (!m_xml.isStartElement() || m_xml.name() != QLatin1String("identifier")) {
            continue;
        }
        Language language { m_xml.attributes().value(QLatin1String("id")).toString(), {}, {} };
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("name")) {
                language.name = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            } else if (m_xml.name() == QLatin1String("locale")) {
                language.locale = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            } else {
                m_xml.skipCurrentElement();
            }
        }
        m_languages.push_back(language);
    }
    if (m_xml.hasError()) {
        FailXml();
    }
}

void KvtmlWords::SurveyFirstEntry()
{
    if (!FindStart({ QStringLiteral("e") })) {
        return;
    }
    int column = 0;
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("o") || m_xml.name() == QLatin1String("t")) {
            m_languages.push_back(
                { QString::number(column), {}, m_xml.attributes().value(QLatin1String("l")).toString().trimmed() });
            ++column;
        }
        m_xml.skipCurrentElement();
    }
    if (m_xml.hasError()) {
        FailXml();
    }
}

bool KvtmlWords::FindStart(const QStringList& names)
{
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isStartElement() && names.contains(m_xml.name().toString())) {
            return true;
        }
        if (m_version == 2 && m_xml.isEndElement() && m_xml.name() == QLatin1String("entries")) {
            return false; // lessons further on name entries again, by id only
        }
    }
    if (m_xml.hasError()) {
        FailXml();
    }
    return false;
}

bool KvtmlWords::Next(WordRow& row)
{
    const bool found = m_version == 2 ? NextVersion2(row) : NextVersion1(row);
    if (m_xml.hasError()) {
        FailXml();
    }
    return found;
}

bool KvtmlWords::StartEntry(const QString& element, WordRow& row)
{
    if (!FindStart({ element })) {
        return false;
    }
    row.place = ++m_entries;
    row.problem = {};
    row.fields = QStringList(qsizetype(m_columns.size()));
    return true;
}

bool KvtmlWords::NextVersion2(WordRow& row)
{
    if (!StartEntry(QStringLiteral("entry"), row)) {
        return false;
    }
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("translation")) {
            ReadTranslation(row);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    return true;
}

void KvtmlWords::ReadTranslation(WordRow& row)
{
    const QString id = m_xml.attributes().value(QLatin1String("id")).toString();
    int language = -1;
    for (size_t i = 0; i < m_languages.size(); ++i) {
        language = m_languages[i].id == id ? int(i) : language;
    }
    while (m_xml.readNextStartElement()) {
        const bool text = m_xml.name() == QLatin1String("text");
        if (language >= 0 && (text || m_xml.name() == QLatin1String("pronunciation"))) {
            row.fields[text ? TextColumn(language) : PronunciationColumn(language)]
                = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else {
            m_xml.skipCurrentElement();
        }
    }
}

bool KvtmlWords::NextVersion1(WordRow& row)
{
    if (!StartEntry(QStringLiteral("e"), row)) {
        return false;
    }
    int language = 0;
    while (m_xml.readNextStartElement()) {
        const bool word = m_xml.name() == QLatin1String("o") || m_xml.name() == QLatin1String("t");
        if (!word || language >= int(m_languages.size())) {
            m_xml.skipCurrentElement();
            continue;
        }
        row.fields[PronunciationColumn(language)] = m_xml.attributes().value(QLatin1String("p")).toString().trimmed();
        row.fields[TextColumn(language)] = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        ++language;
    }
    return true;
}

int KvtmlWords::FindLanguage(const QString& word) const
{
    for (size_t i = 0; i < m_languages.size(); ++i) {
        const Language& language = m_languages[i];
        for (const QString& key : { language.id, language.locale, language.name }) {
            if (!key.isEmpty() && key.compare(word.trimmed(), Qt::CaseInsensitive) == 0) {
                return int(i);
            }
        }
    }
    return -1;
}

ColumnMapping KvtmlWords::MappingFor(int wordLanguage, int translationLanguage)
{
    ColumnMapping mapping;
    mapping[WordField::Word] = TextColumn(wordLanguage);
    mapping[WordField::Translation] = TextColumn(translationLanguage);
    mapping[WordField::Transcription] = PronunciationColumn(wordLanguage);
    return mapping;
}
