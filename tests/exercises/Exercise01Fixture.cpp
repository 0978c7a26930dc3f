#include "Exercise01Fixture.h"

#include "exercises/01/Sentences01.h"
#include "platform/encoding.h"
#include "platform/paths.h"

#include <controls/GRAlignEdit.h>

#include <algorithm>

std::string storedLine(const std::string& utf8) {
    std::string stored;
    for (char c : platform::utf8ToCp1250(utf8))
        stored += std::string("x~z") + c;
    return stored;
}

std::string testSentence(int i) {
    const std::string n = std::to_string(i);
    if (i % 2 == 0) return "#Mama" + n + " $varí obed" + n + ".@";
    return "$Prišiel" + n + " domov.@on";
}

void Exercise01Test::openSetup01(const std::string& name, const std::string& number,
                                 const std::vector<std::string>& fileLines) {
    writeGoodIni();
    std::string file;
    if (fileLines.empty())
        for (int i = 1; i <= kSentences; ++i)
            file += storedLine(testSentence(i)) + "\r\n";
    for (const std::string& line : fileLines)
        file += storedLine(line) + "\r\n";
    writeFile(hd.path / "01.dat", file);
    registerScreen01(screens);
    ASSERT_TRUE(start());
    openSetup(1, 1);
    bot->type(name);
    bot->click(number);
}

ex01::TMainForm01& Exercise01Test::startRun(const std::string& name, const std::string& number) {
    openSetup01(name, number);
    bot->click("IPokracuj");
    return screen();
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

void Exercise01Test::press(ui::Control& c) {
    bot->moveTo(ui::Automation::center(c));
    bot->press(ui::Automation::center(c));
}

void Exercise01Test::release(ui::Control& c) {
    bot->release(ui::Automation::center(c));
}

int Exercise01Test::countSounds(const std::string& relative) const {
    const std::string path = platform::joinPath(cd, relative);
    return int(std::count(bot->sounds().begin(), bot->sounds().end(), path));
}
