// A library preloaded (LD_PRELOAD) into the settings writer of the power-cut test: it passes
// every file call on to the C library and writes, for the calls that touch one folder, a line
// to a log, so the test can replay the exact sequence a settings rewrite performs under a
// model of what a power cut keeps. No tracer is needed, and the writer runs unchanged.
//
//   GLOSSMERE_FILE_CALLS_DIR   the folder watched (absolute, without a trailing slash)
//   GLOSSMERE_FILE_CALLS_LOG   the log, outside that folder; lines (paths absolute):
//     open FD FLAGS PATH       FLAGS in hexadecimal; with O_TMPFILE, PATH is the folder
//     write FD OFFSET HEXBYTES
//     truncate FD LENGTH
//     sync FD                  fsync or fdatasync, of a file or of the folder itself
//     close FD
//     rename OLD NEW
//     link FD NEW              a link made to an open file (an unnamed one, say)
//     linkpath OLD NEW
//     unlink PATH
//
// A preloaded library has nothing but the process to hang its state on, so this one keeps
// it in a few static variables; it allocates nothing, and calls the real functions found
// with dlsym(RTLD_NEXT), so that its own logging is never logged.

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr int kMaxFd = 4096;
bool g_tracked[kMaxFd];
int g_logFd = -1;

// The C library's own function of that name, looked up once per interposed function.
template <typename Function> Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

using OpenFn = int (*)(const char*, int, ...);
using OpenAtFn = int (*)(int, const char*, int, ...);
using WriteFn = ssize_t (*)(int, const void*, size_t);
using PwriteFn = ssize_t (*)(int, const void*, size_t, off_t);
using TruncateFn = int (*)(int, off_t);
using FdFn = int (*)(int);
using PathFn = int (*)(const char*);
using TwoPathFn = int (*)(const char*, const char*);
using RenameAtFn = int (*)(int, const char*, int, const char*);
using Rename2Fn = int (*)(int, const char*, int, const char*, unsigned);
using LinkAtFn = int (*)(int, const char*, int, const char*, int);
using UnlinkAtFn = int (*)(int, const char*, int);

const char* Folder()
{
    const char* folder = std::getenv("GLOSSMERE_FILE_CALLS_DIR");
    return folder && *folder ? folder : nullptr;
}

