#pragma once
// The application: the 640x480 canvas, the stack of forms, the message loop and its waits, input
// dispatch (hover, capture, focus, double clicks), tooltips, cursors and the error handler.
#include "ui/Bitmap.h"
#include "ui/Form.h"
#include "ui/TextMetrics.h"

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

union SDL_Event;
struct SDL_Cursor;

namespace platform {
class Clock;
class Display;
class FakeClock;
class MessageBoxes;
class Sound;
class WakeSignal;
} // namespace platform

namespace ui {

// The screen cursor table: 1 the arrow, 2 the hand over an active button, 3 the help pointer.
constexpr int CursorArrow = 1;
constexpr int CursorHand = 2;
constexpr int CursorHelp = 3;

class Application {
public:
    // The services are borrowed and must outlive the application. With a platform::FakeClock,
    // waits advance that clock instead of sleeping.
    Application(platform::Display& display, platform::Clock& clock, platform::Sound& sound);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    platform::Display& display() const { return display_; }
    platform::Clock& clock() const { return clock_; }
    platform::Sound& sound() const { return sound_; }
    // Message boxes drawn in the canvas, unless replaced (tests use platform::FakeMessageBoxes).
    platform::MessageBoxes& messageBoxes() const { return *messageBoxes_; }
    void setMessageBoxes(platform::MessageBoxes& boxes) { messageBoxes_ = &boxes; }

    const std::string& title() const { return title_; }
    void setTitle(std::string t) { title_ = std::move(t); }
    // Opens the window through the display; false when full screen was refused (see Display).
    bool openWindow(bool fullscreen);

    // --- Forms. The application owns them; a form is created hidden.
    template <class F, class... Args> F& create(Args&&... args) {
        auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
        F& ref = *form;
        forms_.push_back(std::move(form));
        ref.loaded();
        return ref;
    }
    // Forms in stacking order, bottom first (stay-on-top forms above the others).
    std::vector<Form*> stack() const;
    void setMainForm(Form& f) { mainForm_ = &f; }
    Form* mainForm() const { return mainForm_; }
    // Frees a form after the current event has been handled.
    void release(Form& f);
    // The top visible form that takes input (the modal one while one runs).
    Form* activeForm() const;

    // --- The message loop.
    // Shows the main form and handles events until terminate(); sleeps while nothing happens.
    void run();
    // Handles every pending event, runs posted work, repaints what is invalid; never blocks.
    void processMessages();
    void terminate();
    bool terminated() const { return terminated_; }
    // Waits `ms` milliseconds while processing messages (ends early once terminated).
    void wait(std::uint32_t ms);
    // Waits until `done` holds or `ms` milliseconds have passed; returns done().
    bool waitUntil(const std::function<bool()>& done, std::uint32_t ms);
    // Shows `form` modally: only it takes input until `done` holds, it is hidden or the
    // application ends. A nested loop; the form stays alive for the caller.
    void runModal(Form& form, const std::function<bool()>& done);
    bool modalRunning() const { return !modal_.empty(); }
    // Runs `work` on the UI thread at the next processing of messages. Safe from any thread.
    void post(std::function<void()> work);
    // Restores and raises the window (a later copy of the program asked for it). Any thread.
    void postBringForward();

    // Receives every exception that escapes an event handler, a paint hook or posted work.
    // Without a handler the exception propagates out of processMessages / run.
    void setErrorHandler(std::function<void(std::exception_ptr)> handler) {
        errorHandler_ = std::move(handler);
    }

    // --- Painting. The areas invalidated since the last frame are kept apart (a few at most, those
    // that overlap merged); a frame repaints and presents only them. The window is drawn whole only
    // when it was opened, resized, exposed or switched to or from full screen.
    void invalidate(const Rect& canvasArea);
    void invalidateAll();
    void paintNow();
    // The areas waiting for the next frame.
    const std::vector<Rect>& invalidAreas() const { return dirty_; }
    SDL_Surface* canvas() const { return canvas_.get(); }
    // Paints what is invalid and writes the canvas as a BMP file (platform::FileError on failure).
    void screenshot(const std::string& path);

    // --- Cursors.
    void setScreenCursor(int number);
    int screenCursor() const { return cursor_; }

