#include "CrashPlan.h"
#include "FileCallReplay.h"

#include "support/TempFolder.h"

#include "base/IniDocument.h"
#include "base/IniFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

// The settings file under a power cut. A writer process rewrites the file a few times as the
// program does, with FileCallLog preloaded to record every file call it makes in the settings
// folder (and its own marks around each rewrite); the test then replays that exact sequence
// under FileCallReplay's model of a power cut, cutting after every call, with every number of
// the folder's unsynced changes surviving and several random fates of the unsynced writes.
// After every cut the file must be a whole copy the writer meant: never missing, never mixed
// or garbled, never newer than the rewrite under way, never older than the last rewrite
// reported done.
//
// What this cannot check: calls that bypass the C library's functions (raw system calls,
// writes through a memory mapping; a replay that does not end as the real file did fails the
// test, which catches those that change the file), file systems whose metadata does not
// survive in order, and disks that acknowledge a flush they have not done.

namespace {

constexpr const char* kWriterFlag = "--settings-writer";
constexpr int kWrites = 3;
// Fates of the unsynced writes drawn for each cut point and each surviving part of the
// folder's changes.
constexpr int kFatesPerCut = 8;

// The writer: rewrites numbers first, first + 1, ... through IniFile, marking each in the log.
int RunWriter(const QString& path, qint64 first)
{
    const int log = ::open(qgetenv("GLOSSMERE_FILE_CALLS_LOG").constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const auto mark = [log](const QByteArray& words) {
        const QByteArray line = "mark " + words + '\n';
        return ::write(log, line.constData(), std::size_t(line.size())) == line.size();
    };
    const IniFile file(path);
    for (qint64 n = first; n < first + kWrites; ++n) {
        const CrashPlan::SettingWrite write = CrashPlan::SettingFor(n);
        if (!mark("begin " + QByteArray::number(n)) || !file.WriteString(write.section, write.key, write.value)
            || !mark("done " + QByteArray::number(n))) {
            return 1;
        }
    }
    ::close(log);
    return 0;
}

} // namespace

class TestSettingsPowerCut : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsFileIsAWholeCopyAfterEveryCut()
    {
        bool given = false;
        const quint32 chosen = qEnvironmentVariable("GLOSSMERE_POWERCUT_SEED").toUInt(&given);
        const quint32 seed = given ? chosen : QRandomGenerator::global()->generate();
        qInfo("seed %u (GLOSSMERE_POWERCUT_SEED=%u repeats it)", seed, seed);

        TempFolder temp;
        const QString folder = temp.File("config");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/settings.ini");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(CrashPlan::InitialSettings());
        }
        const QString log = temp.File("calls.log");
        QFile(log).open(QIODevice::WriteOnly);

        QProcess writer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(GLOSSMERE_FILE_CALL_LOG));
        environment.insert(QStringLiteral("GLOSSMERE_FILE_CALLS_DIR"), folder);
        environment.insert(QStringLiteral("GLOSSMERE_FILE_CALLS_LOG"), log);
        writer.setProcessEnvironment(environment);
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QCoreApplication::applicationFilePath(), { kWriterFlag, path, QStringLiteral("1") });
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitCode(), 0);

        // The copies the writer meant, one per rewrite after the first.
        QList<QByteArray> copies { CrashPlan::InitialSettings() };
        IniDocument document = IniDocument::Parse(CrashPlan::InitialSettings());
        for (qint64 n = 1; n <= kWrites; ++n) {
            const CrashPlan::SettingWrite write = CrashPlan::SettingFor(n);
            document.Write(write.section, write.key, write.value);
            copies << document.Serialize();
        }
        QFile logFile(log);
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        QString error;
        const QList<FileCallReplay::Call> calls = FileCallReplay::Parse(logFile.readAll(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        FileCallReplay::FolderModel model(folder, { { QStringLiteral("settings.ini"), copies.first() } });
        std::mt19937 random(seed);
        qint64 underWay = 0; // the rewrite begun, 0 between rewrites
        qint64 done = 0; // the last rewrite reported done
        int cuts = 0;
        int lostDone = 0;
        int leftovers = 0;
        int fileCalls = 0;
        for (qsizetype at = 0; at <= calls.size(); ++at) {
            for (int kept = 0; kept <= model.UnsyncedFolderChanges(); ++kept) {
                for (int fate = 0; fate < kFatesPerCut; ++fate) {
                    const auto disk = model.AfterCut(kept, random, fate % 2 ? 512 : 4096);
                    const auto found = disk.find(QStringLiteral("settings.ini"));
                    const QString where = QStringLiteral("cut after call %1 of %2, %3 of %4 folder changes kept")
                                              .arg(at)
                                              .arg(calls.size())
                                              .arg(kept)
                                              .arg(model.UnsyncedFolderChanges());
                    QVERIFY2(found != disk.end(), qPrintable(where + QStringLiteral(": the file is missing")));
                    const qsizetype copy = copies.indexOf(found->second);
                    QVERIFY2(copy >= 0, qPrintable(where + QStringLiteral(": the file is no whole copy")));
                    QVERIFY2(copy <= qMax(underWay, done),
                        qPrintable(
                            where + QStringLiteral(": the file is the copy of rewrite %1, not yet begun").arg(copy)));
                    lostDone += copy < done ? 1 : 0;
                    leftovers += disk.size() > 1 ? 1 : 0;
                    ++cuts;
                }
            }
            if (at == calls.size()) {
                break;
            }
            const FileCallReplay::Call& call = calls.at(at);
            if (call.kind == "mark") {
                const QList<QByteArray> words = call.bytes.split(' ');
                underWay = words.first() == "begin" ? words.last().toLongLong() : 0;
                done = words.first() == "done" ? words.last().toLongLong() : done;
            } else {
                ++fileCalls;
            }
            QVERIFY2(model.Apply(call, error), qPrintable(error));
        }
        // The replay must end where the real writer did, or the log missed a call.
        const auto replayed = model.Current();
        QCOMPARE(done, qint64(kWrites));
        QCOMPARE(replayed.at(QStringLiteral("settings.ini")), copies.last());
        QFile real(path);
        QVERIFY(real.open(QIODevice::ReadOnly));
        QCOMPARE(real.readAll(), copies.last());
        QStringList names;
        for (const auto& entry : replayed) {
            names << entry.first;
        }
        QCOMPARE(names, QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name));

        qInfo("settings: %d rewrites, %d file calls replayed, %d cuts: every one left a whole copy; %d left a "
              "temporary copy beside it",
            kWrites, fileCalls, cuts, leftovers);
        // Lasting: a rewrite reported done is on the disk, whatever the cut.
        QVERIFY(model.FolderEverSynced());
        QCOMPARE(lostDone, 0);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], kWriterFlag) == 0) {
        return RunWriter(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    }
    TestSettingsPowerCut test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SettingsPowerCut.moc"
