#pragma once
// Asynchronous sound on one channel: a new sound cuts off the one before.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a WAV file and returns at once. A missing or unreadable file plays a short
    // default beep; without an audio device nothing is heard, and that is never an error.
    virtual void play(const std::string& path) = 0;
    // The system beep (a refused key in an edit field).
    virtual void beep() = 0;
};

// SDL's own audio on one queue: playing clears what is still queued, so a new sound cuts off the
// one before. Each WAV file is loaded and converted to the device's format once, at its first play.
// The audio device is open only while sounds play: it opens at the first sound and closes once
// nothing has sounded for `idleClose` after the last sound's end, because SDL's audio thread wakes
// every buffer period for as long as a device is open, even a silent one. The default is short:
// opening the device again at the next click costs less than a second of those wake-ups. A helper thread that
// sleeps until that deadline does the closing. When no device can be opened at all, every later sound is
// silent without trying again.
class SdlSound final : public Sound {
public:
    explicit SdlSound(std::chrono::milliseconds idleClose = std::chrono::milliseconds(300));
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;
    void play(const std::string& path) override;
    void beep() override;
    // Whether the audio device is open at this moment, and whether a sound is still queued.
    bool deviceOpen() const;
    bool playing() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Records what was asked for.
class FakeSound final : public Sound {
public:
    void play(const std::string& path) override { played.push_back(path); }
    void beep() override { played.emplace_back("<beep>"); }
    std::vector<std::string> played;
};

} // namespace platform
