#include "ui/Application.h"

#include "ui/MessageBox.h"
#include "ui/Painter.h"
#include "ui/TextMetrics.h"

#include "Cursors.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "platform/wake.h"

#include <SDL.h>
#include <algorithm>
#include <malloc.h>
#include <stdexcept>

namespace ui {

namespace {

constexpr std::uint32_t kTooltipDelay = 500;
constexpr std::uint32_t kTooltipDuration = 2500;
constexpr int kTooltipPoints = 9;

bool inCanvas(Point p) {
    return p.x >= 0 && p.y >= 0 && p.x < platform::kCanvasWidth && p.y < platform::kCanvasHeight;
}

unsigned buttonBit(MouseButton b) {
    switch (b) {
    case MouseButton::Left:
        return ssLeft;
    case MouseButton::Right:
        return ssRight;
    case MouseButton::Middle:
        return ssMiddle;
    }
    return 0;
}

bool toButton(Uint8 sdlButton, MouseButton& out) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        out = MouseButton::Left;
        return true;
    case SDL_BUTTON_RIGHT:
        out = MouseButton::Right;
        return true;
    case SDL_BUTTON_MIDDLE:
        out = MouseButton::Middle;
        return true;
    default:
        return false;
    }
}

bool isWithin(const Control* c, const Control* ancestor) {
    for (; c; c = c->parent())
        if (c == ancestor) return true;
    return false;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

} // namespace

// Keeps a pointer to a control that an event is being delivered to; the application clears it
// when the control is destroyed meanwhile, so the delivery stops instead of touching freed memory.
class Watch {
public:
    Watch(Application& app, Control*& c) : app_(app), c_(c) { app_.watched_.push_back(&c_); }
    ~Watch() { app_.watched_.erase(std::find(app_.watched_.begin(), app_.watched_.end(), &c_)); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

private:
    Application& app_;
    Control*& c_;
};

Application::Application(platform::Display& display, platform::Clock& clock, platform::Sound& sound)
    : display_(display), clock_(clock), sound_(sound), fakeClock_(dynamic_cast<platform::FakeClock*>(&clock)),
      ownBoxes_(std::make_unique<CanvasMessageBoxes>(*this)), messageBoxes_(ownBoxes_.get()) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Cannot start SDL: ") + SDL_GetError());
    canvas_ = makeSurface(platform::kCanvasWidth, platform::kCanvasHeight);
    SDL_FillRect(canvas_.get(), nullptr, 0);
    wakeEvent_ = SDL_RegisterEvents(1);
    wake_ = std::make_unique<platform::WakeSignal>();
    cursors_ = createCursors();
    setScreenCursor(CursorArrow);
    invalidateAll();
}

