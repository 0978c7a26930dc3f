// Clicks a point of the X screen in $DISPLAY and prints the milliseconds from the press to the last
// drawing on the screen, that is the last damage reported before `quiet` milliseconds pass without
// any (default 600). The pointer is moved there first and left to settle, so the hover's own
// drawing is not counted.
//
//   click_frames <x> <y> [quiet-ms]
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;

// Takes every damage event that arrives until `quietMs` pass without one; returns the time of the
// last one (or `since` when there was none).
Clock::time_point drain(Display* x, int damageEvent, int quietMs, Clock::time_point since) {
    Clock::time_point last = since;
    pollfd fd{ConnectionNumber(x), POLLIN, 0};
    for (;;) {
        while (XPending(x)) {
            XEvent e;
            XNextEvent(x, &e);
            if (e.type == damageEvent + XDamageNotify) last = Clock::now();
        }
        if (poll(&fd, 1, quietMs) <= 0 && !XPending(x)) return last;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <x> <y> [quiet-ms]\n", argv[0]);
        return 2;
    }
    const int px = std::atoi(argv[1]), py = std::atoi(argv[2]);
    const int quiet = argc > 3 ? std::atoi(argv[3]) : 600;
    Display* x = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0, major = 0, minor = 0, tmp = 0;
    if (!x || !XDamageQueryExtension(x, &damageEvent, &damageError) ||
        !XTestQueryExtension(x, &tmp, &tmp, &major, &minor)) {
        std::fprintf(stderr, "click_frames: no display, or it lacks DAMAGE or XTEST\n");
        return 2;
    }
    XDamageCreate(x, DefaultRootWindow(x), XDamageReportRawRectangles);
    XTestFakeMotionEvent(x, -1, px, py, 0);
    XFlush(x);
    drain(x, damageEvent, 300, Clock::now());
    const Clock::time_point pressed = Clock::now();
    XTestFakeButtonEvent(x, 1, True, 0);
    XTestFakeButtonEvent(x, 1, False, 0);
    XFlush(x);
    const Clock::time_point last = drain(x, damageEvent, quiet, pressed);
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(last - pressed).count());
    XCloseDisplay(x);
    return 0;
}
