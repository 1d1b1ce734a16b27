#include "FileCallReplay.h"

#include <fcntl.h>

namespace FileCallReplay {

namespace {

void Extend(QByteArray& bytes, qint64 size)
{
    if (bytes.size() < size) {
        bytes.append(QByteArray(qsizetype(size - bytes.size()), '\0'));
    }
}

void Put(QByteArray& bytes, qint64 offset, const QByteArray& data)
{
    Extend(bytes, offset + data.size());
    bytes.replace(qsizetype(offset), data.size(), data);
}

} // namespace

QList<Call> Parse(const QByteArray& log, QString& error)
{
    QList<Call> calls;
    for (const QByteArray& line : log.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QList<QByteArray> words = line.split(' ');
        Call call;
        call.kind = words.first();
        const auto word = [&words](qsizetype i) { return i < words.size() ? words.at(i) : QByteArray(); };
        bool ok = true;
        if (call.kind == "mark") {
            call.bytes = line.mid(5);
        } else if (call.kind == "open" && words.size() == 4) {
            call.fd = word(1).toInt();
            call.flags = word(2).toUInt(&ok, 16);
            call.path = QString::fromUtf8(word(3));
        } else if (call.kind == "write" && words.size() == 4) {
            call.fd = word(1).toInt();
            call.number = word(2).toLongLong(&ok);
            call.bytes = QByteArray::fromHex(word(3));
        } else if (call.kind == "truncate" && words.size() == 3) {
            call.fd = word(1).toInt();
            call.number = word(2).toLongLong(&ok);
        } else if ((call.kind == "sync" || call.kind == "close") && words.size() == 2) {
            call.fd = word(1).toInt(&ok);
        } else if ((call.kind == "rename" || call.kind == "linkpath") && words.size() == 3) {
            call.path = QString::fromUtf8(word(1));
            call.target = QString::fromUtf8(word(2));
        } else if (call.kind == "link" && words.size() == 3) {
            call.fd = word(1).toInt(&ok);
            call.target = QString::fromUtf8(word(2));
        } else if (call.kind == "unlink" && words.size() == 2) {
            call.path = QString::fromUtf8(word(1));
        } else {
            ok = false;
        }
        if (!ok) {
            error = QStringLiteral("cannot read the logged call \"%1\"").arg(QString::fromUtf8(line.left(200)));
            return {};
        }
        calls << call;
    }
    return calls;
}

FolderModel::FolderModel(QString folder, const std::map<QString, QByteArray>& files)
    : m_folder(std::move(folder))
{
    for (const auto& [name, bytes] : files) {
        m_names[name] = NewFile();
        m_files.back().synced = bytes;
    }
    m_syncedNames = m_names;
}

int FolderModel::NewFile()
{
    m_files.emplace_back();
    return int(m_files.size()) - 1;
}

QString FolderModel::NameOf(const QString& path, QString& error) const
{
    const QString prefix = m_folder + QLatin1Char('/');
    const QString name = path.startsWith(prefix) ? path.mid(prefix.size()) : QString();
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) {
        error = QStringLiteral("%1 is not a file of the folder %2").arg(path, m_folder);
    }
    return name;
}

void FolderModel::ChangeFolder(const FolderChange& change)
{
    for (const auto& [name, file] : change) {
        if (file < 0) {
            m_names.erase(name);
        } else {
            m_names[name] = file;
        }
    }
    m_unsyncedFolder.push_back(change);
}