Application::~Application() {
    released_.clear();
    modal_.clear();
    while (!forms_.empty())
        forms_.pop_back();
    for (SDL_Cursor* c : cursors_)
        if (c) SDL_FreeCursor(c);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool Application::openWindow(bool fullscreen) {
    bool ok = display_.open(title_, fullscreen);
    windowOpen_ = true;
    setScreenCursor(cursor_);
    redrawWindow();
    return ok;
}

// ---------------------------------------------------------------- forms

std::vector<Form*> Application::stack() const {
    std::vector<Form*> out;
    auto isModal = [&](Form* f) { return std::find(modal_.begin(), modal_.end(), f) != modal_.end(); };
    for (auto& f : forms_)
        if (!f->stayOnTop() && !isModal(f.get())) out.push_back(f.get());
    for (auto& f : forms_)
        if (f->stayOnTop() && !isModal(f.get())) out.push_back(f.get());
    out.insert(out.end(), modal_.begin(), modal_.end());
    return out;
}

void Application::release(Form& f) {
    if (std::find(released_.begin(), released_.end(), &f) == released_.end()) released_.push_back(&f);
}

Form* Application::activeForm() const {
    if (!modal_.empty()) return modal_.back();
    auto s = stack();
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        if ((*it)->visible() && (*it)->enabled()) return *it;
    return nullptr;
}

void Application::destroyReleased() {
    bool destroyed = false;
    while (!released_.empty()) {
        Form* f = released_.front();
        released_.erase(released_.begin());
        auto it = std::find_if(forms_.begin(), forms_.end(), [&](auto& p) { return p.get() == f; });
        if (it == forms_.end()) continue;
        if (f->OnDestroy) guarded([&] { f->OnDestroy(*f); });
        it = std::find_if(forms_.begin(), forms_.end(), [&](auto& p) { return p.get() == f; });
        std::unique_ptr<Form> doomed = std::move(*it);
        forms_.erase(it);
        layoutChanged();
        doomed->invalidate();
        doomed.reset();
        destroyed = true;
    }
    // A closed screen leaves its freed memory scattered through the heap, where the allocator
    // keeps it; handing it back keeps the resident memory where it was before the screen (a
    // printed worksheet's screen, say), which counts with many copies on one server.
    if (destroyed) malloc_trim(0);
}

// ---------------------------------------------------------------- the loop

template <class F> void Application::guarded(F&& f) {
    std::exception_ptr error;
    ++depth_;
    try {
        f();
    } catch (...) {
        error = std::current_exception(); // handed on below, never dropped
    }
    --depth_;
    if (error) reportError(error);
}

void Application::reportError(std::exception_ptr error) {
    if (!errorHandler_) std::rethrow_exception(error);
    ++depth_;
    try {
        errorHandler_(error);
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
}

void Application::run() {
    if (mainForm_ && !terminated_) mainForm_->show();
    while (!terminated_) {
        processMessages();
        if (terminated_) break;
        idleWait(msUntilNextTimer());
    }
    processMessages();
}

void Application::processMessages() {
    // SDL's pump reads the window system's connection several times even when it has nothing, and
    // an animation frame comes here several times; it is skipped when the display can tell that
    // no input waits, but runs at least every tenth of a second for SDL's own timed work.
    constexpr std::uint32_t kPumpAtLeastEvery = 100;
    const std::uint32_t now = clock_.ticks();
    if (display_.inputPending() || now - lastPump_ >= kPumpAtLeastEvery) {
        SDL_PumpEvents();
        lastPump_ = now;
    }
    SDL_Event e;
    bool input = false;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        input = true;
        guarded([&] { dispatch(e); });
    }
    input = runPosted() || input;
    guarded([&] {
        // What lies under the mouse changes only with input, posted work or a change of a
        // control's place, visibility, stacking or shape, so the search through the controls is
        // skipped on the rounds of a wait where nothing else happened (an animation's frames).
        if (input || layoutChanges_ != layoutAtHover_) {
            layoutAtHover_ = layoutChanges_;
            updateHover();
        }
        updateTooltip();
    });
    if (depth_ == 0) destroyReleased();
    paintNow();
}

void Application::terminate() {
    terminated_ = true;
    post([] {}); // wakes a sleeping loop
}

void Application::wait(std::uint32_t ms) {
    waitUntil(nullptr, ms);
}

bool Application::waitUntil(const std::function<bool()>& done, std::uint32_t ms) {
    const std::uint32_t start = clock_.ticks();
    for (;;) {
        processMessages();
        if (done && done()) return true;
        std::uint32_t elapsed = clock_.ticks() - start;
        if (terminated_ || elapsed >= ms) return false;
        int timeout = int(ms - elapsed);
        if (int timer = msUntilNextTimer(); timer >= 0) timeout = std::min(timeout, timer);
        idleWait(timeout);
    }
}

void Application::runModal(Form& form, const std::function<bool()>& done) {
    modal_.push_back(&form);
    layoutChanged();
    ++depth_; // the form stays alive while the loop looks at it
    captured_ = nullptr;
    clickArmed_ = nullptr;
    hideTooltip();
    struct Restore {
        Application& a;
        ~Restore() {
            a.modal_.pop_back();
            a.layoutChanged();
            --a.depth_;
            a.invalidateAll();
        }
    } restore{*this};
    form.show();
    invalidateAll();
    for (;;) {
        processMessages();
        if (terminated_ || !form.visible() || (done && done())) break;
        idleWait(msUntilNextTimer());
    }
}

void Application::idleWait(int timeoutMs) {
    if (fakeClock_) {
        bool pending = SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        {
            std::lock_guard lock(postedMutex_);
            pending = pending || !posted_.empty();
        }
        if (pending) return;
        if (timeoutMs < 0)
            throw std::logic_error("The application would wait for ever: no events are pending and time is "
                                   "driven by a fake clock");
        fakeClock_->advance(std::uint32_t(timeoutMs));
        return;
    }
    // Events SDL has queued already (pushed by the program itself) need no wait.
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
    if (display_.waitForInput(timeoutMs, wake_->fd())) return;
    if (timeoutMs < 0)
        SDL_WaitEvent(nullptr);
    else
        SDL_WaitEventTimeout(nullptr, timeoutMs);
}

int Application::msUntilNextTimer() const {
    std::uint32_t now = clock_.ticks();
    if (tooltipFor_)
        return int(std::max<std::int64_t>(0, std::int64_t(kTooltipDuration) - (now - tooltipSince_)));
    if (hovered_ && hovered_ != tooltipExpired_ && buttons_ == 0 && hovered_->showHint() &&
        !hovered_->hint().empty())
        return int(std::max<std::int64_t>(0, std::int64_t(kTooltipDelay) - (now - hoverSince_)));
    return -1;
}

void Application::post(std::function<void()> work) {
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(std::move(work));
    }
    SDL_Event e{};
    e.type = wakeEvent_;
    SDL_PushEvent(&e);
    wake_->notify();
}

