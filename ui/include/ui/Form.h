#pragma once
// A top-level window inside the 640x480 canvas: any size, centred unless placed, a colour, an
// optional polygon region, stay-on-top, and the close protocol of the original toolkit.
#include "ui/Control.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

// A non-visual part of a form that acts once the form has been built (see Form::loaded).
class Component {
public:
    virtual ~Component() = default;
    virtual void loaded() {}
};

// What closing does: nothing, hide the form, or free it after the current event.
enum class CloseAction { None, Hide, Free };

class Form : public Control {
public:
    explicit Form(Application& app);
    ~Form() override;

    Application& app() const { return *app_; }

    Color color() const { return color_; }
    void setColor(Color c);
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool s);
    // Centred on the canvas until it is given a position of its own.
    bool centered() const { return centered_; }
    void setCentered(bool c);

    // Giving a position ends centring.
    void setBounds(const Rect& r) override;
    using Control::setBounds;
    // Shows the form above the others (of its kind).
    void setVisible(bool v) override;
    void bringToFront() override;
    void sendToBack() override;
    // Asks OnCloseQuery, then OnClose decides the action (Hide by default, Free for a form that
    // frees itself). Closing the main form ends the application.
    void close();

    template <class T, class... Args> T& addComponent(Args&&... args) {
        auto c = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *c;
        components_.push_back(std::move(c));
        return ref;
    }

    // Called once by Application::create after the form is built; lets the components act.
    virtual void loaded();

    std::function<bool(Form&)> OnCloseQuery; // false keeps the form open
    std::function<void(Form&, CloseAction&)> OnClose;
    std::function<void(Form&, Painter&)> OnPaint; // after the colour, before the controls
    std::function<void(Form&)> OnShow;
    std::function<void(Form&)> OnHide;
    std::function<void(Form&)> OnDestroy; // just before the form is freed

protected:
    // Fills the whole form with its colour. A form's painting covers its whole rectangle, as the
    // forms beneath are not painted where it lies: an override fills it too.
    void paint(Painter& p) override;
    void boundsChanged(const Rect& old) override;
    // The default close action; OnClose may change it.
    CloseAction defaultCloseAction_ = CloseAction::Hide;

private:
    void center();

    Application* app_;
    Color color_ = colors::BtnFace;
    bool stayOnTop_ = false;
    bool centered_ = true;
    bool centering_ = false;
    std::vector<std::unique_ptr<Component>> components_;
};

} // namespace ui