    // --- Input state (non-owning; cleared when a control is destroyed).
    Control* hovered() const { return hovered_; }
    Control* captured() const { return captured_; }
    Control* focused() const { return focused_; }
    void setFocus(Control* c);
    // Last mouse position on the canvas.
    Point mousePos() const { return mouse_; }
    // The control that would take a click at a canvas point.
    Control* controlAt(Point canvasPoint, bool allowDisabled = false, Point* local = nullptr) const;

    // --- Tooltip (shown half a second after hovering a control with a hint, for 2.5 seconds).
    bool tooltipShown() const { return tooltipFor_ != nullptr; }
    const std::string& tooltipText() const { return tooltipText_; }
    Rect tooltipRect() const { return tooltipRect_; }
    // The width and height of the tooltip box of a hint.
    static TextSize tooltipSize(const std::string& hint);

private:
    friend class Control;
    friend class Form;
    void forget(Control* c);
    // A control or form moved, was shown or hidden, changed its stacking or its shape: what lies
    // under the mouse may have changed.
    void layoutChanged() { ++layoutChanges_; }
    void dispatch(const SDL_Event& e);
    void mouseMoved(Point p, bool inside);
    void mousePressed(Point p, MouseButton b, int clicks);
    void mouseReleased(Point p, MouseButton b);
    void keyPressed(std::int32_t key, unsigned mods);
    void textTyped(const char* utf8);
    void updateHover();
    void updateTooltip();
    void hideTooltip();
    void destroyReleased();
    void reportError(std::exception_ptr error);
    // Runs the work posted so far; whether there was any.
    bool runPosted();
    // Sleeps until an event arrives or `timeoutMs` passes (-1 = no limit).
    void idleWait(int timeoutMs);
    int msUntilNextTimer() const;
    template <class F> void guarded(F&& f);
    // The focused control when it is on the form in front, nullptr otherwise.
    Control* focusedInFront() const;
    friend class Watch;
    void paintControl(Control& c, const Painter& parent);
    void paintTooltip(Painter& p);
    void paintArea(const Rect& clip, std::exception_ptr& error);
    // The window lost what it showed: everything is painted and presented whole.
    void redrawWindow();
    unsigned shiftState() const;

    platform::Display& display_;
    platform::Clock& clock_;
    platform::Sound& sound_;
    platform::FakeClock* fakeClock_;
    std::unique_ptr<platform::MessageBoxes> ownBoxes_;
    platform::MessageBoxes* messageBoxes_;
    std::string title_;
    bool windowOpen_ = false;

    std::vector<std::unique_ptr<Form>> forms_; // z-order among forms of one kind: last on top
    std::vector<Form*> released_;
    std::vector<Form*> modal_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    int depth_ = 0; // handlers and modal loops currently running
    std::function<void(std::exception_ptr)> errorHandler_;

    SurfacePtr canvas_;
    std::vector<Rect> dirty_;
    bool wholeWindow_ = true;

    std::array<SDL_Cursor*, 3> cursors_{};
    int cursor_ = CursorArrow;

    Control* hovered_ = nullptr;
    Control* captured_ = nullptr;
    Control* focused_ = nullptr;
    Control* clickArmed_ = nullptr;
    std::vector<Control**> watched_;    // pointers cleared when their control is destroyed
    Control* tooltipExpired_ = nullptr; // the hovered control whose tooltip has had its time
    bool painting_ = false;
    Point mouse_{-1, -1};
    bool mouseInside_ = false;
    unsigned buttons_ = 0;
    unsigned keyMods_ = 0;

    std::uint32_t hoverSince_ = 0;
    Control* tooltipFor_ = nullptr;
    std::uint32_t tooltipSince_ = 0;
    std::string tooltipText_;
    Rect tooltipRect_;

    std::uint32_t wakeEvent_ = 0;
    std::uint32_t lastPump_ = 0; // clock ticks of SDL's last event pump
    // Changes of place, visibility, stacking or shape so far, and their number when the control
    // under the mouse was last looked for.
    std::uint64_t layoutChanges_ = 0;
    std::uint64_t layoutAtHover_ = ~std::uint64_t(0);
    // Wakes a loop that sleeps in the display's own wait (post() from another thread).
    std::unique_ptr<platform::WakeSignal> wake_;
    std::mutex postedMutex_;
    std::vector<std::function<void()>> posted_;
};

} // namespace ui
