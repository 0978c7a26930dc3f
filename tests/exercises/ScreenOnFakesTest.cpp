// Exercise screens built on fakes, without the menu or the setup screen: a whole run of ten
// answered by the rows' parts, with one wrong row, hands exactly one result over, and back goes to
// the setup screen without a result.
#include "ScreenOnFakes.h"
#include "ExerciseFixture.h"

#include "exercises/07/Main07.h"
#include "exercises/09/Main09.h"
#include "exercises/13/Main13.h"

namespace {

TEST_F(ScreenOnFakes, ChooserRowsJudgeEveryRowAndTheRunHandsOneResultOver) {
    struct Case {
        const char* key;
        const char* pattern;
        framework::SentenceChoiceScreen& (*open)(ScreenOnFakes&);
        const char* title;
    };
    const Case cases[] = {
        {"07", "Jano N prišiel.@Oznamovaci",
         [](ScreenOnFakes& t) -> framework::SentenceChoiceScreen& { return t.open<ex07::TMainForm07>(); },
         "Druhy viet podľa postoja hovoriaceho"},
        {"09", "Jano N spieva a Eva tancuje.@Slucovaci",
         [](ScreenOnFakes& t) -> framework::SentenceChoiceScreen& { return t.open<ex09::TMainForm09>(); },
         "Vzťahy medzi hlavnými vetami"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        run = {};
        run.hdRoot = hd.path.string();
        writeSentences(c.key, numberedSentences(c.pattern, 12));
        framework::SentenceChoiceScreen& s = c.open(*this);
        EXPECT_EQ(run.tablesOpened, std::vector<std::string>{c.key});
        for (int r = 1; r <= 9; ++r) { // row 10 stays unanswered
            bot.click(s.choosers().chooser(r));
            bot.click(s.choosers().list().item(0));
        }
        bot.click("IKontr");
        EXPECT_EQ(s.flow().right(), 9);
        bot.click("IPokracuj");
        ASSERT_EQ(run.records.size(), 1u);
        EXPECT_EQ(run.records[0].name, "Ema");
        EXPECT_EQ(run.records[0].title, c.title);
        EXPECT_EQ(run.records[0].right, 9);
        EXPECT_EQ(run.records[0].wrong, 1);
        EXPECT_EQ(run.tablesShown, std::vector<std::string>{c.key});
    }
}

TEST_F(ScreenOnFakes, ChoiceImagesJudgeTheCycleAndBackGoesToTheSetup) {
    writeSentences("13", numberedSentences("Prišiel N, keď pršalo.@podradici", 12));
    auto& s = open<ex13::TMainForm13>();
    for (int r = 1; r <= 10; ++r)
        for (int i = 0; i < (r == 1 ? 1 : 2); ++i) // row 1 stays on the first answer
            bot.click(s.choices().image(r));
    bot.click("IKontr");
    EXPECT_EQ(s.flow().right(), 9);
    EXPECT_EQ(s.flow().wrong(), 1);
    bot.click("IZpet");
    EXPECT_EQ(run.setupShown, 1);
    EXPECT_TRUE(run.records.empty()) << "a run left early records nothing";
}

} // namespace