void Application::postBringForward() {
    post([this] {
        display_.bringForward();
        redrawWindow();
    });
}

bool Application::runPosted() {
    wake_->clear(); // before taking the work: a post() after this wakes the next wait
    std::vector<std::function<void()>> work;
    {
        std::lock_guard lock(postedMutex_);
        work.swap(posted_);
    }
    for (auto& w : work)
        guarded(w);
    return !work.empty();
}

// ---------------------------------------------------------------- input

void Application::forget(Control* c) {
    if (hovered_ == c) hovered_ = nullptr;
    if (captured_ == c) captured_ = nullptr;
    if (focused_ == c) focused_ = nullptr;
    if (clickArmed_ == c) clickArmed_ = nullptr;
    if (tooltipExpired_ == c) tooltipExpired_ = nullptr;
    if (tooltipFor_ == c) hideTooltip();
    if (mainForm_ == c) mainForm_ = nullptr;
    for (Control** w : watched_)
        if (*w == c) *w = nullptr;
}

void Application::setFocus(Control* c) {
    if (c == focused_) return;
    Control* old = focused_;
    focused_ = c;
    if (old) {
        Watch w(*this, old);
        old->focusChanged(false);
        if (old) old->invalidate();
    }
    if (c && focused_ == c) {
        Watch w(*this, c);
        c->focusChanged(true);
        if (c) c->invalidate();
    }
}

Control* Application::controlAt(Point p, bool allowDisabled, Point* local) const {
    if (!modal_.empty()) {
        Form* f = modal_.back();
        return f->visible() ? f->controlAt({p.x - f->left(), p.y - f->top()}, allowDisabled, local) : nullptr;
    }
    auto s = stack();
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        if (Control* hit = (*it)->controlAt({p.x - (*it)->left(), p.y - (*it)->top()}, allowDisabled, local))
            return hit;
    return nullptr;
}

unsigned Application::shiftState() const {
    unsigned s = buttons_;
    if (keyMods_ & KMOD_SHIFT) s |= ssShift;
    if (keyMods_ & KMOD_ALT) s |= ssAlt;
    if (keyMods_ & KMOD_CTRL) s |= ssCtrl;
    return s;
}

void Application::dispatch(const SDL_Event& e) {
    auto foreign = [&](Uint32 windowId) {
        return windowId != 0 && display_.windowId() != 0 && windowId != display_.windowId();
    };
    // Mouse positions arrive in window pixels; the window shows the canvas scaled.
    auto canvasPoint = [&](int x, int y) {
        const SDL_Point p = display_.toCanvas({x, y});
        return Point{p.x, p.y};
    };
    MouseButton b;
    switch (e.type) {
    case SDL_MOUSEMOTION: {
        if (foreign(e.motion.windowID)) return;
        const Point p = canvasPoint(e.motion.x, e.motion.y);
        mouseMoved(p, inCanvas(p));
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
        if (foreign(e.button.windowID) || !toButton(e.button.button, b)) return;
        mousePressed(canvasPoint(e.button.x, e.button.y), b, e.button.clicks);
        break;
    case SDL_MOUSEBUTTONUP:
        if (foreign(e.button.windowID) || !toButton(e.button.button, b)) return;
        mouseReleased(canvasPoint(e.button.x, e.button.y), b);
        break;
    case SDL_KEYDOWN:
        if (foreign(e.key.windowID)) return;
        keyMods_ = e.key.keysym.mod;
        keyPressed(e.key.keysym.sym, e.key.keysym.mod);
        break;
    case SDL_KEYUP:
        if (!foreign(e.key.windowID)) keyMods_ = e.key.keysym.mod;
        break;
    case SDL_TEXTINPUT:
        if (!foreign(e.text.windowID)) textTyped(e.text.text);
        break;
    case SDL_WINDOWEVENT:
        if (foreign(e.window.windowID)) return;
        if (e.window.event == SDL_WINDOWEVENT_LEAVE)
            mouseMoved(mouse_, false);
        else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESTORED)
            redrawWindow();
        else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            keyMods_ = 0;
        break;
    case SDL_QUIT:
        // The window's close button or the system's close keys: a close request to the active form.
        if (Form* f = activeForm())
            f->close();
        else
            terminate();
        break;
    default:
        break;
    }
}

