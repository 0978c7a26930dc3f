#include "platform/display.h"

#include "platform/message_box.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <poll.h>
#include <stdexcept>
#include <string_view>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <type_traits>
#include <utility>

// The X library's own view of its connection (its output buffer); it defines min and max as macros.
#include <X11/Xlibint.h>
#undef min
#undef max
#include <X11/extensions/XShm.h>

namespace platform {
namespace {

// Full screen at the desktop's own mode. The window is first moved and sized to cover its display:
// where no window manager does that, SDL would otherwise draw a display-sized picture into a window
// that stayed 640x480 in the middle of the screen, shifted and cut off.
bool enterFullscreen(SDL_Window* window) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) == 0) {
        SDL_SetWindowPosition(window, bounds.x, bounds.y);
        SDL_SetWindowSize(window, bounds.w, bounds.h);
    }
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0 &&
           (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

// Back to a window of `size` in the middle of its display, also where no window manager restores it.
void leaveFullscreen(SDL_Window* window, WindowSize size) {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowSize(window, size.width, size.height);
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(display));
}

std::function<void()>& displayLost() {
    static std::function<void()> save;
    return save;
}

// The X library's fatal I/O error handler: called once the connection to the server is gone. The
// library's own one prints a line and exits, which would skip saving what is on screen.
int onConnectionLost(void*) {
    logMessage("Chyba", "Spojenie s grafickým serverom sa prerušilo. Aplikácia bude ukončená.");
    if (displayLost()) displayLost()();
    std::_Exit(1);
}

// A function of the X library (or of `library`, another X client library), taken from the copy SDL
// loaded (the program does not link the X libraries); null when SDL did not load it or it has no
// such function.
template <typename Function> Function x11Function(const char* name, const char* library = "libX11.so.6") {
    void* x11 = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
    if (!x11) return nullptr;
    auto f = reinterpret_cast<Function>(dlsym(x11, name));
    dlclose(x11); // still loaded by SDL
    return f;
}

void watchForConnectionLoss() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0) return;
    using Handler = int (*)(void*);
    if (auto set = x11Function<Handler (*)(Handler)>("XSetIOErrorHandler")) set(&onConnectionLost);
}

// The X library's calls that waiting on the connection and sending changed areas need.
struct XConnection {
    ::Display* display = nullptr;
    ::Window window = 0;
    int fd = -1;
    int (*flush)(::Display*) = nullptr;
    int (*eventsQueued)(::Display*, int) = nullptr;
    // For sending areas (null when one is missing: SDL's update sends them then).
    GC (*createGC)(::Display*, Drawable, unsigned long, XGCValues*) = nullptr;
    int (*freeGC)(::Display*, GC) = nullptr;
    XImage* (*createImage)(::Display*, Visual*, unsigned, int, int, char*, unsigned, unsigned, int,
                           int) = nullptr;
    int (*putImage)(::Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned) = nullptr;
    int (*windowAttributes)(::Display*, ::Window, XWindowAttributes*) = nullptr;

    // Empty (display null) for any other video driver, or when the calls cannot be found.
    static XConnection of(SDL_Window* window) {
        XConnection c;
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return c;
        c.flush = x11Function<decltype(flush)>("XFlush");
        c.eventsQueued = x11Function<decltype(eventsQueued)>("XEventsQueued");
        auto number = x11Function<int (*)(::Display*)>("XConnectionNumber");
        if (!c.flush || !c.eventsQueued || !number) return c;
        c.createGC = x11Function<decltype(createGC)>("XCreateGC");
        c.freeGC = x11Function<decltype(freeGC)>("XFreeGC");
        c.createImage = x11Function<decltype(createImage)>("XCreateImage");
        c.putImage = x11Function<decltype(putImage)>("XPutImage");
        c.windowAttributes = x11Function<decltype(windowAttributes)>("XGetWindowAttributes");
        c.display = info.info.x11.display;
        c.window = info.info.x11.window;
        c.fd = number(c.display);
        return c;
    }

    // Sends the requests the X library still holds. XFlush also reads the connection, twice, even
    // when nothing is held; the caller looks at the connection itself right after.
    void flushHeld() const {
        if (display->bufptr != display->buffer) flush(display);
    }
};

