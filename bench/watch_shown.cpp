// watch_shown: the start-up report of ShownWatcher.h, taken from outside a program that cannot
// give it itself (another desktop calculator measured beside ours).
//
// Usage: watch_shown PROGRAM [ARGUMENTS...]
//
// Starts the program on the X display of $DISPLAY and waits for its first top-level window to be
// mapped. A program draws its first frame right after that and then waits for input, so the
// moment it is shown is taken as the last moment its processor time grew before it stayed idle
// for IdleNanoseconds. Prints "shown <epoch ns> <cpu ns>" as ShownWatcher.h does, then ends the
// program with SIGTERM. Run under /usr/bin/time, the peak resident set reported is the
// program's: the rusage of a waited-for process includes that of the children it waited for.
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr long long IdleNanoseconds = 100'000'000;
constexpr long long PollNanoseconds = 1'000'000;
constexpr long long TimeoutNanoseconds = 20'000'000'000;

long long Now(clockid_t Clock) {
    timespec t{};
    if (clock_gettime(Clock, &t) != 0)
        return -1;
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

void Sleep(long long Nanoseconds) {
    const timespec t{0, static_cast<long>(Nanoseconds)};
    nanosleep(&t, nullptr);
}

/// False once the child has ended (it is then reaped).
bool Alive(pid_t Child) {
    int status = 0;
    return waitpid(Child, &status, WNOHANG) == 0;
}

int Fail(const char *Message, pid_t Child) {
    std::fprintf(stderr, "watch_shown: %s\n", Message);
    if (Child > 0 && Alive(Child)) {
        kill(Child, SIGTERM);
        waitpid(Child, nullptr, 0);
    }
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: watch_shown PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return Fail("cannot open the display", 0);
    // Maps of the root window's children, that is of top-level windows (or of their frames under
    // a window manager), are reported to a client that selects them on the root.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const pid_t child = fork();
    if (child < 0)
        return Fail("cannot start the program", 0);
    if (child == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    clockid_t cpuClock{};
    if (clock_getcpuclockid(child, &cpuClock) != 0)
        return Fail("cannot read the program's processor time", child);

    const long long start = Now(CLOCK_MONOTONIC);
    bool mapped = false;
    while (!mapped) {
        if (Now(CLOCK_MONOTONIC) - start > TimeoutNanoseconds)
            return Fail("no window was mapped", child);
        if (!Alive(child))
            return Fail("the program ended before it showed a window", 0);
        xcb_generic_event_t *event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection))
                return Fail("lost the display", child);
            Sleep(PollNanoseconds);
            continue;
        }
        mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        free(event);
    }

    // From the map on, the processor time grows while the first frame is drawn.
    long long cpu = Now(cpuClock);
    long long shown = Now(CLOCK_REALTIME);
    long long lastChange = Now(CLOCK_MONOTONIC);
    while (Now(CLOCK_MONOTONIC) - lastChange < IdleNanoseconds) {
        if (Now(CLOCK_MONOTONIC) - start > TimeoutNanoseconds)
            return Fail("the program never went idle", child);
        Sleep(PollNanoseconds);
        const long long now = Now(cpuClock);
        if (now < 0)
            return Fail("the program ended while it was drawing", 0);
        if (now != cpu) {
            cpu = now;
            shown = Now(CLOCK_REALTIME);
            lastChange = Now(CLOCK_MONOTONIC);
        }
    }
    std::printf("shown %lld %lld\n", shown, cpu);
    std::fflush(stdout);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return 0;
}
