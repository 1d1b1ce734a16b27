#include "PowerCutDisk.h"

#include <QByteArray>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Apply(std::string& content, const PowerCutDisk::Change& change)
{
    if (change.truncation) {
        content.resize(std::size_t(change.offset));
        return;
    }
    const std::size_t end = std::size_t(change.offset) + change.bytes.size();
    if (content.size() < end) {
        content.resize(end);
    }
    content.replace(std::size_t(change.offset), change.bytes.size(), change.bytes);
}

std::string ReadWhole(const std::string& path)
{
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return bytes;
    }
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return bytes;
}

// The cut has no one to report a failure to but the exit code.
void WriteAt(int fd, const std::string& bytes, qint64 offset)
{
    if (!bytes.empty() && ::pwrite(fd, bytes.data(), bytes.size(), off_t(offset)) != ssize_t(bytes.size())) {
        ::_exit(5);
    }
}

} // namespace

// What the cut did, for its summary line.
struct PowerCutDisk::Tally {
    int kept = 0;
    int dropped = 0;
    int garbled = 0;
    int folderUndone = 0;
};

PowerCutDisk::PowerCutDisk(const PowerCutPlan& plan)
    : m_plan(plan)
    , m_random(plan.seed)
{
}

std::shared_ptr<PowerCutDisk::File> PowerCutDisk::Open(const std::string& path, bool created, bool journal)
{
    std::shared_ptr<File>& file = m_files[path];
    if (!file) {
        file = std::make_shared<File>();
        file->content = ReadWhole(path);
    }
    if (created) {
        m_folder.push_back({ false, path, {}, {} });
        file->syncsFolder = journal;
    }
    return file;
}

void PowerCutDisk::Record(File& file, Change change)
{
    Apply(file.content, change);
    file.unsynced.push_back(std::move(change));
    Event();
}

bool PowerCutDisk::Sync(File& file, const std::function<bool(const Change&)>& put)
{
    Event();
    for (const Change& change : file.unsynced) {
        if (!put(change)) {
            return false;
        }
    }
    file.unsynced.clear();
    if (file.syncsFolder) {
        m_folder.clear();
        file.syncsFolder = false;
    }
    return true;
}

bool PowerCutDisk::Remove(const std::string& path, bool syncFolder, const std::function<bool()>& remove)
{
    const auto found = m_files.find(path);
    FolderChange change { true, path, ReadWhole(path), std::move(found->second->unsynced) };
    m_files.erase(found);
    if (!remove()) {
        return false;
    }
    m_folder.push_back(std::move(change));
    Event();
    if (syncFolder) {
        m_folder.clear();
    }
    return true;
}

void PowerCutDisk::Event()
{
    if (++m_events == m_plan.cutAt) {
        Cut();
    }
}

void PowerCutDisk::Garble(int fd, const Change& change)
{
    // A torn write may damage every sector it touched, and no further than the file reached.
    const qint64 sector = m_plan.sectorSize;
    const qint64 end = change.offset + qint64(change.bytes.size());
    struct stat info { };
    ::fstat(fd, &info);
    const qint64 first = change.offset / sector * sector;
    const qint64 last = std::min((end + sector - 1) / sector * sector, std::max<qint64>(info.st_size, end));
    std::string noise(std::size_t(last - first), '\0');
    std::uniform_int_distribution<int> byte(0, 255);
    for (char& c : noise) {
        c = char(byte(m_random));
    }
    WriteAt(fd, noise, first);
}

void PowerCutDisk::Settle(const std::string& path, const std::vector<Change>& changes, Tally& tally)
{
    if (changes.empty()) {
        return;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        ::_exit(5);
    }
    std::uniform_int_distribution<int> fate(0, 2);
    for (const Change& change : changes) {
        const int roll = fate(m_random);
        if (roll == 1) {
            ++tally.dropped;
        } else if (roll == 2 && !change.truncation) {
            Garble(fd, change);
            ++tally.garbled;
        } else if (change.truncation) {
            ++tally.kept;
            if (::ftruncate(fd, off_t(change.offset)) != 0) {
                ::_exit(5);
            }
        } else {
            ++tally.kept;
            WriteAt(fd, change.bytes, change.offset);
        }
    }
    ::close(fd);
}

void PowerCutDisk::Cut()
{
    Tally tally;
    // The folder keeps a leading part of its unsynced changes; the rest are undone, last first.
    const std::size_t survive = std::uniform_int_distribution<std::size_t>(0, m_folder.size())(m_random);
    for (std::size_t i = m_folder.size(); i-- > survive;) {
        const FolderChange& change = m_folder[i];
        ++tally.folderUndone;
        if (change.removal) {
            const int fd = ::open(change.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0) {
                ::_exit(5);
            }
            WriteAt(fd, change.syncedBytes, 0);
            ::close(fd);
            Settle(change.path, change.unsynced, tally);
        } else {
            ::unlink(change.path.c_str());
            m_files.erase(change.path);
        }
    }
    for (const auto& [path, file] : m_files) {
        Settle(path, file->unsynced, tally);
    }
    const QByteArray line = "cut " + QByteArray::number(m_events) + " kept " + QByteArray::number(tally.kept)
        + " dropped " + QByteArray::number(tally.dropped) + " garbled " + QByteArray::number(tally.garbled)
        + " folder-undone " + QByteArray::number(tally.folderUndone) + " of " + QByteArray::number(m_folder.size())
        + "\n";
    if (m_plan.reportFd >= 0 && ::write(m_plan.reportFd, line.constData(), std::size_t(line.size())) != line.size()) {
        ::_exit(5);
    }
    ::_exit(kCutExitCode);
}
