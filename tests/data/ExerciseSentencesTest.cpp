// Each exercise's own markup, read through the shared scanner.
#include "exercises/01/Sentences01.h"
#include "exercises/03/Sentences03.h"
#include "exercises/04/Sentences04.h"
#include "exercises/05/Sentences05.h"
#include "exercises/06/Sentences06.h"
#include "exercises/06b/Sentences06b.h"
#include "exercises/07/Sentences07.h"
#include "exercises/08b/Sentences08b.h"
#include "exercises/10/Sentences10.h"
#include "exercises/11/Sentences11.h"
#include "exercises/11b/Sentences11b.h"
#include "exercises/12/Sentences12.h"
#include "exercises/13/Sentences13.h"
#include "exercises/14/Sentences14.h"

#include "Validator.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using framework::PPravidla;
using framework::Sentence;

std::vector<std::string> words(const Sentence& s) {
    std::vector<std::string> out;
    for (const PPravidla& p : s)
        if (!p.text.empty()) out.push_back(p.text + (p.code ? "/" + std::to_string(p.code) : ""));
    return out;
}

Sentence first(const framework::SentenceFormat& format, std::vector<std::string> lines) {
    return framework::scanSentences(format, lines).sentence(1);
}

using Words = std::vector<std::string>;

TEST(Exercise01, MarksWordsAndKeepsTheFullStopBeforeAt) {
    const Sentence s = first(ex01::format(), {"#Mama $varí obed.@"});
    EXPECT_EQ(words(s), (Words{"Mama/1", "varí/2", "obed", "."}));
    EXPECT_EQ(s[0].remark, "");
    EXPECT_EQ(first(ex01::format(), {"$Prišiel domov.@on"})[0].remark, "on");
}

TEST(Exercise03, CodeThenUnexpressedSubjectAndASubjectModeThatStaysOn) {
    Sentence s = first(ex03::format(), {"Zajtra idem.@Zaj$ja"});
    EXPECT_EQ(s[0].remark, "Zaj");
    EXPECT_EQ(s[0].subject, "ja");
    s = first(ex03::format(), {"Idem.$ja@Zaj"}); // "$" before "@": the code lands in both
    EXPECT_EQ(s[0].subject, "jaZaj");
    EXPECT_EQ(s[0].remark, "Zaj");
}

TEST(Exercise04, KindAndExtentInTwoRemarksAndTheFullStopOfAnOrdinal) {
    const Sentence s = first(ex04::format(), {"Prišiel 1. mája $domov.#SLOV@H"});
    EXPECT_EQ(words(s), (Words{"Prišiel", "1.", "mája", "domov/1"}));
    EXPECT_EQ(s[0].remark, "SLOV");
    EXPECT_EQ(s[1].remark, "H");
}

TEST(Exercise05, MarkedWordTakesTheCodeOfTheAnswerCodeIgnoringCase) {
    const auto table = ex05::format();
    EXPECT_EQ(words(first(table, {"Peter $číta knihu.@Pris"})), (Words{"Peter", "číta/2", "knihu", "."}));
    EXPECT_EQ(words(first(table, {"Peter $číta.@pRIS"})), (Words{"Peter", "číta/2", "."}));
    EXPECT_EQ(words(first(table, {"Peter $číta.@Dop"})), (Words{"Peter", "číta/9", "."}));
    EXPECT_EQ(words(first(table, {"Peter $číta.@Xyz"})), (Words{"Peter", "číta", "."}));
    // Punctuation inside the sentence stays in its word; the answer code keeps every character.
    const Sentence s = first(table, {"Áno, $napr. dnes!@P$k S@"});
    EXPECT_EQ(words(s), (Words{"Áno,", "napr.", "dnes", "!"}));
    EXPECT_EQ(s[0].remark, "P$k S");
}

TEST(Exercise05, UnresolvedMarkCarriesToTheNextLineAndUsesThatLinesCode) {
    const auto table = framework::scanSentences(ex05::format(), {"Prší $.@Pod", "Mama varí.@Pris"});
    EXPECT_EQ(words(table.sentence(1)), (Words{"Prší", "."}));
    EXPECT_EQ(words(table.sentence(2)), (Words{"Mama/2", "varí", "."}));
}