void Application::mouseMoved(Point p, bool inside) {
    mouse_ = p;
    mouseInside_ = inside;
    updateHover();
    Point local;
    Control* target = captured_;
    if (target) {
        Point o = target->canvasOrigin();
        local = {p.x - o.x, p.y - o.y};
    } else if (inside) {
        target = controlAt(p, false, &local);
    }
    if (!target) return;
    MouseEvent ev{MouseButton::Left, shiftState(), local.x, local.y};
    Watch w(*this, target);
    target->mouseMove(ev);
    if (target && target->OnMouseMove) target->OnMouseMove(*target, ev);
}

void Application::mousePressed(Point p, MouseButton b, int clicks) {
    if (!inCanvas(p)) return; // the black bars around the canvas
    mouse_ = p;
    mouseInside_ = true;
    updateHover();
    buttons_ |= buttonBit(b);
    Point local;
    Control* target = captured_;
    if (target) {
        Point o = target->canvasOrigin();
        local = {p.x - o.x, p.y - o.y};
    } else {
        target = controlAt(p, false, &local);
    }
    tooltipExpired_ = hovered_;
    hideTooltip();
    if (!target) return;
    captured_ = target;
    if (target->canFocus()) setFocus(target);
    const bool dbl = b == MouseButton::Left && clicks >= 2 && clicks % 2 == 0;
    if (b == MouseButton::Left) clickArmed_ = dbl ? nullptr : target;
    MouseEvent ev{b, shiftState() | (dbl ? unsigned(ssDouble) : 0u), local.x, local.y};
    Watch w(*this, target);
    if (dbl) {
        target->dblClick();
        if (target && target->OnDblClick) target->OnDblClick(*target);
    }
    if (target) target->mouseDown(ev);
    if (target && target->OnMouseDown) target->OnMouseDown(*target, ev);
}

void Application::mouseReleased(Point p, MouseButton b) {
    const bool inside = inCanvas(p);
    mouse_ = p;
    mouseInside_ = inside;
    if (!(buttons_ & buttonBit(b))) return; // its press was not ours
    buttons_ &= ~buttonBit(b);
    Point local;
    Control* target = captured_;
    if (target) {
        Point o = target->canvasOrigin();
        local = {p.x - o.x, p.y - o.y};
    } else if (inside) {
        target = controlAt(p, false, &local);
    }
    // Capture ends before the handlers run, so that a click may open a modal message box.
    if (buttons_ == 0) captured_ = nullptr;
    const bool click =
        b == MouseButton::Left && target && clickArmed_ == target && target->clientRect().contains(local);
    if (b == MouseButton::Left) clickArmed_ = nullptr;
    if (target) {
        MouseEvent ev{b, shiftState(), local.x, local.y};
        Watch w(*this, target);
        if (click) {
            target->click();
            if (target && target->OnClick) target->OnClick(*target);
        }
        if (target) target->mouseUp(ev);
        if (target && target->OnMouseUp) target->OnMouseUp(*target, ev);
    }
    updateHover();
}

void Application::keyPressed(std::int32_t key, unsigned mods) {
    if (key == SDLK_F11 || ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && (mods & KMOD_ALT))) {
        display_.toggleFullscreen();
        redrawWindow();
        return;
    }
    Control* target = focusedInFront();
    if (!target) target = activeForm();
    KeyEvent ev{key, shiftState()};
    // The focused control first; a key it does not use goes to its form.
    while (target) {
        Control* next = target->parent() ? target->form() : nullptr;
        Watch w(*this, target);
        bool used = target->keyDown(ev);
        if (target && target->OnKeyDown) {
            target->OnKeyDown(*target, ev);
            used = true;
        }
        if (used || !target) break;
        target = next;
    }
}

Control* Application::focusedInFront() const {
    // Keys belong to the form in front (the modal one while one runs): a control focused on a
    // form underneath, such as the setup screen's name field under an exercise screen, gets none.
    Form* front = activeForm();
    return front && isWithin(focused_, front) ? focused_ : nullptr;
}

