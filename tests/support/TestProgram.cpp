#include "support/TestProgram.h"

#include "base/IniFile.h"
#include "store/DictionaryStore.h"
#include "store/DictionaryWriter.h"

#include <QDir>
#include <QFile>

using namespace CardTable;

TestProgram::TestProgram()
{
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin + "/Language");
    QDir().mkpath(bin + "/Dicts");
    QDir().mkpath(bin + "/help");
    const QString source = qEnvironmentVariable("GLOSSMERE_SOURCE_DIR") + "/data/";
    for (const char* name : { "Language/rus.lng", "Language/eng.lng", "settings.ini" }) {
        QFile::copy(source + name, bin + "/" + name);
    }
    paths = AppPaths::Resolve(bin, root.filePath("config"), root.filePath("share"));
}

void TestProgram::WriteSettings(const QByteArray& text) const
{
    QDir().mkpath(paths.SettingsFolder);
    QFile file(paths.SettingsPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text);
    }
}

QString TestProgram::Setting(const QString& section, const QString& key) const
{
    return IniFile(paths.SettingsPath).ReadString(section, key, "<missing>");
}

// Status letters: '.' new, 'L' learning, 'D' learned, 'I' removed; '*' after a letter marks
// the card as the active one. Headers are w01, w02, ... so the file order is the pattern's.
QString TestProgram::MakeDictionary(const QString& name, const QString& pattern) const
{
    std::vector<CardRecord> cards;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*')) {
            cards.back()[ActiveWord] = qint64(1);
            continue;
        }
        const int number = int(cards.size()) + 1;
        CardRecord card
            = CardRecord::Make(QString("w%1").arg(number, 2, 10, QLatin1Char('0')), QString("t%1").arg(number));
        card[Status] = c == 'L' ? QString("learning")
            : c == 'D'          ? QString("learned")
            : c == 'I'          ? QString("ignore")
                                : QString();
        card[ActiveWord] = qint64(0);
        card[ViborPerevodaTrue] = qint64(number % 3);
        cards.push_back(card);
    }
    const QString path = paths.ExeFolder + "Dicts/" + name;
    DictionaryWriter::Write(path, cards, DictionaryWriter::Existing::Replace);
    return path;
}

QString TestProgram::DictionaryPattern(const QString& path)
{
    CountingEventPump pump;
    DictionaryStore store(pump);
    store.OpenDictionary(path);
    QString pattern;
    Dataset& cards = store.Browser();
    for (int r = 1; r <= cards.RecordCount(); ++r) {
        cards.MoveTo(r);
        const QString status = cards.Text("status");
        pattern += status == "learning" ? 'L' : status == "learned" ? 'D' : status == "ignore" ? 'I' : '.';
        if (cards.Flag("active_word")) {
            pattern += '*';
        }
    }
    return pattern;
}
