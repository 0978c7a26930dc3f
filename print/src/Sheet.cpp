#include "Sheet.h"

#include "Text.h"

#include <algorithm>
#include <stdexcept>

namespace tisk {

namespace {

using Boxes = std::vector<std::vector<std::string_view>>;

const Boxes kExtent{{"holý", "rozvitý", "viacnásobný"}};

const std::vector<Exercise>& exercises() {
    static const std::vector<Exercise> table{
        {"01",
         "Základné sklady",
         "Podčiarkni podmet jednou čiarou a prísudok dvoma čiarami. Nevyjadrený podmet napíš na čiaru.",
         Room::Underline,
         {},
         "Nevyjadrený podmet:"},
        {"02", "Druhy podmetu", "Podčiarkni podmet a zaškrtni jeho druh.", Room::Underline, kExtent, ""},
        {"03",
         "Podmet vyjadrený slovným druhom",
         "Podčiarkni podmet a zaškrtni, akým slovným druhom je vyjadrený. Nevyjadrený podmet napíš na "
         "čiaru.",
         Room::Underline,
         {{"podstatné meno", "prídavné meno", "zámeno", "číslovka", "sloveso", "citoslovce"}},
         "Nevyjadrený podmet:"},
        {"04",
         "Druhy prísudku",
         "Podčiarkni prísudok a zaškrtni jeho druh.",
         Room::Underline,
         {{"slovesný", "menný"}, {"holý", "rozvitý", "viacnásobný"}},
         ""},
        {"05",
         "Určovanie vetných členov",
         "Napíš na čiaru, akým vetným členom je tučne vytlačené slovo.",
         Room::Plain,
         {},
         "Vetný člen:"},
        {"06",
         "Zhodný, nezhodný prívlastok",
         "Zaškrtni, či je prívlastok zhodný, alebo nezhodný.",
         Room::Plain,
         {{"zhodný", "nezhodný"}},
         ""},
        {"06b", "Prístavok", "Doplň do viet čiarky, ktoré oddeľujú prístavok.", Room::Commas, {}, ""},
        {"07",
         "Druhy viet podľa postoja hovoriaceho",
         "Zaškrtni druh vety podľa postoja hovoriaceho.",
         Room::Plain,
         {{"oznamovacia", "opytovacia", "rozkazovacia", "želacia", "zvolacia"}},
         ""},
        {"08",
         "Jednočlenné x dvojčlenné vety",
         "Zaškrtni, či je veta jednočlenná, alebo dvojčlenná.",
         Room::Plain,
         {{"jednočlenná", "dvojčlenná"}},
         ""},
        {"08b",
         "Čiarka v jednoduchej vete",
         "Doplň do viet chýbajúce čiarky a zaškrtni, čo oddeľujú.",
         Room::Commas,
         {{"citoslovce", "oslovenie", "vytýčený vetný člen", "viacnásobný vetný člen"}},
         ""},
        {"09",
         "Vzťahy medzi hlavnými vetami",
         "Zaškrtni vzťah medzi hlavnými vetami.",
         Room::Plain,
         {{"zlučovací", "odporovací", "stupňovací", "príčinný", "vylučovací"}},
         ""},
        {"10",
         "Veta hlavná x veta vedľajšia",
         "Hlavnú vetu podčiarkni červenou a vedľajšiu vetu modrou farbou.",
         Room::Underline,
         {},
         ""},
        {"11",
         "Druhy vedľajších viet",
         "Podčiarkni vedľajšiu vetu a zaškrtni jej druh.",
         Room::Underline,
         {{"príslovková časová", "príslovková miestna", "príslovková spôsobová", "príslovková príčinná",
           "podmetová", "predmetová", "prívlastková", "prísudková"}},
         ""},
        {"11b",
         "Vsuvka a vložená veta",
         "Zaškrtni, či je tučne vytlačená časť vety vsuvka, alebo vložená veta.",
         Room::Plain,
         {{"vsuvka", "vložená veta"}},
         ""},
        {"12",
         "Doplňovanie spájacích výrazov",
         "Vyber zo zátvorky spájací výraz, ktorý patrí do vety, a napíš ho na čiaru.",
         Room::Plain,
         {},
         ""},
        {"13",
         "Druhy súvetia",
         "Zaškrtni, či je súvetie priraďovacie, alebo podraďovacie.",
         Room::Plain,
         {{"priraďovacie", "podraďovacie"}},
         ""},
        {"14", "Čiarka v súvetí", "Doplň do súvetí chýbajúce čiarky.", Room::Commas, {}, ""},
    };
    return table;
}

// Punctuation that the program passes as a word of its own and that sticks to the word before it.
bool attachesToPrevious(std::string_view word) {
    return word == "." || word == "," || word == "!" || word == "?" || word == ":" || word == ";";
}

int clampCount(int count, int blockSize) {
    return std::clamp(count, 0, blockSize);
}

void appendText(Example& example, std::string text, bool bold) {
    if (!example.empty() && !example.back().gap && example.back().bold == bold)
        example.back().text += text;
    else
        example.push_back({std::move(text), bold, false});
}

// On paper no space stands before "?", "!", "," or ":", whatever spaces the program's lines hold
// ("Bol si už v Bojniciach ?"). Spaces are taken out within a segment and at the end of the text
// before a segment that begins with such a mark; the candidates of a gap stay as they are.
bool closesUp(char c) {
    return c == '?' || c == '!' || c == ',' || c == ':';
}

void closeUpPunctuation(Example& example) {
    std::string* before = nullptr; // the text segment just before, none after a gap
    for (auto& segment : example) {
        if (segment.gap) {
            before = nullptr;
            continue;
        }
        const std::string& text = segment.text;
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ') {
                const auto next = text.find_first_not_of(' ', i);
                if (next != std::string::npos && closesUp(text[next])) {
                    i = next - 1; // the spaces before the mark go
                    continue;
                }
            }
            out += text[i];
        }
        if (before && !out.empty() && closesUp(out.front())) before->erase(before->find_last_not_of(' ') + 1);
        segment.text = std::move(out);
        before = &segment.text;
    }
}

