// Every exercise's worksheet printed from the menu through the real print library: the answer key
// of the same draw is kept beside the sheet, holds the right answer of every example in the
// sheet's order, and the notice after printing names both files.
#include "../exercises/ExerciseFixture.h"

#include "exercises/01/Main01.h"
#include "exercises/02/Main02.h"
#include "exercises/03/Main03.h"
#include "exercises/04/Main04.h"
#include "exercises/05/Main05.h"
#include "exercises/06/Main06.h"
#include "exercises/06b/Main06b.h"
#include "exercises/07/Main07.h"
#include "exercises/08/Main08.h"
#include "exercises/08b/Main08b.h"
#include "exercises/09/Main09.h"
#include "exercises/10/Main10.h"
#include "exercises/11/Main11.h"
#include "exercises/11b/Main11b.h"
#include "exercises/12/Main12.h"
#include "exercises/13/Main13.h"
#include "exercises/14/Main14.h"
#include "platform/encoding.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

struct KeyCase {
    const char* key;
    void (*registerScreen)(shell::ExerciseScreens&);
    const char* library;
    std::function<std::string(int)> sentence; // sentence i of the crafted file
    std::function<std::string(int)> answer;   // its answer in the key
    const char* printed;    // the line the stand-in library gets for an example (a regular expression)
    const char* blank = ""; // the stand-in's line after the last example
    int examples = 10;      // on a sheet of ten
    int fifteen = 15;       // on a sheet of fifteen
    std::size_t block = 30; // the lines the stand-in library gets
};

std::string n(int i) {
    return std::to_string(i);
}

// Every crafted sentence carries its number glued to one of these words.
const std::regex kMarker("(Jano|Mama|Prišiel|Pes)([0-9]+)");

