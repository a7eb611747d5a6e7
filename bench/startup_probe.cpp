// startup_probe <runs> <program> [args...]
// Starts the program <runs> times on the current X display and prints, for
// each run, the milliseconds from exec until its first top-level window is
// mapped; then ends it. Each run gets a fresh, empty settings folder.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double oneRun(xcb_connection_t* c, char** argv, int i) {
    char dir[] = "/tmp/vantrax-bench-XXXXXX";
    if (!mkdtemp(dir)) return -1;
    double t0 = nowMs();
    pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", dir, 1);
        execvp(argv[0], argv);
        _exit(127);
    }
    double mapped = -1;
    while (mapped < 0) {
        xcb_generic_event_t* ev = xcb_wait_for_event(c);
        if (!ev) break;
        if ((ev->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev);
            if (!m->override_redirect) mapped = nowMs() - t0;
        }
        free(ev);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::string rm = std::string("rm -rf ") + dir;
    if (std::system(rm.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir);
    (void)i;
    return mapped;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe <runs> <program> [args...]\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    for (int i = 0; i < runs; ++i) std::printf("%.1f\n", oneRun(c, argv + 2, i));
    xcb_disconnect(c);
    return 0;
}
