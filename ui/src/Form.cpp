#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Painter.h"

#include "platform/display.h"

namespace ui {

Form::Form(Application& app) : app_(&app) {
    Control::setVisible(false);
    attach(&app);
    applyBounds({0, 0, platform::kCanvasWidth, platform::kCanvasHeight});
}

Form::~Form() {
    // Free the controls while this is still a Form (their destructors talk to the application).
    while (!children().empty())
        remove(*children().back());
}

void Form::setColor(Color c) {
    if (c == color_) return;
    color_ = c;
    invalidate();
}

void Form::setStayOnTop(bool s) {
    if (s == stayOnTop_) return;
    stayOnTop_ = s;
    app_->layoutChanged();
    app_->invalidateAll();
}

void Form::setCentered(bool c) {
    centered_ = c;
    if (c) center();
}

void Form::center() {
    centering_ = true;
    applyBounds({(platform::kCanvasWidth - width()) / 2, (platform::kCanvasHeight - height()) / 2, width(),
                 height()});
    centering_ = false;
}

void Form::setBounds(const Rect& r) {
    centered_ = false;
    applyBounds(r);
}

void Form::boundsChanged(const Rect& old) {
    if (centered_ && !centering_ && (width() != old.width || height() != old.height)) center();
}

void Form::setVisible(bool v) {
    if (v) {
        if (centered_) center();
        bringToFront();
    }
    if (v == visible()) return;
    Control::setVisible(v);
    if (v) {
        if (OnShow) OnShow(*this);
    } else {
        if (OnHide) OnHide(*this);
    }
}

void Form::bringToFront() {
    auto& forms = app_->forms_;
    auto it = std::find_if(forms.begin(), forms.end(), [&](auto& f) { return f.get() == this; });
    if (it == forms.end() || it + 1 == forms.end()) return;
    std::rotate(it, it + 1, forms.end());
    invalidate();
    layoutChanged();
}

void Form::sendToBack() {
    auto& forms = app_->forms_;
    auto it = std::find_if(forms.begin(), forms.end(), [&](auto& f) { return f.get() == this; });
    if (it == forms.end() || it == forms.begin()) return;
    std::rotate(forms.begin(), it, it + 1);
    invalidate();
    layoutChanged();
}

void Form::close() {
    if (OnCloseQuery && !OnCloseQuery(*this)) return;
    CloseAction action = defaultCloseAction_;
    if (OnClose) OnClose(*this, action);
    if (action == CloseAction::None) return;
    hide();
    if (action == CloseAction::Free) app_->release(*this);
    if (app_->mainForm() == this) app_->terminate();
}

void Form::loaded() {
    for (auto& c : components_)
        c->loaded();
}

void Form::paint(Painter& p) {
    p.fillRect(clientRect(), color_);
    if (OnPaint) OnPaint(*this, p);
}

} // namespace ui
