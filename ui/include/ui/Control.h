#pragma once
// The base of every visible element: a rectangle in its parent, owned children in z-order (last on
// top), state, hint text and events. Users assign the public events; subclasses override the
// protected, empty handlers, which run before the events.
#include "ui/Geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Application;
class Form;
class Painter;

enum class MouseButton { Left, Right, Middle };

// Shift state of mouse and key events.
enum Shift : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    unsigned shift = 0;
    int x = 0; // in the control's own coordinates
    int y = 0;
};

struct KeyEvent {
    std::int32_t key = 0; // an SDL key code (SDLK_...)
    unsigned shift = 0;
};

class Control {
public:
    using Notify = std::function<void(Control&)>;
    using MouseHandler = std::function<void(Control&, const MouseEvent&)>;
    using KeyHandler = std::function<void(Control&, const KeyEvent&)>;

    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // --- The tree. A child is owned by its parent; the order of children is the z-order.
    template <class T, class... Args> T& add(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        adopt(std::move(child));
        return ref;
    }
    Control& adopt(std::unique_ptr<Control> child);
    // Hands a child back to the caller (destroying it when the result is dropped).
    std::unique_ptr<Control> remove(Control& child);
    Control* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    virtual void bringToFront();
    virtual void sendToBack();
    // The application this control is attached to (through its form), nullptr before that.
    Application* application() const { return app_; }
    Form* form();
    // This control or the first descendant with that name.
    Control* findByName(std::string_view name);

    // --- Geometry, in the parent's coordinates.
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    const Rect& bounds() const { return bounds_; }
    Rect clientRect() const { return {0, 0, bounds_.width, bounds_.height}; }
    // Setting the position (left, top or all bounds) places a form; changing only the size keeps a
    // centred form centred.
    void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void setWidth(int v) { applyBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void setHeight(int v) { applyBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
    void setBounds(int l, int t, int w, int h) { setBounds({l, t, w, h}); }
    virtual void setBounds(const Rect& r) { applyBounds(r); }
    // Top-left corner on the 640x480 canvas.
    Point canvasOrigin() const;
    Rect canvasRect() const;

    // --- State.
    bool visible() const { return visible_; }
    virtual void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible together with every ancestor, and (for a tree in a form) that form is visible.
    bool showing() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }
    const std::string& name() const { return name_; }
    void setName(std::string n) { name_ = std::move(n); }
    // Tooltip text; "\r\n" breaks lines. Shown only while showHint() is true.
    const std::string& hint() const { return hint_; }
    void setHint(std::string text);
    bool showHint() const { return showHint_; }
    void setShowHint(bool s);
    // A polygon (own coordinates, even-odd rule) that limits painting and hit testing.
    void setRegion(std::vector<Point> polygon);
    void clearRegion();
    bool hasRegion() const { return !regionMask_.empty(); }
    // Whether a point in own coordinates belongs to the control (inside its bounds and region).
    bool containsPoint(Point local) const;

    // --- Focus.
    virtual bool canFocus() const { return false; }
    bool focused() const;
    void setFocus();

    // --- Painting.
    // Marks the control's area for repainting at the next processing of messages.
    void invalidate();
    // Paints everything that is invalid now (the toolkit's Update / Repaint).
    void repaint();

    // The deepest visible control at `local` (own coordinates), with the point converted into its
    // coordinates. Disabled controls are passed over unless `allowDisabled`, so that a click on one
    // reaches whatever lies beneath it.
    Control* controlAt(Point local, bool allowDisabled, Point* hitLocal = nullptr);

    Notify OnClick;
    Notify OnDblClick;
    Notify OnMouseEnter;
    Notify OnMouseLeave;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseUp;
    MouseHandler OnMouseMove;
    KeyHandler OnKeyDown;

protected:
    // Tells the application that what lies under the mouse may have changed.
    void layoutChanged();
    void applyBounds(const Rect& r);
    virtual void paint(Painter&) {}
    virtual void mouseDown(const MouseEvent&) {}
    virtual void mouseUp(const MouseEvent&) {}
    virtual void mouseMove(const MouseEvent&) {}
    virtual void click() {}
    virtual void dblClick() {}
    virtual void mouseEnter() {}
    virtual void mouseLeave() {}
    // Returns true when the key was used.
    virtual bool keyDown(const KeyEvent&) { return false; }
    // One typed character (UTF-8), or "\b" for backspace.
    virtual void textInput(const std::string&) {}
    virtual void focusChanged(bool) {}
    virtual void boundsChanged(const Rect&) {}
    // Called when the control joins an application's tree.
    virtual void attached() {}

private:
    friend class Application;
    friend class Form;
    void attach(Application* app);

    // The places of the visible children in stacking order, kept apart so that painting a small
    // area reads one short array instead of every child (a page has hundreds of hidden words).
    // Made again when a child is added, removed, moved, resized, shown, hidden or restacked.
    struct ChildPlace {
        Rect bounds;
        Control* child;
    };
    const std::vector<ChildPlace>& visibleChildPlaces();
    void childPlacesChanged() { childPlacesStale_ = true; }

    Control* parent_ = nullptr;
    Application* app_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    std::vector<ChildPlace> childPlaces_;
    bool childPlacesStale_ = true;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    int tag_ = 0;
    std::string name_;
    std::string hint_;
    bool showHint_ = false;
    std::vector<std::uint8_t> regionMask_; // one byte per pixel of the bounds, empty without region
    int regionWidth_ = 0;
    int regionHeight_ = 0;
    std::vector<Point> regionPolygon_;
};

} // namespace ui