// Canvas pixels can be copied into the window's frame buffer as they are.
bool sameLayout(const SDL_Surface* canvas, const SDL_Surface* screen) {
    const SDL_PixelFormat* from = canvas->format;
    const SDL_PixelFormat* to = screen->format;
    return from->BytesPerPixel == 4 && to->BytesPerPixel == 4 && from->Rmask == to->Rmask &&
           from->Gmask == to->Gmask && from->Bmask == to->Bmask;
}

// Copies canvas area `r` onto `screen`, each pixel as a `factor` x `factor` square, the canvas's
// top left corner at `origin`. Returns the screen area written (empty when none of it is visible).
SDL_Rect scaleArea(SDL_Surface* canvas, SDL_Rect r, SDL_Surface* screen, int factor, SDL_Point origin) {
    // The visible part of the area: the canvas is cut only when the window is smaller than it,
    // and then the factor is 1.
    int x0 = std::max({r.x, 0, -origin.x}), y0 = std::max({r.y, 0, -origin.y});
    int x1 = std::min({r.x + r.w, canvas->w, (screen->w - origin.x) / factor});
    int y1 = std::min({r.y + r.h, canvas->h, (screen->h - origin.y) / factor});
    if (x1 <= x0 || y1 <= y0) return {0, 0, 0, 0};
    SDL_Rect src{x0, y0, x1 - x0, y1 - y0};
    SDL_Rect dst{origin.x + x0 * factor, origin.y + y0 * factor, src.w * factor, src.h * factor};
    if (!sameLayout(canvas, screen)) {
        // Any other window format: SDL converts (slower, but only where such a format is met).
        SDL_BlitScaled(canvas, &src, screen, &dst);
        return dst;
    }
    SDL_LockSurface(screen);
    const std::size_t rowBytes = std::size_t(dst.w) * 4;
    // The common factors are fixed at compile time, so that a row is widened in a vector loop.
    auto widen = [&]<int Fixed>(std::integral_constant<int, Fixed>) {
        const int f = Fixed > 0 ? Fixed : factor;
        for (int y = 0; y < src.h; ++y) {
            auto in = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(canvas->pixels) +
                                                      std::ptrdiff_t(y0 + y) * canvas->pitch) +
                      x0;
            auto* first = static_cast<Uint8*>(screen->pixels) +
                          std::ptrdiff_t(dst.y + y * f) * screen->pitch + std::ptrdiff_t(dst.x) * 4;
            if (f == 1) {
                std::memcpy(first, in, rowBytes);
                continue;
            }
            auto* out = reinterpret_cast<Uint32*>(first);
            for (int x = 0; x < src.w; ++x)
                for (int k = 0; k < f; ++k)
                    out[x * f + k] = in[x];
            for (int k = 1; k < f; ++k)
                std::memcpy(first + std::ptrdiff_t(k) * screen->pitch, first, rowBytes);
        }
    };
    switch (factor) {
    case 1:
        widen(std::integral_constant<int, 1>{});
        break;
    case 2:
        widen(std::integral_constant<int, 2>{});
        break;
    case 3:
        widen(std::integral_constant<int, 3>{});
        break;
    default:
        widen(std::integral_constant<int, 0>{});
        break;
    }
    SDL_UnlockSurface(screen);
    return dst;
}

// One window pixel along one axis at a scale between whole factors: the canvas pixel its leading
// edge lies on and the share of it (of 256); the rest comes from the next canvas pixel.
struct Tap {
    int index;
    unsigned weight;
};

// The taps of window pixels [from, to) (counted from the canvas's edge) for a canvas side of
// `canvasSide` pixels shown `shownSide` pixels long. Each window pixel takes the canvas pixels it
// covers in proportion to the part it covers: inside a canvas pixel it is that pixel's colour, and
// only where two canvas pixels meet is it a mix of both.
std::vector<Tap> taps(int from, int to, int canvasSide, int shownSide) {
    std::vector<Tap> out;
    out.reserve(std::size_t(to - from));
    for (int j = from; j < to; ++j) {
        const long long start = (long long)j * canvasSide; // in 1/shownSide of a canvas pixel
        const int i = int(start / shownSide);
        const long long inFirst =
            std::min<long long>((long long)(i + 1) * shownSide, start + canvasSide) - start;
        const auto weight = unsigned((inFirst * 256 + canvasSide / 2) / canvasSide);
        out.push_back({i, i + 1 < canvasSide ? weight : 256u});
    }
    return out;
}

