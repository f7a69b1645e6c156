#pragma once
#include <csignal>
#include <sys/resource.h>

// Files larger than limit cannot be written while it is in force, as on a
// full disk: the write fails part-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit narrowed = saved;
        narrowed.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &narrowed);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};