void Application::textTyped(const char* utf8) {
    Control* target = focusedInFront();
    if (!target) return;
    Watch w(*this, target);
    std::string s(utf8);
    for (std::size_t i = 0; i < s.size() && target;) {
        std::size_t n = 1;
        while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
            ++n;
        target->textInput(s.substr(i, n));
        i += n;
    }
}

void Application::updateHover() {
    Control* h = mouseInside_ ? controlAt(mouse_, true) : nullptr;
    // While the mouse is captured, only the captured control can be the one under it.
    if (captured_ && !isWithin(h, captured_))
        h = nullptr;
    else if (captured_)
        h = captured_;
    if (h == hovered_) return;
    Control* old = hovered_;
    hovered_ = h;
    hoverSince_ = clock_.ticks();
    tooltipExpired_ = nullptr;
    hideTooltip();
    if (old) {
        Watch w(*this, old);
        old->mouseLeave();
        if (old && old->OnMouseLeave) old->OnMouseLeave(*old);
    }
    if (h && hovered_ == h) {
        Watch w(*this, h);
        h->mouseEnter();
        if (h && h->OnMouseEnter) h->OnMouseEnter(*h);
    }
}

// ---------------------------------------------------------------- tooltips

void Application::updateTooltip() {
    Control* h = hovered_;
    bool wanted = h && h->showHint() && !h->hint().empty() && buttons_ == 0 && h != tooltipExpired_;
    std::uint32_t now = clock_.ticks();
    if (!wanted) {
        hideTooltip();
        return;
    }
    if (tooltipFor_ == h) {
        if (now - tooltipSince_ >= kTooltipDuration) {
            tooltipExpired_ = h;
            hideTooltip();
        }
        return;
    }
    if (now - hoverSince_ < kTooltipDelay) return;
    hideTooltip();
    tooltipFor_ = h;
    tooltipSince_ = now;
    tooltipText_ = h->hint();
    const TextSize size = tooltipSize(tooltipText_);
    Rect r{mouse_.x, mouse_.y + 21, size.width, size.height};
    r.left = std::clamp(r.left, 0, std::max(0, platform::kCanvasWidth - r.width));
    if (r.bottom() > platform::kCanvasHeight) r.top = std::max(0, mouse_.y - r.height - 2);
    tooltipRect_ = r;
    invalidate(r);
}

TextSize Application::tooltipSize(const std::string& hint) {
    int w = 0, lines = 0, lineHeight = measureText("", kTooltipPoints).height;
    for (const std::string& line : splitLines(hint)) {
        w = std::max(w, measureText(line, kTooltipPoints).width);
        ++lines;
    }
    return {w + 8, lines * lineHeight + 4};
}

void Application::hideTooltip() {
    if (!tooltipFor_) return;
    tooltipFor_ = nullptr;
    invalidate(tooltipRect_);
    tooltipText_.clear();
}

void Application::paintTooltip(Painter& p) {
    p.fillRect(tooltipRect_, colors::InfoBk);
    p.frameRect(tooltipRect_, colors::Black);
    int lineHeight = measureText("", kTooltipPoints).height;
    int y = tooltipRect_.top + 2;
    for (const std::string& line : splitLines(tooltipText_)) {
        p.drawText(line, tooltipRect_.left + 4, y, kTooltipPoints, false, colors::Black);
        y += lineHeight;
    }
}

// ---------------------------------------------------------------- painting

namespace {

constexpr std::size_t kMaxInvalidAreas = 8;

long long areaOf(const Rect& r) {
    return (long long)r.width * r.height;
}

} // namespace

void Application::invalidate(const Rect& area) {
    Rect r = area.intersected({0, 0, platform::kCanvasWidth, platform::kCanvasHeight});
    if (r.empty()) return;
    // Areas that overlap are merged (again, as a merged area may reach others), so no pixel is
    // painted twice for overlapping changes; distant changes stay apart.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
            if (it->intersected(r).empty()) continue;
            r = r.united(*it);
            dirty_.erase(it);
            merged = true;
            break;
        }
    }
    if (dirty_.size() == kMaxInvalidAreas) {
        // Too many apart: the new one joins the area it grows least.
        auto best = dirty_.begin();
        long long bestGrowth = -1;
        for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
            long long growth = areaOf(it->united(r)) - areaOf(*it);
            if (bestGrowth < 0 || growth < bestGrowth) {
                best = it;
                bestGrowth = growth;
            }
        }
        r = r.united(*best);
        dirty_.erase(best);
        return invalidate(r);
    }
    dirty_.push_back(r);
}

