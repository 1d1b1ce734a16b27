#include "store/DictionaryStore.h"

#include "base/AppError.h"
#include "base/EventPump.h"
#include "store/CardTable.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryProperties.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "store/StatementCatalogue.h"

#include <QFileInfo>
#include <limits>

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
    return currentRecord;
}

int DictionaryStore::FindOrRepairMark(Dataset& browser, SqliteConnection& connection)
{
    const QString activeWord = CardTable::ColumnName(CardTable::ActiveWord);
    const QString status = CardTable::ColumnName(CardTable::Status);
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
        browser.Edit();
        browser.SetFlag(activeWord, true);
        const QString current = browser.Text(status);
        if (current != CardTable::StatusValue::kLearned && current != CardTable::StatusValue::kIgnore) {
            browser.SetText(status, QString(CardTable::StatusValue::kLearning));
        }
        try {
            browser.Post();
        } catch (const AppError&) {
        }
    }
    return 1;
}

void DictionaryStore::ReadAllCards(SqliteConnection& connection, Dataset& cards) const
{
    const StatementCatalogue::Entry entry = StatementCatalogue::AllCards();
    SqliteStatement statement(connection, entry.sql);
    statement.SetPurpose(Purpose("read_cards", "read the cards of"));
    cards.Load(statement, connection, &m_order, std::numeric_limits<qint64>::max());
}

void DictionaryStore::ReloadBrowserDataset()
{
    // Read aside and swapped in whole: a read that fails leaves the list as it was.
    Dataset browser;
    ReadAllCards(Connection(), browser);
    m_browser.Swap(browser);
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
    SqliteConnection& connection = Connection();
    const StatementCatalogue::Entry entry = StatementCatalogue::LearningBlock(maxBlockSize);
    SqliteStatement statement(connection, entry.sql);
    statement.SetPurpose(Purpose("read_block", "read the learning block of"));
    BindAll(statement, entry);
    Dataset learning;
    learning.Load(statement, connection, nullptr, qMax(maxBlockSize, 0));
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
