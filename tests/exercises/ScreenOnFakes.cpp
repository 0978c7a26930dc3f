#include "ScreenOnFakes.h"

#include "ExerciseFixture.h"

#include "framework/ExerciseScreen.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "shell/Hint3.h"
#include "ui/Label.h"

std::string FakeScreenServices::cd(std::string_view relative) const {
    return platform::joinPath(root, relative);
}

void FakeScreenServices::playEnter() const {
    sound.play(cd("\\Sound\\Enter.wav"));
}

void FakeScreenServices::playClick() const {
    sound.play(cd("\\Sound\\Click.wav"));
}

std::string FakeRun::hd(std::string_view relative) const {
    return platform::joinPath(hdRoot, relative);
}

void ScreenOnFakes::writeSentences(const std::string& key, const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines)
        file += storedLine(line) + "\r\n";
    writeFile(hd.path / (key + ".dat"), file);
}

std::string ScreenOnFakes::oneLineAnswer(framework::ExerciseScreen& s, const std::string& start) {
    const int r = rowStarting(s, start);
    press(s.evaluationImage(r));
    EXPECT_TRUE(s.answerShown()) << start;
    auto& window = bot->find<shell::THintForm3>("HintForm3");
    EXPECT_EQ(window.bounds().left, 8);
    EXPECT_EQ(window.top(), 70 + 36 * r);
    const std::string text = bot->find<ui::Label>("Odpoved").text();
    release(s.evaluationImage(r));
    app.processMessages();
    EXPECT_FALSE(bot->exists("HintForm3"));
    return text;
}
