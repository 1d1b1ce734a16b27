// Fuzzes opening a file as a dictionary: the program's OpenDictionary and the dictionary
// tool's check, stats and export.
//
// The input makes the file in one of three ways:
//  - "SQL\n" then SQL: run on a new, empty, keyed dictionary file (so a fuzzed schema and
//    fuzzed values reach the program's own reading code, not only the cipher's checks);
//  - "DAMAGE\n" then lines "cut N" or "flip N": a small good dictionary cut to N bytes, or
//    with byte N inverted;
//  - anything else: the bytes are the file.
// Whatever the file, each step either works or throws an AppError; nothing crashes, a file
// `check` calls valid opens in the program, and the program reads the texts the file holds.

#include "FuzzSupport.h"
#include "base/AppError.h"
#include "base/EventPump.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/DictionaryWriter.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "words/DictionaryTool.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>
#include <optional>
#include <sqlite3.h>

using FuzzSupport::Require;

namespace {

class NoEvents final : public EventPump {
public:
    void ProcessPendingEvents() override { }
    void Hold(int) override { }
    void EndHold() override { }
};

QString DictionaryPath()
{
    return FuzzSupport::ScratchFolder() + QStringLiteral("/fuzzed.dat");
}

void RemoveFiles(const QString& path)
{
    for (const char* suffix : { "", "-journal", "-wal", "-shm" }) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// Fuzzed SQL must build a file, not touch others or run for long: ATTACH is refused, and
// statements stop after a bounded amount of work and bytes.
int RefuseAttach(void*, int action, const char*, const char*, const char*, const char*)
{
    return action == SQLITE_ATTACH || action == SQLITE_DETACH ? SQLITE_DENY : SQLITE_OK;
}

int StopLongWork(void* context)
{
    return ++*static_cast<int*>(context) > 200 ? 1 : 0;
}

void MakeFromSql(const QString& path, const QByteArray& sql)
{
    auto connection = DictionaryFile::CreateEmpty(path);
    sqlite3* db = connection->Handle();
    int work = 0;
    sqlite3_set_authorizer(db, &RefuseAttach, nullptr);
    sqlite3_progress_handler(db, 1000, &StopLongWork, &work);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 100000);
    const QByteArray script = sql + '\0';
    sqlite3_exec(db, script.constData(), nullptr, nullptr, nullptr);
}

// A good dictionary of a few pages: texts in two scripts, NULLs, a picture, every status.
const QByteArray& GoodDictionary()
{
    static const QByteArray bytes = [] {
        const QString path = FuzzSupport::ScratchFolder() + QStringLiteral("/good.dat");
        std::vector<CardRecord> cards;
        const char* statuses[] = { "", "learning", "learned", "ignore" };
        for (int i = 0; i < 40; ++i) {
            CardRecord card = CardRecord::Make(QStringLiteral("word%1").arg(i), QStringLiteral("слово %1").arg(i));
            card[CardTable::Status] = QString::fromLatin1(statuses[i % 4]);
            card[CardTable::Example] = QString(100, QLatin1Char('a' + i % 26));
            card[CardTable::Picture] = QByteArray(i, char(i));
            cards.push_back(card);
        }
        DictionaryWriter::Write(path, cards, DictionaryWriter::Existing::Replace);
        QFile file(path);
        Require(file.open(QIODevice::ReadOnly), "the good dictionary can be read");
        return file.readAll();
    }();
    return bytes;
}

QByteArray Damage(const QByteArray& commands)
{
    QByteArray file = GoodDictionary();
    for (const QByteArray& line : commands.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        bool ok = false;
        const qlonglong at = words.value(1).toLongLong(&ok);
        if (!ok || at < 0 || at > file.size()) {
            continue;
        }
        if (words.first() == "cut") {
            file.truncate(qsizetype(at));
        } else if (words.first() == "flip" && at < file.size()) {
            file[qsizetype(at)] = char(~file[qsizetype(at)]);
        }
    }
    return file;
}

int RunTool(const QStringList& arguments, QString* output = nullptr)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = DictionaryTool::Run(arguments, outStream, errStream);
    Require(status == DictionaryTool::kOk || status == DictionaryTool::kFailed, "the tool succeeds or fails");
    outStream.flush();
    if (output != nullptr) {
        *output = out;
    }
    return status;
}

void ReadEveryCard(Dataset& dataset)
{
    for (int record = 1; record <= dataset.RecordCount(); ++record) {
        dataset.MoveTo(record);
        for (int column = 0; column < CardTable::kColumnCount; ++column) {
            dataset.TextAt(column);
            dataset.IntegerAt(column);
        }
        dataset.RowId();
    }
}

// Each step may fail with an AppError; the store stays usable for the next.
template <class Step> void Try(Step step)
{
    try {
        step();
    } catch (const AppError&) {
    }
}

// The headers the program shows are those the engine holds, whatever the file's text
// encoding. Compared where the engine hands over valid UTF-8 and the row id names one row.
void CheckHeadersAsStored(Dataset& browser, const QString& path)
{
    auto connection = DictionaryFile::Open(path);
    SqliteStatement select(*connection, QStringLiteral("SELECT rowid, header FROM tab"));
    QHash<qint64, std::optional<QString>> headers; // nullopt: not comparable
    while (select.Step()) {
        const qint64 rowId = select.ColumnInteger(0);
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(select.Handle(), 1));
        const QByteArray utf8(text, sqlite3_column_bytes(select.Handle(), 1));
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString header = decoder.decode(utf8);
        const bool comparable = text != nullptr && !decoder.hasError() && !headers.contains(rowId);
        headers.insert(rowId, comparable ? std::optional<QString>(header) : std::nullopt);
    }
    for (int record = 1; record <= browser.RecordCount(); ++record) {
        browser.MoveTo(record);
        const auto stored = headers.value(browser.RowId());
        if (stored && !browser.IsNullAt(CardTable::Header)) {
            Require(browser.TextAt(CardTable::Header) == *stored, "the program reads the headers the file holds");
        }
    }
}

void OpenInProgram(const QString& path, bool checkedValid)
{
    NoEvents events;
    DictionaryStore store(events);
    int current = 0;
    try {
        current = store.OpenDictionary(path);
    } catch (const AppError& error) {
        if (checkedValid) {
            std::fprintf(stderr, "%s\n", error.what());
        }
        Require(!checkedValid, "a dictionary the tool calls valid opens");
        return;
    }
    Require(current >= 0 && current <= store.Browser().RecordCount(), "the current card is in the list");
    Try([&] { ReadEveryCard(store.Browser()); });
    Try([&] { CheckHeadersAsStored(store.Browser(), path); });
    Try([&] {
        store.OpenLearningBlock(10);
        ReadEveryCard(store.Learning());
    });
    Try([&] { store.ReturnRemovedCards(); });
    Try([&] { store.ResetStatistics(); });
    Try([&] {
        store.ReloadBrowserDataset();
        ReadEveryCard(store.Browser());
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = FuzzSupport::Bytes(data, size);
    const QString path = DictionaryPath();
    RemoveFiles(path);
    if (input.startsWith("SQL\n")) {
        Try([&] { MakeFromSql(path, input.mid(4)); });
    } else if (input.startsWith("DAMAGE\n")) {
        FuzzSupport::WriteFile(path, Damage(input.mid(7)));
    } else {
        FuzzSupport::WriteFile(path, input);
    }

    const bool valid = RunTool({ QStringLiteral("check"), path }) == DictionaryTool::kOk;
    RunTool({ QStringLiteral("stats"), path });
    RunTool({ QStringLiteral("export"), path });
    OpenInProgram(path, valid);
    return 0;
}
