#include "PowerCutVfs.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

struct PowerCutVfs::Layer {
    explicit Layer(const PowerCutPlan& plan)
        : disk(plan)
    {
    }

    PowerCutDisk disk;
    sqlite3_vfs vfs {};
    sqlite3_vfs* root = nullptr;
    bool registered = false;
};

namespace {

// A dictionary or journal file: the wrapper, followed in the same memory by the real file of
// the layer below.
struct CutFile {
    sqlite3_file base;
    PowerCutDisk* disk;
    std::shared_ptr<PowerCutDisk::File> state;
    sqlite3_file* real;
};

constexpr int kRealOffset = int((sizeof(CutFile) + 15) / 16 * 16);

CutFile& Wrapper(sqlite3_file* file)
{
    return *reinterpret_cast<CutFile*>(file);
}

sqlite3_file* Real(sqlite3_file* file)
{
    return Wrapper(file).real;
}

int Close(sqlite3_file* file)
{
    sqlite3_file* real = Real(file);
    const int code = real->pMethods->xClose(real);
    Wrapper(file).~CutFile();
    return code;
}

int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
{
    const std::string& content = Wrapper(file).state->content;
    const qint64 available = std::clamp<qint64>(qint64(content.size()) - offset, 0, amount);
    if (available > 0) {
        std::memcpy(buffer, content.data() + offset, std::size_t(available));
    }
    if (available < amount) {
        std::memset(static_cast<char*>(buffer) + available, 0, std::size_t(amount - available));
        return SQLITE_IOERR_SHORT_READ;
    }
    return SQLITE_OK;
}

// Writes and truncations reach only the memory; the one under way when the power goes is
// among the unsynced changes the cut settles.
int Record(sqlite3_file* file, PowerCutDisk::Change change)
{
    CutFile& cut = Wrapper(file);
    cut.disk->Record(*cut.state, std::move(change));
    return SQLITE_OK;
}

int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
{
    return Record(file, { false, offset, std::string(static_cast<const char*>(data), std::size_t(amount)) });
}

int Truncate(sqlite3_file* file, sqlite3_int64 size)
{
    return Record(file, { true, size, {} });
}

int Sync(sqlite3_file* file, int)
{
    CutFile& cut = Wrapper(file);
    sqlite3_file* real = cut.real;
    const bool synced = cut.disk->Sync(*cut.state, [real](const PowerCutDisk::Change& change) {
        return SQLITE_OK
            == (change.truncation
                    ? real->pMethods->xTruncate(real, change.offset)
                    : real->pMethods->xWrite(real, change.bytes.data(), int(change.bytes.size()), change.offset));
    });
    return synced ? SQLITE_OK : SQLITE_IOERR_FSYNC;
}

int FileSize(sqlite3_file* file, sqlite3_int64* size)
{
    *size = sqlite3_int64(Wrapper(file).state->content.size());
    return SQLITE_OK;
}

int Lock(sqlite3_file* file, int level)
{
    return Real(file)->pMethods->xLock(Real(file), level);
}

int Unlock(sqlite3_file* file, int level)
{
    return Real(file)->pMethods->xUnlock(Real(file), level);
}

int CheckReservedLock(sqlite3_file* file, int* reserved)
{
    return Real(file)->pMethods->xCheckReservedLock(Real(file), reserved);
}

int FileControl(sqlite3_file* file, int operation, void* argument)
{
    // Nothing is allocated ahead on the disk, and nothing is ever mapped into memory.
    if (operation == SQLITE_FCNTL_SIZE_HINT) {
        return SQLITE_OK;
    }
    if (operation == SQLITE_FCNTL_MMAP_SIZE) {
        return SQLITE_NOTFOUND;
    }
    return Real(file)->pMethods->xFileControl(Real(file), operation, argument);
}

int SectorSize(sqlite3_file* file)
{
    return Wrapper(file).disk->SectorSize();
}

int DeviceCharacteristics(sqlite3_file*)
{
    return 0; // above all, no SQLITE_IOCAP_POWERSAFE_OVERWRITE
}

int ShmMap(sqlite3_file* file, int page, int pageSize, int extend, void volatile** memory)
{
    return Real(file)->pMethods->xShmMap(Real(file), page, pageSize, extend, memory);
}

int ShmLock(sqlite3_file* file, int offset, int n, int flags)
{
    return Real(file)->pMethods->xShmLock(Real(file), offset, n, flags);
}

void ShmBarrier(sqlite3_file* file)
{
    Real(file)->pMethods->xShmBarrier(Real(file));
}

int ShmUnmap(sqlite3_file* file, int deleteFlag)
{
    return Real(file)->pMethods->xShmUnmap(Real(file), deleteFlag);
}

const sqlite3_io_methods kMethods = { 2, Close, Read, Write, Truncate, Sync, FileSize, Lock, Unlock, CheckReservedLock,
    FileControl, SectorSize, DeviceCharacteristics, ShmMap, ShmLock, ShmBarrier, ShmUnmap, nullptr, nullptr };

PowerCutVfs::Layer& LayerOf(sqlite3_vfs* vfs)
{
    return *static_cast<PowerCutVfs::Layer*>(vfs->pAppData);
}

sqlite3_vfs* Root(sqlite3_vfs* vfs)
{
    return LayerOf(vfs).root;
}

int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    PowerCutVfs::Layer& layer = LayerOf(vfs);
    // Temporary files do not outlive the process anyway: they go to the layer below as they are.
    if (name == nullptr || (flags & (SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_MAIN_JOURNAL)) == 0) {
        return layer.root->xOpen(layer.root, name, file, flags, outFlags);
    }
    auto* real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + kRealOffset);
    file->pMethods = nullptr;
    real->pMethods = nullptr;
    const bool existed = ::access(name, F_OK) == 0;
    const int code = layer.root->xOpen(layer.root, name, real, flags, outFlags);
    if (code != SQLITE_OK) {
        if (real->pMethods) {
            real->pMethods->xClose(real);
        }
        return code;
    }
    const bool created = !existed && (flags & SQLITE_OPEN_CREATE) != 0;
    auto state = layer.disk.Open(name, created, (flags & SQLITE_OPEN_MAIN_JOURNAL) != 0);
    new (file) CutFile { { &kMethods }, &layer.disk, std::move(state), real };
    return SQLITE_OK;
}

