#pragma once

// A power cut for the database engine, simulated under it: a file layer registered over the
// system's default one in a child process that is about to lose power.
//
// The dictionary and its journal go through PowerCutDisk, which keeps every write since a
// file's last sync in memory (reads are served from there) and decides, at the planned event,
// what the cut leaves on the disk. The folder is modelled too: creating a journal and removing
// one stay undoable until the folder is synced, which the engine asks for when a new journal is
// first synced and, with synchronous=EXTRA, when it removes a journal. Temporary files go
// straight to the layer below.
//
// The layer claims no power-safe overwrite (a torn write may damage its whole sector) and no
// memory mapping (its methods stop at version 2), so every read and write passes through it.
// The cipher works above it: what it holds is what would be on the disk.

#include "PowerCutDisk.h"

#include <memory>

class PowerCutVfs {
public:
    explicit PowerCutVfs(const PowerCutPlan& plan);
    ~PowerCutVfs();
    PowerCutVfs(const PowerCutVfs&) = delete;
    PowerCutVfs& operator=(const PowerCutVfs&) = delete;

    // Makes this layer the default one for every connection opened from now on; false when
    // the engine refused it.
    bool Register();

    struct Layer;

private:
    std::unique_ptr<Layer> m_layer;
};
