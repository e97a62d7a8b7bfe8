// Times a program's start-up on an X display: starts it and waits for its
// first top-level window, then prints one line
//
//   map_ms frame_ms full_ms rss_kib pss_kib width height damage_events
//
// map_ms: from just before fork() until the window is mapped; frame_ms: until
// the program first draws into it (XDamage); full_ms: until its last drawing
// within the settle time (a blinking text cursor draws too); rss_kib, pss_kib: its resident and proportional
// memory (/proc/PID/smaps_rollup) when the settle time after the map is over;
// damage_events: how many drawings it made until then. The program is then
// ended. Fields that were never seen are -1, and the exit status is 1.
//
//   DISPLAY=:N launch_timer [-s SETTLE_MS] [-t TIMEOUT_MS] [-v] -- PROGRAM ARGS...
//
// The timer blocks on the X connection between events, so it costs the
// program under test next to nothing. The program's standard output goes to
// standard error, leaving standard output to the result line.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    long settleMs = 1000;
    long timeoutMs = 20000;
    bool verbose = false;
    char **command = nullptr;
};

struct Result {
    double mapMs = -1;
    double frameMs = -1;
    double fullMs = -1;
    long rssKiB = -1;
    long pssKiB = -1;
    int width = -1;
    int height = -1;
    long damageEvents = 0;
};

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: launch_timer [-s SETTLE_MS] [-t TIMEOUT_MS] [-v] -- PROGRAM ARGS...\n");
    std::exit(2);
}

Options parseOptions(int argc, char *argv[])
{
    Options options;
    int opt;
    while ((opt = getopt(argc, argv, "s:t:v")) != -1) {
        switch (opt) {
        case 's': options.settleMs = std::atol(optarg); break;
        case 't': options.timeoutMs = std::atol(optarg); break;
        case 'v': options.verbose = true; break;
        default: usage();
        }
    }
    if (optind >= argc || options.settleMs < 0 || options.timeoutMs <= 0)
        usage();
    options.command = argv + optind;
    return options;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// "Rss:" and "Pss:" of /proc/PID/smaps_rollup, in KiB.
void readMemory(pid_t pid, Result &result)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value;
    std::string unit;
    while (rollup >> key) {
        if (key == "Rss:" && rollup >> value >> unit)
            result.rssKiB = value;
        else if (key == "Pss:" && rollup >> value >> unit)
            result.pssKiB = value;
        else
            rollup.ignore(4096, '\n');
    }
}

// The _NET_WM_PID of a window, or 0 when it has none.
pid_t windowPid(Display *display, Window window)
{
    static const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data && format == 32 && count == 1)
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

pid_t launch(char **command)
{
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(command[0], command);
        std::fprintf(stderr, "launch_timer: cannot run %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The program's windows can vanish between an event and our request about
// them; such a request then fails harmlessly instead of ending the timer.
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

enum class Wait { Event, TimeUp, ProgramEnded };

// Waits for the next X event until `deadline`, or until the program ends
// (its pidfd becomes readable).
Wait nextEvent(Display *display, int program, Clock::time_point deadline, XEvent &event)
{
    while (!XPending(display)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return Wait::TimeUp;
        pollfd fds[] = {{ConnectionNumber(display), POLLIN, 0}, {program, POLLIN, 0}};
        poll(fds, 2, static_cast<int>(left));
        if (fds[1].revents & POLLIN)
            return Wait::ProgramEnded;
    }
    XNextEvent(display, &event);
    return Wait::Event;
}

} // namespace

int main(int argc, char *argv[])
{
    const Options options = parseOptions(argc, argv);

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "launch_timer: cannot open display %s\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    int damageEvent, damageError;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "launch_timer: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = launch(options.command);
    if (pid < 0) {
        std::perror("launch_timer: fork");
        return 2;
    }

    // glibc's pidfd_open wrapper lacks C linkage in Debian 12's headers.
    const int program = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (program < 0) {
        std::perror("launch_timer: pidfd_open");
        end(pid);
        return 2;
    }

    // Damage is watched from each top-level window's creation on, so that no
    // drawing between its map and our noticing it is missed. The server drops
    // the damage objects with their windows or our connection.
    std::set<Window> watched;
    Window shown = None;
    Result result;
    auto deadline = start + std::chrono::milliseconds(options.timeoutMs);
    XEvent event;
    Wait wait;
    while ((wait = nextEvent(display, program, deadline, event)) == Wait::Event) {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root
            && !event.xcreatewindow.override_redirect) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            watched.insert(event.xcreatewindow.window);
        } else if (event.type == MapNotify && shown == None && watched.count(event.xmap.window)) {
            const pid_t owner = windowPid(display, event.xmap.window);
            if (owner != 0 && owner != pid)
                continue;
            result.mapMs = msSince(start);
            shown = event.xmap.window;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, shown, &attributes)) {
                result.width = attributes.width;
                result.height = attributes.height;
            }
            deadline = Clock::now() + std::chrono::milliseconds(options.settleMs);
            if (options.verbose)
                std::fprintf(stderr, "%8.1f ms  map 0x%lx %dx%d\n", result.mapMs, shown, result.width, result.height);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (shown == None || damage.drawable != shown)
                continue;
            const double at = msSince(start);
            if (result.frameMs < 0)
                result.frameMs = at;
            result.fullMs = at;
            ++result.damageEvents;
            if (options.verbose)
                std::fprintf(stderr, "%8.1f ms  damage %dx%d+%d+%d\n", at, damage.area.width, damage.area.height,
                             damage.area.x, damage.area.y);
        }
    }

    if (wait == Wait::ProgramEnded)
        std::fprintf(stderr, "launch_timer: %s ended %s\n", options.command[0],
                     shown == None ? "before showing a window" : "within the settle time");
    else if (shown == None)
        std::fprintf(stderr, "launch_timer: no window within %ld ms\n", options.timeoutMs);
    else
        readMemory(pid, result);
    end(pid);
    close(program);
    XCloseDisplay(display);

    std::printf("%.1f %.1f %.1f %ld %ld %d %d %ld\n", result.mapMs, result.frameMs, result.fullMs, result.rssKiB,
                result.pssKiB, result.width, result.height, result.damageEvents);
    return (result.mapMs >= 0 && result.frameMs >= 0 && result.rssKiB >= 0) ? 0 : 1;
}