void Emit(const char* text, size_t size)
{
    // The caller's errno stays as its own call left it.
    const int savedErrno = errno;
    if (g_logFd < 0) {
        const char* log = std::getenv("GLOSSMERE_FILE_CALLS_LOG");
        if (!log) {
            return;
        }
        static const auto real = Next<OpenFn>("open");
        g_logFd = real(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    }
    while (g_logFd >= 0 && size > 0) {
        static const auto real = Next<WriteFn>("write");
        const ssize_t n = real(g_logFd, text, size);
        if (n <= 0) {
            break;
        }
        text += n;
        size -= size_t(n);
    }
    errno = savedErrno;
}

void EmitText(const char* text)
{
    Emit(text, std::strlen(text));
}

// Makes `path` absolute against `dirFd` (AT_FDCWD or an open folder); false when it cannot.
bool Resolve(int dirFd, const char* path, char* out, size_t size)
{
    if (!path) {
        return false;
    }
    if (path[0] == '/') {
        return std::snprintf(out, size, "%s", path) < int(size);
    }
    char base[4096];
    if (dirFd == AT_FDCWD) {
        if (!getcwd(base, sizeof base)) {
            return false;
        }
    } else {
        char link[64];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", dirFd);
        const ssize_t n = readlink(link, base, sizeof base - 1);
        if (n <= 0) {
            return false;
        }
        base[n] = '\0';
    }
    return std::snprintf(out, size, "%s/%s", base, path) < int(size);
}

// True for the watched folder itself and for anything in it.
bool Watched(const char* path)
{
    const char* folder = Folder();
    if (!folder) {
        return false;
    }
    const size_t length = std::strlen(folder);
    return std::strncmp(path, folder, length) == 0 && (path[length] == '\0' || path[length] == '/');
}

bool Tracked(int fd)
{
    return fd >= 0 && fd < kMaxFd && g_tracked[fd];
}

// Tracks and logs a descriptor opened in the folder; returns it.
int AfterOpen(int fd, int dirFd, const char* path, int flags)
{
    char absolute[8192];
    if (fd < 0 || fd >= kMaxFd || !Resolve(dirFd, path, absolute, sizeof absolute) || !Watched(absolute)) {
        return fd;
    }
    g_tracked[fd] = true;
    char line[8400];
    std::snprintf(line, sizeof line, "open %d %x %s\n", fd, unsigned(flags), absolute);
    EmitText(line);
    return fd;
}

void LogWrite(int fd, const void* data, ssize_t written, off_t offset)
{
    if (written <= 0 || !Tracked(fd)) {
        return;
    }
    char head[96];
    std::snprintf(head, sizeof head, "write %d %lld ", fd, static_cast<long long>(offset));
    EmitText(head);
    static const char kDigits[] = "0123456789abcdef";
    const auto* bytes = static_cast<const unsigned char*>(data);
    char hex[4096];
    size_t used = 0;
    for (ssize_t i = 0; i < written; ++i) {
        hex[used++] = kDigits[bytes[i] >> 4];
        hex[used++] = kDigits[bytes[i] & 15];
        if (used == sizeof hex) {
            Emit(hex, used);
            used = 0;
        }
    }
    Emit(hex, used);
    EmitText("\n");
}

void LogFd(const char* what, int fd)
{
    if (!Tracked(fd)) {
        return;
    }
    char line[64];
    std::snprintf(line, sizeof line, "%s %d\n", what, fd);
    EmitText(line);
}

void LogTwoPaths(const char* what, int oldDir, const char* oldPath, int newDir, const char* newPath)
{
    char from[8192];
    char to[8192];
    if (!Resolve(oldDir, oldPath, from, sizeof from) || !Resolve(newDir, newPath, to, sizeof to)
        || !(Watched(from) || Watched(to))) {
        return;
    }
    EmitText(what);
    EmitText(" ");
    EmitText(from);
    EmitText(" ");
    EmitText(to);
    EmitText("\n");
}

void LogLink(int oldDir, const char* oldPath, int newDir, const char* newPath, int flags)
{
    // Linking an open file: by its descriptor (AT_EMPTY_PATH) or through /proc/self/fd/N.
    int fd = -1;
    if ((flags & AT_EMPTY_PATH) != 0 && oldPath && oldPath[0] == '\0') {
        fd = oldDir;
    } else if (oldPath && std::strncmp(oldPath, "/proc/self/fd/", 14) == 0) {
        fd = std::atoi(oldPath + 14);
    }
    if (fd < 0) {
        LogTwoPaths("linkpath", oldDir, oldPath, newDir, newPath);
        return;
    }
    char to[8192];
    if (Tracked(fd) && Resolve(newDir, newPath, to, sizeof to)) {
        char line[8300];
        std::snprintf(line, sizeof line, "link %d %s\n", fd, to);
        EmitText(line);
    }
}

void LogUnlink(int dirFd, const char* path)
{
    char absolute[8192];
    if (Resolve(dirFd, path, absolute, sizeof absolute) && Watched(absolute)) {
        EmitText("unlink ");
        EmitText(absolute);
        EmitText("\n");
    }
}

// Logs a call that succeeded.
template <typename Log> int IfDone(int result, Log log)
{
    if (result == 0) {
        log();
    }
    return result;
}

void LogTruncate(int fd, off_t length)
{
    if (Tracked(fd)) {
        char line[96];
        std::snprintf(line, sizeof line, "truncate %d %lld\n", fd, static_cast<long long>(length));
        EmitText(line);
    }
}

mode_t ModeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int)) : 0;
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto real = Next<OpenFn>("open");
    return AfterOpen(real(path, flags, mode), AT_FDCWD, path, flags);
}

