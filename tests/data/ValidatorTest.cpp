#include "Validator.h"
#include "Codec.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using sentencedata::Diagnostic;

// A valid line of each exercise; "{n}" makes lines distinct.
struct Clean {
    const char* key;
    const char* line;
};
const Clean kClean[] = {
    {"01", "#Mama{n} $varí.@"},
    {"02", "#Mama{n} varí.@H"},
    {"03", "#Mama{n} varí.@Pod"},
    {"04", "Mama{n} $varí.#SLOV@H"},
    {"05", "Mama{n} $varí.@Pris"},
    {"06", "pekný dom{n}@PkS"},
    {"06b", "Peter{n}, môj brat, prišiel."},
    {"07", "Prší{n}.@Oznamovaci"},
    {"08", "Prší{n}.@Jednoclenna"},
    {"08b", "Peter{n}, poď sem.#osloveni"},
    {"09", "Prší{n} a fúka.@Slucovaci"},
    {"10", "#Viem{n}, $že prídeš."},
    {"11", "#Viem{n}, $že prídeš.@Predmetne"},
    {"11b", "Bolo to, #myslím{n}, pekné.@vsuvka"},
    {"12", "Prišiel{n}, #ale neostal.$ale$lebo$aj"},
    {"13", "Prišiel{n}, keď pršalo.@podradici"},
    {"14", "Viem{n}, že prídeš."},
};

std::string lineOf(const char* pattern, int n) {
    std::string line = pattern;
    line.replace(line.find("{n}"), 3, std::to_string(n));
    return line;
}

// Enough clean lines for the exercise; exercise 06 alternates its two kinds.
std::vector<std::string> cleanLines(const std::string& key, int count = 0) {
    for (const Clean& c : kClean) {
        if (key != c.key) continue;
        if (count == 0) count = key == "06" ? 91 : 30;
        std::vector<std::string> lines;
        for (int n = 1; n <= count; ++n)
            lines.push_back(key == "06" && n % 2 ? lineOf("dom otca{n}@PkN", n) : lineOf(c.line, n));
        return lines;
    }
    return {};
}

std::vector<Diagnostic> validate(const std::string& key, const std::vector<std::string>& lines) {
    const sentencedata::Exercise* exercise = sentencedata::findExercise(key);
    EXPECT_NE(exercise, nullptr) << key;
    return exercise ? sentencedata::validateLines(*exercise, lines) : std::vector<Diagnostic>{};
}

std::string errorsAt(const std::vector<Diagnostic>& diagnostics, int line) {
    std::string text;
    for (const Diagnostic& d : diagnostics)
        if (d.line == line && !d.warning) text += d.message + "\n";
    return text;
}

std::ptrdiff_t errorCount(const std::vector<Diagnostic>& diagnostics) {
    return std::count_if(diagnostics.begin(), diagnostics.end(),
                         [](const Diagnostic& d) { return !d.warning; });
}

TEST(Validator, EveryExerciseAcceptsACleanFile) {
    for (const sentencedata::Exercise& e : sentencedata::exercises()) {
        const std::vector<Diagnostic> d = validate(std::string(e.key), cleanLines(std::string(e.key)));
        EXPECT_EQ(errorCount(d), 0) << e.key << ":\n" << errorsAt(d, 0) << errorsAt(d, 1);
    }
}

struct Seeded {
    const char* key;
    std::string line;
    const char* expected;
};

