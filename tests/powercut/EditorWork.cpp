#include "EditorWork.h"

#include "PowerCutRun.h"

#include "store/CardTable.h"
#include "store/DictionaryProperties.h"
#include "store/DictionaryStore.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "support/DictionaryBuilder.h"
#include "support/FakeSeams.h"

#include <algorithm>
#include <array>
#include <vector>

namespace EditorWork {

namespace {

using CardTable::StatusValue::kIgnore;
using CardTable::StatusValue::kLearned;
using CardTable::StatusValue::kLearning;

// The editor keeps between these many cards, apart from deleting them all now and then.
constexpr int kFewest = 6;
constexpr int kMost = 30;
constexpr qint64 kDeleteAllEvery = 41;

const std::array<QString, 4> kParts { QString(), QStringLiteral("noun"), QStringLiteral("verb"),
    QStringLiteral("adj.") };
const std::array<QString, 4> kLanguages { QStringLiteral("de"), QStringLiteral("fr"), QString(), QStringLiteral("ru") };
constexpr std::array<CardTable::Column, 4> kTextColumns { CardTable::Header, CardTable::Transcription,
    CardTable::Translation, CardTable::PartOfSpeech };

QByteArray Reported(const QString& text)
{
    return text.isEmpty() ? QByteArray("-") : text.toUtf8();
}

QString FromReport(const QByteArray& text)
{
    return text == "-" ? QString() : QString::fromUtf8(text);
}

// What the file holds for a transcription typed: none is NULL.
QString StoredTranscription(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("<null>") : text;
}

void Report(qint64 n, const QByteArray& what)
{
    ReportLine("begin " + QByteArray::number(n) + ' ' + what);
}

QString WordAt(Dataset& cards, int record)
{
    cards.MoveTo(record);
    return cards.TextAt(CardTable::Header);
}

void Add(DictionaryStore& store, qint64 n)
{
    // Words of both kinds the card list orders: plain ASCII and other letters.
    const QString word = (n % 3 == 0 ? QStringLiteral("ж%1") : QStringLiteral("a%1")).arg(n);
    const QString transcription = n % 4 == 0 ? QString() : QStringLiteral("[a%1]").arg(n);
    const QString translation = QStringLiteral("t%1").arg(n);
    const QString& part = kParts.at(std::size_t(n % 4));
    Report(n,
        "add " + Reported(word) + ' ' + Reported(transcription) + ' ' + Reported(translation) + ' ' + Reported(part));
    CardRecord card = CardRecord::Make(word, translation);
    card[CardTable::Transcription] = transcription;
    card[CardTable::PartOfSpeech] = part;
    store.AddCard(card);
}

void Change(DictionaryStore& store, qint64 n, int record)
{
    const CardTable::Column column = kTextColumns.at(std::size_t(n / 10 % 4));
    QString text;
    switch (column) {
    case CardTable::Header:
        text = QStringLiteral("c%1").arg(n);
        break;
    case CardTable::Transcription:
        text = n % 2 == 0 ? QString() : QStringLiteral("[c%1]").arg(n);
        break;
    case CardTable::Translation:
        text = QStringLiteral("u%1").arg(n);
        break;
    default:
        text = kParts.at(std::size_t(n / 7 % 4));
        break;
    }
    Report(n,
        "change " + Reported(WordAt(store.Browser(), record)) + ' ' + CardTable::ColumnName(column).toLatin1() + ' '
            + Reported(text));
    store.ChangeCardText(record, column, text);
}

// The card a deletion of `records` (ascending) marks: when the marked card goes, the next
// card left after it that is not removed, from the first again after the last, or the next
// one left at all when every card left is removed. Empty when no card is marked anew.
QString NextMarked(Dataset& cards, const std::vector<int>& records)
{
    int marked = 0;
    for (const int record : records) {
        cards.MoveTo(record);
        marked = cards.IntegerAt(CardTable::ActiveWord) != 0 ? record : marked;
    }
    std::vector<int> left;
    for (int record = 1; record <= cards.RecordCount(); ++record) {
        if (!std::binary_search(records.begin(), records.end(), record)) {
            left.push_back(record);
        }
    }
    if (marked == 0 || left.empty()) {
        return {};
    }
    const auto position = std::size_t(std::lower_bound(left.begin(), left.end(), marked) - left.begin());
    const std::size_t start = position < left.size() ? position : 0;
    for (std::size_t step = 0; step < left.size(); ++step) {
        cards.MoveTo(left.at((start + step) % left.size()));
        if (cards.TextAt(CardTable::Status) != kIgnore) {
            return cards.TextAt(CardTable::Header);
        }
    }
    return WordAt(cards, left.at(start));
}

void Delete(DictionaryStore& store, qint64 n, bool all)
{
    Dataset& cards = store.Browser();
    const int count = cards.RecordCount();
    std::vector<int> records;
    if (all) {
        for (int record = 1; record <= count; ++record) {
            records.push_back(record);
        }
    } else {
        // Every other deletion takes the marked card, sometimes with the card after it.
        int first = 1 + int(quint64(n) * 2654435761u % quint64(count));
        for (int record = 1; n % 2 == 0 && record <= count; ++record) {
            cards.MoveTo(record);
            first = cards.IntegerAt(CardTable::ActiveWord) != 0 ? record : first;
        }
        records.push_back(first);
        if (n % 3 == 0 && first < count) {
            records.push_back(first + 1);
        }
    }
    QByteArray what = "delete";
    for (const int record : records) {
        what += ' ' + Reported(WordAt(cards, record));
    }
    Report(n, what + " next " + Reported(NextMarked(cards, records)));
    store.DeleteCards(records);
}

void Edit(DictionaryStore& store, qint64 n)
{
    const int count = store.Browser().RecordCount();
    if (count > 0 && n % kDeleteAllEvery == 0) {
        Delete(store, n, true);
    } else if (count < kFewest || (n % 10 < 3 && count < kMost)) {
        Add(store, n);
    } else if (n % 10 < 6) {
        Change(store, n, 1 + int(quint64(n) * 2246822519u % quint64(count)));
    } else if (n % 10 < 9) {
        Delete(store, n, false);
    } else {
        const QString& code = kLanguages.at(std::size_t(n / 10 % 4));
        Report(n, "language " + Reported(code));
        store.SetLanguage(code);
    }
}

Card* Find(Dictionary& dictionary, const QByteArray& word)
{
    const auto card = dictionary.cards.find(FromReport(word));
    return card == dictionary.cards.end() ? nullptr : &card->second;
}

// The store's marking: the card becomes the current one, in learning unless learned or removed.
void Mark(Card& card)
{
    card.mark = 1;
    if (card.status != kLearned && card.status != kIgnore) {
        card.status = kLearning;
    }
}

bool ApplyChange(Dictionary& dictionary, const QList<QByteArray>& words)
{
    Card* card = Find(dictionary, words.at(3));
    if (!card || words.size() != 6) {
        return false;
    }
    const QString column = QString::fromLatin1(words.at(4));
    const QString text = FromReport(words.at(5));
    if (column == CardTable::ColumnName(CardTable::Header)) {
        auto node = dictionary.cards.extract(FromReport(words.at(3)));
        node.key() = text;
        return dictionary.cards.insert(std::move(node)).inserted;
    }
    if (column == CardTable::ColumnName(CardTable::Transcription)) {
        card->transcription = StoredTranscription(text);
    } else if (column == CardTable::ColumnName(CardTable::Translation)) {
        card->translation = text;
    } else if (column == CardTable::ColumnName(CardTable::PartOfSpeech)) {
        card->partOfSpeech = text;
    } else {
        return false;
    }
    return true;
}

bool ApplyDelete(Dictionary& dictionary, const QList<QByteArray>& words)
{
    const qsizetype next = words.indexOf("next");
    if (next < 4 || next + 2 != words.size()) {
        return false;
    }
    for (qsizetype i = 3; i < next; ++i) {
        if (dictionary.cards.erase(FromReport(words.at(i))) != 1) {
            return false;
        }
    }
    if (words.last() == "-") {
        return true;
    }
    Card* marked = Find(dictionary, words.last());
    if (marked) {
        Mark(*marked);
    }
    return marked != nullptr;
}

} // namespace

QString BuildDictionary(const QString& path)
{
    const std::array<QString, 4> statuses { QString(CardTable::StatusValue::kNew), QString(kLearning),
        QString(kLearned), QString(kIgnore) };
    DictionaryBuilder builder;
    for (int id = 1; id <= 16; ++id) {
        builder.Card(QStringLiteral("word%1").arg(id, 3, 10, QLatin1Char('0')))
            .Status(id == 1 ? QString(kLearning) : statuses.at(std::size_t(id % 4)))
            .Marked(id == 1);
    }
    return builder.Write(path);
}

int Run(const QString& path, qint64 first)
{
    CountingEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    for (qint64 n = first;; ++n) {
        Edit(store, n);
        ReportLine("done " + QByteArray::number(n));
    }
}

Dictionary Read(SqliteConnection& connection)
{
    QStringList columns;
    for (const int column : { CardTable::Header, CardTable::Transcription, CardTable::Translation,
             CardTable::PartOfSpeech, CardTable::Status, CardTable::ActiveWord }) {
        columns << CardTable::ColumnName(column);
    }
    SqliteStatement select(connection, QStringLiteral("SELECT %1 FROM tab").arg(columns.join(QStringLiteral(", "))));
    Dictionary dictionary;
    dictionary.language = DictionaryProperties::Read(connection, DictionaryProperties::kLanguage);
    while (select.Step()) {
        const auto text = [&select](int column) {
            return select.ColumnIsNull(column) ? QStringLiteral("<null>") : select.ColumnText(column);
        };
        dictionary.cards[text(0)] = { text(1), text(2), text(3), text(4), select.ColumnInteger(5) };
    }
    return dictionary;
}

bool Apply(Dictionary& dictionary, const QByteArray& begin)
{
    const QList<QByteArray> words = begin.split(' ');
    if (words.size() < 4 || words.at(0) != "begin") {
        return false;
    }
    const QByteArray& what = words.at(2);
    if (what == "add" && words.size() == 7) {
        Card card { StoredTranscription(FromReport(words.at(4))), FromReport(words.at(5)), FromReport(words.at(6)),
            QString(CardTable::StatusValue::kNew), 0 };
        // The first card of an empty dictionary becomes the current one.
        if (dictionary.cards.empty()) {
            Mark(card);
        }
        return dictionary.cards.emplace(FromReport(words.at(3)), card).second;
    }
    if (what == "change") {
        return ApplyChange(dictionary, words);
    }
    if (what == "delete") {
        return ApplyDelete(dictionary, words);
    }
    if (what == "language" && words.size() == 4) {
        dictionary.language = FromReport(words.at(3));
        return true;
    }
    return false;
}

QString Difference(const Dictionary& file, const Dictionary& expected)
{
    const auto lines = [](const Dictionary& dictionary) {
        QStringList lines { QStringLiteral("language ") + dictionary.language };
        for (const auto& [word, card] : dictionary.cards) {
            lines << QStringList { word, card.transcription, card.translation, card.partOfSpeech, card.status,
                QString::number(card.mark) }
                         .join(QLatin1Char('|'));
        }
        return lines;
    };
    const QStringList have = lines(file);
    const QStringList want = lines(expected);
    for (qsizetype i = 0; i < qMin(have.size(), want.size()); ++i) {
        if (have.at(i) != want.at(i)) {
            return QStringLiteral("the file holds %1 where %2 was expected").arg(have.at(i), want.at(i));
        }
    }
    return QStringLiteral("the file holds %1 cards where %2 were expected").arg(file.cards.size()).arg(want.size() - 1);
}

} // namespace EditorWork
