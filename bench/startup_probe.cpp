// startup_probe <runs> <program> [args...]
// Starts the program <runs> times on the current X display and prints, for
// each run, two figures: the milliseconds from exec until its first top-level
// window is mapped, and until the screen last changed (the first screen fully
// drawn: sampled patches of the screen stay the same for a second afterwards).
// Then it ends the program. Each run gets a fresh, empty settings folder.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// A few small patches spread over the screen, read back as one byte string.
std::string sampleScreen(xcb_connection_t* c, xcb_screen_t* screen) {
    std::string all;
    const int patch = 24;
    for (int gy = 1; gy <= 3; ++gy)
        for (int gx = 1; gx <= 3; ++gx) {
            const int x = screen->width_in_pixels * gx / 4 - patch / 2;
            const int y = screen->height_in_pixels * gy / 4 - patch / 2;
            xcb_get_image_reply_t* r =
                xcb_get_image_reply(c,
                                    xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, static_cast<int16_t>(x),
                                                  static_cast<int16_t>(y), patch, patch, ~0u),
                                    nullptr);
            if (!r) continue;
            all.append(reinterpret_cast<const char*>(xcb_get_image_data(r)),
                       static_cast<size_t>(xcb_get_image_data_length(r)));
            free(r);
        }
    // The menu bar's strip along the top.
    xcb_get_image_reply_t* r =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, 200, 20, ~0u), nullptr);
    if (r) {
        all.append(reinterpret_cast<const char*>(xcb_get_image_data(r)),
                   static_cast<size_t>(xcb_get_image_data_length(r)));
        free(r);
    }
    return all;
}

// From the moment the window is mapped: the time of the screen's last change.
double settledAfter(xcb_connection_t* c, xcb_screen_t* screen, double t0, double mapped) {
    std::string last = sampleScreen(c, screen);
    double changed = mapped;
    for (;;) {
        timespec pause{0, 4'000'000};
        nanosleep(&pause, nullptr);
        const double t = nowMs() - t0;
        std::string now = sampleScreen(c, screen);
        if (now != last) {
            changed = t;
            last = std::move(now);
        }
        if (t - changed > 1000 || t > 15000) return changed;
    }
}

double oneRun(xcb_connection_t* c, xcb_screen_t* screen, char** argv, double& settled) {
    char dir[] = "/tmp/vantrax-bench-XXXXXX";
    if (!mkdtemp(dir)) return -1;
    double t0 = nowMs();
    pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", dir, 1);
        // Only the figures go to the terminal, not the program's own notices.
        if (!std::freopen("/dev/null", "w", stderr)) _exit(126);
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
    settled = mapped < 0 ? -1 : settledAfter(c, screen, t0, mapped);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::string rm = std::string("rm -rf ") + dir;
    if (std::system(rm.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir);
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
    for (int i = 0; i < runs; ++i) {
        double settled = -1;
        const double mapped = oneRun(c, screen, argv + 2, settled);
        std::printf("%.1f %.1f\n", mapped, settled);
        std::fflush(stdout);
    }
    xcb_disconnect(c);
    return 0;
}