// `a` and `b` mixed byte by byte, `weight` of 256 parts from `a`.
inline Uint32 mix(Uint32 a, Uint32 b, unsigned weight) {
    if (weight >= 256) return a;
    const unsigned rest = 256 - weight;
    const Uint32 low = (((a & 0xFF00FF) * weight + (b & 0xFF00FF) * rest) >> 8) & 0xFF00FF;
    const Uint32 high = (((a >> 8) & 0xFF00FF) * weight + ((b >> 8) & 0xFF00FF) * rest) & 0xFF00FF00;
    return low | high;
}

// Canvas area `r` onto `screen` at any scale of at least 1 (`at`); returns the screen area written.
SDL_Rect blendArea(SDL_Surface* canvas, SDL_Rect r, SDL_Surface* screen, const Placement& at) {
    const SDL_Rect whole{0, 0, canvas->w, canvas->h};
    if (!SDL_IntersectRect(&r, &whole, &r)) return {0, 0, 0, 0};
    SDL_Rect d = windowArea(at, r);
    SDL_Rect visible{0, 0, screen->w, screen->h};
    if (!SDL_IntersectRect(&d, &visible, &d)) return {0, 0, 0, 0};
    if (!sameLayout(canvas, screen)) {
        SDL_Rect all = whole;
        SDL_Rect to{at.origin.x, at.origin.y, at.width, at.height};
        SDL_SetClipRect(screen, &d);
        SDL_BlitScaled(canvas, &all, screen, &to);
        SDL_SetClipRect(screen, nullptr);
        return d;
    }
    const std::vector<Tap> columns = taps(d.x - at.origin.x, d.x + d.w - at.origin.x, canvas->w, at.width);
    const std::vector<Tap> rows = taps(d.y - at.origin.y, d.y + d.h - at.origin.y, canvas->h, at.height);
    std::vector<Uint32> upper(std::size_t(d.w)), lower(std::size_t(d.w));
    auto canvasRow = [&](int y) {
        return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(canvas->pixels) +
                                               std::ptrdiff_t(y) * canvas->pitch);
    };
    auto scaleRow = [&](int y, Uint32* out) {
        const Uint32* in = canvasRow(y);
        for (std::size_t x = 0; x < columns.size(); ++x) {
            const Tap& c = columns[x];
            out[x] = c.weight >= 256 ? in[c.index] : mix(in[c.index], in[c.index + 1], c.weight);
        }
    };
    SDL_LockSurface(screen);
    const std::size_t rowBytes = std::size_t(d.w) * 4;
    Uint8* previous = nullptr;
    for (int y = 0; y < d.h; ++y) {
        const Tap& t = rows[std::size_t(y)];
        auto* out = static_cast<Uint8*>(screen->pixels) + std::ptrdiff_t(d.y + y) * screen->pitch +
                    std::ptrdiff_t(d.x) * 4;
        if (t.weight >= 256) {
            // Inside one canvas row: the same pixels as the window row above when that was one too.
            if (previous && y > 0 && rows[std::size_t(y) - 1].index == t.index &&
                rows[std::size_t(y) - 1].weight >= 256)
                std::memcpy(out, previous, rowBytes);
            else
                scaleRow(t.index, reinterpret_cast<Uint32*>(out));
            previous = out;
            continue;
        }
        scaleRow(t.index, upper.data());
        scaleRow(t.index + 1, lower.data());
        auto* pixels = reinterpret_cast<Uint32*>(out);
        for (int x = 0; x < d.w; ++x)
            pixels[x] = mix(upper[std::size_t(x)], lower[std::size_t(x)], t.weight);
        previous = nullptr;
    }
    SDL_UnlockSurface(screen);
    return d;
}

