#include "support/DictionaryBuilder.h"

#include "store/DictionaryWriter.h"

#include <stdexcept>

DictionaryBuilder& DictionaryBuilder::Card(const QString& header, const QString& translation)
{
    m_cards.push_back(CardRecord::Make(header, translation));
    m_cards.back()[CardTable::Id] = qint64(m_cards.size());
    return *this;
}

DictionaryBuilder& DictionaryBuilder::Cards(int count, const QString& prefix)
{
    for (int i = 1; i <= count; ++i) {
        Card(QStringLiteral("%1%2").arg(prefix).arg(i, 3, 10, QLatin1Char('0')));
    }
    return *this;
}

CardRecord& DictionaryBuilder::Last()
{
    if (m_cards.empty()) {
        throw std::logic_error("DictionaryBuilder: add a card first");
    }
    return m_cards.back();
}

DictionaryBuilder& DictionaryBuilder::Id(qint64 id)
{
    Last()[CardTable::Id] = id;
    return *this;
}

DictionaryBuilder& DictionaryBuilder::Status(const QString& status)
{
    Last()[CardTable::Status] = status;
    return *this;
}

DictionaryBuilder& DictionaryBuilder::Marked(bool marked)
{
    Last()[CardTable::ActiveWord] = qint64(marked ? 1 : 0);
    return *this;
}

DictionaryBuilder& DictionaryBuilder::Set(int column, const SqlValue& value)
{
    Last()[column] = value;
    return *this;
}

DictionaryBuilder& DictionaryBuilder::Language(const QString& code)
{
    m_language = code;
    return *this;
}

QString DictionaryBuilder::Write(const QString& path) const
{
    DictionaryWriter::Write(path, m_cards, DictionaryWriter::Existing::Replace, m_language);
    return path;
}
