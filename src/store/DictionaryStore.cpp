#include "store/DictionaryStore.h"

#include "base/AppError.h"
#include "base/EventPump.h"
#include "store/CardInsert.h"
#include "store/CardTable.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryProperties.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "store/StatementCatalogue.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <sqlite3.h>

namespace {

void BindAll(SqliteStatement& statement, const StatementCatalogue::Entry& entry)
{
    for (const auto& parameter : entry.parameters) {
        statement.Bind(parameter.first.constData(), parameter.second);
    }
}

void RunEntry(SqliteConnection& connection, const StatementCatalogue::Entry& entry, const UserText& purpose)
{
    SqliteStatement statement(connection, entry.sql);
    statement.SetPurpose(purpose);
    BindAll(statement, entry);
    statement.Run();
}

// The four texts the card editor changes; blanks at either end never matter in them.
bool IsEditableText(CardTable::Column column)
{
    return column == CardTable::Header || column == CardTable::Transcription || column == CardTable::Translation
        || column == CardTable::PartOfSpeech;
}

// What a text column holds for the text typed: a missing transcription is NULL, as in a new
// card, so the main window shows no brackets for it.
SqlValue StoredText(CardTable::Column column, const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() && column == CardTable::Transcription) {
        return SqlValue();
    }
    return trimmed;
}

void RequireWord(const QString& word)
{
    if (word.trimmed().isEmpty()) {
        throw AppError(UserText(
            QStringLiteral("form1_message_error_no_word"), QStringLiteral("A card needs a word; type one first.")));
    }
}

// Whether a change could be written at all: the file opened for writing and a folder in
// which the journal can be created.
bool CanWrite(const SqliteConnection& connection)
{
    return !connection.IsReadOnly() && QFileInfo(QFileInfo(connection.Path()).absolutePath()).isWritable();
}

} // namespace

DictionaryStore::DictionaryStore(EventPump& events)
    : m_events(events)
{
    // What the learning block writes (answers, learned cards) shows in the card list at
    // once, so the list never needs reading again after a block, and the next block can be
    // picked from it.
    m_learning.SetPostListener([this](qint64 rowId, const std::vector<Dataset::Change>& changes) {
        if (!m_browser.ApplyWritten(rowId, changes)) {
            ReloadBrowserDataset();
        }
    });
}

DictionaryStore::~DictionaryStore()
{
    // The datasets point at the connection; let them go first.
    m_browser.Clear();
    m_learning.Clear();
}

QString DictionaryStore::Path() const
{
    return m_connection ? m_connection->Path() : QString();
}

bool DictionaryStore::IsReadOnly() const
{
    return m_connection && !CanWrite(*m_connection);
}

SqliteConnection& DictionaryStore::Connection()
{
    if (!m_connection) {
        throw AppError(
            UserText(QStringLiteral("form1_message_error_not_open"), QStringLiteral("No dictionary is open.")));
    }
    return *m_connection;
}

int DictionaryStore::OpenDictionary(const QString& path)
{
    // The new file is opened, checked, loaded and its mark repaired before it replaces the
    // open one, so a file that fails leaves the dictionary open before as it was.
    m_events.ProcessPendingEvents();
    auto connection = DictionaryFile::Open(path.isEmpty() ? path : QFileInfo(path).absoluteFilePath());
    m_order.Register(*connection);
    const qint64 version = DataVersion(*connection);
    Dataset browser;
    ReadAllCards(*connection, browser);
    m_events.ProcessPendingEvents();

    const int currentRecord = FindOrRepairMark(browser, *connection);
    QString language = DictionaryProperties::Read(*connection, DictionaryProperties::kLanguage);

    m_learning.Clear();
    m_browser.Clear();
    m_browser.Swap(browser);
    m_connection.swap(connection);
    m_language = std::move(language);
    m_browserVersion = version;
    return currentRecord;
}

int DictionaryStore::FindOrRepairMark(Dataset& browser, SqliteConnection& connection)
{
    // The first marked card in header order is the current one; further marks stay as they are.
    // (The column's position is fixed by the format and checked on opening.)
    for (int record = 1; record <= browser.RecordCount(); ++record) {
        browser.MoveTo(record);
        if (browser.IntegerAt(CardTable::ActiveWord) != 0) {
            return record;
        }
    }
    if (browser.RecordCount() == 0) {
        return 0;
    }
    browser.MoveTo(1);
    // A dictionary that cannot be written still opens on its first card; the mark is then
    // not saved, and the first edit the user makes reports why. That holds as well when the
    // write fails for a reason the file's permissions do not show (another program's lock,
    // a full disk, a trigger in the file refusing changes): the row stays as in the file.
    if (CanWrite(connection)) {
        MarkAsCurrent(browser, 1, true);
        try {
            browser.Post();
        } catch (const AppError&) {
        }
    }
    return 1;
}

