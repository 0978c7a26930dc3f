// Sound, system message boxes without a display, and run-time libraries.
#include "platform/dynlib.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "platform/sound.h"

#include <SDL_mixer.h>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace platform;

TEST(MixerSound, MissingFilePlaysTheDefaultBeepOnTheOneChannel) {
    setenv("SDL_AUDIODRIVER", "dummy", 1); // a device without a sound card
    MixerSound sound;
    ASSERT_TRUE(sound.hasDevice());
    sound.play("/nonexistent/Sound/Enter.wav");
    EXPECT_EQ(Mix_Playing(0), 1);
    Mix_HaltChannel(0);
    sound.beep();
    EXPECT_EQ(Mix_Playing(0), 1);
}

TEST(MixerSound, NoAudioDeviceIsSilenceNotAnError) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MixerSound sound;
    EXPECT_FALSE(sound.hasDevice());
    sound.play("/nonexistent/Sound/Click.wav");
    sound.beep();
}

TEST(SystemMessageBoxes, WithoutADisplayTheMessageIsLoggedAndAQuestionAnswersNo) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    SystemMessageBoxes boxes;
    testing::internal::CaptureStderr();
    MessageResult answer =
        boxes.show("Chyba", "Nemožno nájsť súbory.\rNainštalujte aplikáciu znova.\r\nKoniec",
                   MessageIcon::Question, MessageButtons::YesNo);
    MessageResult ok = boxes.show("Info", "Hotovo", MessageIcon::Information, MessageButtons::Ok);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, MessageResult::No);
    EXPECT_EQ(ok, MessageResult::Ok);
    EXPECT_NE(log.find("Chyba: Nemožno nájsť súbory.\nChyba: Nainštalujte aplikáciu znova.\nChyba: Koniec\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Info: Hotovo\n"), std::string::npos) << log;
}

TEST(DlLibraryLoader, LoadsByNameOrByDllNameAndFindsSymbols) {
    DlLibraryLoader loader;
    for (const char* path : {PLUGIN_DIR "/plugin.so", PLUGIN_DIR "/plugin.dll"}) {
        auto lib = loader.load(path);
        auto answer = reinterpret_cast<int (*)(int)>(lib->symbol("plugin_answer"));
        ASSERT_NE(answer, nullptr) << path;
        EXPECT_EQ(answer(20), 41);
        EXPECT_EQ(lib->symbol("TR99"), nullptr);
    }
}

TEST(DlLibraryLoader, MissingLibraryIsAFileErrorWithTheReason) {
    DlLibraryLoader loader;
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