const std::vector<KeyCase>& cases() {
    static const std::vector<KeyCase> table{
        {"01", registerScreen01, "Tisk.dll",
         [](int i) { return i % 2 ? "$Prišiel" + n(i) + " domov.@on" : "#Mama" + n(i) + " $varí obed.@"; },
         [](int i) {
             return i % 2 ? "Prísudok: Prišiel" + n(i) + " – Podmet - nevyjadrený: on"
                          : "Podmet: Mama" + n(i) + "; Prísudok: varí";
         },
         R"((Prišiel\d+ domov|Mama\d+ varí obed)\. )"},
        {"02", registerScreen02, "Tisk.dll",
         [](int i) { return i % 2 ? "#Jano" + n(i) + " a #Mira behajú.@N" : "#Jano" + n(i) + " spí.@H"; },
         [](int i) {
             return i % 2 ? "Podmet: Jano" + n(i) + " Mira – Druh podmetu: viacnásobný"
                          : "Podmet: Jano" + n(i) + " – Druh podmetu: holý";
         },
         R"(Jano\d+ (a Mira behajú|spí)\. )"},
        {"03", registerScreen03, "Tisk.dll",
         [](int i) { return i % 2 ? "Pes" + n(i) + " rád behá.@Pod$on" : "#Jano" + n(i) + " spí.@Pod"; },
         [](int i) {
             return i % 2 ? "Podmet - nevyjadrený: on, slovný druh: podstatné meno"
                          : "Podmet: Jano" + n(i) + " – Slovný druh: podstatné meno";
         },
         R"((Pes\d+ rád behá|Jano\d+ spí)\. )"},
        {"04", registerScreen04, "Tisk.dll",
         [](int i) {
             return i % 2 ? "Jano" + n(i) + " $je $smutný.@H#JMSS" : "Pes" + n(i) + " $šteká.@H#SLOV";
         },
         [](int i) {
             return i % 2 ? "Prísudok: je smutný – Druh prísudku: menný + holý"
                          : "Prísudok: šteká – Druh prísudku: slovesný + holý";
         },
         R"((Jano\d+ je smutný|Pes\d+ šteká)\. )"},
        {"05", registerScreen05, "Tisk.dll", [](int i) { return "Včera $Jano" + n(i) + " prišiel.@Pod"; },
         [](int i) { return "Jano" + n(i) + " – Vetný člen: Podmet"; },
         R"(Včera\|\*Jano\d+\*\|prišiel\|\.\|{11})", "||||||||||||||"},
        {"06", registerScreen06, "Tisk.dll",
         [](int i) { return i % 2 ? "dobrá Mama" + n(i) + "@PkS" : "Mama" + n(i) + " z dediny@PkN"; },
         [](int i) { return i % 2 ? "Prívlastok zhodný" : "Prívlastok nezhodný"; },
         R"(dobrá Mama\d+|Mama\d+ z dediny)", "", 9, 18, 45},
        {"06b", registerScreen06b, "Tisk.dll",
         [](int i) { return "Jano" + n(i) + ", náš sused, opravuje auto ."; },
         [](int i) { return "Jano" + n(i) + ", náš sused, opravuje auto."; },
         R"(Jano\d+ náš sused opravuje auto\. )"},
        {"07", registerScreen07, "Tisk.dll",
         [](int i) { return "Jano" + n(i) + (i % 2 ? " prišiel.@Oznamovaci" : " príde?@Tazaci"); },
         [](int i) { return i % 2 ? "Druh vety: oznamovacia" : "Druh vety: opytovacia"; },
         R"(Jano\d+ (prišiel\.|príde\?))"},
        {"08", registerScreen08, "Tisk.dll",
         [](int i) {
             return i % 2 ? "Pes" + n(i) + " breše.@Dvojclenna" : "Mama" + n(i) + ", pozor!@Jednoclenna";
         },
         [](int i) { return i % 2 ? "Druh vety: dvojčlenná" : "Druh vety: jednočlenná"; },
         R"(Pes\d+ breše\.|Mama\d+, pozor!)"},
        {"08b", registerScreen08b, "Tisk2.dll", [](int i) { return "Jano" + n(i) + ", poď sem .#osloveni"; },
         [](int i) { return "Jano" + n(i) + ", poď sem. – Čiarka oddeluje: oslovenie"; },
         R"(Jano\d+ poď sem\. )"},
        {"09", registerScreen09, "Tisk2.dll",
         [](int i) { return "Jano" + n(i) + " spieva a Eva tancuje.@Slucovaci"; },
         [](int) { return "Vzťah medzi hlavnými vetami: zlučovací"; }, R"(Jano\d+ spieva a Eva tancuje\.)"},
        {"10", registerScreen10, "Tisk2.dll", [](int i) { return "#Jano" + n(i) + " vie, $že prší."; },
         [](int i) { return "Jano" + n(i) + " vie, (hlavná) | že prší. (vedľajšia)"; },
         R"(Jano\d+ vie, že prší\.)"},
        {"11", registerScreen11, "Tisk2.dll",
         [](int i) { return "#Jano" + n(i) + " vie, $že prší.@Predmetne"; },
         [](int) { return "že prší (vedľajšia) – Druh vedľajšej"; }, R"(Jano\d+ vie, že prší\.)"},
        {"11b", registerScreen11b, "Tisk2.dll",
         [](int i) {
             return "Jano" + n(i) + (i % 2 ? ", #myslím, príde.@vsuvka" : ", #ktorý spieva, príde.@vedlejsi");
         },
         [](int i) { return i % 2 ? "Druh vety: vsuvka" : "Druh vety: vložená veta"; },
         R"(Jano\d+,\|\*(myslím,\*\|príde\.\|{12}|ktorý\*\|spieva,\|príde\.\|{11}))", "||||||||||||||"},
        {"12", registerScreen12, "Tisk2.dll",
         [](int i) {
             return "Jano" + n(i) + (i % 2 ? " vie, #že prší.$že$aby$kým" : " čaká, #kým príde.$kým$že$aby");
         },
         [](int i) { return i % 2 ? "Doplň: že" : "Doplň: kým"; },
         // the three candidates, each once
         R"(Jano\d+ \|(vie|čaká), \|#(že|aby|kým) \| (?!\2 )(že|aby|kým) \| (?!\2 |\3 )(že|aby|kým) \|(prší|príde)\. \|{11})",
         "||||||||||||||"},
        {"13", registerScreen13, "Tisk2.dll",
         [](int i) {
             return i % 2 ? "Keď príde Jano" + n(i) + ", pôjdeme von.@podradici"
                          : "Jano" + n(i) + " píše a Eva kreslí.@souradici";
         },
         [](int i) { return i % 2 ? "podraďovacie" : "priraďovacie"; },
         R"(Keď príde Jano\d+, pôjdeme von\.|Jano\d+ píše a Eva kreslí\.)"},
        {"14", registerScreen14, "Tisk2.dll", [](int i) { return "Jano" + n(i) + " povedal, že príde ."; },
         [](int i) { return "Jano" + n(i) + " povedal, že príde."; }, R"(Jano\d+ povedal že príde\. )"},
    };
    return table;
}

