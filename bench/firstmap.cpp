// Starts a program and times it from process start until its first window is mapped on the
// X server, then reports its peak memory a settle time later and ends it.
// Usage: firstmap <settle-ms> <timeout-ms> <program> [args...]
// Prints "<seconds to first map> <peak resident KiB>"; exits 1 when no window came in time.
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// The peak resident set so far, from the kernel's own high-water mark.
long PeakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Waits for a MapNotify of a child of the root window until the deadline.
bool WaitForMap(xcb_connection_t* x, double deadline)
{
    const int fd = xcb_get_file_descriptor(x);
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(e);
            if (mapped) return true;
        }
        if (xcb_connection_has_error(x)) return false;
        const double left = deadline - Now();
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, static_cast<int>(left * 1000) + 1);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: firstmap <settle-ms> <timeout-ms> <program> [args...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    const int timeoutMs = std::atoi(argv[2]);

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "firstmap: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so the server listens before the program starts.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const double start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        std::fprintf(stderr, "firstmap: cannot start %s: %s\n", argv[3], std::strerror(errno));
        _exit(127);
    }
    const bool mapped = WaitForMap(x, start + timeoutMs / 1000.0);
    const double seconds = Now() - start;

    if (mapped) {
        // Drain the window's later work too before reading the peak.
        timespec settle{settleMs / 1000, (settleMs % 1000) * 1000000L};
        nanosleep(&settle, nullptr);
    }
    const long peak = PeakKiB(pid);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    xcb_disconnect(x);
    if (!mapped) {
        std::fprintf(stderr, "firstmap: no window from %s\n", argv[3]);
        return 1;
    }
    std::printf("%.4f %ld\n", seconds, peak);
    return 0;
}
