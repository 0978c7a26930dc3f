#include "Stats.h"
#include "Codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using sentencedata::Spread;

TEST(StatsSpread, QuartilesByNearestRank) {
    struct Case {
        std::vector<int> values;
        std::vector<int> expected; // min, q1, median, q3, max
    };
    const Case cases[] = {
        {{}, {0, 0, 0, 0, 0}},
        {{7}, {7, 7, 7, 7, 7}},
        {{4, 1, 3, 2}, {1, 1, 2, 3, 4}},
        {{3, 1, 2, 5, 4}, {1, 2, 3, 4, 5}},
        {{2, 2, 2, 9, 9, 9, 9, 9}, {2, 2, 9, 9, 9}},
    };
    for (const Case& c : cases) {
        const Spread s = sentencedata::spreadOf(c.values);
        EXPECT_EQ((std::vector<int>{s.min, s.q1, s.median, s.q3, s.max}), c.expected)
            << ::testing::PrintToString(c.values);
    }
}

// A small file whose answers and strongest cue are known.
struct Case {
    const char* name;
    const char* key;
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, int>> answers; // most frequent first
    std::string strongest;                            // the report's last line
    std::vector<std::string> notCues;                 // cues that must not be found in any item
    std::vector<std::string> notListed = {};          // cues found but not listed in the report
};

const Case kCases[] = {
    {"a first word gives a wish away",
     "07",
     {"Keby som mal psa.@Praci", "Keby už bolo leto!@Praci", "Keby prestalo pršať.@Praci",
      "Keby sme vyhrali!@Praci", "Keby tak prišla mama.@Praci", "Prší.@Oznamovaci", "Idem domov.@Oznamovaci",
      "Kde bývaš?@Tazaci", "Poď sem!@Rozkazovaci", "Aký krásny deň!@Zvolaci"},
     {{"Praci", 5}, {"Oznamovaci", 2}},
     "strongest cue: first word \"Keby\" -> Praci in 5 of 5 (100 %)",
     {"ends with \"?\"", "ends with \"!\""}},
    {"forms of one verb count together",
     "04",
     {"Mama $je $unavená.@H#JMSS", "Ulica $bola $tichá.@H#JMSS", "Jablká $sú $zrelé.@H#JMSS",
      "Deti $boli $hladné.@H#JMSS", "Voda $bude $studená.@H#JMSS", "Obed $nebol $dobrý.@H#JMSS",
      "Pes $šteká.@H#SLOV", "Vtáky $spievajú.@H#SLOV", "Ráno $pršalo.@H#SLOV", "Brat $píše úlohu.@R#SLOV"},
     {{"JMSS H", 6}, {"SLOV H", 3}, {"SLOV R", 1}},
     "strongest cue: a form of \"byť\" -> JMSS H in 6 of 6 (100 %)",
     {"predicate: 2 words"}},
    {"the word after the gap, and the gap word itself hidden",
     "12",
     {"Chcel som ísť von, #ale nakoniec pršalo.$ale$lebo$preto",
      "Tešil sa na výlet, #ale nakoniec ochorel.$ale$lebo$preto",
      "Učila sa dlho, #ale nakoniec to vzdala.$ale$lebo$preto",
      "Hľadali sme kľúč, #ale nakoniec sme ho nenašli.$ale$lebo$preto",
      "Bolo chladno, #ale nakoniec vyšlo slnko.$ale$lebo$preto",
      "Zostal doma, #lebo bol chorý.$lebo$ale$preto", "Pršalo, #preto sme zostali doma.$preto$ale$lebo",
      "Zmokli sme, #lebo sme nemali dáždnik.$lebo$ale$preto"},
     {{"ale", 5}, {"lebo", 2}, {"preto", 1}},
     "strongest cue: word after the gap \"nakoniec\" -> ale in 5 of 5 (100 %)",
     {"word \"ale\"", "word \"lebo\"", "words \"ale nakoniec\"", "gap: 1 word"}},
    {"commas the pupil puts in are the answer, not a cue",
     "14",
     {"Pes, ktorý šteká, je náš.", "Strom, ktorý rastie pri ceste, je starý.",
      "Vlak, ktorý mešká, príde o chvíľu.", "Chlapec, ktorý býva oproti, chodí do školy.",
      "Koláč, ktorý upiekla babka, je výborný.", "Viem, že prídeš.", "Myslím, že bude pršať.",
      "Prišiel domov a najedol sa."},
     {{"2 commas", 5}, {"1 comma", 2}, {"0 commas", 1}},
     "strongest cue: word \"ktorý\" -> 2 commas in 5 of 5 (100 %)",
     {"no comma", "1 comma", "2 commas"}},
    {"a misleading correlative keeps its share below all",
     "11",
     {"#Polož tašku tam, $kde nebude prekážať.@Prislmistni", "#Bývame tam, $kde končí mesto.@Prislmistni",
      "#Pôjdeme tam, $kam nás pozvali.@Prislmistni", "#Odnes to tam, $kam patrí.@Prislmistni",
      "#Vráť sa tam, $odkiaľ si prišiel.@Prislmistni", "#Videl som tam, $že sa niečo deje.@Predmetne",
      "$Keď sa skončilo vyučovanie, #išli sme domov.@Prislcasove", "#Neviem, $kto to urobil.@Predmetne"},
     {{"Prislmistni", 5}, {"Predmetne", 2}, {"Prislcasove", 1}},
     "strongest cue: word before the subordinate clause \"tam\" -> Prislmistni in 5 of 6 (83 %)",
     {},
     // "tam" occurs exactly where the word before the subordinate clause is "tam": listed once.
     {"word \"tam\""}},
    {"clause patterns as answers",
     "10",
     {"$Keď prší, #sedíme doma.", "$Keď sa zotmie, #rozsvietime.", "$Keď príde jar, #zasejeme mrkvu.",
      "$Keď zazvoní, #vybehneme von.", "$Keď bude teplo, #pôjdeme k vode.", "#Viem, $že prídeš.",
      "#Myslím, $že vyhráme.", "#Mama povedala, $aby sme prišli, #a odišla."},
     {{"$ #", 5}, {"# $", 2}, {"# $ #", 1}},
     "strongest cue: first word \"Keď\" -> $ # in 5 of 5 (100 %)",
     {}},
    {"a capital letter with a diacritic is the same word",
     "13",
     {"Že prídeš, som nevedel.@podradici", "Viem, že prídeš.@podradici",
      "Mama povedala, že upečie koláč.@podradici", "Dúfam, že vyhráme.@podradici",
      "Počul som, že bude snežiť.@podradici", "Prší a fúka.@souradici",
      "Svieti slnko a vtáky spievajú.@souradici", "Prišiel, ale hneď odišiel.@souradici"},
     {{"podradici", 5}, {"souradici", 3}},
     "strongest cue: word \"že\" -> podradici in 5 of 5 (100 %)",
     {}},
    {"the unexpressed subject is the answer of 01",
     "01",
     {"$Prišli domov.@oni", "$Išli von.@oni", "$Spievali pesničku.@oni", "$Hrali futbal.@oni",
      "$Čítali knihu.@oni", "#Mama $varí.@", "#Otec $spí.@"},
     {{"unexpressed \"oni\"", 5}, {"expressed", 2}},
     "strongest cue: no comma -> unexpressed \"oni\" in 5 of 7 (71 %)",
     {}},
    {"too few sentences for any cue",
     "07",
     {"Prší.@Oznamovaci", "Kde bývaš?@Tazaci", "Poď sem!@Rozkazovaci", "Keby som mal psa.@Praci"},
     {{"Oznamovaci", 1}, {"Praci", 1}, {"Rozkazovaci", 1}, {"Tazaci", 1}},
     "strongest cue: none occurs in 5 items or more",
     {}},
};

