#include "platform/display.h"

#include "platform/message_box.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <stdexcept>

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

// Back to a 640x480 window in the middle of its display, also where no window manager restores it.
void leaveFullscreen(SDL_Window* window) {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowSize(window, kCanvasWidth, kCanvasHeight);
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

// SDL loads the X library itself; its handler is set through the copy already in the process, so
// the program does not link the X library.
void watchForConnectionLoss() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0) return;
    void* x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (!x11) return;
    using Handler = int (*)(void*);
    using SetHandler = Handler (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(x11, "XSetIOErrorHandler"))) set(&onConnectionLost);
    dlclose(x11); // still loaded by SDL
}

} // namespace

void setDisplayLostHandler(std::function<void()> save) {
    displayLost() = std::move(save);
}

struct SdlDisplay::Impl {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    Uint32 textureFormat = 0;
};

SdlDisplay::~SdlDisplay() {
    close();
}

bool SdlDisplay::open(const std::string& title, bool fullscreen) {
    close();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Cannot start the display: ") + SDL_GetError());
    impl_ = new Impl;
    // Software rendering throughout, also for the window's own frame buffer: no GPU driver and no
    // GL library is ever loaded into the process, whatever the environment asks of SDL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_OVERRIDE);
    // Hidden until it has its final size and place, so it appears once, as it will stay.
    impl_->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     kCanvasWidth, kCanvasHeight, SDL_WINDOW_HIDDEN);
    if (impl_->window) impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_SOFTWARE);
    if (!impl_->renderer) {
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
    watchForConnectionLoss();
    SDL_RenderSetLogicalSize(impl_->renderer, kCanvasWidth, kCanvasHeight);
    SDL_RenderSetIntegerScale(impl_->renderer, SDL_TRUE);
    const bool refused = fullscreen && !enterFullscreen(impl_->window);
    if (refused) leaveFullscreen(impl_->window);
    SDL_ShowWindow(impl_->window);
    return !refused;
}

bool SdlDisplay::isFullscreen() const {
    return impl_ && (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlDisplay::toggleFullscreen() {
    if (!impl_) return;
    if (isFullscreen()) {
        leaveFullscreen(impl_->window);
    } else if (!enterFullscreen(impl_->window)) {
        SDL_Log("Cannot switch full screen: %s", SDL_GetError());
        leaveFullscreen(impl_->window);
    }
}

void SdlDisplay::present(SDL_Surface* canvas) {
    if (!impl_ || !canvas) return;
    Uint32 format = canvas->format->format;
    if (!impl_->texture || impl_->textureFormat != format) {
        if (impl_->texture) SDL_DestroyTexture(impl_->texture);
        impl_->texture = SDL_CreateTexture(impl_->renderer, format, SDL_TEXTUREACCESS_STREAMING, kCanvasWidth,
                                           kCanvasHeight);
        impl_->textureFormat = format;
        if (!impl_->texture)
            throw std::runtime_error(std::string("Cannot draw the window: ") + SDL_GetError());
    }
    SDL_Rect area{0, 0, std::min(canvas->w, kCanvasWidth), std::min(canvas->h, kCanvasHeight)};
    SDL_LockSurface(canvas);
    SDL_UpdateTexture(impl_->texture, &area, canvas->pixels, canvas->pitch);
    SDL_UnlockSurface(canvas);
    SDL_SetRenderDrawColor(impl_->renderer, 0, 0, 0, 255);
    SDL_RenderClear(impl_->renderer);
    SDL_RenderCopy(impl_->renderer, impl_->texture, nullptr, nullptr);
    SDL_RenderPresent(impl_->renderer);
}

void SdlDisplay::bringForward() {
    if (!impl_) return;
    if (SDL_GetWindowFlags(impl_->window) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(impl_->window);
    SDL_RaiseWindow(impl_->window);
}

std::uint32_t SdlDisplay::windowId() const {
    return impl_ ? SDL_GetWindowID(impl_->window) : 0;
}

void SdlDisplay::close() {
    if (!impl_) return;
    if (impl_->texture) SDL_DestroyTexture(impl_->texture);
    if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
    if (impl_->window) {
        SDL_SetWindowFullscreen(impl_->window, 0);
        SDL_DestroyWindow(impl_->window);
    }
    delete impl_;
    impl_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace platform
