#pragma once

// Replays the file calls of a settings rewrite, as FileCallLog recorded them, over a model of
// one folder and of what a power cut keeps of it:
// - a file's data is on the disk once the file has been synced (fsync or fdatasync); each
//   write since then is, at the cut, kept, dropped or has its sectors filled with garbage;
// - the folder's changes (a name created, linked, renamed or removed) are on the disk once the
//   folder itself has been synced; of those since then, a leading part survives in order, as
//   the metadata journal of ext4, XFS or Btrfs commits them, each rename whole.
// Lines the writer adds itself ("mark WORDS") are kept as marks between the calls.

#include <QByteArray>
#include <QList>
#include <QString>
#include <map>
#include <random>
#include <vector>

namespace FileCallReplay {

struct Call {
    QByteArray kind; // open, write, truncate, sync, close, rename, link, linkpath, unlink, mark
    int fd = -1;
    unsigned flags = 0;
    qint64 number = 0; // the offset of a write, the length of a truncation
    QString path; // the path of open and unlink, the source of rename and linkpath
    QString target; // where rename, link and linkpath put the file
    QByteArray bytes; // what a write wrote; the words of a mark
};

// The calls of a log; an empty list and `error` set when a line cannot be read.
QList<Call> Parse(const QByteArray& log, QString& error);

class FolderModel {
public:
    // The folder as it stands on the disk before the calls: its files and their bytes.
    FolderModel(QString folder, const std::map<QString, QByteArray>& files);

    // Applies one call; false, with `error` set, for a call the model does not know.
    bool Apply(const Call& call, QString& error);

    // The folder's files as the writing process sees them.
    std::map<QString, QByteArray> Current() const;
    // The folder's files after a power cut now: `keptFolderChanges` of its unsynced changes
    // survive, and the fate of each unsynced write is drawn from `random`.
    std::map<QString, QByteArray> AfterCut(int keptFolderChanges, std::mt19937& random, int sectorSize) const;
    int UnsyncedFolderChanges() const { return int(m_unsyncedFolder.size()); }
    bool FolderEverSynced() const { return m_folderSynced; }

private:
    struct Change {
        bool truncation = false;
        qint64 offset = 0; // the new length of a truncation
        QByteArray bytes;
    };
    struct File {
        QByteArray synced;
        std::vector<Change> unsynced;
    };
    // One folder change, whole: the names it binds to a file (-1: removes the name).
    using FolderChange = std::vector<std::pair<QString, int>>;

    QString NameOf(const QString& path, QString& error) const;
    int NewFile();
    void ChangeFolder(const FolderChange& change);
    QByteArray Settle(const File& file, std::mt19937& random, int sectorSize) const;

    QString m_folder;
    std::vector<File> m_files;
    std::map<QString, int> m_names; // as the process sees them
    std::map<QString, int> m_syncedNames; // as the disk holds them
    std::vector<FolderChange> m_unsyncedFolder;
    std::map<int, int> m_open; // descriptor to file; -1 for the folder itself
    bool m_folderSynced = false;
};

} // namespace FileCallReplay
