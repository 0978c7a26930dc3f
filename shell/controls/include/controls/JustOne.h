#pragma once
// One running copy of the program: when its form has been built, the component claims the
// application title; a later copy brings the running one forward and ends itself.
#include "ui/Form.h"

#include "platform/single_instance.h"

#include <functional>
#include <memory>

namespace ui {
class Application;
}

namespace controls {

class TXJustOne : public ui::Component {
public:
    TXJustOne(ui::Application& app, std::unique_ptr<platform::SingleInstance> instance);

    // Bring the running copy forward.
    bool SwitchToPrevious = true;
    // End this copy.
    bool Terminate = true;
    // Raised in a later copy, before the two actions above.
    std::function<void(TXJustOne&)> AlreadyExist;

    // Acts once: claims the title, or (another copy holds it) raises AlreadyExist, brings that
    // copy forward and requests the end, as configured.
    void loaded() override;
    // Whether this copy holds the claim (it does until the component is destroyed).
    bool holdsLock() const { return held_; }

private:
    ui::Application& app_;
    std::unique_ptr<platform::SingleInstance> instance_;
    bool acted_ = false;
    bool held_ = false;
};

} // namespace controls
