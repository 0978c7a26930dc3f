#include "controls/JustOne.h"

#include "ui/Application.h"

namespace controls {

TXJustOne::TXJustOne(ui::Application& app, std::unique_ptr<platform::SingleInstance> instance)
    : app_(app), instance_(std::move(instance)) {}

void TXJustOne::loaded() {
    if (acted_) return;
    acted_ = true;
    if (instance_->acquire(app_.title())) {
        held_ = true;
        // Requests arrive on the listener's thread; the window is raised on the UI thread.
        instance_->listen([&app = app_] { app.postBringForward(); });
        return;
    }
    if (AlreadyExist) AlreadyExist(*this);
    if (SwitchToPrevious) instance_->askRunningCopyForward();
    if (Terminate) app_.terminate();
}

} // namespace controls
