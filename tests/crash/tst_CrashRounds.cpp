#include "CrashChild.h"
#include "CrashPlan.h"
#include "PagingModel.h"

#include "support/DictionaryProbe.h"
#include "support/TempFolder.h"

#include "base/AppError.h"
#include "base/IniDocument.h"
#include "base/IniFile.h"
#include "store/DictionaryFile.h"
#include "store/SqliteConnection.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

// A child process changes a dictionary or the settings file without end and reports each
// change the moment it has returned; the test kills it with SIGKILL at a random moment,
// then checks the file as the next start of the program would find it: it opens and is
// sound, every reported change is there, and the one change under way is wholly there or
// wholly absent. The kill moments come from one seed, printed at the start; set
// GLOSSMERE_CRASH_SEED to run the same moments again (the machine's speed still moves
// where they land), and GLOSSMERE_CRASH_ROUNDS to change the rounds per kind.

namespace {

// Four kinds of 50 rounds: 200 kills in about 30 seconds, most of it starting the child and
// opening the dictionary (its key derivation is slow on purpose).
constexpr int kDefaultRounds = 50;
// Kills come up to this long after the child's first report (or, one round in five, after
// its start, while it may still be opening the file).
constexpr int kMaxDelayMs = 200;

quint32 BaseSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("GLOSSMERE_CRASH_SEED").toUInt(&ok);
    static const quint32 chosen = ok ? seed : QRandomGenerator::global()->generate();
    return chosen;
}

int Rounds()
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("GLOSSMERE_CRASH_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : kDefaultRounds;
}

struct Killed {
    QList<QByteArray> lines; // the reports, complete lines only
    bool journalLeft = false; // the dictionary's rollback journal was there: killed inside a commit
};

// Runs the child and kills it `delayMs` after its first report (or after its start).
void RunAndKill(
    const QStringList& arguments, bool afterFirstReport, int delayMs, const QString& journal, Killed& killed)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList { CrashChild::kFlag } + arguments);
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    QByteArray output;
    while (afterFirstReport && !output.contains('\n')) {
        if (!child.waitForReadyRead(30000)) {
            QFAIL(qPrintable("the child ended before its first report: " + child.readAllStandardError()));
        }
        output += child.readAllStandardOutput();
    }
    const bool endedEarly = child.waitForFinished(delayMs);
    child.kill();
    child.waitForFinished();
    output += child.readAllStandardOutput();
    QVERIFY2(!endedEarly, qPrintable("the child ended by itself: " + output + child.readAllStandardError()));
    killed.journalLeft = !journal.isEmpty() && QFileInfo::exists(journal);
    for (const QByteArray& line : output.split('\n')) {
        QVERIFY2(!line.startsWith("error") && !line.startsWith("failed"), line.constData());
    }
    killed.lines = output.split('\n');
    killed.lines.removeLast(); // what followed the last line break: empty, or a line cut short
}

// The number after a report's word, or -1 when the report is another one.
qint64 Number(const QByteArray& line, const QByteArray& word)
{
    return line.startsWith(word + ' ') ? line.mid(word.size() + 1).split(' ').first().toLongLong() : -1;
}

std::unique_ptr<SqliteConnection> OpenSound(const QString& path)
{
    std::unique_ptr<SqliteConnection> connection;
    try {
        connection = DictionaryFile::Open(path);
    } catch (const AppError& error) {
        qWarning("%s", qPrintable(error.Message()));
        return nullptr;
    }
    const QString check = connection->QueryText(QStringLiteral("PRAGMA integrity_check"));
    if (check != QLatin1String("ok")) {
        qWarning("integrity check: %s", qPrintable(check));
        return nullptr;
    }
    return connection;
}

} // namespace

