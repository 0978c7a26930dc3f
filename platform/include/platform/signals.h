#pragma once
// Termination requests from the system (SIGTERM at shutdown or from `kill`, SIGINT from a
// terminal, SIGHUP when the terminal closes), taken on a thread of their own so the program can end through its normal end.
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

class TerminationSignals {
public:
    // Blocks SIGTERM, SIGINT and SIGHUP in the calling thread, and so in every thread it starts later, and
    // keeps SDL from turning them into a quit event. Construct it first thing in main(), before any
    // other thread exists, and keep it until the end.
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // `handler` runs on the signal thread for each request and must only post work to the UI
    // thread. While no handler is set, a request ends the process at once, as it would by default.
    // Setting a handler waits for one that is running to return.
    void setHandler(std::function<void()> handler);

private:
    void waitForSignals();

    std::mutex mutex_;
    std::function<void()> handler_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace platform