long long floorDiv(long long a, long long b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

WindowSize startingWindowSize(std::optional<WindowSize> remembered, WindowSize usable) {
    const WindowSize limit = usable.width > 0 && usable.height > 0 ? usable : WindowSize{7680, 4320};
    if (remembered && remembered->width >= kCanvasWidth && remembered->height >= kCanvasHeight &&
        remembered->width <= limit.width && remembered->height <= limit.height)
        return *remembered;
    // Room for a window manager's frame and title bar around twice the canvas.
    constexpr int kFrameWidth = 16, kFrameHeight = 48;
    if (usable.width >= 2 * kCanvasWidth + kFrameWidth && usable.height >= 2 * kCanvasHeight + kFrameHeight)
        return {2 * kCanvasWidth, 2 * kCanvasHeight};
    return {kCanvasWidth, kCanvasHeight};
}

int Placement::factor() const {
    const int f = width / kCanvasWidth;
    return f >= 1 && width == f * kCanvasWidth && height == f * kCanvasHeight ? f : 0;
}

Placement placement(int w, int h, bool fullscreen) {
    const int factor = std::max(1, std::min(w / kCanvasWidth, h / kCanvasHeight));
    int width = kCanvasWidth * factor, height = kCanvasHeight * factor;
    if (!fullscreen && w >= kCanvasWidth && h >= kCanvasHeight) {
        // A whole factor stays sharp; near one, the narrow bars cost less than the mixed seams.
        constexpr int kSnap = 16;
        const int fitWidth = std::min(w, h * kCanvasWidth / kCanvasHeight);
        if (fitWidth - width > kSnap) {
            width = fitWidth;
            height = std::min(h, fitWidth * kCanvasHeight / kCanvasWidth);
        }
    }
    return {{(w - width) / 2, (h - height) / 2}, width, height};
}

SDL_Point canvasPoint(const Placement& at, SDL_Point p) {
    // Rounded down also left of and above the canvas, so that the bars never map onto its edge.
    return {int(floorDiv((long long)(p.x - at.origin.x) * kCanvasWidth, at.width)),
            int(floorDiv((long long)(p.y - at.origin.y) * kCanvasHeight, at.height))};
}

SDL_Rect windowArea(const Placement& at, SDL_Rect r) {
    auto from = [](int v, int shown, int side) { return int(floorDiv((long long)v * shown, side)); };
    auto to = [](int v, int shown, int side) { return int(-floorDiv(-(long long)v * shown, side)); };
    const int x0 = from(r.x, at.width, kCanvasWidth), x1 = to(r.x + r.w, at.width, kCanvasWidth);
    const int y0 = from(r.y, at.height, kCanvasHeight), y1 = to(r.y + r.h, at.height, kCanvasHeight);
    return {at.origin.x + x0, at.origin.y + y0, x1 - x0, y1 - y0};
}

void setDisplayLostHandler(std::function<void()> save) {
    displayLost() = std::move(save);
}

// Sends areas of the window's frame buffer to the X server and goes on at once. SDL's update waits
// for the server to finish with each frame: a round trip and a wake-up on every frame of an
// animation. Where the server can share memory with the program, the frame buffer is a segment
// shared with it, and a request names only the area. Elsewhere (a server across a network) the
// frame buffer is SDL's: changed areas go with their pixels in the request, whole redraws through
// SDL's update.
class AreaSender {
public:
    AreaSender() = default;
    AreaSender(const AreaSender&) = delete;
    AreaSender& operator=(const AreaSender&) = delete;
    ~AreaSender() { reset(); }

    void start(const XConnection& x) {
        reset();
        x_ = x;
        XWindowAttributes attributes{};
        if (!x.display || !x.createGC || !x.freeGC || !x.createImage || !x.putImage || !x.windowAttributes ||
            !x.windowAttributes(x.display, x.window, &attributes))
            return;
        visual_ = attributes.visual;
        depth_ = attributes.depth;
        gc_ = x.createGC(x.display, x.window, 0, nullptr);
        shared_ = SharedCalls::find();
    }
    // A frame buffer of w x h in memory shared with the X server, made again when the size changed;
    // null where the server cannot share memory with the program (across a network, or without
    // the extension): the caller draws into SDL's buffer then.
    SDL_Surface* sharedFrame(int w, int h) {
        if (!gc_ || !shared_.usable) return nullptr;
        if (frame_ && frame_->w == w && frame_->h == h) return frame_;
        dropShared();
        if (!makeShared(w, h)) {
            dropShared();
            shared_.usable = false; // not tried again: each try costs a round trip
            SDL_Log("The window is drawn without shared memory");
        }
        return frame_;
    }
    bool shares(const SDL_Surface* screen) const { return screen && screen == frame_; }
    // Sends `areas` of `screen` to the window: from the shared frame buffer when `screen` is it,
    // else with the pixels in the request. As the server is not waited for, it may read an area of
    // the shared buffer after the next frame was drawn there; it then shows that frame's pixels a
    // moment early, and again with the next frame's own request. False when the areas were not
    // sent (the caller sends them the other way).
    bool send(SDL_Surface* screen, const std::vector<SDL_Rect>& areas) {
        if (!gc_) return false;
        if (shares(screen)) {
            for (const SDL_Rect& r : areas)
                shared_.putImage(x_.display, x_.window, gc_, sharedImage_, r.x, r.y, r.x, r.y, unsigned(r.w),
                                 unsigned(r.h), False);
        } else {
            if (!describe(screen)) return false;
            for (const SDL_Rect& r : areas)
                x_.putImage(x_.display, x_.window, gc_, image_, r.x, r.y, r.x, r.y, unsigned(r.w),
                            unsigned(r.h));
        }
        // Always a flush, even when the pixels went out already in a write of their own: while the
        // X library writes it also takes in what the server sent meanwhile, and only the flush
        // moves such input into the event queue, where the next wait looks before it sleeps.
        x_.flush(x_.display);
        return true;
    }
    void reset() {
        dropImage();
        dropShared();
        if (gc_) x_.freeGC(x_.display, gc_);
        gc_ = nullptr;
    }

private:
    // The image that describes the frame buffer to the X library, made again when the buffer is.
    bool describe(SDL_Surface* screen) {
        if (image_ && screen == of_ && image_->width == screen->w && image_->height == screen->h &&
            image_->bytes_per_line == screen->pitch && image_->data == screen->pixels)
            return true;
        dropImage();
        if (screen->format->BytesPerPixel != 4 || (depth_ != 24 && depth_ != 32)) return false;
        image_ = x_.createImage(x_.display, visual_, unsigned(depth_), ZPixmap, 0,
                                static_cast<char*>(screen->pixels), unsigned(screen->w), unsigned(screen->h),
                                32, screen->pitch);
        if (!image_) return false;
        // The pixels are in this machine's order; the X library reorders them for a server that
        // differs.
        image_->byte_order = SDL_BYTEORDER == SDL_BIG_ENDIAN ? MSBFirst : LSBFirst;
        if (image_->bits_per_pixel != 32) {
            dropImage();
            return false;
        }
        of_ = screen;
        return true;
    }
    // Frees an image that only describes pixels held elsewhere (SDL's buffer, the segment).
    static void releaseImage(XImage*& image) {
        if (!image) return;
        image->data = nullptr;
        image->f.destroy_image(image);
        image = nullptr;
    }
    void dropImage() {
        releaseImage(image_);
        of_ = nullptr;
    }

    // The shared-memory calls, from the X extension library SDL loaded.
    struct SharedCalls {
        Bool (*query)(::Display*) = nullptr;
        XImage* (*createImage)(::Display*, Visual*, unsigned, int, char*, XShmSegmentInfo*, unsigned,
                               unsigned) = nullptr;
        Bool (*attach)(::Display*, XShmSegmentInfo*) = nullptr;
        Bool (*detach)(::Display*, XShmSegmentInfo*) = nullptr;
        Bool (*putImage)(::Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned,
                         Bool) = nullptr;
        int (*sync)(::Display*, Bool) = nullptr;
        XErrorHandler (*setErrorHandler)(XErrorHandler) = nullptr;
        bool usable = false;

        static SharedCalls find() {
            constexpr const char* ext = "libXext.so.6";
            SharedCalls c;
            c.query = x11Function<decltype(query)>("XShmQueryExtension", ext);
            c.createImage = x11Function<decltype(createImage)>("XShmCreateImage", ext);
            c.attach = x11Function<decltype(attach)>("XShmAttach", ext);
            c.detach = x11Function<decltype(detach)>("XShmDetach", ext);
            c.putImage = x11Function<decltype(putImage)>("XShmPutImage", ext);
            c.sync = x11Function<decltype(sync)>("XSync");
            c.setErrorHandler = x11Function<decltype(setErrorHandler)>("XSetErrorHandler");
            c.usable =
                c.query && c.createImage && c.attach && c.detach && c.putImage && c.sync && c.setErrorHandler;
            return c;
        }
    };

    // The server refused to attach the segment (it runs on another machine); set by the error
    // handler that is in place only while the attach is waited for.
    static bool& attachRefused() {
        static bool refused = false;
        return refused;
    }

    bool makeShared(int w, int h) {
        if (!shared_.query(x_.display)) return false;
        sharedImage_ = shared_.createImage(x_.display, visual_, unsigned(depth_), ZPixmap, nullptr, &segment_,
                                           unsigned(w), unsigned(h));
        const int hostOrder = SDL_BYTEORDER == SDL_BIG_ENDIAN ? MSBFirst : LSBFirst;
        if (!sharedImage_ || sharedImage_->bits_per_pixel != 32 || sharedImage_->byte_order != hostOrder)
            return false;
        const Uint32 format = SDL_MasksToPixelFormatEnum(
            32, Uint32(visual_->red_mask), Uint32(visual_->green_mask), Uint32(visual_->blue_mask), 0);
        if (format == SDL_PIXELFORMAT_UNKNOWN) return false;
        segment_.shmid =
            shmget(IPC_PRIVATE, std::size_t(sharedImage_->bytes_per_line) * std::size_t(h), IPC_CREAT | 0600);
        if (segment_.shmid < 0) return false;
        void* memory = shmat(segment_.shmid, nullptr, 0);
        if (memory == reinterpret_cast<void*>(-1)) return false;
        segment_.shmaddr = sharedImage_->data = static_cast<char*>(memory);
        segment_.readOnly = False;
        attachRefused() = false;
        const XErrorHandler before = shared_.setErrorHandler([](::Display*, XErrorEvent*) {
            attachRefused() = true;
            return 0;
        });
        const bool attached = shared_.attach(x_.display, &segment_);
        shared_.sync(x_.display, False);
        shared_.setErrorHandler(before);
        if (!attached || attachRefused()) return false;
        attached_ = true;
        // The segment goes away once both sides have let go of it, also if the program is killed.
        shmctl(segment_.shmid, IPC_RMID, nullptr);
        segment_.shmid = -1;
        frame_ = SDL_CreateRGBSurfaceWithFormatFrom(memory, w, h, 32, sharedImage_->bytes_per_line, format);
        return frame_ != nullptr;
    }
    void dropShared() {
        if (frame_) SDL_FreeSurface(frame_); // the pixels are the segment's
        frame_ = nullptr;
        // The server lets go of the segment after the requests sent before; it keeps its own mapping
        // until then.
        if (attached_) shared_.detach(x_.display, &segment_);
        attached_ = false;
        if (segment_.shmaddr) shmdt(segment_.shmaddr);
        if (segment_.shmid >= 0) shmctl(segment_.shmid, IPC_RMID, nullptr);
        segment_ = XShmSegmentInfo{0, -1, nullptr, False};
        releaseImage(sharedImage_);
    }

    XConnection x_;
    Visual* visual_ = nullptr;
    int depth_ = 0;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    SDL_Surface* of_ = nullptr;
    SharedCalls shared_;
    XShmSegmentInfo segment_{0, -1, nullptr, False};
    bool attached_ = false;
    XImage* sharedImage_ = nullptr;
    SDL_Surface* frame_ = nullptr; // over the segment
};

// The window is drawn through a frame buffer (memory shared with the X server where it can be,
// else SDL's window surface): only the areas that changed are scaled into it and sent.
struct SdlDisplay::Impl {
    SDL_Window* window = nullptr;
    SDL_Surface* screen = nullptr; // the surface the window had at the last present
    int screenWidth = 0;
    int screenHeight = 0;
    WindowSize windowed{kCanvasWidth, kCanvasHeight}; // outside full screen
    XConnection x11;
    AreaSender sender;
    // Nothing was waiting on the connection when it was last read: the last wait ended without
    // input, or a present took in all there was (its flush or sync reads). The next look for
    // input can skip its poll(); input that comes meanwhile is found by the wait after it, which
    // polls first.
    bool connectionQuiet = false;

    // The window's size now, when it is one to keep (not full screen, not maximised).
    std::optional<WindowSize> ownSize() const {
        if (SDL_GetWindowFlags(window) &
            (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED))
            return std::nullopt;
        WindowSize size;
        SDL_GetWindowSize(window, &size.width, &size.height);
        return size;
    }
};

SdlDisplay::~SdlDisplay() {
    close();
}

bool SdlDisplay::open(const std::string& title, bool fullscreen) {
    close();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Cannot start the display: ") + SDL_GetError());
    // Without an X server or a compositor SDL falls back to a window that nobody sees, and the
    // program would wait there for ever; unless such a driver was chosen by name, there is no display.
    const std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    const char* chosen = SDL_getenv("SDL_VIDEODRIVER");
    if ((driver == "offscreen" || driver == "dummy") && !(chosen && *chosen)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("No display to open the window on (no X server or Wayland compositor)");
    }
    impl_ = new Impl;
    // Software rendering throughout, also for the window's own frame buffer: no GPU driver and no
    // GL library is ever loaded into the process, whatever the environment asks of SDL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_OVERRIDE);
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {0, 0, 0, 0};
    impl_->windowed = startingWindowSize(remembered_, {usable.w, usable.h});
    // Hidden until it has its final size and place, so it appears once, as it will stay.
    impl_->window =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, impl_->windowed.width,
                         impl_->windowed.height, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!impl_->window) {
        std::string error = SDL_GetError();
        close();
        throw std::runtime_error("Cannot open the window: " + error);
    }
    if (icon_) {
        // SDL copies the pixels into the window's _NET_WM_ICON.
        SDL_Surface* icon =
            SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon_), iconSize_, iconSize_, 32,
                                               iconSize_ * 4, SDL_PIXELFORMAT_ARGB8888);
        if (icon) {
            SDL_SetWindowIcon(impl_->window, icon);
            SDL_FreeSurface(icon);
        }
    }
    SDL_SetWindowMinimumSize(impl_->window, kCanvasWidth, kCanvasHeight);
    watchForConnectionLoss();
    impl_->x11 = XConnection::of(impl_->window);
    impl_->sender.start(impl_->x11);
    const bool refused = fullscreen && !enterFullscreen(impl_->window);
    if (refused) leaveFullscreen(impl_->window, impl_->windowed);
    SDL_ShowWindow(impl_->window);
    return !refused;
}