class TestCrashRounds : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qInfo("seed %u, %d rounds per kind (GLOSSMERE_CRASH_SEED=%u repeats it)", BaseSeed(), Rounds(), BaseSeed());
    }

    // The reset and the return of removed cards, each after a scrambling of every card:
    // afterwards the cards are all scrambled or all changed, never a mixture.
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
        int inside = 0;
        int inCommit = 0;
        int landedUnreported = 0;
        int scrambled = 0;
        int done = 0;
        for (int round = 0; round < Rounds(); ++round) {
            Killed killed;
            RunAndKill({ kind, path, QString::number(next) }, round % 5 != 0, int(random.bounded(kMaxDelayMs)),
                path + "-journal", killed);
            if (QTest::currentTestFailed()) {
                return;
            }
            for (const QByteArray& line : std::as_const(killed.lines)) {
                scrambled += Number(line, "scrambled") > 0 ? 1 : 0;
                done += Number(line, "done") > 0 ? 1 : 0;
            }
            const QByteArray last = killed.lines.isEmpty() ? QByteArray() : killed.lines.last();
            // What the file may hold: the state after the last report, or after the change under way.
            QList<std::pair<QString, QStringList>> allowed;
            qint64 n = Number(last, "scrambled");
            if (n > 0) {
                ++inside;
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
            inCommit += killed.journalLeft ? 1 : 0;
            const auto connection = OpenSound(path);
            QVERIFY2(connection, qPrintable(QStringLiteral("round %1: the dictionary is damaged").arg(round)));
            const QStringList cards = CrashPlan::ReadCards(*connection);
            if (cards == allowed[1].second) {
                ++landedUnreported;
            } else if (cards != allowed[0].second) {
                QFAIL(qPrintable(QStringLiteral("round %1, after \"%2\": neither %3 (%4) nor %5 (%6)")
                                     .arg(round)
                                     .arg(QString::fromLatin1(last), allowed[0].first,
                                         CrashPlan::FirstDifference(cards, allowed[0].second), allowed[1].first,
                                         CrashPlan::FirstDifference(cards, allowed[1].second))));
            }
            before = cards;
            next = n + 2;
        }
        qInfo("%s: %d rounds, %d scramblings and %d changes reported; %d kills inside the %s, %d inside a commit, %d "
              "after a change was written but before it was reported",
            qPrintable(kind), Rounds(), scrambled, done, inside, qPrintable(kind), inCommit, landedUnreported);
        // Lenient, for a busy machine: this only catches a child that never got to work.
        QVERIFY2(scrambled > Rounds() / 2, "the child changed too little to prove anything");
    }

    // Paging steps: each moves the mark in one commit (a removal saves the card's status in
    // one before it), so whenever the child dies exactly one card is marked, the one the
    // last reported step reached or the one the step under way was going to.
    void pagingLeavesExactlyOneMarkedCard()
    {
        TempFolder folder;
        const QString path = CrashPlan::BuildPagingDictionary(folder.File("paging.dat"));
        const quint32 seed = BaseSeed() ^ 0x9a61u;
        QRandomGenerator random(seed);
        PagingState model;
        {
            const auto connection = OpenSound(path);
            QVERIFY(connection);
            model = PagingModel::Read(*connection);
        }
        qint64 next = 1;
        int steps = 0;
        int midStep = 0;
        int landed = 0;
        int inCommit = 0;
        for (int round = 0; round < Rounds(); ++round) {
            Killed killed;
            RunAndKill({ "paging", path, QString::number(seed), QString::number(next) }, round % 5 != 0,
                int(random.bounded(kMaxDelayMs)), path + "-journal", killed);
            if (QTest::currentTestFailed()) {
                return;
            }
            bool opened = false;
            for (const QByteArray& line : std::as_const(killed.lines)) {
                if (const qint64 record = Number(line, "open"); record >= 0) {
                    // The child opened where the file's mark is.
                    QCOMPARE(int(record), model.Current());
                    opened = true;
                } else if (const qint64 step = Number(line, "step"); step >= 0) {
                    QCOMPARE(step, next);
                    model = PagingModel::StepStages(model, CrashPlan::StepFor(seed, step)).last();
                    QCOMPARE(line.split(' ').last().toInt(), model.Current());
                    ++next;
                    ++steps;
                }
            }
            inCommit += killed.journalLeft ? 1 : 0;
            const auto connection = OpenSound(path);
            QVERIFY2(connection, qPrintable(QStringLiteral("round %1: the dictionary is damaged").arg(round)));
            const PagingState file = PagingModel::Read(*connection);
            QVERIFY2(
                file.marked.size() == 1, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(file.Describe())));
            if (file != model) {
                // Only the step under way may have left edits beyond the last report.
                const QList<PagingState> stages
                    = opened ? PagingModel::StepStages(model, CrashPlan::StepFor(seed, next)) : QList<PagingState>();
                const qsizetype stage = stages.indexOf(file);
                QVERIFY2(stage >= 0,
                    qPrintable(QStringLiteral("round %1, step %2 (%3): the file holds %4 where the model holds %5")
                                   .arg(round)
                                   .arg(next)
                                   .arg(QLatin1String(CrashPlan::StepName(CrashPlan::StepFor(seed, next))),
                                       file.Describe(), model.Describe())));
                if (stage + 1 < stages.size()) {
                    ++midStep;
                } else {
                    ++landed;
                }
                model = file;
                ++next;
            }
        }
        qInfo("paging: %d rounds, %d steps reported; %d kills inside a commit, %d after a step was written but before "
              "it was reported, %d between a removal and its step",
            Rounds(), steps, inCommit, landed, midStep);
        QVERIFY2(steps > Rounds() / 4, "the child paged too little to prove anything");
    }

    // Settings writes: the file is the old one or the new one, whole, with every comment and
    // unknown line, and nothing is left beside it.
    void settingsFileStaysWhole()
    {
        TempFolder folder;
        const QString path = folder.File("settings.ini");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(CrashPlan::InitialSettings());
        }
        QRandomGenerator random(BaseSeed() ^ 0x1a1u);
        IniDocument model = IniDocument::Parse(CrashPlan::InitialSettings());
        qint64 next = 1;
        int inside = 0;
        int landed = 0;
        int written = 0;
        QStringList leftovers;
        for (int round = 0; round < Rounds(); ++round) {
            Killed killed;
            RunAndKill({ "settings", path, QString::number(next) }, round % 5 != 0, int(random.bounded(kMaxDelayMs)),
                QString(), killed);
            if (QTest::currentTestFailed()) {
                return;
            }
            qint64 pending = -1;
            for (const QByteArray& line : std::as_const(killed.lines)) {
                if (const qint64 n = Number(line, "begin"); n >= 0) {
                    QCOMPARE(n, next);
                    pending = n;
                } else if (const qint64 done = Number(line, "done"); done >= 0) {
                    QCOMPARE(done, pending);
                    const CrashPlan::SettingWrite write = CrashPlan::SettingFor(done);
                    model.Write(write.section, write.key, write.value);
                    pending = -1;
                    ++next;
                    ++written;
                }
            }
            const QByteArray bytes = DictionaryProbe::Bytes(path);
            QByteArray pendingBytes = model.Serialize();
            if (pending >= 0) {
                ++inside;
                IniDocument replaced = model;
                const CrashPlan::SettingWrite write = CrashPlan::SettingFor(pending);
                replaced.Write(write.section, write.key, write.value);
                pendingBytes = replaced.Serialize();
                if (bytes == pendingBytes) {
                    ++landed;
                    model = replaced;
                }
                ++next;
            }
            QCOMPARE(bytes, model.Serialize());
            // A kill just before the new copy is renamed over the file leaves that copy behind
            // under a temporary name. Nothing reads it; it must at least be whole.
            for (const QString& name : folder.Entries()) {
                if (name == QLatin1String("settings.ini") || leftovers.contains(name)) {
                    continue;
                }
                QVERIFY2(name.startsWith(QLatin1String("settings.ini.")), qPrintable(name));
                const QByteArray copy = DictionaryProbe::Bytes(folder.File(name));
                QVERIFY2(copy == pendingBytes || copy == model.Serialize(), qPrintable(name + " is not whole"));
                leftovers << name;
            }
        }
        // The program reads every key as last written.
        for (qint64 n = 0; n < 8; ++n) {
            const CrashPlan::SettingWrite write = CrashPlan::SettingFor(n);
            QCOMPARE(IniFile(path).ReadString(write.section, write.key, QString()),
                model.ReadString(write.section, write.key, QStringLiteral("<missing>")));
        }
        qInfo("settings: %d rounds, %d writes reported; %d kills inside a write (%d after the file was replaced), %d "
              "left "
              "a whole copy under a temporary name",
            Rounds(), written, inside, landed, int(leftovers.size()));
        QVERIFY2(written > Rounds() / 2, "the child wrote too little to prove anything");
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], CrashChild::kFlag) == 0) {
        return CrashChild::Run(application.arguments().mid(2));
    }
    TestCrashRounds test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CrashRounds.moc"
