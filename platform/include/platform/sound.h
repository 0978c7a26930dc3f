#pragma once
// Asynchronous sound on one channel: a new sound cuts off the one before.
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

// SDL_mixer on one channel.
class MixerSound final : public Sound {
public:
    MixerSound();
    ~MixerSound() override;
    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;
    void play(const std::string& path) override;
    void beep() override;
    bool hasDevice() const { return open_; }

private:
    struct Impl;
    Impl* impl_ = nullptr;
    bool open_ = false;
};

// Records what was asked for.
class FakeSound final : public Sound {
public:
    void play(const std::string& path) override { played.push_back(path); }
    void beep() override { played.emplace_back("<beep>"); }
    std::vector<std::string> played;
};

} // namespace platform
