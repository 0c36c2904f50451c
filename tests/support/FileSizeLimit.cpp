#include "FileSizeLimit.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

FileSizeLimit::FileSizeLimit(std::uint64_t bytes)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    savedSoft_ = limit.rlim_cur;
    savedHard_ = limit.rlim_max;
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!active_)
        return;
    rlimit limit{};
    limit.rlim_cur = static_cast<rlim_t>(savedSoft_);
    limit.rlim_max = static_cast<rlim_t>(savedHard_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, savedHandler_);
}
#else
FileSizeLimit::FileSizeLimit(std::uint64_t) {}
FileSizeLimit::~FileSizeLimit() {}
#endif

bool FileSizeLimit::Active() const
{
    return active_;
}
