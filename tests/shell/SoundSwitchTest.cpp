// The speaker of the menu: every sound of the program on or off, the pupil's choice kept across
// starts, and the school's default for a pupil who has not chosen.
#include "ShellFixture.h"

#include "shell/SoundSwitch.h"

#include "platform/errors.h"

namespace {

struct SoundSwitchTest : ShellTest {
    std::filesystem::path settings() const { return config.path / "BrevionZvuk.ini"; }
    shell::TSelectForm& menu() { return *menuForm(); }
};

TEST_F(SoundSwitchTest, OffSilencesEverySoundAndTheChoiceOutlivesTheProgram) {
    writeGoodIni();
    ASSERT_TRUE(start());
    ASSERT_TRUE(menu().IZvuk->visible());
    EXPECT_TRUE(program->soundSwitch()->on());
    EXPECT_EQ(menu().IZvuk->hint(), "Vypnúť zvuk");
    EXPECT_TRUE(samePicture(menu().IZvuk->picture(), cdPicture("\\Bitmap\\Select\\zvuk1.bmp")));

    bot->click(*menu().IZvuk);
    EXPECT_FALSE(program->soundSwitch()->on());
    EXPECT_EQ(menu().IZvuk->hint(), "Zapnúť zvuk");
    EXPECT_TRUE(samePicture(menu().IZvuk->picture(), cdPicture("\\Bitmap\\Select\\zvuk0h.bmp")));
    EXPECT_EQ(readFile(settings()), "[Zvuk]\r\nZapnuty=0\r\n");

    // Hovering and clicking through the menu and the setup screen, and a refused key: not a sound.
    sound.played.clear();
    openSetup(1, 1);
    bot->type("Eva|");
    bot->click(*setupForm()->IZpet);
    EXPECT_TRUE(sound.played.empty()) << sound.played.size() << " sounds while off";

    restart();
    EXPECT_FALSE(program->soundSwitch()->on()) << "the choice is kept across starts";
    EXPECT_TRUE(samePicture(menu().IZvuk->picture(), cdPicture("\\Bitmap\\Select\\zvuk0.bmp")));
    bot->click(*menu().IZvuk);
    EXPECT_TRUE(program->soundSwitch()->on());
    EXPECT_FALSE(sound.played.empty()) << "switched on, the click is heard";
    restart();
    EXPECT_TRUE(program->soundSwitch()->on());
}

TEST_F(SoundSwitchTest, ThePupilsChoiceGoesBeforeTheSchoolsDefault) {
    struct Case {
        const char* file; // nullptr: no settings file
        const char* school;
        bool on;
    };
    const Case cases[] = {
        {nullptr, "", true},
        {nullptr, "0", false},
        {nullptr, "1", true},
        {nullptr, "x", true}, // an unknown value leaves the sounds on
        {"[Zvuk]\r\nZapnuty=1\r\n", "0", true},
        {"[Zvuk]\r\nZapnuty=0\r\n", "1", false},
        {"[Zvuk]\r\nZapnuty=nie\r\n", "0", false}, // a damaged file: the school's default
    };
    platform::FakeSound inner;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file ? c.file : "(none)") + " / school " + c.school);
        std::filesystem::remove(settings());
        if (c.file) writeFile(settings(), c.file);
        shell::SoundSwitch sw(inner, settings().string(), c.school);
        EXPECT_EQ(sw.on(), c.on);
        inner.played.clear();
        sw.play("a.wav");
        sw.beep();
        EXPECT_EQ(inner.played.size(), c.on ? 2u : 0u);
    }
}

TEST_F(SoundSwitchTest, AChoiceThatCannotBeWrittenIsAnErrorButStillSwitches) {
    platform::FakeSound inner;
    shell::SoundSwitch sw(inner, (config.path / "missing" / "BrevionZvuk.ini").string(), "");
    EXPECT_THROW(sw.setOn(false), platform::FileError);
    EXPECT_FALSE(sw.on());
    sw.play("a.wav");
    EXPECT_TRUE(inner.played.empty());
}

} // namespace
