#include "platform/sound.h"

#include <SDL.h>
#include <algorithm>
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

// The format the device is opened with. SDL converts it to whatever the sound card needs, so the
// converted sounds stay valid from one opening of the device to the next.
constexpr int deviceRate = 44100;
constexpr SDL_AudioFormat deviceFormat = AUDIO_S16SYS;
constexpr Uint8 deviceChannels = 2;

using Samples = std::vector<std::uint8_t>;

// PCM data in the format `from` converted to the device format; empty when it cannot be.
Samples toDeviceFormat(const SDL_AudioSpec& from, const Uint8* data, Uint32 length) {
    std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)> stream(
        SDL_NewAudioStream(from.format, from.channels, from.freq, deviceFormat, deviceChannels, deviceRate),
        SDL_FreeAudioStream);
    if (!stream || SDL_AudioStreamPut(stream.get(), data, static_cast<int>(length)) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0)
        return {};
    Samples out(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    const int got = SDL_AudioStreamGet(stream.get(), out.data(), static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(std::max(got, 0)));
    return out;
}

// A WAV file in the device format; empty when it is missing, unreadable or holds no sound.
Samples loadWav(const std::string& path) {
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &spec, &data, &length)) {
        SDL_Log("Cannot play %s: %s", path.c_str(), SDL_GetError());
        return {};
    }
    Samples samples = toDeviceFormat(spec, data, length);
    SDL_FreeWAV(data);
    if (samples.empty()) SDL_Log("Cannot play %s: no sound in the device's format", path.c_str());
    return samples;
}

// The default beep: a short 880 Hz tone, faded in and out so that it does not click.
Samples synthesiseBeep() {
    constexpr int samples = deviceRate * 120 / 1000;
    constexpr double pi = 3.14159265358979323846;
    std::vector<std::int16_t> tone(samples);
    for (int i = 0; i < samples; ++i) {
        const double fade = std::min(1.0, std::min(i, samples - i) / (deviceRate * 0.005));
        tone[i] = static_cast<std::int16_t>(9000 * fade * std::sin(2 * pi * 880 * i / deviceRate));
    }
    SDL_AudioSpec mono{};
    mono.freq = deviceRate;
    mono.format = AUDIO_S16SYS;
    mono.channels = 1;
    return toDeviceFormat(mono, reinterpret_cast<const Uint8*>(tone.data()),
                          static_cast<Uint32>(tone.size() * sizeof(std::int16_t)));
}

using SteadyClock = std::chrono::steady_clock;

} // namespace

struct SdlSound::Impl {
    explicit Impl(std::chrono::milliseconds idle) : idleClose(idle) {}

    const std::chrono::milliseconds idleClose;
    // Guards the fields below and every call into SDL's audio functions. SDL's audio thread only
    // drains the queue under its own lock and never takes this one.
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::thread closer;
    bool stopping = false;
    bool subsystem = false;       // this object holds a reference on SDL's audio subsystem
    bool unavailable = false;     // opening failed once: silence from then on
    SDL_AudioDeviceID device = 0; // 0: closed
    SteadyClock::time_point closeAt;
    // Loaded once per path, for the life of the program; empty: could not be loaded, beep instead.
    std::map<std::string, Samples> sounds;
    Samples beep;

    // The reference on SDL's audio subsystem is taken once, on the thread that plays, and given
    // back by the destructor on that thread too: SDL counts its subsystems without locking, and the
    // video subsystem of that thread shares the count of the event subsystem. Closing therefore only
    // stops the audio driver (SDL_AudioQuit), which also ends the driver's own device watcher
    // thread, and opening starts it again.
    bool openDevice() {
        if (device != 0) return true;
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
        SDL_AudioSpec wanted{};
        wanted.freq = deviceRate;
        wanted.format = deviceFormat;
        wanted.channels = deviceChannels;
        wanted.samples = 1024;
        wanted.callback = nullptr; // sounds are queued
        device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (device == 0) {
            SDL_Log("No sound: %s", SDL_GetError());
            SDL_AudioQuit();
            unavailable = true;
            return false;
        }
        if (beep.empty()) beep = synthesiseBeep();
        return true;
    }

    void closeDevice() {
        SDL_CloseAudioDevice(device);
        device = 0;
        SDL_AudioQuit();
    }

    const Samples& samplesFor(const std::string& path) {
        auto it = sounds.find(path);
        if (it == sounds.end()) it = sounds.emplace(path, loadWav(path)).first;
        return it->second.empty() ? beep : it->second;
    }

    bool sounding() const { return device != 0 && SDL_GetQueuedAudioSize(device) > 0; }

    void start(const Samples& samples) {
        SDL_ClearQueuedAudio(device); // cuts off the sound before
        if (SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(samples.size())) != 0)
            SDL_Log("Cannot play a sound: %s", SDL_GetError());
        SDL_PauseAudioDevice(device, 0);
        // The idle period counts from the sound's end, so a long sound is not cut off and a short
        // click does not keep the device (and its thread's wake-ups) for longer than needed.
        constexpr std::size_t bytesPerSecond =
            std::size_t(deviceRate) * deviceChannels * sizeof(std::int16_t);
        const auto length = std::chrono::milliseconds(samples.size() * 1000 / bytesPerSecond);
        closeAt = SteadyClock::now() + length + idleClose;
        wake.notify_one();
    }

    // The helper thread: sleeps while the device is closed, and otherwise until the deadline that
    // the last sound set; closes the device once it has passed with nothing sounding, and gives a
    // sound that is still going (a long file) another idle period.
    void closeWhenIdle() {
        std::unique_lock lock(mutex);
        while (!stopping) {
            if (device == 0)
                wake.wait(lock);
            else if (SteadyClock::now() < closeAt)
                wake.wait_until(lock, closeAt);
            else if (sounding())
                closeAt = SteadyClock::now() + idleClose;
            else
                closeDevice();
        }
    }
};

SdlSound::SdlSound(std::chrono::milliseconds idleClose) : impl_(std::make_unique<Impl>(idleClose)) {}

SdlSound::~SdlSound() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopping = true;
    }
    impl_->wake.notify_all();
    if (impl_->closer.joinable()) impl_->closer.join();
    if (impl_->device != 0) impl_->closeDevice();
    if (impl_->subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::play(const std::string& path) {
    std::lock_guard lock(impl_->mutex);
    if (impl_->openDevice()) impl_->start(impl_->samplesFor(path));
}

void SdlSound::beep() {
    std::lock_guard lock(impl_->mutex);
    if (impl_->openDevice()) impl_->start(impl_->beep);
}

bool SdlSound::deviceOpen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->device != 0;
}

bool SdlSound::playing() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->sounding();
}

} // namespace platform