TEST(WholeSentenceExercises, TextBeforeTheFirstAtAndTheRemarkWithoutFurtherAts) {
    Sentence s = first(ex06::format(), {"tieto pastelky@Pk@S"});
    EXPECT_EQ(s[0].text, "tieto pastelky");
    EXPECT_EQ(s[0].remark, "PkS");
    EXPECT_EQ(s[0].code, ex06::kAgreeing);
    EXPECT_EQ(first(ex06::format(), {"čaj s mliekom@PkN"})[0].code, ex06::kNonAgreeing);
    EXPECT_EQ(first(ex06::format(), {"čaj s mliekom@pkn"})[0].code, 0);
    EXPECT_EQ(first(ex07::reader().format(), {"Poď sem!@rozkazovaci"})[0].code, 3);
    EXPECT_EQ(first(ex13::reader().format(), {"Prišiel, keď pršalo.@podradici"})[0].text,
              "Prišiel, keď pršalo.");
}

TEST(CommaExercises, CommaMarksTheWordBeforeItAndIsNotStored) {
    EXPECT_EQ(words(first(ex06b::reader().format(), {"Peter, môj brat, prišiel."})),
              (Words{"Peter/1", "môj", "brat/1", "prišiel."}));
    EXPECT_EQ(words(first(ex14::reader().format(), {"Viem, že prídeš."})),
              (Words{"Viem/1", "že", "prídeš."}));
    const Sentence s = first(ex08b::format(), {"Ach, to je krása .#citoslovce"});
    EXPECT_EQ(words(s), (Words{"Ach/1", "to", "je", "krása", "."}));
    EXPECT_EQ(s[0].remark, "citoslovce");
}

TEST(CommaExercises, SpaceAndCommaInTheRemarkOf08bStillCountSlots) {
    const Sentence s = first(ex08b::format(), {"A B#osl oveni,"});
    EXPECT_EQ(s[0].remark, "osloveni");
    EXPECT_EQ(words(s), (Words{"A", "B"}));
    EXPECT_EQ(s[2].code, ex08b::kComma);
}

TEST(Exercise10, CommaEndsAClauseAndAMarkAfterASpaceStillCodesTheClause) {
    const Sentence s = first(ex10::format(), {"#Viem, $že prídeš."});
    EXPECT_EQ(words(s), (Words{"Viem,/1", " že prídeš./2"}));
}

TEST(Exercise11, MarksOpenSlotsCommasStandAloneAndTheKeyFollowsAt) {
    const Sentence s = first(ex11::format(), {"#Viem, $že prídeš.@Predmetne"});
    EXPECT_EQ(words(s), (Words{"Viem", ", ", "že prídeš/2", "."}));
    EXPECT_TRUE(s[0].text.empty());
    EXPECT_EQ(s[0].remark, "Predmetne");
}

TEST(Exercise11b, MarkInsideAWordMakesTheWholeWordBold) {
    const Sentence s = first(ex11b::format(), {"Bolo to, myslím#, pekné.@vsuvka"});
    EXPECT_EQ(words(s), (Words{"Bolo", "to,", "myslím,/1", "pekné."}));
    EXPECT_EQ(s[0].remark, "vsuvka");
}

TEST(Exercise12, GapAndThreeCandidatesWithSpacesDroppedAndPunctuationKeptInTheSentence) {
    const Sentence s = first(ex12::format(), {"Prišiel, #ale neostal$al e$lebo.$aj"});
    // The space inside the candidate moved the slot on, so the full stop lands in slot 4.
    EXPECT_EQ(words(s), (Words{"Prišiel,", "ale/1", "neostal", "."}));
    EXPECT_EQ(s[0].remark, "ale");
    EXPECT_EQ(s[1].remark, "lebo");
    EXPECT_EQ(s[2].remark, "aj");
}

TEST(AllExercises, ArbitraryMarkupNeverWritesOutsideTheTable) {
    const std::string alphabet = " ,.!?#$@ab\xC3\xA1"; // markup characters, letters and half an "á"
    std::mt19937 random(7);
    std::vector<std::string> lines(300);
    for (std::string& line : lines)
        for (int i = static_cast<int>(random() % 120); i > 0; --i)
            line += alphabet[random() % alphabet.size()];
    for (const sentencedata::Exercise& e : sentencedata::exercises()) {
        const framework::SentenceTable table = framework::scanSentences(e.format(), lines);
        EXPECT_EQ(table.count, 300) << e.key;
        for (const Sentence& s : table.sentences)
            ASSERT_EQ(s.size(), static_cast<std::size_t>(e.format().slots)) << e.key;
        EXPECT_NO_THROW(sentencedata::validateLines(e, lines)) << e.key;
    }
}

} // namespace
