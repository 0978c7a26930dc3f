// Drags with the mouse of the X screen in $DISPLAY and prints how long each move takes to show:
// the milliseconds from a pointer motion sent through XTEST to the first drawing on the screen
// after it (a DAMAGE report). Presses at the start point, moves `moves` times along a circle of
// radius r around it, returns to the start point and releases there. Prints the median, the 95th
// percentile and the worst time, and how many moves drew nothing within 100 ms.
//
//   drag_frames <x> <y> [moves] [radius]
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Takes the damage events that are pending or arrive within `waitMs`; returns the time of the
// first, or nothing.
bool firstDamage(Display* x, int damageEvent, int waitMs, Clock::time_point& at) {
    pollfd fd{ConnectionNumber(x), POLLIN, 0};
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        while (XPending(x)) {
            XEvent e;
            XNextEvent(x, &e);
            if (e.type == damageEvent + XDamageNotify) {
                at = Clock::now();
                return true;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0 || poll(&fd, 1, int(left)) <= 0) return false;
    }
}

// Drops every damage report that arrives until `quietMs` pass without one.
void settle(Display* x, int damageEvent, int quietMs) {
    Clock::time_point at;
    while (firstDamage(x, damageEvent, quietMs, at)) {
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <x> <y> [moves] [radius]\n", argv[0]);
        return 2;
    }
    const int px = std::atoi(argv[1]), py = std::atoi(argv[2]);
    const int moves = argc > 3 ? std::max(10, std::atoi(argv[3])) : 300;
    const double radius = argc > 4 ? std::atof(argv[4]) : 120;
    Display* x = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0, major = 0, minor = 0, tmp = 0;
    if (!x || !XDamageQueryExtension(x, &damageEvent, &damageError) ||
        !XTestQueryExtension(x, &tmp, &tmp, &major, &minor)) {
        std::fprintf(stderr, "drag_frames: no display, or it lacks DAMAGE or XTEST\n");
        return 2;
    }
    XDamageCreate(x, DefaultRootWindow(x), XDamageReportRawRectangles);
    XTestFakeMotionEvent(x, -1, px, py, 0);
    XTestFakeButtonEvent(x, 1, True, 0);
    XFlush(x);
    settle(x, damageEvent, 300);

    std::vector<double> ms;
    int silent = 0;
    for (int i = 1; i <= moves; ++i) {
        const double a = i * 2 * 3.14159265358979 / 100;
        const int mx = px + int(std::lround(radius * std::sin(a)));
        const int my = py - int(std::lround(radius * (1 - std::cos(a)) / 2));
        const Clock::time_point sent = Clock::now();
        XTestFakeMotionEvent(x, -1, mx, my, 0);
        XFlush(x);
        Clock::time_point drawn;
        if (firstDamage(x, damageEvent, 100, drawn))
            ms.push_back(std::chrono::duration<double, std::milli>(drawn - sent).count());
        else
            ++silent;
        settle(x, damageEvent, 2); // the rest of that frame
    }
    XTestFakeMotionEvent(x, -1, px, py, 0);
    XTestFakeButtonEvent(x, 1, False, 0);
    XFlush(x);
    settle(x, damageEvent, 300);
    XCloseDisplay(x);
    if (ms.empty()) {
        std::printf("no move was drawn\n");
        return 1;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%d moves: motion to first drawing median %.2f ms, 95th percentile %.2f ms, worst %.2f ms; "
                "%d drew nothing within 100 ms\n",
                moves, ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(), silent);
    return 0;
}
