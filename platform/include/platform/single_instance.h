#pragma once
// One running copy per user: a lock file and a Unix socket in the user's runtime directory,
// both named after the application title. A later copy asks the running one to come forward.
#include <functional>
#include <memory>
#include <string>

namespace platform {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this is the only copy; the lock is then held until destruction.
    virtual bool acquire(const std::string& title) = 0;
    // Asks the copy that holds the lock to come forward; true when it took the request.
    virtual bool askRunningCopyForward() = 0;
    // While the lock is held, calls `onRequest` (on a background thread) whenever a later copy
    // asks to bring this one forward. The callback must only post work to the UI thread.
    virtual void listen(std::function<void()> onRequest) = 0;
};

// $XDG_RUNTIME_DIR, or a private folder of the user's own (mode 0700) when it is not set or names
// no folder that can be written.
std::string runtimeDirectory();

std::unique_ptr<SingleInstance> makeSingleInstance(const std::string& runtimeDir = runtimeDirectory());

// In-memory stand-in: `othersRunning` decides what acquire() answers.
class FakeSingleInstance final : public SingleInstance {
public:
    bool acquire(const std::string& title) override {
        title_ = title;
        return !othersRunning;
    }
    bool askRunningCopyForward() override {
        ++forwardRequests;
        return othersRunning;
    }
    void listen(std::function<void()> onRequest) override { onRequest_ = std::move(onRequest); }
    void simulateLaterCopy() {
        if (onRequest_) onRequest_();
    }
    bool othersRunning = false;
    int forwardRequests = 0;

private:
    std::string title_;
    std::function<void()> onRequest_;
};

} // namespace platform