int open64(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto real = Next<OpenFn>("open64");
    return AfterOpen(real(path, flags, mode), AT_FDCWD, path, flags);
}

int openat(int dirFd, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto real = Next<OpenAtFn>("openat");
    return AfterOpen(real(dirFd, path, flags, mode), dirFd, path, flags);
}

int openat64(int dirFd, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeOf(flags, arguments);
    va_end(arguments);
    static const auto real = Next<OpenAtFn>("openat64");
    return AfterOpen(real(dirFd, path, flags, mode), dirFd, path, flags);
}

ssize_t write(int fd, const void* data, size_t size)
{
    const off_t offset = Tracked(fd) ? lseek(fd, 0, SEEK_CUR) : 0;
    static const auto real = Next<WriteFn>("write");
    const ssize_t written = real(fd, data, size);
    LogWrite(fd, data, written, offset);
    return written;
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset)
{
    static const auto real = Next<PwriteFn>("pwrite");
    const ssize_t written = real(fd, data, size, offset);
    LogWrite(fd, data, written, offset);
    return written;
}

ssize_t pwrite64(int fd, const void* data, size_t size, off_t offset)
{
    static const auto real = Next<PwriteFn>("pwrite64");
    const ssize_t written = real(fd, data, size, offset);
    LogWrite(fd, data, written, offset);
    return written;
}

int ftruncate(int fd, off_t length)
{
    static const auto real = Next<TruncateFn>("ftruncate");
    return IfDone(real(fd, length), [&] { LogTruncate(fd, length); });
}

int ftruncate64(int fd, off_t length)
{
    static const auto real = Next<TruncateFn>("ftruncate64");
    return IfDone(real(fd, length), [&] { LogTruncate(fd, length); });
}

int fsync(int fd)
{
    static const auto real = Next<FdFn>("fsync");
    return IfDone(real(fd), [&] { LogFd("sync", fd); });
}

int fdatasync(int fd)
{
    static const auto real = Next<FdFn>("fdatasync");
    return IfDone(real(fd), [&] { LogFd("sync", fd); });
}

int close(int fd)
{
    LogFd("close", fd);
    if (fd >= 0 && fd < kMaxFd) {
        g_tracked[fd] = false;
    }
    static const auto real = Next<FdFn>("close");
    return real(fd);
}

int rename(const char* from, const char* to)
{
    static const auto real = Next<TwoPathFn>("rename");
    return IfDone(real(from, to), [&] { LogTwoPaths("rename", AT_FDCWD, from, AT_FDCWD, to); });
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    static const auto real = Next<RenameAtFn>("renameat");
    return IfDone(real(fromDir, from, toDir, to), [&] { LogTwoPaths("rename", fromDir, from, toDir, to); });
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    static const auto real = Next<Rename2Fn>("renameat2");
    return IfDone(real(fromDir, from, toDir, to, flags), [&] { LogTwoPaths("rename", fromDir, from, toDir, to); });
}

int link(const char* from, const char* to)
{
    static const auto real = Next<TwoPathFn>("link");
    return IfDone(real(from, to), [&] { LogLink(AT_FDCWD, from, AT_FDCWD, to, 0); });
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    static const auto real = Next<LinkAtFn>("linkat");
    return IfDone(real(fromDir, from, toDir, to, flags), [&] { LogLink(fromDir, from, toDir, to, flags); });
}

int unlink(const char* path)
{
    static const auto real = Next<PathFn>("unlink");
    return IfDone(real(path), [&] { LogUnlink(AT_FDCWD, path); });
}

int unlinkat(int dirFd, const char* path, int flags)
{
    static const auto real = Next<UnlinkAtFn>("unlinkat");
    return IfDone(real(dirFd, path, flags), [&] { LogUnlink(dirFd, path); });
}

} // extern "C"
