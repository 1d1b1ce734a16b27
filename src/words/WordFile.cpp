#include "words/WordFile.h"

#include "words/DelimitedWords.h"
#include "words/ImportTexts.h"
#include "words/KvtmlWords.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool LooksBinary(QByteArrayView sample)
{
    qsizetype control = 0;
    for (const char c : sample) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            return true;
        }
        control += (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f') ? 1 : 0;
    }
    return control * 100 > sample.size();
}

WordFormat FormatOf(const QString& path, QByteArrayView text)
{
    const QByteArray start = text.trimmed().first(qMin<qsizetype>(text.trimmed().size(), 64)).toByteArray().toLower();
    if (start.startsWith("<?xml") || start.startsWith("<kvtml") || start.startsWith("<!doctype kvtml")) {
        return WordFormat::Kvtml;
    }
    for (const char* key : { "#separator:", "#html:", "#columns:", "#notetype", "#deck", "#tags", "#guid" }) {
        if (start.startsWith(key)) {
            return WordFormat::Notes;
        }
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvtml") || suffix == QLatin1String("xml")) {
        return WordFormat::Kvtml; // its XML reader says what is wrong with it
    }
    if (suffix == QLatin1String("tsv")) {
        return WordFormat::Tsv;
    }
    return suffix == QLatin1String("txt") ? WordFormat::Notes : WordFormat::Csv;
}

} // namespace

namespace WordFile {

Kind Inspect(const QString& path)
{
    using ImportTexts::Reason;
    const QFileInfo info(path);
    if (!info.exists()) {
        ImportTexts::Fail(path, Reason("missing", "the file does not exist"));
    }
    if (info.isDir()) {
        ImportTexts::Fail(path, Reason("folder", "it is a folder"));
    }
    if (info.size() > kMaxBytes) {
        ImportTexts::Fail(path,
            Reason("too_big", "it is %1 MB, and a word list may have at most %2 MB; split it into parts",
                { QString::number((info.size() + (1 << 20) - 1) >> 20), QString::number(kMaxBytes >> 20) }));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportTexts::Fail(path, Reason("unreadable", "the file cannot be read"), file.errorString());
    }
    const QByteArray sample = file.read(kSampleBytes);
    if (sample.startsWith("\xFF\xFE") || sample.startsWith("\xFE\xFF")) {
        ImportTexts::Fail(path, Reason("utf16", "it is saved as UTF-16; save it as UTF-8 and import it again"));
    }
    if (LooksBinary(sample)) {
        ImportTexts::Fail(path, Reason("binary", "it is not a text file"));
    }
    const QByteArrayView text = sample.startsWith("\xEF\xBB\xBF") ? QByteArrayView(sample).sliced(3) : sample;
    if (text.trimmed().isEmpty()) {
        ImportTexts::Fail(path, Reason("empty", "the file holds no words"));
    }
    return { FormatOf(path, text), TextEncodings::Detect(sample) };
}

std::unique_ptr<WordSource> Open(const QString& path, const Kind& kind)
{
    if (kind.format == WordFormat::Kvtml) {
        return std::make_unique<KvtmlWords>(path);
    }
    return std::make_unique<DelimitedWords>(path, kind.format, kind.encoding);
}

} // namespace WordFile
