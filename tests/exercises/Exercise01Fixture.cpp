#include "Exercise01Fixture.h"

#include "exercises/01/Sentences01.h"

#include <controls/GRAlignEdit.h>

std::string testSentence(int i) {
    const std::string n = std::to_string(i);
    if (i % 2 == 0) return "#Mama" + n + " $varí obed" + n + ".@";
    return "$Prišiel" + n + " domov.@on";
}

void Exercise01Test::openSetup01(const std::string& name, const std::string& number,
                                 const std::vector<std::string>& fileLines) {
    std::vector<std::string> lines = fileLines;
    for (int i = 1; fileLines.empty() && i <= kSentences; ++i)
        lines.push_back(testSentence(i));
    openExerciseSetup("01", registerScreen01, lines, name, number);
}

ex01::TMainForm01& Exercise01Test::startRun(const std::string& name, const std::string& number,
                                            const std::vector<std::string>& fileLines) {
    openSetup01(name, number, fileLines);
    bot->click("IPokracuj");
    return screen();
}

ex01::TMainForm01& Exercise01Test::startRunOfTen(const std::string& name) {
    std::vector<std::string> ten;
    for (int i = 1; i <= 10; ++i)
        ten.push_back(testSentence(i));
    return startRun(name, "I10", ten);
}

ex01::TMainForm01& Exercise01Test::screen() {
    return bot->find<ex01::TMainForm01>("MainForm01");
}

bool Exercise01Test::screenOpen() const {
    return bot->exists("MainForm01");
}

void Exercise01Test::answerRow(int r, bool right, const char* typed) {
    ex01::TMainForm01& s = screen();
    const framework::Sentence& sentence = s.sentenceOfRow(r);
    for (std::int32_t code : {ex01::kSubject, ex01::kPredicate}) {
        if (code == ex01::kPredicate && !right) continue;
        bot->click(code == ex01::kSubject ? "IPodmet" : "IPrisudek");
        for (int k = 1; k <= ex01::kSlots; ++k)
            if (sentence[std::size_t(k - 1)].code == code) bot->click(s.rows().label(r, k));
    }
    const std::string text = typed ? typed : sentence[0].remark;
    if (!text.empty()) {
        bot->click(s.answerField(r));
        bot->type(text);
    }
}
