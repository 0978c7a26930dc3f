#pragma once
// The program's one window. Screens are drawn into a 640x480 canvas; the display shows it scaled
// by the largest whole factor that fits, centred on black, full screen or in a window.
#include <SDL_rect.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct SDL_Surface;
struct SDL_Window;

namespace platform {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;

class Display {
public:
    virtual ~Display() = default;
    // Creates the window. Returns false when full screen was asked for and could not be had: the
    // window is then a plain 640x480 window (the caller tells the user).
    virtual bool open(const std::string& title, bool fullscreen) = 0;
    virtual bool isFullscreen() const = 0;
    // F11 and Alt+Enter.
    virtual void toggleFullscreen() = 0;
    // Shows a finished canvas (640x480): only the canvas areas in `changed`, or, with `whole`, the
    // whole window with its black bars (after it was resized or exposed).
    virtual void present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) = 0;
    void presentWhole(SDL_Surface* canvas) { present(canvas, {}, true); }
    // Restores a minimised window and raises it (a second copy of the program asked for it).
    virtual void bringForward() = 0;
    // The SDL window id, 0 without a window (events of other windows are ignored).
    virtual std::uint32_t windowId() const = 0;
    // The canvas point under a point of the window (outside the canvas in the black bars).
    virtual SDL_Point toCanvas(SDL_Point windowPoint) const = 0;
    // Leaves full screen and closes the window.
    virtual void close() = 0;
};

// An SDL window with SDL's software renderer (no GPU driver is loaded into the process).
class SdlDisplay final : public Display {
public:
    SdlDisplay() = default;
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;
    bool open(const std::string& title, bool fullscreen) override;
    bool isFullscreen() const override;
    void toggleFullscreen() override;
    void present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) override;
    void bringForward() override;
    std::uint32_t windowId() const override;
    SDL_Point toCanvas(SDL_Point windowPoint) const override;
    void close() override;
    // The window's icon: size x size straight ARGB pixels, kept by the caller for the display's
    // life; given to the window when it is created.
    void setIcon(const std::uint32_t* argb, int size) {
        icon_ = argb;
        iconSize_ = size;
    }

private:
    struct Impl;
    Impl* impl_ = nullptr;
    const std::uint32_t* icon_ = nullptr;
    int iconSize_ = 0;
};

// What to do when the X server goes away (the session ended, the server crashed) while the window
// is open: the X library ends the process right after, so `save` must only write files. Runs on the
// thread that used the display; the process then ends with status 1. Applies to SdlDisplay windows
// on X11 opened after the call; an empty function removes it.
void setDisplayLostHandler(std::function<void()> save);

// No window at all: for tests. Counts what was asked of it and keeps what it was shown: `shown()`
// is a canvas-sized copy made of the presented areas only.
class FakeDisplay final : public Display {
public:
    FakeDisplay() = default;
    ~FakeDisplay() override;
    FakeDisplay(const FakeDisplay&) = delete;
    FakeDisplay& operator=(const FakeDisplay&) = delete;
    bool open(const std::string& title, bool fullscreen) override {
        title_ = title;
        fullscreen_ = fullscreen && fullscreenPossible;
        opened = true;
        return fullscreen_ || !fullscreen;
    }
    bool isFullscreen() const override { return fullscreen_; }
    void toggleFullscreen() override { fullscreen_ = !fullscreen_; }
    void present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) override;
    void bringForward() override { ++broughtForward; }
    std::uint32_t windowId() const override { return 0; }
    SDL_Point toCanvas(SDL_Point windowPoint) const override { return windowPoint; }
    void close() override { opened = false; }

    bool fullscreenPossible = true;
    bool opened = false;
    int presents = 0;
    int broughtForward = 0;
    // The areas and the whole-window flag of the last present.
    std::vector<SDL_Rect> lastChanged;
    bool lastWhole = false;
    SDL_Surface* shown() const { return shown_; }

private:
    SDL_Surface* shown_ = nullptr;
    std::string title_;
    bool fullscreen_ = false;
};

} // namespace platform