int Delete(sqlite3_vfs* vfs, const char* name, int syncFolder)
{
    PowerCutVfs::Layer& layer = LayerOf(vfs);
    if (!layer.disk.Knows(name)) {
        return layer.root->xDelete(layer.root, name, syncFolder);
    }
    // The layer below removes the file without syncing the folder; the disk keeps the sync.
    const bool removed = layer.disk.Remove(
        name, syncFolder != 0, [&layer, name] { return layer.root->xDelete(layer.root, name, 0) == SQLITE_OK; });
    return removed ? SQLITE_OK : SQLITE_IOERR_DELETE;
}

} // namespace

PowerCutVfs::PowerCutVfs(const PowerCutPlan& plan)
    : m_layer(std::make_unique<Layer>(plan))
{
}

PowerCutVfs::~PowerCutVfs()
{
    if (m_layer->registered) {
        sqlite3_vfs_unregister(&m_layer->vfs);
    }
}

bool PowerCutVfs::Register()
{
    Layer& layer = *m_layer;
    layer.root = sqlite3_vfs_find(nullptr);
    sqlite3_vfs& vfs = layer.vfs;
    vfs.iVersion = 2;
    vfs.szOsFile = kRealOffset + layer.root->szOsFile;
    vfs.mxPathname = layer.root->mxPathname;
    vfs.zName = "glossmere-powercut";
    vfs.pAppData = &layer;
    vfs.xOpen = Open;
    vfs.xDelete = Delete;
    vfs.xAccess = [](sqlite3_vfs* v, const char* name, int flags, int* result) {
        return Root(v)->xAccess(Root(v), name, flags, result);
    };
    vfs.xFullPathname = [](sqlite3_vfs* v, const char* name, int size, char* out) {
        return Root(v)->xFullPathname(Root(v), name, size, out);
    };
    vfs.xDlOpen = [](sqlite3_vfs* v, const char* name) { return Root(v)->xDlOpen(Root(v), name); };
    vfs.xDlError = [](sqlite3_vfs* v, int size, char* message) { Root(v)->xDlError(Root(v), size, message); };
    vfs.xDlSym
        = [](sqlite3_vfs* v, void* library, const char* symbol) { return Root(v)->xDlSym(Root(v), library, symbol); };
    vfs.xDlClose = [](sqlite3_vfs* v, void* library) { Root(v)->xDlClose(Root(v), library); };
    vfs.xRandomness = [](sqlite3_vfs* v, int size, char* out) { return Root(v)->xRandomness(Root(v), size, out); };
    vfs.xSleep = [](sqlite3_vfs* v, int microseconds) { return Root(v)->xSleep(Root(v), microseconds); };
    vfs.xCurrentTime = [](sqlite3_vfs* v, double* now) { return Root(v)->xCurrentTime(Root(v), now); };
    vfs.xGetLastError = [](sqlite3_vfs* v, int size, char* out) { return Root(v)->xGetLastError(Root(v), size, out); };
    vfs.xCurrentTimeInt64 = [](sqlite3_vfs* v, sqlite3_int64* now) { return Root(v)->xCurrentTimeInt64(Root(v), now); };
    layer.registered = sqlite3_vfs_register(&vfs, 1) == SQLITE_OK;
    return layer.registered;
}