// Drops trailing spaces of the last segment; an example that is left without text is dropped.
void finish(std::vector<Example>& examples, Example example) {
    closeUpPunctuation(example);
    while (!example.empty() && !example.back().gap) {
        auto& last = example.back().text;
        last.erase(last.find_last_not_of(' ') + 1);
        if (!last.empty()) break;
        example.pop_back();
    }
    const bool hasText = std::any_of(example.begin(), example.end(),
                                     [](const Segment& s) { return s.gap || !trimmed(s.text).empty(); });
    if (hasText) examples.push_back(std::move(example));
}

// A gap word of the form "#candidate | candidate | candidate ".
Segment gapSegment(std::string_view word) {
    std::string candidates;
    word.remove_prefix(1);
    while (!word.empty()) {
        const auto bar = word.find('|');
        const auto candidate = trimmed(word.substr(0, bar));
        if (!candidate.empty()) {
            if (!candidates.empty()) candidates += " / ";
            candidates += candidate;
        }
        if (bar == std::string_view::npos) break;
        word.remove_prefix(bar + 1);
    }
    return {std::move(candidates), false, true};
}

} // namespace

const Exercise& exercise(std::string_view key) {
    for (const auto& e : exercises())
        if (e.key == key) return e;
    throw std::invalid_argument("no exercise with the key " + std::string(key));
}

std::vector<Example> examplesFromLines(const ShortString* lines, int count, int blockSize) {
    std::vector<Example> examples;
    for (int i = 0; i < clampCount(count, blockSize); ++i)
        finish(examples, {{std::string(trimmed(decode(lines[i]))), false, false}});
    return examples;
}

std::vector<Example> examplesFromMarkedWords(const ShortString* words, const std::uint8_t* flags, int count) {
    std::vector<Example> examples;
    for (int i = 0; i < clampCount(count, kMaxExamples); ++i) {
        Example example;
        for (int k = 0; k < kWordsPerExample; ++k) {
            const int slot = i * kWordsPerExample + k;
            const std::string word(trimmed(decode(words[slot])));
            if (word.empty()) continue;
            const bool bold = flags[slot] != 0;
            // The space between two bold words is bold too, so that they read as one bold part.
            if (!example.empty() && !attachesToPrevious(word))
                appendText(example, " ", bold && example.back().bold);
            appendText(example, word, bold);
        }
        finish(examples, std::move(example));
    }
    return examples;
}

std::vector<Example> examplesFromWords(const ShortString* words, int count) {
    std::vector<Example> examples;
    for (int i = 0; i < clampCount(count, kMaxExamples); ++i) {
        Example example;
        for (int k = 0; k < kWordsPerExample; ++k) {
            const std::string word = decode(words[i * kWordsPerExample + k]);
            if (word.starts_with('#')) {
                example.push_back(gapSegment(word));
                appendText(example, " ", false);
            } else {
                appendText(example, word, false);
            }
        }
        finish(examples, std::move(example));
    }
    return examples;
}

} // namespace tisk
