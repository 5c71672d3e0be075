#pragma once

#include <sys/resource.h>

#include <csignal>

namespace tq::test {

/// Caps the size of files this process writes for the life of the object, so
/// that a write beyond it fails with "File too large" as a full disk would
/// fail it (and works the same for root). The signal the kernel sends on such
/// a write is ignored meanwhile, leaving only the failed write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

}  // namespace tq::test