bool FolderModel::Apply(const Call& call, QString& error)
{
    const auto fileOf = [this, &call, &error]() -> File* {
        const auto found = m_open.find(call.fd);
        if (found == m_open.end() || found->second < 0) {
            error = QStringLiteral("%1 on descriptor %2, which is no open file of the folder")
                        .arg(QString::fromLatin1(call.kind))
                        .arg(call.fd);
            return nullptr;
        }
        return &m_files.at(std::size_t(found->second));
    };
    if (call.kind == "mark") {
        return true;
    }
    if (call.kind == "open") {
        if (call.path == m_folder && (call.flags & O_TMPFILE) != O_TMPFILE) {
            m_open[call.fd] = -1;
            return true;
        }
        if ((call.flags & O_TMPFILE) == O_TMPFILE) {
            m_open[call.fd] = NewFile();
            return error.isEmpty();
        }
        const QString name = NameOf(call.path, error);
        if (!error.isEmpty()) {
            return false;
        }
        const auto found = m_names.find(name);
        if (found == m_names.end()) {
            if ((call.flags & O_CREAT) == 0) {
                error = QStringLiteral("%1 was opened but does not exist").arg(call.path);
                return false;
            }
            m_open[call.fd] = NewFile();
            ChangeFolder({ { name, m_open[call.fd] } });
        } else {
            m_open[call.fd] = found->second;
            if ((call.flags & O_TRUNC) != 0) {
                m_files.at(std::size_t(found->second)).unsynced.push_back({ true, 0, {} });
            }
        }
        return true;
    }
    if (call.kind == "write" || call.kind == "truncate") {
        File* file = fileOf();
        if (file) {
            file->unsynced.push_back({ call.kind == "truncate", call.number, call.bytes });
        }
        return file != nullptr;
    }
    if (call.kind == "sync") {
        if (m_open.count(call.fd) && m_open.at(call.fd) < 0) {
            m_syncedNames = m_names;
            m_unsyncedFolder.clear();
            m_folderSynced = true;
            return true;
        }
        File* file = fileOf();
        if (file) {
            for (const Change& change : file->unsynced) {
                if (change.truncation) {
                    file->synced.truncate(qsizetype(change.offset));
                    Extend(file->synced, change.offset);
                } else {
                    Put(file->synced, change.offset, change.bytes);
                }
            }
            file->unsynced.clear();
        }
        return file != nullptr;
    }
    if (call.kind == "close") {
        m_open.erase(call.fd);
        return true;
    }
    if (call.kind == "link") {
        const QString name = NameOf(call.target, error);
        if (fileOf() && error.isEmpty()) {
            ChangeFolder({ { name, m_open.at(call.fd) } });
        }
        return error.isEmpty();
    }
    const QString name = NameOf(call.path, error);
    if (!error.isEmpty()) {
        return false;
    }
    if (call.kind == "unlink") {
        ChangeFolder({ { name, -1 } });
        return true;
    }
    const QString target = NameOf(call.target, error);
    if (!error.isEmpty() || !m_names.count(name)) {
        error = error.isEmpty() ? QStringLiteral("%1 of %2, which does not exist").arg(call.kind, name) : error;
        return false;
    }
    if (call.kind == "rename") {
        ChangeFolder({ { target, m_names.at(name) }, { name, -1 } });
    } else {
        ChangeFolder({ { target, m_names.at(name) } });
    }
    return true;
}

QByteArray FolderModel::Settle(const File& file, std::mt19937& random, int sectorSize) const
{
    QByteArray bytes = file.synced;
    std::uniform_int_distribution<int> fate(0, 2);
    std::uniform_int_distribution<int> noise(0, 255);
    for (const Change& change : file.unsynced) {
        const int roll = sectorSize > 0 ? fate(random) : 0;
        if (roll == 1) {
            continue;
        }
        if (change.truncation) {
            bytes.truncate(qsizetype(change.offset));
            Extend(bytes, change.offset);
        } else if (roll == 0) {
            Put(bytes, change.offset, change.bytes);
        } else {
            // A torn write may damage every sector it touched, and no further than the file reached.
            const qint64 end = change.offset + change.bytes.size();
            const qint64 first = change.offset / sectorSize * sectorSize;
            const qint64 last
                = std::min((end + sectorSize - 1) / sectorSize * sectorSize, std::max<qint64>(bytes.size(), end));
            QByteArray garbage(qsizetype(last - first), '\0');
            for (char& c : garbage) {
                c = char(noise(random));
            }
            Put(bytes, first, garbage);
        }
    }
    return bytes;
}

std::map<QString, QByteArray> FolderModel::Current() const
{
    std::mt19937 unused;
    std::map<QString, QByteArray> files;
    for (const auto& [name, file] : m_names) {
        files[name] = Settle(m_files.at(std::size_t(file)), unused, 0);
    }
    return files;
}

std::map<QString, QByteArray> FolderModel::AfterCut(int keptFolderChanges, std::mt19937& random, int sectorSize) const
{
    std::map<QString, int> names = m_syncedNames;
    for (int i = 0; i < keptFolderChanges && i < int(m_unsyncedFolder.size()); ++i) {
        for (const auto& [name, file] : m_unsyncedFolder.at(std::size_t(i))) {
            if (file < 0) {
                names.erase(name);
            } else {
                names[name] = file;
            }
        }
    }
    // A file under two names is one file: it meets one fate.
    std::map<int, QByteArray> settled;
    std::map<QString, QByteArray> files;
    for (const auto& [name, file] : names) {
        if (!settled.count(file)) {
            settled[file] = Settle(m_files.at(std::size_t(file)), random, sectorSize);
        }
        files[name] = settled.at(file);
    }
    return files;
}

} // namespace FileCallReplay
