// Linked into every test binary: tests run headless unless the caller chose otherwise.
#include <cstdlib>

namespace {
struct HeadlessByDefault {
    HeadlessByDefault() {
        ::setenv("SDL_VIDEODRIVER", "dummy", 0);
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
} headlessByDefault;
} // namespace
