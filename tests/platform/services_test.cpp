// Sound, run-time libraries and entries run in a helper process.
#include "platform/dynlib.h"
#include "platform/errors.h"
#include "platform/helper_process.h"
#include "platform/sound.h"

#include <SDL.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using namespace platform;

namespace {

// A mono 16-bit 22050 Hz WAV file of `ms` milliseconds of silence (the device plays another format).
std::string writeSilentWav(int ms) {
    const std::string path = testing::TempDir() + "/silence" + std::to_string(ms) + ".wav";
    const std::uint32_t bytes = 22050u * 2u * std::uint32_t(ms) / 1000u;
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.put(char(v >> (8 * i)));
    };
    out << "RIFF";
    put(36 + bytes);
    out << "WAVEfmt ";
    for (std::uint32_t v : {16u, 1u | (1u << 16), 22050u, 44100u, 2u | (16u << 16)})
        put(v);
    out << "data";
    put(bytes);
    out << std::string(bytes, '\0');
    return path;
}

// Waits up to `ms` milliseconds for `done` to hold.
bool within(int ms, const std::function<bool()>& done) {
    for (int i = 0; i < ms / 10 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

} // namespace

TEST(SdlSound, DeviceOpensAtTheFirstSoundAndClosesWhenIdle) {
    setenv("SDL_AUDIODRIVER", "dummy", 1); // a device without a sound card
    SdlSound sound(std::chrono::milliseconds(50));
    EXPECT_FALSE(sound.deviceOpen()); // nothing of audio at start-up

    sound.play("/nonexistent/Sound/Enter.wav"); // missing file: the default beep
    EXPECT_TRUE(sound.deviceOpen());
    EXPECT_TRUE(sound.playing());
    ASSERT_TRUE(within(2000, [&] { return !sound.deviceOpen(); }));
    EXPECT_EQ(SDL_GetCurrentAudioDriver(), nullptr); // the driver's own threads are gone too

    // A sound is never cut off by the idle close, however short the idle time; the file is
    // longer than the beep, so it was loaded and converted, not replaced by the beep.
    const std::string wav = writeSilentWav(400);
    sound.play(wav);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_TRUE(sound.playing());
    ASSERT_TRUE(within(2000, [&] { return !sound.deviceOpen(); }));

    // Opens again, as often as needed, and plays the file loaded before.
    sound.beep();
    EXPECT_TRUE(sound.playing());
    sound.play(wav);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_TRUE(sound.playing());
}

TEST(SdlSound, ANewSoundCutsOffTheOneBefore) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlSound sound(std::chrono::seconds(3));
    const std::string longWav = writeSilentWav(3000);
    sound.play(longWav);
    sound.beep(); // 120 ms: the three seconds before it are dropped
    EXPECT_TRUE(within(1000, [&] { return !sound.playing(); }));
    sound.play(longWav);
    sound.play("/nonexistent/Sound/Click.wav");
    EXPECT_TRUE(within(1000, [&] { return !sound.playing(); }));
    EXPECT_TRUE(sound.deviceOpen()); // the idle time of three seconds has not passed
}

TEST(SdlSound, NoAudioDeviceIsSilenceNotAnError) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSound sound;
    sound.play("/nonexistent/Sound/Click.wav");
    sound.beep();
    EXPECT_FALSE(sound.deviceOpen());
    EXPECT_FALSE(sound.playing());
}

TEST(DlLibraryLoader, LoadsByNameOrByDllNameFindsSymbolsAndReportsAMissingLibrary) {
    DlLibraryLoader loader;
    for (const char* path : {PLUGIN_DIR "/plugin.so", PLUGIN_DIR "/plugin.dll"}) {
        auto lib = loader.load(path);
        auto answer = reinterpret_cast<int (*)(int)>(lib->symbol("plugin_answer"));
        ASSERT_NE(answer, nullptr) << path;
        EXPECT_EQ(answer(20), 41);
        EXPECT_EQ(lib->symbol("TR99"), nullptr);
    }
    const std::string path = PLUGIN_DIR "/Tisk.dll";
    try {
        loader.load(path);
        FAIL() << "loaded a library that is not there";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(std::string(e.what()).find("cannot open shared object file"), std::string::npos)
            << e.what();
    }
}

// The entry runs in a helper process and sees the caller's data; what it returns or raises comes
// back as it was.
TEST(HelperProcess, ReturnsTheEntrysAnswerAndRaisesTheChildsErrorsAsTheyWere) {
    DlLibraryLoader loader;
    const std::string path = PLUGIN_DIR "/plugin.so";
    const int argument = 20;
    auto answer = [&](void* entry) { return reinterpret_cast<int (*)(int)>(entry)(argument); };
    EXPECT_EQ(callEntryInHelper(loader, path, "plugin_answer", answer), 41);

    struct Case {
        const char* what;
        std::string path, entry;
        std::function<int(void*)> call;
        std::string expectedPath; // FileError's path; empty: not a FileError
        const char* expectedText;
    };
    const Case cases[] = {
        {"no library", PLUGIN_DIR "/none.so", "plugin_answer", answer, PLUGIN_DIR "/none.so", "Cannot load"},
        {"no entry", path, "TR99", answer, path, "no entry TR99"},
        {"a file error", path, "plugin_answer",
         [](void*) -> int { throw FileError("/hd/01.dat", "Cannot open"); }, "/hd/01.dat",
         "Cannot open: /hd/01.dat"},
        {"a conversion error", path, "plugin_answer",
         [](void*) -> int { throw ConversionError("not Windows-1250: ŕ"); }, "", "not Windows-1250: ŕ"},
    };
    for (const Case& c : cases) {
        try {
            callEntryInHelper(loader, c.path, c.entry, c.call);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), c.expectedPath) << c.what;
            EXPECT_NE(std::string(e.what()).find(c.expectedText), std::string::npos)
                << c.what << ": " << e.what();
        } catch (const ConversionError& e) {
            EXPECT_TRUE(c.expectedPath.empty()) << c.what;
            EXPECT_STREQ(e.what(), c.expectedText) << c.what;
        }
    }
    try {
        callEntryInHelper(loader, path, "plugin_answer",
                          [](void*) -> int { throw PrinterError("no printer", true); });
        ADD_FAILURE() << "no PrinterError";
    } catch (const PrinterError& e) {
        EXPECT_TRUE(e.noDefaultPrinter());
        EXPECT_STREQ(e.what(), "no printer");
    }
}