void DictionaryStore::MarkAsCurrent(Dataset& cards, int record, bool keepRemoved)
{
    cards.MoveTo(record);
    const QString status = cards.TextAt(CardTable::Status);
    cards.Edit();
    cards.SetFlag(CardTable::ColumnName(CardTable::ActiveWord), true);
    if (status != CardTable::StatusValue::kLearned && !(keepRemoved && status == CardTable::StatusValue::kIgnore)) {
        cards.SetText(CardTable::ColumnName(CardTable::Status), QString(CardTable::StatusValue::kLearning));
    }
}

void DictionaryStore::ReadAllCards(SqliteConnection& connection, Dataset& cards) const
{
    const StatementCatalogue::Entry entry = StatementCatalogue::AllCards();
    SqliteStatement statement(connection, entry.sql);
    statement.SetPurpose(Purpose("read_cards", "read the cards of"));
    cards.Load(statement, connection, &m_order, std::numeric_limits<qint64>::max());
}

qint64 DictionaryStore::DataVersion(SqliteConnection& connection)
{
    SqliteStatement statement(connection, StatementCatalogue::DataVersion().sql);
    statement.SetPurpose(Purpose("read_cards", "read the cards of"));
    return statement.Step() ? statement.ColumnInteger(0) : 0;
}

void DictionaryStore::ReloadBrowserDataset()
{
    // Read aside and swapped in whole: a read that fails leaves the list as it was.
    const qint64 version = DataVersion(Connection());
    Dataset browser;
    ReadAllCards(Connection(), browser);
    m_browser.Swap(browser);
    m_browserVersion = version;
}

void DictionaryStore::RunAsOneEdit(const std::function<void()>& edits)
{
    try {
        Connection().RunInTransaction(Purpose("save_cards", "save the changes to the cards of"), edits);
    } catch (...) {
        // The list follows the file again; should that read fail too, the failure to report
        // is still the edit's.
        try {
            ReloadBrowserDataset();
        } catch (const AppError&) {
        }
        throw;
    }
}

void DictionaryStore::OpenLearningBlock(int maxBlockSize)
{
    // The card list holds every card in header order and follows every edit, so the block is
    // its first cards in learning: the cards StatementCatalogue::LearningBlock would read, in
    // the same order, without sorting the file's cards again. Only when another program has
    // changed the file since the list was read is it read again first.
    if (DataVersion(Connection()) != m_browserVersion) {
        ReloadBrowserDataset();
    }
    Dataset learning;
    learning.LoadRecords(m_browser,
        m_browser.FindText(CardTable::Status, QString(CardTable::StatusValue::kLearning), qMax(maxBlockSize, 0)));
    m_learning.Swap(learning);
}

void DictionaryStore::ResetStatistics(bool clearHistory)
{
    SqliteConnection& connection = Connection();
    const UserText purpose = Purpose("reset", "reset the learning statistics of");
    const bool historyToClear = clearHistory && HasHistoryTable();
    connection.RunInTransaction(purpose, [&connection, &purpose, historyToClear] {
        for (const StatementCatalogue::Entry& entry : StatementCatalogue::ResetStatements()) {
            RunEntry(connection, entry, purpose);
        }
        RunEntry(connection, StatementCatalogue::MarkFirstCard(), purpose);
        if (historyToClear) {
            RunEntry(connection, StatementCatalogue::ClearHistory(), purpose);
        }
    });
}

bool DictionaryStore::HasHistoryTable()
{
    const StatementCatalogue::Entry entry = StatementCatalogue::HasHistory();
    SqliteStatement statement(Connection(), entry.sql);
    statement.SetPurpose(Purpose("read_history", "read the history of learning of"));
    return statement.Step() && statement.ColumnInteger(0) > 0;
}

void DictionaryStore::SetLanguage(const QString& code)
{
    SqliteConnection& connection = Connection();
    const UserText purpose = Purpose("save_language", "save the language of the words of");
    connection.RunInTransaction(
        purpose, [&] { DictionaryProperties::Write(connection, DictionaryProperties::kLanguage, code, purpose); });
    m_language = code;
}

void DictionaryStore::AddToHistory(const HistoryDay& figures)
{
    SqliteConnection& connection = Connection();
    const UserText purpose = Purpose("save_history", "save the history of learning of");
    const auto write = [&connection, &purpose, &figures] {
        RunEntry(connection, StatementCatalogue::CreateHistory(), purpose);
        for (const StatementCatalogue::Entry& entry :
            StatementCatalogue::AddToHistory(figures.Day.toString(Qt::ISODate), figures.Learned, figures.RightAnswers,
                figures.WrongAnswers, figures.Sessions)) {
            RunEntry(connection, entry, purpose);
        }
    };
    if (connection.InTransaction()) {
        write(); // part of the caller's commit
    } else {
        connection.RunInTransaction(purpose, write);
    }
}

