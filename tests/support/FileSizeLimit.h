#pragma once

#include <QtGlobal>
#include <csignal>
#include <sys/resource.h>

// A full disk, for as long as it lives: no file this process writes may grow past the given
// size. A write that would is cut short and then fails, as on a disk that fills up in the
// middle of it (the signal the system sends for it is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
        : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        m_applied = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Applied() const { return m_applied; }

private:
    rlimit m_saved {};
    void (*m_handler)(int);
    bool m_applied = false;
};
