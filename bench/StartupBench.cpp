// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of the real executable on an X display.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/default/bench/startup_bench [--runs N] [EXE]
//
// Each run starts the executable, takes the time from just before the
// process is spawned to the X server's MapNotify of the top-level window
// titled "Quendrix" (the main window first shown), lets it paint for a
// moment, closes it as a window manager's close button does
// (WM_DELETE_WINDOW) and reads the process's peak resident set size from
// wait4(). Prints every run, then the median and the range.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr char Title[] = "Quendrix";

struct Run {
    double startupMs = 0;
    long maxRssKb = 0;
};

bool hasTitle(Display* display, Window window) {
    char* name = nullptr;
    bool match = false;
    if (XFetchName(display, window, &name) && name) {
        match = std::strcmp(name, Title) == 0;
        XFree(name);
    }
    return match;
}

// The next X event, waiting until deadline; false on timeout.
bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline) {
    while (!XPending(display)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        ::poll(&fd, 1, static_cast<int>(left.count()));
    }
    XNextEvent(display, &event);
    return true;
}

void sendClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits for pid to end within timeout; its status and usage on success.
bool waitFor(pid_t pid, std::chrono::milliseconds timeout, int& status, rusage& usage) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        const pid_t done = ::wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

void stop(pid_t pid) {
    int status = 0;
    rusage usage{};
    ::kill(pid, SIGTERM);
    if (!waitFor(pid, std::chrono::seconds(2), status, usage)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
}

std::optional<Run> runOnce(Display* display, const std::string& exe) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True); // drop what came before

    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (const int err = ::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ)) {
        std::fprintf(stderr, "startup_bench: cannot start %s: %s\n", exe.c_str(), std::strerror(err));
        return std::nullopt;
    }

    Window shown = 0;
    const auto deadline = start + std::chrono::seconds(20);
    XEvent event;
    while (!shown && nextEvent(display, event, deadline)) {
        if (event.type == MapNotify && hasTitle(display, event.xmap.window))
            shown = event.xmap.window;
    }
    if (!shown) {
        std::fprintf(stderr, "startup_bench: no window \"%s\" within 20 s\n", Title);
        stop(pid);
        return std::nullopt;
    }
    Run run;
    run.startupMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    // Let it paint and settle, as a user would see it, before closing.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    sendClose(display, shown);
    int status = 0;
    rusage usage{};
    if (!waitFor(pid, std::chrono::seconds(10), status, usage)) {
        std::fprintf(stderr, "startup_bench: the application did not end after closing its window\n");
        stop(pid);
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "startup_bench: the application ended with status %d\n", status);
    run.maxRssKb = usage.ru_maxrss;
    return run;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 7;
    std::string exe = QUENDRIX_EXECUTABLE;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "usage: %s [--runs N] [EXECUTABLE]\n", argv[0]);
            return 2;
        } else
            exe = arg;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_bench: no X display; run it under xvfb-run -a\n");
        return 1;
    }
    // The application's own settings for the run: X11, and a runtime
    // directory so Qt does not complain about a missing one.
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    char runtimeDir[] = "/tmp/quendrix-bench-XXXXXX";
    if (!std::getenv("XDG_RUNTIME_DIR") && ::mkdtemp(runtimeDir))
        ::setenv("XDG_RUNTIME_DIR", runtimeDir, 1);

    std::vector<double> times;
    std::vector<long> rss;
    std::printf("%s, %d runs\n", exe.c_str(), runs);
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> run = runOnce(display, exe);
        if (!run) {
            XCloseDisplay(display);
            return 1;
        }
        std::printf("  run %d: window shown after %7.1f ms, peak RSS %6.1f MB\n", i + 1,
                    run->startupMs, static_cast<double>(run->maxRssKb) / 1024.0);
        times.push_back(run->startupMs);
        rss.push_back(run->maxRssKb);
    }
    XCloseDisplay(display);
    if (std::strcmp(runtimeDir, "/tmp/quendrix-bench-XXXXXX") != 0) {
        std::error_code ec;
        std::filesystem::remove_all(runtimeDir, ec);
    }

    const auto [tmin, tmax] = std::minmax_element(times.begin(), times.end());
    const auto [rmin, rmax] = std::minmax_element(rss.begin(), rss.end());
    std::printf("start-up to main window shown: median %.1f ms (%.1f .. %.1f)\n", median(times),
                *tmin, *tmax);
    std::printf("peak memory (max RSS): median %.1f MB (%.1f .. %.1f)\n",
                static_cast<double>(median(rss)) / 1024.0, static_cast<double>(*rmin) / 1024.0,
                static_cast<double>(*rmax) / 1024.0);
    return 0;
}
