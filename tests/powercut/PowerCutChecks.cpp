#include "PowerCutChecks.h"

#include "support/FakeSeams.h"

#include "base/AppError.h"
#include "store/CardTable.h"
#include "store/DictionaryCipher.h"
#include "store/DictionaryStore.h"

#include <QFile>
#include <sqlite3.h>

namespace PowerCutChecks {

namespace {

constexpr int kDefaultRounds = 52;

// True when one keyed reading of the file fails: so it does when the cut tore the first page,
// since the cipher takes its salt from there before the journal puts the page back. The
// store's opening reads such a file a second time.
bool FirstReadingFails(const QString& path)
{
    try {
        SqliteConnection connection(path, SqliteConnection::Mode::OpenExisting);
        DictionaryCipher::Apply(connection);
        return sqlite3_exec(connection.Handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr)
            != SQLITE_OK;
    } catch (const AppError&) {
        return true;
    }
}

// Copies the dictionary and its journal, if one was left.
void CopyWithJournal(const QString& path, const QString& copy)
{
    const QString journal = QStringLiteral("-journal");
    QFile::remove(copy);
    QFile::remove(copy + journal);
    QVERIFY(QFile::copy(path, copy));
    QVERIFY(!QFile::exists(path + journal) || QFile::copy(path + journal, copy + journal));
}

} // namespace

quint32 BaseSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("GLOSSMERE_POWERCUT_SEED").toUInt(&ok);
    static const quint32 chosen = ok ? seed : QRandomGenerator::global()->generate();
    return chosen;
}

int Rounds()
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("GLOSSMERE_POWERCUT_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : kDefaultRounds;
}

PowerCutPlan PlanFor(QRandomGenerator& random, int span)
{
    PowerCutPlan plan;
    plan.cutAt = 1 + random.bounded(span);
    plan.sectorSize = random.bounded(2) ? 4096 : 512;
    plan.seed = random.generate();
    return plan;
}

void Figures::Count(const PowerCutRun& run, const AfterCut& after)
{
    inCommit += after.journalLeft ? 1 : 0;
    tornFirstPage += after.firstReadingFailed ? 1 : 0;
    kept += run.CutFigure("kept");
    dropped += run.CutFigure("dropped");
    garbled += run.CutFigure("garbled");
    folderUndone += run.CutFigure("folder-undone");
}

void Figures::Print(const char* kind) const
{
    qInfo("%s: %d cuts, %d changes reported done; %d cuts inside a commit, %d after a change was written but "
          "before it was reported; unsynced writes kept %d, dropped %d, garbled %d; %d creations or removals of "
          "a journal undone; %d tore the first page, so that only a second reading opened the file",
        kind, Rounds(), reported, inCommit, landedUnreported, kept, dropped, garbled, folderUndone, tornFirstPage);
}

void ExpectCut(const PowerCutRun& run, int round)
{
    QVERIFY2(run.WasCut(), qPrintable(QStringLiteral("round %1: ").arg(round) + run.Describe()));
    for (const QByteArray& line : run.lines) {
        QVERIFY2(!line.startsWith("error"), qPrintable(QStringLiteral("round %1: ").arg(round) + run.Describe()));
    }
}

void OpenAfterCut(const QString& path, int round, AfterCut& after)
{
    const QString copy = path + QStringLiteral(".copy");
    after.journalLeft = QFile::exists(path + QStringLiteral("-journal"));
    CopyWithJournal(path, copy);
    if (after.journalLeft) {
        CopyWithJournal(path, path + QStringLiteral(".probe"));
        after.firstReadingFailed = FirstReadingFails(path + QStringLiteral(".probe"));
    }
    if (QTest::currentTestFailed()) {
        return;
    }
    const QString where = QStringLiteral("round %1: ").arg(round);
    try {
        after.connection = DictionaryFile::Open(path);
    } catch (const AppError& error) {
        QFAIL(qPrintable(where + error.Message()));
    }
    SqliteConnection& connection = *after.connection;
    const QString check = connection.QueryText(QStringLiteral("PRAGMA integrity_check"));
    QVERIFY2(check == QLatin1String("ok"), qPrintable(where + QStringLiteral("integrity check: ") + check));
    const bool empty = connection.QueryText(QStringLiteral("SELECT count(*) FROM tab")) == QLatin1String("0");
    const QString marks = connection.QueryText(QStringLiteral("SELECT count(*) FROM tab WHERE active_word <> 0"));
    QVERIFY2(
        marks == QLatin1String(empty ? "0" : "1"), qPrintable(where + marks + QStringLiteral(" cards are marked")));
    const qint64 marked
        = connection.QueryText(QStringLiteral("SELECT id FROM tab WHERE active_word <> 0")).toLongLong();
    CountingEventPump events;
    DictionaryStore store(events);
    try {
        const int record = store.OpenDictionary(copy);
        QCOMPARE(record == 0, empty);
        if (record > 0) {
            store.Browser().MoveTo(record);
            QCOMPARE(store.Browser().IntegerAt(CardTable::Id), marked);
        }
    } catch (const AppError& error) {
        QFAIL(qPrintable(where + QStringLiteral("the program refused it: ") + error.Message()));
    }
}

qint64 Number(const QByteArray& line, const QByteArray& word)
{
    return line.startsWith(word + ' ') ? line.mid(word.size() + 1).split(' ').first().toLongLong() : -1;
}

} // namespace PowerCutChecks
