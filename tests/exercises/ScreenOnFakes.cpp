#include "ScreenOnFakes.h"

#include "framework/ExerciseScreen.h"
#include "shell/Hint3.h"
#include "ui/Label.h"

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
