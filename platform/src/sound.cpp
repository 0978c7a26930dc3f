#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <vector>

namespace platform {
namespace {

// A short 880 Hz tone as a mono 16-bit WAV file in memory, so SDL_mixer converts it to whatever
// format the device was opened with.
std::vector<std::uint8_t> synthesiseBeepWav() {
    constexpr int rate = 22050;
    constexpr int samples = rate * 120 / 1000;
    constexpr double pi = 3.14159265358979323846;
    std::vector<std::uint8_t> wav;
    auto put = [&wav](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto tag = [&wav](const char* s) { wav.insert(wav.end(), s, s + 4); };
    tag("RIFF");
    put(36 + samples * 2, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(samples * 2, 4);
    for (int i = 0; i < samples; ++i) {
        double fade = std::min(1.0, std::min(i, samples - i) / (rate * 0.005)); // no clicks
        auto v = static_cast<std::int16_t>(9000 * fade * std::sin(2 * pi * 880 * i / rate));
        put(static_cast<std::uint16_t>(v), 2);
    }
    return wav;
}

using SteadyClock = std::chrono::steady_clock;

} // namespace

struct MixerSound::Impl {
    explicit Impl(std::chrono::milliseconds idle) : idleClose(idle) {}

    const std::chrono::milliseconds idleClose;
    // Guards the fields below and every call into SDL_mixer and SDL's audio functions. The mixer
    // callback on SDL's audio thread never takes it, so holding it while SDL_mixer waits for that
    // thread cannot deadlock.
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::thread closer;
    bool stopping = false;
    bool subsystem = false;   // this object holds a reference on SDL's audio subsystem
    bool unavailable = false; // opening failed once: silence from then on
    bool open = false;
    SteadyClock::time_point closeAt;
    std::map<std::string, Mix_Chunk*> chunks; // nullptr: the file could not be loaded
    Mix_Chunk* beep = nullptr;

    // The reference on SDL's audio subsystem is taken once, on the thread that plays, and given
    // back by the destructor on that thread too: SDL counts its subsystems without locking, and the
    // video subsystem of that thread shares the count of the event subsystem. Closing therefore only
    // stops the audio driver (SDL_AudioQuit), which also ends the driver's own device watcher
    // thread, and opening starts it again.
    bool openDevice() {
        if (open) return true;
        if (unavailable) return false;
        if (!closer.joinable()) {
            closer = std::thread([this] { closeWhenIdle(); });
            pthread_setname_np(closer.native_handle(), "sound-idle");
        }
        const int driver = subsystem ? SDL_AudioInit(nullptr) : SDL_InitSubSystem(SDL_INIT_AUDIO);
        if (driver != 0) {
            SDL_Log("No sound: %s", SDL_GetError());
            unavailable = true;
            return false;
        }
        subsystem = true;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            SDL_Log("No sound: %s", Mix_GetError());
            SDL_AudioQuit();
            unavailable = true;
            return false;
        }
        Mix_AllocateChannels(1);
        std::vector<std::uint8_t> wav = synthesiseBeepWav();
        beep = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
        open = true;
        return true;
    }

    // Chunks are converted to the device's format when loaded, so they go with the device.
    void closeDevice() {
        Mix_HaltChannel(-1);
        for (auto& [path, chunk] : chunks)
            if (chunk) Mix_FreeChunk(chunk);
        chunks.clear();
        if (beep) Mix_FreeChunk(beep);
        beep = nullptr;
        Mix_CloseAudio();
        SDL_AudioQuit();
        open = false;
    }

    Mix_Chunk* chunkFor(const std::string& path) {
        auto it = chunks.find(path);
        if (it == chunks.end()) {
            Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
            if (!chunk) SDL_Log("Cannot play %s: %s", path.c_str(), Mix_GetError());
            it = chunks.emplace(path, chunk).first;
        }
        return it->second ? it->second : beep;
    }

    void start(Mix_Chunk* chunk) {
        if (!chunk) return;
        Mix_PlayChannel(0, chunk, 0); // channel 0 only: cuts off the sound before
        closeAt = SteadyClock::now() + idleClose;
        wake.notify_one();
    }

    // The helper thread: sleeps while the device is closed, and otherwise until the deadline that
    // the last sound set; closes the device once it has passed with nothing sounding, and gives a
    // sound that is still going (a long file) another idle period.
    void closeWhenIdle() {
        std::unique_lock lock(mutex);
        while (!stopping) {
            if (!open)
                wake.wait(lock);
            else if (SteadyClock::now() < closeAt)
                wake.wait_until(lock, closeAt);
            else if (Mix_Playing(0))
                closeAt = SteadyClock::now() + idleClose;
            else
                closeDevice();
        }
    }
};

MixerSound::MixerSound(std::chrono::milliseconds idleClose) : impl_(std::make_unique<Impl>(idleClose)) {}

MixerSound::~MixerSound() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopping = true;
    }
    impl_->wake.notify_all();
    if (impl_->closer.joinable()) impl_->closer.join();
    if (impl_->open) impl_->closeDevice();
    if (impl_->subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void MixerSound::play(const std::string& path) {
    std::lock_guard lock(impl_->mutex);
    if (impl_->openDevice()) impl_->start(impl_->chunkFor(path));
}

void MixerSound::beep() {
    std::lock_guard lock(impl_->mutex);
    if (impl_->openDevice()) impl_->start(impl_->beep);
}

bool MixerSound::deviceOpen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->open;
}

bool MixerSound::playing() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->open && Mix_Playing(0) != 0;
}

} // namespace platform
