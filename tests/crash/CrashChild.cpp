#include "CrashChild.h"

#include "CrashPlan.h"

#include "base/AppError.h"
#include "base/IniFile.h"
#include "base/Prompts.h"
#include "browser/CardBrowser.h"
#include "i18n/LanguageTable.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/SqliteConnection.h"
#include "support/FakeSeams.h"

#include <unistd.h>

namespace {

// One line on standard output, written at once: what the parent reads is exactly what
// had finished when the child died.
void Report(const QByteArray& line)
{
    const QByteArray bytes = line + '\n';
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + written, size_t(bytes.size() - written));
        if (n <= 0) {
            ::_exit(3);
        }
        written += n;
    }
}

// The user who answers Yes to every question.
class YesPrompts final : public Prompts {
public:
    bool Confirm(const QString&) override { return true; }
    bool ConfirmIrreversible(const QString&) override { return true; }
    bool Information(const QString&) override { return true; }
    bool Error(const QString&) override { return true; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

class NoView final : public CardView {
public:
    void ShowCardTexts(const QString&, const QString&, const QString&) override { }
    void ShowPositionText(const QString&) override { }
    void ShowLearnedText(const QString&) override { }
};

int RunBulk(bool reset, const QString& path, qint64 first)
{
    CountingEventPump events;
    DictionaryStore store(events);
    store.OpenDictionary(path);
    // The scrambling comes through a connection of its own, as from another program.
    const auto other = DictionaryFile::Open(path);
    Report("ready");
    for (qint64 n = first;; ++n) {
        CrashPlan::Scramble(*other, n);
        Report("scrambled " + QByteArray::number(n));
        if (reset) {
            store.ResetStatistics();
        } else {
            store.ReturnRemovedCards();
        }
        Report("done " + QByteArray::number(n));
    }
}

int RunPaging(const QString& path, quint32 seed, qint64 first)
{
    CountingEventPump events;
    DictionaryStore store(events);
    YesPrompts prompts;
    const LanguageTable texts { QString() };
    NoView view;
    CardBrowser browser(store, prompts, texts, view);
    browser.SetCurrentRecord(store.OpenDictionary(path));
    Report("open " + QByteArray::number(browser.CurrentRecord()));
    for (qint64 step = first;; ++step) {
        switch (CrashPlan::StepFor(seed, step)) {
        case CrashPlan::Step::Next:
            browser.NextStep();
            break;
        case CrashPlan::Step::Previous:
            browser.PreviousStep();
            break;
        case CrashPlan::Step::Remove:
            browser.RemoveFromLearning();
            break;
        }
        Report("step " + QByteArray::number(step) + ' ' + QByteArray::number(browser.CurrentRecord()));
    }
}

int RunSettings(const QString& path, qint64 first)
{
    const IniFile file(path);
    Report("ready");
    for (qint64 n = first;; ++n) {
        const CrashPlan::SettingWrite write = CrashPlan::SettingFor(n);
        Report("begin " + QByteArray::number(n));
        if (!file.WriteString(write.section, write.key, write.value)) {
            Report("failed " + QByteArray::number(n));
            return 1;
        }
        Report("done " + QByteArray::number(n));
    }
}

int RunKind(const QStringList& arguments)
{
    if (arguments.size() < 3) {
        return 2;
    }
    const QString& kind = arguments.at(0);
    const QString& path = arguments.at(1);
    if (kind == QLatin1String("reset") || kind == QLatin1String("return")) {
        return RunBulk(kind == QLatin1String("reset"), path, arguments.at(2).toLongLong());
    }
    if (kind == QLatin1String("paging") && arguments.size() == 4) {
        return RunPaging(path, arguments.at(2).toUInt(), arguments.at(3).toLongLong());
    }
    if (kind == QLatin1String("settings")) {
        return RunSettings(path, arguments.at(2).toLongLong());
    }
    return 2;
}

} // namespace

namespace CrashChild {

int Run(const QStringList& arguments)
{
    try {
        return RunKind(arguments);
    } catch (const AppError& error) {
        // Only the kill should end a child; anything else is the test's failure to report.
        Report("error " + error.Message().toUtf8());
        return 1;
    }
}

} // namespace CrashChild
