#include "platform/signals.h"

#include <SDL_hints.h>
#include <csignal>
#include <cstdlib>
#include <pthread.h>
#include <system_error>

namespace platform {
namespace {

sigset_t terminationSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP); // the terminal closed
    return set;
}

// The default action of `signal`: ends the process.
[[noreturn]] void endByDefault(int signal) {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigaction(signal, &action, nullptr);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    raise(signal);
    std::_Exit(128 + signal); // not reached: the signal is delivered before raise() returns
}

} // namespace

TerminationSignals::TerminationSignals() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const sigset_t set = terminationSet();
    if (int error = pthread_sigmask(SIG_BLOCK, &set, nullptr))
        throw std::system_error(error, std::generic_category(), "Cannot block termination signals");
    thread_ = std::thread([this] { waitForSignals(); });
    pthread_setname_np(thread_.native_handle(), "signals");
}

TerminationSignals::~TerminationSignals() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    pthread_kill(thread_.native_handle(), SIGTERM); // wakes sigwait; the thread sees stopping_
    thread_.join();
}

void TerminationSignals::setHandler(std::function<void()> handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

void TerminationSignals::waitForSignals() {
    const sigset_t set = terminationSet();
    for (;;) {
        int signal = 0;
        if (sigwait(&set, &signal) != 0) continue;
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        if (!handler_) endByDefault(signal);
        handler_();
    }
}

} // namespace platform