bool SdlDisplay::isFullscreen() const {
    return impl_ && (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlDisplay::toggleFullscreen() {
    if (!impl_) return;
    if (isFullscreen()) {
        leaveFullscreen(impl_->window, impl_->windowed);
        return;
    }
    if (auto size = impl_->ownSize()) impl_->windowed = *size;
    if (!enterFullscreen(impl_->window)) {
        SDL_Log("Cannot switch full screen: %s", SDL_GetError());
        leaveFullscreen(impl_->window, impl_->windowed);
    }
}

WindowSize SdlDisplay::windowSize() const {
    if (!impl_) return startingWindowSize(remembered_, {0, 0});
    return impl_->ownSize().value_or(impl_->windowed);
}

void SdlDisplay::present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) {
    if (!impl_ || !canvas) return;
    // The shared frame buffer where the X server can share memory with the program; SDL's window
    // buffer, which is never made then, elsewhere.
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(impl_->window, &windowWidth, &windowHeight);
    SDL_Surface* screen = impl_->sender.sharedFrame(windowWidth, windowHeight);
    if (!screen) screen = SDL_GetWindowSurface(impl_->window);
    if (!screen) throw std::runtime_error(std::string("Cannot draw the window: ") + SDL_GetError());
    // A new frame buffer (the window changed size) holds nothing yet.
    if (screen != impl_->screen || screen->w != impl_->screenWidth || screen->h != impl_->screenHeight) {
        whole = true;
        impl_->screen = screen;
        impl_->screenWidth = screen->w;
        impl_->screenHeight = screen->h;
        if (auto size = impl_->ownSize()) impl_->windowed = *size;
    }
    const Placement at = placement(screen->w, screen->h, isFullscreen());
    const int factor = at.factor();
    const SDL_Point origin = at.origin;
    auto draw = [&](SDL_Rect r) {
        return factor > 0 ? scaleArea(canvas, r, screen, factor, origin) : blendArea(canvas, r, screen, at);
    };
    std::vector<SDL_Rect> sent;
    if (whole) {
        // Black bars only where the canvas does not cover the window.
        const int right = origin.x + at.width, bottom = origin.y + at.height;
        const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
        const SDL_Rect bars[4] = {{0, 0, screen->w, origin.y},
                                  {0, bottom, screen->w, screen->h - bottom},
                                  {0, origin.y, origin.x, bottom - origin.y},
                                  {right, origin.y, screen->w - right, bottom - origin.y}};
        for (const SDL_Rect& bar : bars)
            if (bar.w > 0 && bar.h > 0) SDL_FillRect(screen, &bar, black);
        draw({0, 0, kCanvasWidth, kCanvasHeight});
        sent.push_back({0, 0, screen->w, screen->h});
    } else {
        for (const SDL_Rect& r : changed) {
            SDL_Rect done = draw(r);
            if (done.w > 0 && done.h > 0) sent.push_back(done);
        }
    }
    if (sent.empty()) return;
    // Both ways of sending end by reading the connection (a flush, or SDL's sync), which queues
    // every event that had arrived: the loop's next look for input needs no look of its own.
    if ((whole && !impl_->sender.shares(screen)) || !impl_->sender.send(screen, sent)) {
        if (SDL_UpdateWindowSurfaceRects(impl_->window, sent.data(), int(sent.size())) != 0)
            throw std::runtime_error(std::string("Cannot draw the window: ") + SDL_GetError());
    }
    impl_->connectionQuiet = impl_->x11.display != nullptr;
}

void SdlDisplay::bringForward() {
    if (!impl_) return;
    if (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(impl_->window);
    SDL_RaiseWindow(impl_->window);
}

SDL_Point SdlDisplay::toCanvas(SDL_Point p) const {
    if (!impl_) return p;
    int w = 0, h = 0;
    SDL_GetWindowSize(impl_->window, &w, &h);
    return canvasPoint(placement(w, h, isFullscreen()), p);
}

bool SdlDisplay::waitForInput(int timeoutMs, int wakeFd) {
    if (!impl_ || !impl_->x11.display) return false;
    const XConnection& x = impl_->x11;
    // Requests still buffered (a cursor change, say) go out before the sleep, and events that the
    // X library has already read (while waiting for a reply) are input waiting now.
    x.flushHeld();
    impl_->connectionQuiet = false;
    if (x.eventsQueued(x.display, QueuedAlready) > 0) return true;
    // A signal ends the sleep early (EINTR), which costs the caller one more round of its loop.
    pollfd fds[2] = {{x.fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    if (poll(fds, wakeFd >= 0 ? 2 : 1, timeoutMs) >= 0) impl_->connectionQuiet = fds[0].revents == 0;
    return true;
}

bool SdlDisplay::inputPending() {
    if (!impl_ || !impl_->x11.display) return true;
    const XConnection& x = impl_->x11;
    if (x.eventsQueued(x.display, QueuedAlready) > 0) return true;
    if (std::exchange(impl_->connectionQuiet, false)) return false;
    pollfd fd{x.fd, POLLIN, 0};
    return poll(&fd, 1, 0) != 0;
}

std::uint32_t SdlDisplay::windowId() const {
    return impl_ ? SDL_GetWindowID(impl_->window) : 0;
}

void SdlDisplay::close() {
    if (!impl_) return;
    impl_->sender.reset();
    if (impl_->window) {
        SDL_SetWindowFullscreen(impl_->window, 0);
        SDL_DestroyWindow(impl_->window);
    }
    delete impl_;
    impl_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

FakeDisplay::~FakeDisplay() {
    SDL_FreeSurface(shown_);
}

void FakeDisplay::present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) {
    ++presents;
    lastChanged = changed;
    lastWhole = whole;
    if (!canvas) return;
    if (!shown_) {
        shown_ = SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, canvas->format->format);
        if (!shown_)
            throw std::runtime_error(std::string("Cannot keep the shown picture: ") + SDL_GetError());
        whole = true;
    }
    if (whole) {
        SDL_BlitSurface(canvas, nullptr, shown_, nullptr);
        return;
    }
    for (SDL_Rect r : changed) {
        SDL_Rect to = r;
        SDL_BlitSurface(canvas, &r, shown_, &to);
    }
}

} // namespace platform
