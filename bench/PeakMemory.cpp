#include "PeakMemory.h"

#include "BenchSeams.h"
#include "RawDictionary.h"
#include "base/AppError.h"
#include "store/DictionaryStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <fstream>
#include <string>

namespace PeakMemory {

qint64 PeakKiB()
{
    // /proc files report a size of 0, which QFile takes for the end: read them as a stream.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return QByteArray::fromStdString(line.substr(6)).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

int RunChild(const QString& mode, const QString& path, QTextStream& out)
{
    int cards = 0;
    if (mode == QLatin1String(kStoreMode)) {
        IdleEventPump events;
        DictionaryStore store(events);
        store.OpenDictionary(path);
        cards = store.Browser().RecordCount();
        out << "peak-kib " << PeakKiB() << "\ncards " << cards << Qt::endl;
    } else if (mode == QLatin1String(kRawMode)) {
        // The leanest holding of the same cells: one buffer, sized once like the store's.
        std::string cells;
        cells.reserve(size_t(QFileInfo(path).size()));
        RawDictionary raw(path);
        cards = raw.ReadAllInBinaryOrder(&cells);
        out << "peak-kib " << PeakKiB() << "\ncards " << cards << Qt::endl;
    } else {
        out << "unknown mode " << mode << Qt::endl;
        return 2;
    }
    return 0;
}

ChildPeak MeasureInChild(const QString& mode, const QString& path)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--%1").arg(QLatin1String(kChildOption)), mode,
            QStringLiteral("--%1").arg(QLatin1String(kChildFileOption)), path });
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        throw AppError(
            QStringLiteral("The memory measurement (%1) of %2 failed: %3").arg(mode, path, child.errorString()));
    }
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const auto peak = QRegularExpression(QStringLiteral("peak-kib (\\d+)")).match(output);
    const auto cards = QRegularExpression(QStringLiteral("cards (\\d+)")).match(output);
    if (!peak.hasMatch() || !cards.hasMatch()) {
        throw AppError(
            QStringLiteral("The memory measurement (%1) of %2 printed no figure: %3").arg(mode, path, output));
    }
    return { peak.captured(1).toLongLong(), cards.captured(1).toInt() };
}

} // namespace PeakMemory
