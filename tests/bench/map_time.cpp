// Starts a program and prints the milliseconds from its exec to the mapping of its first top-level
// window on the X server in $DISPLAY (no window manager: top-level windows are children of the
// root). Leaves the program running and prints its process id on the second line.
//
//   map_time <program> [arguments...]
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments...]\n", argv[0]);
        return 2;
    }
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        std::fprintf(stderr, "map_time: cannot open the display\n");
        return 2;
    }
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent e;
        XNextEvent(x, &e);
        if (e.type != MapNotify) continue;
        const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("%.1f\n%d\n", ms.count(), int(pid));
        return 0;
    }
}