std::string pdfText(const fs::path& pdf) {
    std::string text;
    std::FILE* pipe = popen(("pdftotext -raw -enc UTF-8 '" + pdf.string() + "' -").c_str(), "r");
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, got);
    EXPECT_EQ(pclose(pipe), 0) << pdf;
    // Lines wrap at spaces: one space for every run of white space.
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

struct AnswerKeyTest : ExerciseTest, ::testing::WithParamInterface<KeyCase> {
    TempDir home;

    void SetUp() override {
        ExerciseTest::SetUp();
        setenv("HOME", home.path.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        // No CUPS server answers here: the sheet is kept and the missing printer is reported.
        setenv("CUPS_SERVER", (home.path / "no-cups.sock").c_str(), 1);
    }

    // Prints a sheet for `name` from the setup screen with `library`; returns the PDFs kept.
    std::vector<fs::path> print(const KeyCase& c, const char* library, const std::string& name,
                                const std::string& number) {
        useCdTree();
        fs::copy_file(library, fakeCd.path / "Data" / c.library);
        std::vector<std::string> lines;
        for (int i = 1; i <= 20; ++i)
            lines.push_back(c.sentence(i));
        openExerciseSetup(c.key, c.registerScreen, lines, name, number);
        bot->click("ITiskni");
        app().processMessages();
        std::vector<fs::path> kept;
        if (fs::exists(home.path / "Documents" / "Brevion"))
            for (const auto& entry : fs::directory_iterator(home.path / "Documents" / "Brevion"))
                kept.push_back(entry.path());
        std::sort(kept.begin(), kept.end());
        return kept;
    }

    std::vector<std::string> notices() const {
        std::vector<std::string> texts;
        for (const auto* boxes : {&systemBoxes, &windowBoxes})
            for (const auto& shown : boxes->shown)
                texts.push_back(shown.text);
        return texts;
    }
};

TEST_P(AnswerKeyTest, TheKeyOfTheSameDrawIsKeptBesideTheSheetWithTheRightAnswers) {
    const KeyCase& c = GetParam();
    const std::vector<fs::path> kept = print(c, (fs::path(REAL_PRINT_DIR) / c.library).c_str(), "Ema", "I10");
    ASSERT_EQ(kept.size(), 2u) << "the sheet and its key";
    const fs::path& sheet = kept[0];
    const fs::path& key = kept[1];
    EXPECT_EQ(key.filename().string(), sheet.stem().string() + "_kluc.pdf");

    const std::string sheetText = pdfText(sheet);
    const std::string keyText = pdfText(key);
    EXPECT_NE(keyText.find("Kľúč správnych odpovedí"), std::string::npos) << keyText;
    EXPECT_NE(keyText.find("Pracovný list: " + sheet.filename().string()), std::string::npos) << keyText;
    EXPECT_NE(keyText.find("Dátum: "), std::string::npos);
    EXPECT_NE(keyText.find("Meno: Ema"), std::string::npos);

    // The sheet's examples in order, by their numbers.
    std::vector<std::string> drawn;
    for (std::sregex_iterator m(sheetText.begin(), sheetText.end(), kMarker), end; m != end; ++m)
        drawn.push_back((*m)[2]);
    ASSERT_EQ(drawn.size(), std::size_t(c.examples)) << sheetText;

    // The key: the same examples in the same order, each followed by its answer.
    std::size_t at = 0;
    for (std::size_t e = 0; e < drawn.size(); ++e) {
        const int i = std::stoi(drawn[e]);
        std::smatch m;
        const std::string rest = keyText.substr(at);
        ASSERT_TRUE(std::regex_search(
            rest, m, std::regex(std::to_string(e + 1) + "\\. [^0-9]*" + drawn[e] + "(?![0-9])")))
            << "example " << e + 1 << " (sentence " << i << ") in " << keyText.substr(at);
        at += std::size_t(m.position(0) + m.length(0));
        const std::size_t answer = keyText.find(c.answer(i), at);
        ASSERT_NE(answer, std::string::npos)
            << "answer of sentence " << i << ": " << c.answer(i) << " in " << keyText.substr(at);
        const std::size_t next = keyText.find(" " + std::to_string(e + 2) + ". ", at);
        EXPECT_LT(answer, next) << "the answer belongs to example " << e + 1;
    }
    EXPECT_EQ(keyText.find(" " + std::to_string(c.examples + 1) + ". "), std::string::npos)
        << c.examples << " examples, no more";

    // The notice of the missing printer keeps its text and names both files.
    const std::vector<std::string> texts = notices();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].starts_with("Nie je nainštalovaná žiadna tlačiareň.")) << texts[0];
    EXPECT_NE(texts[0].find(sheet.string()), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find(key.string()), std::string::npos) << texts[0];
}

