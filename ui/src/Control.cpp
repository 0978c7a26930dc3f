#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

Control::~Control() {
    // Children go first, so that each of them is forgotten by the application in turn.
    children_.clear();
    if (app_) app_->forget(this);
}

Control& Control::adopt(std::unique_ptr<Control> child) {
    if (!child) throw std::invalid_argument("Control::adopt: no control");
    child->parent_ = this;
    child->attach(app_);
    children_.push_back(std::move(child));
    childPlacesChanged();
    children_.back()->invalidate();
    layoutChanged();
    return *children_.back();
}

std::unique_ptr<Control> Control::remove(Control& child) {
    auto it = std::find_if(children_.begin(), children_.end(), [&](auto& c) { return c.get() == &child; });
    if (it == children_.end()) return nullptr;
    child.invalidate();
    layoutChanged();
    std::unique_ptr<Control> out = std::move(*it);
    children_.erase(it);
    childPlacesChanged();
    if (app_) app_->forget(out.get());
    out->parent_ = nullptr;
    out->attach(nullptr);
    return out;
}

void Control::attach(Application* app) {
    if (app_ && app_ != app) app_->forget(this);
    app_ = app;
    for (auto& c : children_)
        c->attach(app);
    if (app) attached();
}

void Control::bringToFront() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](auto& c) { return c.get() == this; });
    if (it + 1 == siblings.end()) return;
    std::rotate(it, it + 1, siblings.end());
    parent_->childPlacesChanged();
    invalidate();
    layoutChanged();
}

void Control::sendToBack() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](auto& c) { return c.get() == this; });
    if (it == siblings.begin()) return;
    std::rotate(siblings.begin(), it, it + 1);
    parent_->childPlacesChanged();
    invalidate();
    layoutChanged();
}

Form* Control::form() {
    Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<Form*>(c);
}

Control* Control::findByName(std::string_view name) {
    if (name_ == name) return this;
    for (auto& c : children_)
        if (Control* found = c->findByName(name)) return found;
    return nullptr;
}

void Control::applyBounds(const Rect& r) {
    if (r == bounds_) return;
    Rect old = bounds_;
    invalidate();
    bounds_ = r;
    if (parent_) parent_->childPlacesChanged();
    if (!regionPolygon_.empty() && (r.width != old.width || r.height != old.height))
        setRegion(regionPolygon_);
    invalidate();
    layoutChanged();
    boundsChanged(old);
}

const std::vector<Control::ChildPlace>& Control::visibleChildPlaces() {
    if (childPlacesStale_) {
        childPlaces_.clear();
        for (auto& child : children_)
            if (child->visible_) childPlaces_.push_back({child->bounds_, child.get()});
        childPlacesStale_ = false;
    }
    return childPlaces_;
}

Point Control::canvasOrigin() const {
    Point p{bounds_.left, bounds_.top};
    for (const Control* c = parent_; c; c = c->parent_) {
        p.x += c->bounds_.left;
        p.y += c->bounds_.top;
    }
    return p;
}

Rect Control::canvasRect() const {
    Point o = canvasOrigin();
    return {o.x, o.y, bounds_.width, bounds_.height};
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    if (!v) invalidate();
    visible_ = v;
    if (parent_) parent_->childPlacesChanged();
    if (v) invalidate();
    layoutChanged();
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    invalidate();
}

void Control::setHint(std::string text) {
    hint_ = std::move(text);
}

void Control::setShowHint(bool s) {
    showHint_ = s;
}

void Control::setRegion(std::vector<Point> polygon) {
    invalidate();
    regionPolygon_ = std::move(polygon);
    regionWidth_ = std::max(bounds_.width, 0);
    regionHeight_ = std::max(bounds_.height, 0);
    regionMask_.assign(std::size_t(regionWidth_) * regionHeight_, 0);
    const auto& poly = regionPolygon_;
    const std::size_t n = poly.size();
    // Even-odd rule, sampled at pixel centres: a pixel belongs to the region when a ray from its
    // centre crosses the outline an odd number of times.
    std::vector<double> xs;
    for (int y = 0; y < regionHeight_; ++y) {
        double cy = y + 0.5;
        xs.clear();
        for (std::size_t i = 0; i < n; ++i) {
            Point a = poly[i], b = poly[(i + 1) % n];
            if ((a.y <= cy) == (b.y <= cy)) continue;
            xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / double(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = std::max(0, int(xs[k] + 0.5)); x < regionWidth_ && x + 0.5 < xs[k + 1]; ++x)
                regionMask_[std::size_t(y) * regionWidth_ + x] = 1;
    }
    if (regionMask_.empty()) regionMask_.assign(1, 0); // a region of no pixels is still a region
    invalidate();
    layoutChanged();
}

void Control::clearRegion() {
    if (regionPolygon_.empty() && regionMask_.empty()) return;
    regionPolygon_.clear();
    regionMask_.clear();
    invalidate();
    layoutChanged();
}

bool Control::containsPoint(Point p) const {
    if (!clientRect().contains(p)) return false;
    if (regionMask_.empty()) return true;
    if (p.x >= regionWidth_ || p.y >= regionHeight_) return false;
    return regionMask_[std::size_t(p.y) * regionWidth_ + p.x] != 0;
}

bool Control::focused() const {
    return app_ && app_->focused() == this;
}

void Control::setFocus() {
    if (app_) app_->setFocus(this);
}

void Control::invalidate() {
    if (app_ && showing()) app_->invalidate(canvasRect());
}

void Control::layoutChanged() {
    if (app_) app_->layoutChanged();
}

void Control::repaint() {
    invalidate();
    if (app_) app_->paintNow();
}

Control* Control::controlAt(Point local, bool allowDisabled, Point* hitLocal) {
    if (!visible_ || !containsPoint(local)) return nullptr;
    if (!allowDisabled && !enabled_) return nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control& c = **it;
        if (Control* hit = c.controlAt({local.x - c.left(), local.y - c.top()}, allowDisabled, hitLocal))
            return hit;
    }
    if (hitLocal) *hitLocal = local;
    return this;
}

} // namespace ui
