#include "EditorWork.h"
#include "ImportWork.h"
#include "LessonWork.h"
#include "PowerCutRun.h"

#include "CrashChild.h"
#include "CrashPlan.h"
#include "PagingModel.h"

#include "support/FakeSeams.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "store/CardTable.h"
#include "store/DictionaryCipher.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/SqliteConnection.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>
#include <functional>
#include <sqlite3.h>

// A forked child changes a dictionary without end through a file layer that keeps every
// unsynced write in memory, and loses power at a chosen write, sync or removal: each unsynced
// write is kept, dropped or garbled, and the folder may forget the creation or removal of a
// journal it was not told to sync (see PowerCutVfs). The test then opens the file as the next
// start of the program would: it opens, passes the integrity check, holds every change the
// child reported done, holds the change under way wholly or not at all, and marks one card.
//
// The cut points come from one seed, printed at the start; GLOSSMERE_POWERCUT_SEED repeats
// them exactly (the work is deterministic, so the same seed cuts at the same write), and
// GLOSSMERE_POWERCUT_ROUNDS changes the rounds per kind of work.

namespace {

constexpr int kDefaultRounds = 52;
// The power goes at an event drawn up to this far into the child's writes, syncs and
// removals: a commit costs about a dozen of them, a bulk change over 600 cards a few dozen.
constexpr int kBulkSpan = 240;
constexpr int kStepSpan = 90;
constexpr int kLessonSpan = 160;
constexpr int kEditorSpan = 120;
constexpr int kImportSpan = 200;

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

// The file after a cut, opened by the test's own connection.
struct AfterCut {
    std::unique_ptr<SqliteConnection> connection;
    bool journalLeft = false; // the cut came inside a commit
    bool firstReadingFailed = false; // the cut tore the first page (see FirstReadingFails)
};

// What the cuts of one kind of work did, for the closing line.
struct Figures {
    int reported = 0; // changes reported done
    int inCommit = 0; // cuts that left a journal beside the file
    int landedUnreported = 0; // cuts after a change was written but before it was reported
    int kept = 0;
    int dropped = 0;
    int garbled = 0;
    int folderUndone = 0;
    int tornFirstPage = 0; // cuts after which the first reading failed and a second one was needed

    void Count(const PowerCutRun& run, const AfterCut& after)
    {
        inCommit += after.journalLeft ? 1 : 0;
        tornFirstPage += after.firstReadingFailed ? 1 : 0;
        kept += run.CutFigure("kept");
        dropped += run.CutFigure("dropped");
        garbled += run.CutFigure("garbled");
        folderUndone += run.CutFigure("folder-undone");
    }
    void Print(const char* kind) const
    {
        qInfo("%s: %d cuts, %d changes reported done; %d cuts inside a commit, %d after a change was written but "
              "before it was reported; unsynced writes kept %d, dropped %d, garbled %d; %d creations or removals of "
              "a journal undone; %d tore the first page, so that only a second reading opened the file",
            kind, Rounds(), reported, inCommit, landedUnreported, kept, dropped, garbled, folderUndone, tornFirstPage);
    }
};

// Fails unless the power went, and the child reported no error before it did.
void ExpectCut(const PowerCutRun& run, int round)
{
    QVERIFY2(run.WasCut(), qPrintable(QStringLiteral("round %1: ").arg(round) + run.Describe()));
    for (const QByteArray& line : run.lines) {
        QVERIFY2(!line.startsWith("error"), qPrintable(QStringLiteral("round %1: ").arg(round) + run.Describe()));
    }
}

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

// The file as the next start of the program finds it. The program's store opens a copy (it
// would mark a card where none is marked, which must not hide a lost mark); a connection of
// the test's own opens the file itself, checks its integrity and counts the marks: one, or
// none in a dictionary without cards. The store must open on the marked card.
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

// The number after a report's word, or -1 when the report is another one.
qint64 Number(const QByteArray& line, const QByteArray& word)
{
    return line.startsWith(word + ' ') ? line.mid(word.size() + 1).split(' ').first().toLongLong() : -1;
}

// Work that reports "begin N ..." before each change and "done N" once it has returned, and
// how the test follows it: a model of what the file holds, read from it and moved on by each
// reported change.
template <typename Model> struct ReportedWork {
    const char* kind;
    QString path;
    quint32 salt; // mixed into the seed, so that each kind cuts at its own events
    int span;
    std::function<int(const QString& path, qint64 first)> run;
    std::function<Model(SqliteConnection&)> read;
    std::function<bool(Model&, const QByteArray& begin)> apply;
    std::function<QString(const Model& file, const Model& expected)> difference;
};

// Cuts the work's power again and again: after each cut the file holds every change reported
// done, and the change under way wholly or not at all.
template <typename Model> void CheckReportedWork(const ReportedWork<Model>& work)
{
    QRandomGenerator random(BaseSeed() ^ work.salt);
    Model model;
    {
        const auto connection = DictionaryFile::Open(work.path);
        model = work.read(*connection);
    }
    qint64 next = 1;
    Figures figures;
    for (int round = 0; round < Rounds(); ++round) {
        const PowerCutRun run = RunUntilPowerCut(PlanFor(random, work.span), [&] { return work.run(work.path, next); });
        ExpectCut(run, round);
        if (QTest::currentTestFailed()) {
            return;
        }
        QByteArray pending;
        for (const QByteArray& line : run.lines) {
            if (Number(line, "begin") >= 0) {
                QCOMPARE(Number(line, "begin"), next);
                pending = line;
            } else if (const qint64 done = Number(line, "done"); done >= 0) {
                QCOMPARE(done, next);
                QVERIFY2(work.apply(model, pending), pending.constData());
                pending.clear();
                ++next;
                ++figures.reported;
            }
        }
        AfterCut after;
        OpenAfterCut(work.path, round, after);
        if (QTest::currentTestFailed()) {
            return;
        }
        figures.Count(run, after);
        const Model file = work.read(*after.connection);
        Model landed = model;
        if (!pending.isEmpty()) {
            QVERIFY2(work.apply(landed, pending), pending.constData());
            ++next;
        }
        if (file == landed && !pending.isEmpty()) {
            ++figures.landedUnreported;
        } else if (file != model) {
            QFAIL(qPrintable(QStringLiteral("round %1, after \"%2\" (%3): %4")
                                 .arg(round)
                                 .arg(QString::fromUtf8(run.lines.isEmpty() ? QByteArray() : run.lines.last()),
                                     QString::fromLatin1(run.cut), work.difference(file, model))));
        }
        model = file;
    }
    figures.Print(work.kind);
}

} // namespace

