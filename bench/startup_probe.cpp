// Measures how long a program takes from launch until its window is on
// screen with its picture painted, and how much memory it holds then.
//
//   startup_probe [--settle MS] REGION... -- PROGRAM [ARG...]
//
// REGION is WxH+X+Y in the window's client pixels. The probe starts
// PROGRAM, waits for its top-level window to be mapped, then reads the
// given regions from the X server until every one of them shows pure
// yellow pixels (255, 255, 0), and notes the CPU time the program has used
// by then (all threads; /proc/PID/task/*/schedstat). It then waits MS milliseconds (default 300)
// for the program to settle, reads VmRSS and VmHWM from /proc/PID/status,
// ends the program and prints one line:
//
//   mapped_us=… painted_us=… cpu_us=… rss_kib=… hwm_kib=…
//
// The program's output goes to the probe's standard error. Exit status 0
// on success, 1 if the window or the picture never came or the program
// died first.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Area {
    int w = 0, h = 0, x = 0, y = 0;
};

constexpr auto Timeout = std::chrono::seconds(30);
constexpr auto PollInterval = std::chrono::microseconds(500);
// So few pixels can only be noise; a line of the picture has more.
constexpr long MinYellowPixels = 8;

// CPU time the process has used so far, all its threads, in microseconds.
long CpuMicros(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr) {
        return -1;
    }
    long total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        long long ns = 0;
        if (schedstat >> ns) {
            total += static_cast<long>(ns / 1000);
        }
    }
    closedir(dir);
    return total;
}

bool ParseRegion(const char* text, Area& r) {
    char extra = 0;
    return std::sscanf(text, "%dx%d+%d+%d%c", &r.w, &r.h, &r.x, &r.y, &extra) == 4 && r.w > 0 &&
           r.h > 0 && r.x >= 0 && r.y >= 0;
}

long Micros(Clock::duration d) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(d).count());
}

// X errors (a window that went away, a region not yet viewable) just mean
// "not yet"; the default handler would end the probe.
int IgnoreError(Display* /*display*/, XErrorEvent* /*event*/) {
    return 0;
}

// Pure yellow pixels in one region of the window.
long YellowPixels(Display* display, Window window, const Area& r) {
    XImage* image = XGetImage(display, window, r.x, r.y, static_cast<unsigned>(r.w),
                              static_cast<unsigned>(r.h), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0;
    }
    const unsigned long yellow = image->red_mask | image->green_mask;
    const unsigned long rgb = image->red_mask | image->green_mask | image->blue_mask;
    long count = 0;
    for (int y = 0; y < r.h; ++y) {
        if (image->bits_per_pixel == 32) {
            const auto* row =
                reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line);
            for (int x = 0; x < r.w; ++x) {
                count += (row[x] & rgb) == yellow ? 1 : 0;
            }
        } else {
            for (int x = 0; x < r.w; ++x) {
                count += (XGetPixel(image, x, y) & rgb) == yellow ? 1 : 0;
            }
        }
    }
    XDestroyImage(image);
    return count;
}

long StatusKib(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':') {
            return std::strtol(line.c_str() + n + 1, nullptr, 10);
        }
    }
    return -1;
}

// The launched program; reaped once, so that its id is never signalled
// after it may have been reused.
struct Child {
    pid_t pid = 0;
    bool reaped = false;

    bool Exited() {
        if (!reaped) {
            int status = 0;
            reaped = waitpid(pid, &status, WNOHANG) == pid;
        }
        return reaped;
    }

    void Stop() {
        if (Exited()) {
            return;
        }
        kill(pid, SIGTERM);
        for (int i = 0; i < 200; ++i) {
            if (Exited()) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        reaped = true;
    }
};

int Usage() {
    std::fprintf(stderr, "usage: startup_probe [--settle MS] WxH+X+Y... -- PROGRAM [ARG...]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<Area> regions;
    long settleMs = 300;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        Area r;
        if (std::strcmp(argv[i], "--settle") == 0 && i + 1 < argc) {
            settleMs = std::strtol(argv[++i], nullptr, 10);
        } else if (ParseRegion(argv[i], r)) {
            regions.push_back(r);
        } else {
            return Usage();
        }
    }
    if (regions.empty() || i + 1 >= argc) {
        return Usage();
    }
    char** program = argv + i + 1;

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    // Without a window manager a new top-level window is mapped straight
    // onto the root; its MapNotify reaches whoever watches the root's
    // substructure.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    Child child;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&child.pid, program[0], &actions, nullptr, program, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", program[0],
                     std::strerror(spawned));
        return 1;
    }

    // The window: the first top-level window mapped after the launch.
    Window window = None;
    Clock::time_point mapped;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (window == None) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect) {
                window = event.xmap.window;
                mapped = Clock::now();
                break;
            }
        }
        if (window != None) {
            break;
        }
        if (child.Exited() || Clock::now() - start > Timeout) {
            std::fprintf(stderr, "startup_probe: no window from %s\n", program[0]);
            child.Stop();
            return 1;
        }
        poll(&fd, 1, 10);
    }
    XSelectInput(display, root, NoEventMask);

    // The picture: every region has yellow in it.
    Clock::time_point painted;
    long cpu = -1;
    for (;;) {
        bool all = true;
        for (const Area& r : regions) {
            if (YellowPixels(display, window, r) < MinYellowPixels) {
                all = false;
                break;
            }
        }
        if (all) {
            painted = Clock::now();
            cpu = CpuMicros(child.pid);
            break;
        }
        if (child.Exited() || Clock::now() - start > Timeout) {
            std::fprintf(stderr, "startup_probe: %s never painted its picture\n", program[0]);
            child.Stop();
            return 1;
        }
        std::this_thread::sleep_for(PollInterval);
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = StatusKib(child.pid, "VmRSS");
    const long hwm = StatusKib(child.pid, "VmHWM");
    child.Stop();
    XCloseDisplay(display);

    std::printf("mapped_us=%ld painted_us=%ld cpu_us=%ld rss_kib=%ld hwm_kib=%ld\n",
                Micros(mapped - start), Micros(painted - start), cpu, rss, hwm);
    return rss >= 0 && hwm >= 0 ? 0 : 1;
}