// The stand-in library, which offers no key entry, gets the entry of the screen, the number of
// examples, the pupil's name and a block of lines: each example once as the sheet prints it, then
// blank lines. Nothing is recorded and no message is shown but the missing printer.
TEST_P(AnswerKeyTest, TheStandInLibraryGetsTheEntryTheNameAndTheExamples) {
    const KeyCase& c = GetParam();
    EXPECT_TRUE(print(c, FAKE_PRINT_LIBRARY, "Ľubo", "I15").empty());
    const std::vector<std::string> log = printLog();
    ASSERT_EQ(log.size(), 2 + c.block);
    EXPECT_EQ(log[0],
              "TR" + std::string(c.key[0] == '0' ? c.key + 1 : c.key) + " " + std::to_string(c.fifteen));
    EXPECT_EQ(log[1], platform::utf8ToCp1250("Ľubo"));
    const std::regex printed(c.printed);
    std::set<std::string> examples, shapes;
    for (std::size_t i = 2; i < log.size(); ++i) {
        const std::string line = platform::cp1250ToUtf8(log[i]);
        if (i < 2 + std::size_t(c.fifteen)) {
            EXPECT_TRUE(std::regex_match(line, printed)) << line;
            examples.insert(line);
            shapes.insert(std::regex_replace(line, std::regex("[0-9]+"), ""));
        } else {
            EXPECT_EQ(line, c.blank) << i;
        }
    }
    EXPECT_EQ(examples.size(), std::size_t(c.fifteen)) << "no example twice";
    // The file has two kinds of sentence at most, which print alike whatever their number: one
    // order of candidates for every gap of the sheet.
    EXPECT_LE(shapes.size(), 2u);
    EXPECT_FALSE(bot->exists("MainForm" + std::string(c.key)));
    EXPECT_EQ(readFile(hd.path / ("P" + std::string(c.key) + ".res")), "");
    const std::vector<std::string> texts = notices();
    EXPECT_TRUE(texts.empty() || texts == std::vector<std::string>{"Nie je nainštalovaná žiadna tlačiareň."});
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, AnswerKeyTest, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string("Exercise") + info.param.key; });

} // namespace
