#pragma once
// A full disk for the length of a scope: the process may not make files larger
// than a few bytes, so a write fails as it would with no space left. (Only the
// signal that comes with it must be kept from ending the test.)
#include <sys/resource.h>
#include <csignal>

class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 16) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
