#pragma once

// What the power-cut test does with each kind of work: where the power goes (drawn from one
// seed, printed at the start, that GLOSSMERE_POWERCUT_SEED repeats), the file opened after the
// cut as the next start of the program would open it, and the figures of the closing line.
// Work that reports "begin N ..." and "done N" around each change is checked against a model
// of the file by CheckReportedWork.

#include "PowerCutRun.h"

#include "store/DictionaryFile.h"
#include "store/SqliteConnection.h"

#include <QRandomGenerator>
#include <QtTest>
#include <functional>
#include <memory>

namespace PowerCutChecks {

// The seed of every cut of the run.
quint32 BaseSeed();
// The cuts per kind of work (GLOSSMERE_POWERCUT_ROUNDS).
int Rounds();
// A cut at an event drawn up to `span` into the child's writes, syncs and removals.
PowerCutPlan PlanFor(QRandomGenerator& random, int span);

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

    void Count(const PowerCutRun& run, const AfterCut& after);
    // The closing line of a kind of work.
    void Print(const char* kind) const;
};

// Fails unless the power went, and the child reported no error before it did.
void ExpectCut(const PowerCutRun& run, int round);
// The file as the next start of the program finds it. The program's store opens a copy (it
// would mark a card where none is marked, which must not hide a lost mark); a connection of
// the test's own opens the file itself, checks its integrity and counts the marks: one, or
// none in a dictionary without cards. The store must open on the marked card.
void OpenAfterCut(const QString& path, int round, AfterCut& after);
// The number after a report's word, or -1 when the report is another one.
qint64 Number(const QByteArray& line, const QByteArray& word);

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

} // namespace PowerCutChecks