void Application::invalidateAll() {
    invalidate({0, 0, platform::kCanvasWidth, platform::kCanvasHeight});
}

void Application::redrawWindow() {
    wholeWindow_ = true;
    invalidateAll();
}

void Application::paintArea(const Rect& clip, std::exception_ptr& error) {
    Painter root(canvas_.get(), {0, 0}, clip);
    const std::vector<Form*> forms = stack();
    // A form fills its whole rectangle with its colour before anything else, so painting starts at
    // the highest unshaped form that covers the area: what lies beneath it would only be painted
    // over (an exercise screen over the menu, with hundreds of controls between them).
    const auto covering = std::find_if(forms.rbegin(), forms.rend(), [&](const Form* f) {
        return f->visible() && !f->hasRegion() && clip.intersected(f->bounds()) == clip;
    });
    auto first = forms.begin();
    if (covering == forms.rend())
        root.fillRect(clip, colors::Black);
    else
        first = std::prev(covering.base());
    for (auto it = first; it != forms.end(); ++it) {
        Form* f = *it;
        if (!f->visible()) continue;
        try {
            paintControl(*f, root);
        } catch (...) {
            if (!error) error = std::current_exception(); // reported once the canvas is consistent
        }
    }
    if (tooltipFor_ && !tooltipRect_.intersected(clip).empty()) paintTooltip(root);
}

void Application::paintNow() {
    if (dirty_.empty() || painting_) return;
    painting_ = true;
    std::vector<Rect> areas;
    areas.swap(dirty_);
    std::exception_ptr error;
    for (const Rect& clip : areas)
        paintArea(clip, error);
    painting_ = false;
    if (windowOpen_) {
        std::vector<SDL_Rect> changed;
        for (const Rect& r : areas)
            changed.push_back({r.left, r.top, r.width, r.height});
        const bool whole = wholeWindow_;
        wholeWindow_ = false;
        display_.present(canvas_.get(), changed, whole);
    }
    if (error) reportError(error);
}

void Application::paintControl(Control& c, const Painter& parent) {
    Painter p = parent.child(c.bounds());
    if (p.clip().empty()) return;
    auto paintTree = [&](Painter& into) {
        c.paint(into);
        // The clip in this control's own coordinates: a child wholly outside it is passed over
        // without a painter of its own, and without reading the child itself (an animation frame's
        // area meets few of a page's controls).
        const Rect clip = into.clip().moved(-into.origin().x, -into.origin().y);
        for (const Control::ChildPlace& place : c.visibleChildPlaces())
            if (!place.bounds.intersected(clip).empty()) paintControl(*place.child, into);
    };
    if (!c.hasRegion()) {
        paintTree(p);
        return;
    }
    // A shaped control is painted onto a copy of what lies beneath it; only the pixels of its
    // region are copied back.
    SDL_Surface* target = p.target();
    const Point o = p.origin();
    const Rect area = p.clip();
    SurfacePtr scratch = makeSurface(c.width(), c.height());
    SDL_Rect src{area.left, area.top, area.width, area.height};
    SDL_Rect dst{area.left - o.x, area.top - o.y, area.width, area.height};
    SDL_BlitSurface(target, &src, scratch.get(), &dst);
    Painter sp(scratch.get(), {0, 0}, {dst.x, dst.y, dst.w, dst.h});
    paintTree(sp);
    for (int y = area.top; y < area.bottom(); ++y) {
        auto from = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(scratch->pixels) +
                                                    (y - o.y) * scratch->pitch);
        auto to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch);
        for (int x = area.left; x < area.right(); ++x)
            if (c.containsPoint({x - o.x, y - o.y})) to[x] = from[x - o.x];
    }
}

void Application::screenshot(const std::string& path) {
    paintNow();
    PictureCache::instance().forget(path);
    if (SDL_SaveBMP(canvas_.get(), path.c_str()) != 0)
        throw platform::FileError(path, std::string("Cannot write the screenshot (") + SDL_GetError() + ")");
}

// ---------------------------------------------------------------- cursors

void Application::setScreenCursor(int number) {
    cursor_ = number;
    if (number >= 1 && number <= int(cursors_.size()) && cursors_[number - 1])
        SDL_SetCursor(cursors_[number - 1]);
}

} // namespace ui
