#pragma once

#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

// Where and how the power goes.
struct PowerCutPlan {
    qint64 cutAt = 0; // the event at which the power goes
    int sectorSize = 4096; // 512 or 4096
    quint32 seed = 0; // decides the fate of every unsynced change
    int reportFd = -1; // where the cut's summary line goes
};

// The disk under the power-cut layer (PowerCutVfs): the dictionary and journal files as the
// engine sees them, what of that is not on the real files yet, and the folder's unsynced
// changes. The real files stand for the platter: a sync puts a file's unsynced changes there.
//
// Every write, sync, truncation and removal is an event, counted from 1. At the plan's event
// the power goes: each unsynced write is kept, dropped or has its sectors filled with garbage;
// the folder keeps a leading part of its unsynced changes, in order, as a journalling file
// system does, and the rest are undone (a created journal vanishes, a removed one comes back);
// one line "cut EVENT kept K dropped D garbled G folder-undone U of N" goes to the report
// descriptor, and the process ends with _exit, so nothing is rolled back or closed on the way.
class PowerCutDisk {
public:
    // The exit code of a process whose power was cut.
    static constexpr int kCutExitCode = 86;

    // One unsynced change of a file: bytes written at an offset, or a new length.
    struct Change {
        bool truncation = false;
        qint64 offset = 0; // the new length of a truncation
        std::string bytes;
    };
    struct File {
        std::string content; // as the engine reads it
        std::vector<Change> unsynced;
        // A journal just created: its first sync syncs the folder too, as the unix layer
        // does, so that the journal cannot vanish once the database has been written.
        bool syncsFolder = false;
    };

    explicit PowerCutDisk(const PowerCutPlan& plan);

    int SectorSize() const { return m_plan.sectorSize; }

    // The file at `path`, read from the real file when first opened. `created`: the opening
    // made it, an unsynced change of the folder; `journal`: it is a rollback journal.
    std::shared_ptr<File> Open(const std::string& path, bool created, bool journal);
    // A write or truncation, which reaches only the memory; the power may go at it, with the
    // change among those the cut settles.
    void Record(File& file, Change change);
    // Unless the power goes first, puts the file's unsynced changes on the disk through `put`
    // (false: it failed, and the sync with it).
    bool Sync(File& file, const std::function<bool(const Change&)>& put);
    // Whether `path` is one of the files kept here.
    bool Knows(const std::string& path) const { return m_files.count(path) != 0; }
    // Removes a file kept here through `remove` (false: it failed); the removal lasts only
    // once the folder is synced, which `syncFolder` asks for. The power may go at it.
    bool Remove(const std::string& path, bool syncFolder, const std::function<bool()>& remove);

private:
    // A change of the folder not yet synced: a file created, or a file removed. A removal keeps
    // what the disk held for the file, and its own unsynced changes, in case it is undone.
    struct FolderChange {
        bool removal = false;
        std::string path;
        std::string syncedBytes;
        std::vector<Change> unsynced;
    };
    struct Tally;

    // Counts one event; the power goes when it is the plan's.
    void Event();
    [[noreturn]] void Cut();
    void Settle(const std::string& path, const std::vector<Change>& changes, Tally& tally);
    void Garble(int fd, const Change& change);

    PowerCutPlan m_plan;
    std::mt19937 m_random;
    std::map<std::string, std::shared_ptr<File>> m_files;
    std::vector<FolderChange> m_folder;
    qint64 m_events = 0;
};
