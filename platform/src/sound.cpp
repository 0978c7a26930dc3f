#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>
#include <cstdint>
#include <map>
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

} // namespace

struct MixerSound::Impl {
    std::map<std::string, Mix_Chunk*> chunks; // nullptr: the file could not be loaded
    Mix_Chunk* beep = nullptr;

    void play(Mix_Chunk* chunk) {
        if (chunk) Mix_PlayChannel(0, chunk, 0); // channel 0 only: cuts off the sound before
    }
};

MixerSound::MixerSound() : impl_(new Impl) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SDL_Log("No sound: %s", SDL_GetError());
        return;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_Log("No sound: %s", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    open_ = true;
    Mix_AllocateChannels(1);
    std::vector<std::uint8_t> wav = synthesiseBeepWav();
    impl_->beep = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
}

MixerSound::~MixerSound() {
    if (open_) {
        Mix_HaltChannel(-1);
        for (auto& [path, chunk] : impl_->chunks)
            if (chunk) Mix_FreeChunk(chunk);
        if (impl_->beep) Mix_FreeChunk(impl_->beep);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete impl_;
}

void MixerSound::play(const std::string& path) {
    if (!open_) return;
    auto it = impl_->chunks.find(path);
    if (it == impl_->chunks.end()) {
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (!chunk) SDL_Log("Cannot play %s: %s", path.c_str(), Mix_GetError());
        it = impl_->chunks.emplace(path, chunk).first;
    }
    impl_->play(it->second ? it->second : impl_->beep);
}

void MixerSound::beep() {
    if (open_) impl_->play(impl_->beep);
}

} // namespace platform