std::string lastLine(std::string report) {
    if (report.ends_with('\n')) report.pop_back();
    return report.substr(report.rfind('\n') + 1);
}

// Each small file: its answers, the cues listed only with enough support and strongest first, and
// the same report from the source text and from the stored form.
TEST(Stats, SmallFilesGiveTheirKnownAnswersAndStrongestCue) {
    const std::filesystem::path dir = std::filesystem::path(BREVION_BINARY_DIR) / "stats-test";
    std::filesystem::create_directories(dir);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const sentencedata::Exercise* exercise = sentencedata::findExercise(c.key);
        ASSERT_NE(exercise, nullptr);

        const std::vector<sentencedata::Item> items = sentencedata::describeLines(*exercise, c.lines);
        const sentencedata::Stats stats = sentencedata::computeStats(items);
        EXPECT_EQ(stats.sentences, static_cast<int>(c.lines.size()));
        ASSERT_GE(stats.answers.size(), c.answers.size());
        for (std::size_t a = 0; a < c.answers.size(); ++a) {
            EXPECT_EQ(stats.answers[a].answer, c.answers[a].first);
            EXPECT_EQ(stats.answers[a].count, c.answers[a].second) << c.answers[a].first;
        }
        for (const sentencedata::Item& item : items)
            for (const std::string& cue : c.notCues)
                EXPECT_EQ(std::count(item.cues.begin(), item.cues.end(), cue), 0)
                    << cue << " in line " << item.line;
        for (std::size_t k = 0; k < stats.cues.size(); ++k) {
            const sentencedata::Cue& cue = stats.cues[k];
            EXPECT_GE(cue.support, sentencedata::kMinCueSupport) << cue.name;
            if (k > 0) {
                const sentencedata::Cue& before = stats.cues[k - 1];
                EXPECT_GE(before.hits * cue.support, cue.hits * before.support)
                    << before.name << " / " << cue.name;
            }
            EXPECT_EQ(std::count(c.notListed.begin(), c.notListed.end(), cue.name), 0) << cue.name;
        }

        const std::filesystem::path source = dir / (std::string(c.key) + ".txt");
        const std::filesystem::path stored = dir / (std::string(c.key) + ".dat");
        {
            std::ofstream out(source, std::ios::binary);
            for (const std::string& line : c.lines)
                out << line << '\n';
        }
        sentencedata::encodeFile(source.string(), stored.string());
        const std::string fromSource = sentencedata::statsReport(*exercise, source.string());
        EXPECT_EQ(lastLine(fromSource), c.strongest);
        std::string fromStored = sentencedata::statsReport(*exercise, stored.string());
        fromStored.replace(fromStored.find(stored.string()), stored.string().size(), source.string());
        EXPECT_EQ(fromStored, fromSource);
    }
}

TEST(Stats, AShareShortOfAllIsNeverShownAsAll) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 199; ++n)
        lines.push_back("Keby prišiel " + std::to_string(n) + ".@Praci");
    lines.push_back("Keby prišiel.@Oznamovaci");
    const sentencedata::Exercise& exercise = *sentencedata::findExercise("07");
    const std::string report = sentencedata::formatStats(
        exercise, "t", sentencedata::computeStats(sentencedata::describeLines(exercise, lines)));
    EXPECT_EQ(lastLine(report), "strongest cue: first word \"Keby\" -> Praci in 199 of 200 (99 %)");
}

} // namespace
