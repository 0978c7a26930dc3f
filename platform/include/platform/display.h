#pragma once
// The program's one window. Screens are drawn into a 640x480 canvas; the display shows it scaled,
// centred on black: full screen by the largest whole factor that fits, in a window of any size the
// pupil drags it to as large as the window allows (see `placement`).
#include <SDL_rect.h>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct SDL_Surface;
struct SDL_Window;

namespace platform {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// The window's size outside full screen when the program starts, on a screen whose free area
// (without panels) is `usable`: the remembered size when it is one a window can have there (at
// least the canvas, at most the free area), else twice the canvas when that fits with room for the
// window's frame and title, else the canvas. A `usable` of 0x0 (unknown) accepts sizes up to 8K.
WindowSize startingWindowSize(std::optional<WindowSize> remembered, WindowSize usable);

// Where the canvas lies in a window: its top left corner and its scaled size.
struct Placement {
    SDL_Point origin;
    int width;
    int height;
    // A whole factor (each canvas pixel a square of factor x factor) or 0 for any other scale.
    int factor() const;
};
// Full screen: the largest whole factor that fits. In a window: as large as fits keeping the
// canvas's shape, snapped to a whole factor when that is at most 16 pixels smaller. A window smaller
// than the canvas shows it unscaled, centred and cut.
Placement placement(int windowWidth, int windowHeight, bool fullscreen);
// The canvas point under a window point with the canvas placed at `at` (outside the canvas over
// the bars; each canvas pixel owns the window pixels whose left or top edge lies on it).
SDL_Point canvasPoint(const Placement& at, SDL_Point windowPoint);
// The window area showing canvas area `r` (with the neighbouring pixels that blend into it).
SDL_Rect windowArea(const Placement& at, SDL_Rect r);

class Display {
public:
    virtual ~Display() = default;
    // Creates the window. Returns false when full screen was asked for and could not be had: the
    // window is then a plain 640x480 window (the caller tells the user).
    virtual bool open(const std::string& title, bool fullscreen) = 0;
    virtual bool isFullscreen() const = 0;
    // The size the window had when the program last ended, to be taken when it opens outside full
    // screen and when it leaves full screen (checked by startingWindowSize). Set before open().
    virtual void rememberWindowSize(std::optional<WindowSize> size) = 0;
    // The window's size outside full screen as it is now (or was, before full screen).
    virtual WindowSize windowSize() const = 0;
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
    // Sleeps until the window system has input for the program, `wakeFd` (when not -1) becomes
    // readable, or `timeoutMs` pass (-1: no limit); returns at once when input is already waiting.
    // Returns false, without waiting, where the display cannot wait by itself: the caller then
    // waits through SDL's event queue.
    virtual bool waitForInput(int timeoutMs, int wakeFd) {
        (void)timeoutMs;
        (void)wakeFd;
        return false;
    }
    // False only when the window system certainly has no input for the program now, so that SDL's
    // event pump (several reads of the connection) can be skipped; true where that cannot be told.
    virtual bool inputPending() { return true; }
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
    void rememberWindowSize(std::optional<WindowSize> size) override { remembered_ = size; }
    WindowSize windowSize() const override;
    void toggleFullscreen() override;
    void present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) override;
    void bringForward() override;
    std::uint32_t windowId() const override;
    SDL_Point toCanvas(SDL_Point windowPoint) const override;
    void close() override;
    // On X11: one poll() on the server connection, instead of SDL's wait, which reads the
    // connection several times before it sleeps (many system calls per animation frame).
    bool waitForInput(int timeoutMs, int wakeFd) override;
    bool inputPending() override;
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
    std::optional<WindowSize> remembered_;
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
        size_ = startingWindowSize(remembered, usable);
        return fullscreen_ || !fullscreen;
    }
    bool isFullscreen() const override { return fullscreen_; }
    void rememberWindowSize(std::optional<WindowSize> size) override { remembered = size; }
    WindowSize windowSize() const override { return size_; }
    // The pupil drags the window to another size.
    void resize(WindowSize size) { size_ = size; }
    void toggleFullscreen() override { fullscreen_ = !fullscreen_; }
    void present(SDL_Surface* canvas, const std::vector<SDL_Rect>& changed, bool whole) override;
    void bringForward() override { ++broughtForward; }
    std::uint32_t windowId() const override { return 0; }
    // Full screen on a canvas-sized screen: unchanged; in a window as one of windowSize() maps it.
    SDL_Point toCanvas(SDL_Point windowPoint) const override {
        if (fullscreen_) return windowPoint;
        return canvasPoint(placement(size_.width, size_.height, false), windowPoint);
    }
    void close() override { opened = false; }

    bool fullscreenPossible = true;
    // The screen's free area the starting window size is chosen for.
    WindowSize usable{1280, 1024};
    std::optional<WindowSize> remembered;
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
    WindowSize size_{kCanvasWidth, kCanvasHeight};
};

} // namespace platform
