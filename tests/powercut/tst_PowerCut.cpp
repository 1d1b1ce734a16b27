#include "EditorWork.h"
#include "ImportWork.h"
#include "LessonWork.h"
#include "PowerCutChecks.h"
#include "PowerCutRun.h"

#include "CrashChild.h"
#include "CrashPlan.h"
#include "PagingModel.h"

#include "support/TempFolder.h"

#include "store/DictionaryFile.h"
#include "store/SqliteConnection.h"

#include <QRandomGenerator>
#include <QtTest>

// A forked child changes a dictionary without end through a file layer that keeps every
// unsynced write in memory, and loses power at a chosen write, sync or removal: each unsynced
// write is kept, dropped or garbled, and the folder may forget the creation or removal of a
// journal it was not told to sync (see PowerCutVfs). The test then opens the file as the next
// start of the program would: it opens, passes the integrity check, holds every change the
// child reported done, holds the change under way wholly or not at all, and marks one card
// (none once every card is deleted).
//
// The cut points come from one seed, printed at the start; GLOSSMERE_POWERCUT_SEED repeats
// them exactly (the work is deterministic, so the same seed cuts at the same write), and
// GLOSSMERE_POWERCUT_ROUNDS changes the rounds per kind of work.

namespace {

using namespace PowerCutChecks;

// The power goes at an event drawn up to this far into the child's writes, syncs and
// removals: a commit costs about a dozen of them, a bulk change over 600 cards or an import
// of 300 words a few dozen.
constexpr int kBulkSpan = 240;
constexpr int kStepSpan = 90;
constexpr int kLessonSpan = 160;
constexpr int kEditorSpan = 120;
constexpr int kImportSpan = 200;

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