class TestPowerCut : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qInfo("seed %u, %d cuts per kind of work (GLOSSMERE_POWERCUT_SEED=%u repeats them)", BaseSeed(), Rounds(),
            BaseSeed());
    }

    // The reset and the return of removed cards, each after a scrambling of every card from
    // another connection: afterwards the cards are all scrambled or all changed.
    void bulkChangeIsAllOrNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("reset") << "reset";
        QTest::newRow("return of removed cards") << "return";
    }
    void bulkChangeIsAllOrNothing()
    {
        QFETCH(QString, kind);
        const bool reset = kind == QLatin1String("reset");
        const auto changed = [reset](qint64 n) { return reset ? CrashPlan::AfterReset() : CrashPlan::Returned(n); };
        TempFolder folder;
        const QString path = CrashPlan::BuildBulkDictionary(folder.File("bulk.dat"));
        QRandomGenerator random(BaseSeed() ^ (reset ? 0x5e7u : 0x3e7u));
        QStringList before = CrashPlan::AfterReset();
        qint64 next = 1;
        Figures figures;
        for (int round = 0; round < Rounds(); ++round) {
            const PowerCutRun run = RunUntilPowerCut(PlanFor(random, kBulkSpan), [&] {
                return CrashChild::Run({ kind, path, QString::number(next) });
            });
            ExpectCut(run, round);
            if (QTest::currentTestFailed()) {
                return;
            }
            for (const QByteArray& line : run.lines) {
                figures.reported += Number(line, "done") > 0 ? 1 : 0;
            }
            // What the file may hold: the state after the last report, or after the change under way.
            const QByteArray last = run.lines.isEmpty() ? QByteArray() : run.lines.last();
            QList<std::pair<QString, QStringList>> allowed;
            qint64 n = Number(last, "scrambled");
            if (n > 0) {
                allowed = { { QStringLiteral("scrambled %1").arg(n), CrashPlan::Scrambled(n) },
                    { QStringLiteral("%1 %2").arg(kind).arg(n), changed(n) } };
            } else if ((n = Number(last, "done")) > 0) {
                allowed = { { QStringLiteral("%1 %2").arg(kind).arg(n), changed(n) },
                    { QStringLiteral("scrambled %1").arg(n + 1), CrashPlan::Scrambled(n + 1) } };
            } else {
                n = next - 1;
                allowed = { { QStringLiteral("as before the round"), before },
                    { QStringLiteral("scrambled %1").arg(next), CrashPlan::Scrambled(next) } };
            }
            AfterCut after;
            OpenAfterCut(path, round, after);
            if (QTest::currentTestFailed()) {
                return;
            }
            figures.Count(run, after);
            const QStringList cards = CrashPlan::ReadCards(*after.connection);
            if (cards == allowed[1].second) {
                ++figures.landedUnreported;
            } else if (cards != allowed[0].second) {
                QFAIL(qPrintable(QStringLiteral("round %1, after \"%2\" (%3): neither %4 (%5) nor %6 (%7)")
                                     .arg(round)
                                     .arg(QString::fromLatin1(last), QString::fromLatin1(run.cut), allowed[0].first,
                                         CrashPlan::FirstDifference(cards, allowed[0].second), allowed[1].first,
                                         CrashPlan::FirstDifference(cards, allowed[1].second))));
            }
            before = cards;
            next = n + 2;
        }
        figures.Print(qPrintable(kind));
    }

    // Paging steps: each moves the mark in one commit (a removal saves the card's status in
    // one before it), so after the cut exactly one card is marked, the one the last reported
    // step reached or the one the step under way was going to.
    void pagingKeepsEveryStep()
    {
        TempFolder folder;
        const QString path = CrashPlan::BuildPagingDictionary(folder.File("paging.dat"));
        const quint32 seed = BaseSeed() ^ 0x9a61u;
        QRandomGenerator random(seed);
        PagingState model;
        {
            const auto connection = DictionaryFile::Open(path);
            model = PagingModel::Read(*connection);
        }
        qint64 next = 1;
        Figures figures;
        for (int round = 0; round < Rounds(); ++round) {
            const PowerCutRun run = RunUntilPowerCut(PlanFor(random, kStepSpan), [&] {
                return CrashChild::Run({ "paging", path, QString::number(seed), QString::number(next) });
            });
            ExpectCut(run, round);
            if (QTest::currentTestFailed()) {
                return;
            }
            for (const QByteArray& line : run.lines) {
                if (const qint64 record = Number(line, "open"); record >= 0) {
                    QCOMPARE(int(record), model.Current());
                } else if (const qint64 step = Number(line, "step"); step >= 0) {
                    QCOMPARE(step, next);
                    model = PagingModel::StepStages(model, CrashPlan::StepFor(seed, step)).last();
                    QCOMPARE(line.split(' ').last().toInt(), model.Current());
                    ++next;
                    ++figures.reported;
                }
            }
            AfterCut after;
            OpenAfterCut(path, round, after);
            if (QTest::currentTestFailed()) {
                return;
            }
            figures.Count(run, after);
            const PagingState file = PagingModel::Read(*after.connection);
            if (file != model) {
                // Only the step under way may have left changes beyond the last report.
                const QList<PagingState> stages = PagingModel::StepStages(model, CrashPlan::StepFor(seed, next));
                QVERIFY2(stages.contains(file),
                    qPrintable(QStringLiteral("round %1, step %2 (%3, %4): the file holds %5 where the model holds %6")
                                   .arg(round)
                                   .arg(next)
                                   .arg(QLatin1String(CrashPlan::StepName(CrashPlan::StepFor(seed, next))),
                                       QString::fromLatin1(run.cut), file.Describe(), model.Describe())));
                figures.landedUnreported += file == stages.last() ? 1 : 0;
                model = file;
                ++next;
            }
        }
        figures.Print("paging");
    }

    // A lesson: each right answer is counted in its own commit and the finished block becomes
    // learned in one; no reported answer is lost, and the block is learned whole or not at all.
    void lessonKeepsEveryAnswerAndWholeBlocks()
    {
        TempFolder folder;
        CheckReportedWork<LessonWork::Cards>({ .kind = "lesson",
            .path = LessonWork::BuildDictionary(folder.File("lesson.dat")),
            .salt = 0x1e55u,
            .span = kLessonSpan,
            .run = LessonWork::Run,
            .read = LessonWork::Read,
            .apply = LessonWork::Apply,
            .difference = [](const LessonWork::Cards& file, const LessonWork::Cards& expected) {
                const auto differs = std::mismatch(file.begin(), file.end(), expected.begin(), expected.end());
                const qsizetype at = differs.first - file.begin();
                return QStringLiteral("the file holds %1 where the last report leaves %2")
                    .arg(LessonWork::Describe(file, at), LessonWork::Describe(expected, at));
            } });
    }

    // The card editor: each addition, change of a text, deletion (the marked card's among
    // them, which marks the next card in the same commit, and now and then of every card) and
    // change of the words' language is one commit, there once reported and whole or absent
    // while under way.
    void editorKeepsEveryEdit()
    {
        TempFolder folder;
        CheckReportedWork<EditorWork::Dictionary>({ .kind = "editor",
            .path = EditorWork::BuildDictionary(folder.File("editor.dat")),
            .salt = 0xed17u,
            .span = kEditorSpan,
            .run = EditorWork::Run,
            .read = EditorWork::Read,
            .apply = EditorWork::Apply,
            .difference = EditorWork::Difference });
    }

    // A word-list import is one transaction: its cards are all there or none is, and the
    // cards that were there before it stay as they were. Deleting them again is one commit.
    void importIsAllOrNothing()
    {
        TempFolder folder;
        CheckReportedWork<QStringList>({ .kind = "import",
            .path = ImportWork::BuildDictionary(folder.File("import.dat")),
            .salt = 0x1a7bu,
            .span = kImportSpan,
            .run = ImportWork::Run,
            .read = ImportWork::Read,
            .apply = ImportWork::Apply,
            .difference = CrashPlan::FirstDifference });
    }
};

QTEST_GUILESS_MAIN(TestPowerCut)

#include "tst_PowerCut.moc"
