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

// The words with their codes ("text/code"; a slot without text shown only by its code),
// separated by "|"; then " @" and the slots' remarks, and " ^" and the subject, where set.
std::string shown(const Sentence& s) {
    std::string words, remarks, pendingRemarks;
    for (const PPravidla& p : s) {
        if (!p.text.empty() || p.code)
            words += (words.empty() ? "" : "|") + p.text + (p.code ? "/" + std::to_string(p.code) : "");
        pendingRemarks += p.remark;
        if (!p.remark.empty()) {
            remarks += pendingRemarks;
            pendingRemarks.clear();
        }
        pendingRemarks += "|";
    }
    return words + (remarks.empty() ? "" : " @" + remarks) +
           (s[0].subject.empty() ? "" : " ^" + s[0].subject);
}

TEST(ExerciseMarkup, EachExercisesMarkupReadThroughTheSharedScanner) {
    const std::string agreeing = std::to_string(ex06::kAgreeing);
    const std::string nonAgreeing = std::to_string(ex06::kNonAgreeing);
    struct Case {
        const framework::SentenceFormat& format;
        std::vector<std::string> lines;
        std::string last; // shown() of the last line's sentence
    };
    const Case cases[] = {
        // 01: marked words, the full stop kept before "@".
        {ex01::format(), {"#Mama $varí obed.@"}, "Mama/1|varí/2|obed|."},
        {ex01::format(), {"$Prišiel domov.@on"}, "Prišiel/2|domov|. @on"},
        // 03: the code, then the unexpressed subject; "$" before "@" starts a subject mode that
        // stays on, so the code lands in both.
        {ex03::format(), {"Zajtra idem.@Zaj$ja"}, "Zajtra|idem|. @Zaj ^ja"},
        {ex03::format(), {"Idem.$ja@Zaj"}, "Idem @Zaj ^jaZaj"},
        // 04: kind and extent in two remarks, the full stop of an ordinal kept.
        {ex04::format(), {"Prišiel 1. mája $domov.#SLOV@H"}, "Prišiel|1.|mája|domov/1 @SLOV|H"},
        // 05: the marked word takes the code of the answer code, ignoring case; punctuation inside
        // the sentence stays in its word; the answer code keeps every character; an unresolved
        // mark carries to the next line and takes that line's code.
        {ex05::format(), {"Peter $číta knihu.@Pris"}, "Peter|číta/2|knihu|. @Pris"},
        {ex05::format(), {"Peter $číta.@pRIS"}, "Peter|číta/2|. @pRIS"},
        {ex05::format(), {"Peter $číta.@Dop"}, "Peter|číta/9|. @Dop"},
        {ex05::format(), {"Peter $číta.@Xyz"}, "Peter|číta|. @Xyz"},
        {ex05::format(), {"Áno, $napr. dnes!@P$k S@"}, "Áno,|napr.|dnes|! @P$k S"},
        {ex05::format(), {"Prší $.@Pod"}, "Prší|. @Pod"},
        {ex05::format(), {"Prší $.@Pod", "Mama varí.@Pris"}, "Mama/2|varí|. @Pris"},
        // Whole sentences: the text before the first "@", the remark without further "@"; 13
        // keeps its kind in the remark only.
        {ex06::format(), {"tieto pastelky@Pk@S"}, "tieto pastelky/" + agreeing + " @PkS"},
        {ex06::format(), {"čaj s mliekom@PkN"}, "čaj s mliekom/" + nonAgreeing + " @PkN"},
        {ex06::format(), {"čaj s mliekom@pkn"}, "čaj s mliekom @pkn"},
        {ex07::reader().format(), {"Poď sem!@rozkazovaci"}, "Poď sem!/3 @rozkazovaci"},
        {ex13::reader().format(), {"Prišiel, keď pršalo.@podradici"}, "Prišiel, keď pršalo. @podradici"},
        // Commas mark the word before them and are not stored; in 08b the kind follows "#", and
        // a space and a comma in that remark still count slots.
        {ex06b::reader().format(), {"Peter, môj brat, prišiel."}, "Peter/1|môj|brat/1|prišiel."},
        {ex14::reader().format(), {"Viem, že prídeš."}, "Viem/1|že|prídeš."},
        {ex08b::format(), {"Ach, to je krása .#citoslovce"}, "Ach/1|to|je|krása|. @citoslovce"},
        {ex08b::format(), {"A B#osl oveni,"}, "A|B|/" + std::to_string(ex08b::kComma) + " @osloveni"},
        // 10: a comma ends a clause; a mark after a space still codes the clause.
        {ex10::format(), {"#Viem, $že prídeš."}, "Viem,/1| že prídeš./2"},
        // 11: marks open slots, commas stand alone, the key follows "@".
        {ex11::format(), {"#Viem, $že prídeš.@Predmetne"}, "Viem|, |že prídeš/2|. @Predmetne"},
        // 11b: a mark inside a word makes the whole word bold.
        {ex11b::format(), {"Bolo to, myslím#, pekné.@vsuvka"}, "Bolo|to,|myslím,/1|pekné. @vsuvka"},
        // 12: a gap and three candidates, spaces dropped and punctuation kept in the sentence;
        // the space inside the candidate moved the slot on, so the full stop lands in slot 4.
        {ex12::format(), {"Prišiel, #ale neostal$al e$lebo.$aj"}, "Prišiel,|ale/1|neostal|. @ale|lebo|aj"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.back());
        const framework::SentenceTable table = framework::scanSentences(c.format, c.lines);
        EXPECT_EQ(shown(table.sentence(int(c.lines.size()))), c.last);
    }
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