// Each bad line is put in as line 2 of an otherwise clean file.
TEST(Validator, ReportsEachSeededErrorOnItsLine) {
    const std::string longSentence = "#Mama $varí " + std::string(60, 'm') + " polievku.@";
    const std::vector<Seeded> seeded = {
        {"01", "", "empty line"},
        {"01", "#Mama $varí.@Ferko", "longer than the three-character answer field"},
        {"01", "Mama varí $", "left over at the end of the line"},
        {"01", "#Mama $ varí.@", "\"$\" at column 7 is not followed by a word"},
        {"01", "$a b c d e f g h i j k l m n o p", "more than 15 word slots"},
        {"01", longSentence, "wide at 9 points"},
        {"01", "#Mama1 $varí.@", "the same sentence as line 1"},
        {"02", "#Mama varí.@X", "kind of subject \"X\""},
        {"02", "#Mama $varí.@H", "markup character \"$\""},
        {"03", "#On varí.@Zaj$onii", "longer than the three-character answer field"},
        {"03", "Varí.@Zaj", "neither a subject word nor an unexpressed subject"},
        {"04", "Mama $varí.#SLOV@", "extent of predicate is missing"},
        {"05", "Mama $varí.@Dop", "\"Dop\" is not one the screen offers"},
        {"05", "Mama $varí.@pris", "differs only in letter case from \"Pris\""},
        {"05", "Mama varí.@Pris", "no word is marked"},
        {"05", "$Mama $varí.@Pris", "more than one word is marked"},
        {"06", "pekný kvet@Pks", "kind of attribute \"Pks\""},
        {"06", std::string(40, 'w') + "@PkS", "the card"},
        {"06b", "Peter, môj brat, prišiel,", "a comma follows the last word"},
        {"06b", std::string(100, 'w') + " " + std::string(100, 'w'), "does not fit within two lines"},
        {"07", "Prší.@Opytovacia", "kind of sentence \"Opytovacia\""},
        {"08", "Prší.@jednoclenna", "differs only in letter case"},
        {"08b", "Peter, poď sem.#vsuvka", "kind \"vsuvka\""},
        {"08b", "Peter poď sem.#osloveni", "no comma"},
        {"09", "Prší a fúka.@Zlucovaci", "relation key"},
        {"10", "#Viem$", "left over"},
        {"11", "#Viem, $že prídeš.@Doplnkove", "kind key \"Doplnkove\""},
        {"11", "#Viem, #že prídeš.@Predmetne", "no subordinate clause"},
        {"11b", "Bolo to pekné.@vsuvka", "no word is marked bold"},
        {"11b", "Bolo to # pekné.@vsuvka", "word slot 3 is marked but holds no word"},
        {"12", "Prišiel, #ale #neostal.$ale$lebo$aj", "exactly one gap"},
        {"12", "Prišiel, #ale neostal.$ale$lebo", "exactly three candidates"},
        {"12", "Prišiel, #aj neostal.$ale$lebo$aj", "is not the first candidate"},
        {"12", "Prišiel, #ale neostal.$ale$ale$aj", "not all different"},
        {"12", "Prišiel, #ale neostal.$ale$nepochybnezaručene$aj", "the list item holds"},
        {"13", "Prišiel.@Podradici", "kind of compound sentence"},
        {"14", "Viem, že prídeš,", "a comma follows the last word"},
    };
    for (const Seeded& s : seeded) {
        std::vector<std::string> lines = cleanLines(s.key);
        lines.insert(lines.begin() + 1, s.line);
        const std::string errors = errorsAt(validate(s.key, lines), 2);
        EXPECT_NE(errors.find(s.expected), std::string::npos)
            << s.key << " \"" << s.line << "\": expected \"" << s.expected << "\", got:\n"
            << errors;
    }
}

TEST(Validator, FileProblems) {
    EXPECT_NE(errorsAt(validate("01", cleanLines("01", 29)), 0).find("the longest run needs 30"),
              std::string::npos);

    std::vector<std::string> many = cleanLines("14", 1001);
    const std::vector<Diagnostic> d = validate("14", many);
    EXPECT_NE(errorsAt(d, 1001).find("more than 1000 lines"), std::string::npos);
    EXPECT_EQ(errorCount(d), 1);

    // Enough lines for a run of 45, but not for the draw that skips lines before drawn ones.
    EXPECT_NE(errorsAt(validate("06", cleanLines("06", 60)), 0).find("at least 91 lines"), std::string::npos);
    std::vector<std::string> lopsided = cleanLines("06", 95);
    for (std::size_t i = 10; i < lopsided.size(); ++i)
        lopsided[i] = "pekný dom" + std::to_string(i) + "@PkS";
    EXPECT_NE(errorsAt(validate("06", lopsided), 0).find("five pages need at least 10"), std::string::npos);
}

TEST(Validator, ReadsBothFormsOfAFileAndReportsTextThatCannotBeStored) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("validator-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    std::vector<std::string> lines = cleanLines("13");
    lines[4] = "Prišiel Жан, keď pršalo.@podradici";
    {
        std::ofstream source(dir / "13.txt", std::ios::binary);
        for (const std::string& line : lines)
            source << line << "\r\n";
    }
    const sentencedata::Exercise& exercise = *sentencedata::findExercise("13");
    const std::vector<Diagnostic> fromSource =
        sentencedata::validateFile(exercise, (dir / "13.txt").string());
    EXPECT_NE(errorsAt(fromSource, 5).find("cannot be stored"), std::string::npos);
    EXPECT_EQ(errorCount(fromSource), 1);

    lines[4] = "Prišiel Ján, keď pršalo.@podradici";
    std::ofstream(dir / "13.dat", std::ios::binary) << sentencedata::encodeLines(lines);
    EXPECT_EQ(errorCount(sentencedata::validateFile(exercise, (dir / "13.dat").string())), 0);
    std::filesystem::remove_all(dir);
}

} // namespace