std::vector<HistoryDay> DictionaryStore::History()
{
    std::vector<HistoryDay> days;
    if (!HasHistoryTable()) {
        return days;
    }
    const StatementCatalogue::Entry entry = StatementCatalogue::ReadHistory();
    SqliteStatement statement(Connection(), entry.sql);
    statement.SetPurpose(Purpose("read_history", "read the history of learning of"));
    while (statement.Step()) {
        days.push_back({ QDate::fromString(statement.ColumnText(0), Qt::ISODate), int(statement.ColumnInteger(1)),
            int(statement.ColumnInteger(2)), int(statement.ColumnInteger(3)), int(statement.ColumnInteger(4)) });
    }
    return days;
}

int DictionaryStore::ReturnRemovedCards()
{
    RunEntry(Connection(), StatementCatalogue::ReturnRemovedCards(),
        Purpose("return_removed", "return the removed cards to learning in"));
    return Connection().ChangedRows();
}

int DictionaryStore::AddCard(const CardRecord& card)
{
    SqliteConnection& connection = Connection();
    CardRecord values = card;
    const auto* given = std::get_if<QString>(&values[CardTable::Header]);
    const QString word = given ? given->trimmed() : QString();
    RequireWord(word);
    for (const CardTable::Column column :
        { CardTable::Header, CardTable::Transcription, CardTable::Translation, CardTable::PartOfSpeech }) {
        if (const auto* text = std::get_if<QString>(&values[column])) {
            values[column] = StoredText(column, *text);
        }
    }
    int record = 0;
    RunAsOneEdit([&] {
        const UserText purpose = Purpose("add_card", "add the card \"%1\" to", { word });
        SqliteStatement nextId(connection, StatementCatalogue::NextCardId().sql);
        nextId.SetPurpose(purpose);
        values[CardTable::Id] = nextId.Step() ? nextId.ColumnInteger(0) : qint64(1);
        CardInsert(connection, purpose).Add(values);
        const qint64 rowId = sqlite3_last_insert_rowid(connection.Handle());
        record = m_browser.PlaceInOrder(m_order, word, std::get<qint64>(values[CardTable::Id]));
        m_browser.InsertRecord(record, rowId, std::vector<SqlValue>(values.values.begin(), values.values.end()));
        // The first card of a dictionary is its current one.
        if (m_browser.RecordCount() == 1) {
            MarkAsCurrent(m_browser, record, true);
            m_browser.Post();
        }
    });
    return record;
}

int DictionaryStore::ChangeCardText(int record, CardTable::Column column, const QString& text)
{
    if (!IsEditableText(column)) {
        throw AppError(
            QStringLiteral("The card editor cannot change the column \"%1\".").arg(CardTable::ColumnName(column)));
    }
    if (column == CardTable::Header) {
        RequireWord(text);
    }
    int placed = record;
    RunAsOneEdit([&] {
        m_browser.MoveTo(record);
        m_browser.Edit();
        const SqlValue value = StoredText(column, text);
        if (IsNull(value)) {
            m_browser.SetNull(CardTable::ColumnName(column));
        } else {
            m_browser.SetText(CardTable::ColumnName(column), std::get<QString>(value));
        }
        m_browser.Post();
        if (column == CardTable::Header) {
            placed = m_browser.PlaceInOrder(m_order, text.trimmed(), m_browser.IntegerAt(CardTable::Id), record);
            m_browser.MoveRecord(record, placed);
        }
    });
    return placed;
}

void DictionaryStore::DeleteCards(std::vector<int> records)
{
    SqliteConnection& connection = Connection();
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    RunAsOneEdit([&] {
        int markedAt = 0; // where the marked card stood among the cards left
        const UserText purpose = Purpose("delete_cards", "delete the cards from");
        for (auto record = records.rbegin(); record != records.rend(); ++record) {
            m_browser.MoveTo(*record);
            if (m_browser.IntegerAt(CardTable::ActiveWord) != 0) {
                markedAt = *record;
            }
            RunEntry(connection, StatementCatalogue::DeleteCard(m_browser.RowId()), purpose);
            m_browser.RemoveRecord(*record);
        }
        if (markedAt > 0) {
            markedAt -= int(std::lower_bound(records.begin(), records.end(), markedAt) - records.begin());
            if (const int next = NextToMark(m_browser, markedAt); next > 0) {
                MarkAsCurrent(m_browser, next, true);
                m_browser.Post();
            }
        }
    });
}

int DictionaryStore::NextToMark(Dataset& cards, int position)
{
    const int count = cards.RecordCount();
    if (count == 0) {
        return 0;
    }
    const int first = position > count ? 1 : position;
    for (int step = 0; step < count; ++step) {
        const int record = (first - 1 + step) % count + 1;
        cards.MoveTo(record);
        if (cards.TextAt(CardTable::Status) != CardTable::StatusValue::kIgnore) {
            return record;
        }
    }
    return first; // every card left is removed: the next one all the same
}
