#include "Stats.h"

#include "Codec.h"

#include "exercises/10/Sentences10.h"
#include "exercises/11/Sentences11.h"
#include "exercises/12/Sentences12.h"

#include <framework/SentenceFile.h>
#include <platform/encoding.h>

#include <algorithm>
#include <array>
#include <map>
#include <sstream>
#include <string_view>

namespace sentencedata {

using framework::PPravidla;
using framework::Sentence;

namespace {

// How an exercise's reader gives the answer of a sentence.
enum class Answer {
    Remark,             // the key after the markup character (slot 1's remark)
    UnexpressedSubject, // 01: the unexpressed subject, or none
    KindAndExtent,      // 04: kind and extent
    Commas,             // 06b, 14: the number of commas the pupil puts in
    ClausePattern,      // 10: main and subordinate clauses in order
    GapWord,            // 12: the correct candidate
};

// What the pupil looks at to answer, besides the whole sentence.
enum class Focus {
    None,
    MarkedWords,       // the words the markup marks (any code)
    SubordinateClause, // 11: the clause marked subordinate
    Clauses,           // 10: every clause
};

struct Reading {
    std::string_view key;
    Answer answer;
    Focus focus;
    std::string_view noun;    // what the focus is called in cue names
    bool marksShown = false;  // the marked words are shown as marked, not found by the pupil
    bool commasShown = true;  // false where the pupil puts the commas in himself
    bool focusHidden = false; // the focus words are not shown at all (the gap)
};

const std::array<Reading, 17> kReadings{{
    {"01", Answer::UnexpressedSubject, Focus::None, ""},
    {"02", Answer::Remark, Focus::MarkedWords, "subject"},
    {"03", Answer::Remark, Focus::MarkedWords, "subject"},
    {"04", Answer::KindAndExtent, Focus::MarkedWords, "predicate"},
    {"05", Answer::Remark, Focus::MarkedWords, "marked word", true},
    {"06", Answer::Remark, Focus::None, ""},
    {"06b", Answer::Commas, Focus::None, "", false, false},
    {"07", Answer::Remark, Focus::None, ""},
    {"08", Answer::Remark, Focus::None, ""},
    {"08b", Answer::Remark, Focus::None, "", false, false},
    {"09", Answer::Remark, Focus::None, ""},
    {"10", Answer::ClausePattern, Focus::Clauses, "clause"},
    {"11", Answer::Remark, Focus::SubordinateClause, "subordinate clause"},
    {"11b", Answer::Remark, Focus::MarkedWords, "bold part", true},
    {"12", Answer::GapWord, Focus::MarkedWords, "gap", true, true, true},
    {"13", Answer::Remark, Focus::None, ""},
    {"14", Answer::Commas, Focus::None, "", false, false},
}};

const Reading& readingOf(const Exercise& exercise) {
    for (const Reading& r : kReadings)
        if (r.key == exercise.key) return r;
    return kReadings[0];
}

// Kinds of cue, in the order preferred when two cues occur in exactly the same items.
enum CueKind {
    kFirstWord,
    kFocusCue,
    kOffered,
    kVerbForm,
    kWordPair,
    kWord,
    kCommaCount,
    kLength,
};

// Forms of "byť" that cannot be another word ("si" is left out: it is mostly the reflexive pronoun).
constexpr std::array<std::string_view, 30> kFormsOfByt = {
    "byť",    "som",    "sme",    "ste",    "je",      "sú",      "bol",      "bola",     "bolo",   "boli",
    "bude",   "budem",  "budeš",  "budeme", "budete",  "budú",    "buď",      "buďme",    "buďte",  "nebol",
    "nebola", "nebolo", "neboli", "nebude", "nebudem", "nebudeš", "nebudeme", "nebudete", "nebudú", "nebyť",
};

// Characters around a word that are not part of it.
constexpr std::array<std::string_view, 19> kPunctuation = {
    ".",
    ",",
    "!",
    "?",
    ";",
    ":",
    "\"",
    "'",
    "(",
    ")",
    "-",
    "\xE2\x80\x93" /* – */,
    "\xE2\x80\x94" /* — */,
    "\xE2\x80\x9E" /* „ */,
    "\xE2\x80\x9C" /* “ */,
    "\xE2\x80\x9D" /* ” */,
    "\xE2\x80\x9A" /* ‚ */,
    "\xE2\x80\x98" /* ‘ */,
    "\xE2\x80\xA6" /* … */,
};

std::string stripPunctuation(std::string word) {
    for (bool stripped = true; stripped && !word.empty();) {
        stripped = false;
        for (std::string_view p : kPunctuation) {
            if (word.starts_with(p)) {
                word.erase(0, p.size());
                stripped = true;
            }
            if (word.ends_with(p)) {
                word.erase(word.size() - p.size());
                stripped = true;
            }
        }
    }
    return word;
}

// Lower case of the letters Windows-1250 has in both cases; other text is left as it is.
std::string lowerCase(const std::string& word) {
    if (!platform::representableInCp1250(word)) return word;
    std::string bytes = platform::utf8ToCp1250(word);
    for (char& c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        unsigned char lower = b;
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            lower = static_cast<unsigned char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8D || b == 0x8E || b == 0x8F)
            lower = static_cast<unsigned char>(b + 0x10);
        else if (b == 0xA3)
            lower = 0xB3;
        else if (b == 0xA5)
            lower = 0xB9;
        else if (b == 0xAA)
            lower = 0xBA;
        else if (b == 0xAF)
            lower = 0xBF;
        else if (b == 0xBC)
            lower = 0xBE;
        c = static_cast<char>(lower);
    }
    return platform::cp1250ToUtf8(bytes);
}

struct Token {
    std::string shown; // as written, without punctuation around it
    std::string lower;
    std::size_t slot;
};

// The words of a sentence in order, each with the slot it came from; punctuation alone is no word.
std::vector<Token> tokensOf(const Sentence& s) {
    std::vector<Token> tokens;
    for (std::size_t k = 0; k < s.size(); ++k) {
        std::istringstream words(s[k].text);
        for (std::string word; words >> word;) {
            std::string shown = stripPunctuation(word);
            if (shown.empty()) continue;
            std::string lower = lowerCase(shown);
            tokens.push_back({std::move(shown), std::move(lower), k});
        }
    }
    return tokens;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string countOf(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string answerOf(const Reading& reading, const Sentence& s) {
    switch (reading.answer) {
    case Answer::Remark:
        return s[0].remark;
    case Answer::UnexpressedSubject:
        return s[0].remark.empty() ? "expressed" : "unexpressed " + quoted(s[0].remark);
    case Answer::KindAndExtent:
        return s[0].remark + " " + s[1].remark;
    case Answer::Commas:
        return countOf(static_cast<std::size_t>(
                           std::count_if(s.begin(), s.end(), [](const PPravidla& p) { return p.code != 0; })),
                       "comma", "commas");
    case Answer::ClausePattern: {
        std::string pattern;
        for (const PPravidla& p : s) {
            if (p.text.empty()) continue;
            if (!pattern.empty()) pattern += ' ';
            pattern += p.code == ex10::kMain ? "#" : p.code == ex10::kSubordinate ? "$" : "?";
        }
        return pattern;
    }
    case Answer::GapWord:
        return s[0].remark;
    }
    return {};
}

class CueList {
public:
    void add(CueKind kind, std::string name) {
        if (std::none_of(cues_.begin(), cues_.end(), [&](const auto& c) { return c.second == name; }))
            cues_.emplace_back(kind, std::move(name));
    }
    std::vector<std::pair<CueKind, std::string>> take() { return std::move(cues_); }

private:
    std::vector<std::pair<CueKind, std::string>> cues_;
};

std::string lengthBucket(std::size_t words) {
    if (words <= 5) return "length up to 5 words";
    if (words <= 8) return "length 6-8 words";
    if (words <= 11) return "length 9-11 words";
    if (words <= 15) return "length 12-15 words";
    return "length 16 words or more";
}

// Cues of the marked words: the words themselves, their neighbours, their place and number.
void markedWordCues(const Reading& reading, const Sentence& s, const std::vector<Token>& tokens,
                    CueList& cues) {
    std::vector<std::size_t> marked;
    for (std::size_t t = 0; t < tokens.size(); ++t)
        if (s[tokens[t].slot].code != 0) marked.push_back(t);
    if (marked.empty()) return;
    const std::string noun(reading.noun);
    if (!reading.focusHidden) {
        if (marked.size() == 1)
            cues.add(kFocusCue, noun + " " + quoted(tokens[marked.front()].lower));
        else
            cues.add(kFocusCue, noun + " begins with " + quoted(tokens[marked.front()].lower));
        // Where the pupil finds the words himself, their number is part of the answer.
        if (reading.marksShown) cues.add(kFocusCue, noun + ": " + countOf(marked.size(), "word", "words"));
    }
    if (marked.front() == 0)
        cues.add(kFocusCue, noun + " at the start");
    else
        cues.add(kFocusCue, "word before the " + noun + " " + quoted(tokens[marked.front() - 1].lower));
    if (marked.back() + 1 == tokens.size())
        cues.add(kFocusCue, noun + " at the end");
    else
        cues.add(kFocusCue, "word after the " + noun + " " + quoted(tokens[marked.back() + 1].lower));
    cues.add(kFocusCue, noun + " at word " + std::to_string(marked.front() + 1));
}

// Cues of clauses: how each begins, the word before the subordinate one, their number and order.
void clauseCues(const Reading& reading, const Sentence& s, const std::vector<Token>& tokens, CueList& cues) {
    std::vector<std::size_t> starts; // first token of each clause
    for (std::size_t t = 0; t < tokens.size(); ++t)
        if (t == 0 || tokens[t].slot != tokens[t - 1].slot) starts.push_back(t);
    if (reading.focus == Focus::Clauses) {
        for (std::size_t start : starts)
            cues.add(kFocusCue, "a clause begins with " + quoted(tokens[start].lower));
        cues.add(kFocusCue, countOf(starts.size(), "clause", "clauses"));
        return;
    }
    for (std::size_t c = 0; c < starts.size(); ++c) {
        const std::size_t start = starts[c];
        if (s[tokens[start].slot].code != ex11::kSubordinate) continue;
        const std::string noun(reading.noun);
        cues.add(kFocusCue, noun + " begins with " + quoted(tokens[start].lower));
        if (start == 0)
            cues.add(kFocusCue, noun + " first");
        else
            cues.add(kFocusCue, "word before the " + noun + " " + quoted(tokens[start - 1].lower));
        if (c + 1 == starts.size() && start != 0) cues.add(kFocusCue, noun + " last");
        break;
    }
}

Item describe(const Reading& reading, const Sentence& s, int line) {
    Item item;
    item.line = line;
    item.answer = answerOf(reading, s);
    const std::vector<Token> tokens = tokensOf(s);
    item.words = static_cast<int>(tokens.size());
    auto hidden = [&](const Token& t) { return reading.focusHidden && s[t.slot].code != 0; };

    CueList cues;
    if (!tokens.empty() && !hidden(tokens.front()))
        cues.add(kFirstWord, "first word " + quoted(tokens.front().shown));
    if (reading.focus == Focus::MarkedWords) markedWordCues(reading, s, tokens, cues);
    if (reading.focus == Focus::Clauses || reading.focus == Focus::SubordinateClause)
        clauseCues(reading, s, tokens, cues);
    if (reading.answer == Answer::GapWord)
        for (std::size_t c = 0; c < static_cast<std::size_t>(ex12::kCandidates) && c < s.size(); ++c)
            if (!s[c].remark.empty()) cues.add(kOffered, "offered " + quoted(s[c].remark));

    // The closing mark ("?", "!") is not a cue: it is how the kind of sentence is written.
    std::string text;
    for (const PPravidla& p : s)
        if (!(reading.focusHidden && p.code != 0)) text += p.text;

    for (std::size_t t = 0; t < tokens.size(); ++t) {
        if (hidden(tokens[t])) continue;
        const std::string& word = tokens[t].lower;
        if (std::find(kFormsOfByt.begin(), kFormsOfByt.end(), word) != kFormsOfByt.end())
            cues.add(kVerbForm, "a form of \"byť\"");
        if (t + 1 < tokens.size() && !hidden(tokens[t + 1]))
            cues.add(kWordPair, "words " + quoted(word + " " + tokens[t + 1].lower));
        cues.add(kWord, "word " + quoted(word));
    }
    if (reading.commasShown) {
        const auto commas = static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
        cues.add(kCommaCount, commas == 0 ? std::string("no comma") : countOf(commas, "comma", "commas"));
    }
    cues.add(kLength, lengthBucket(tokens.size()));

    for (auto& [kind, name] : cues.take()) {
        item.cues.push_back(std::move(name));
        item.cueKinds.push_back(kind);
    }
    return item;
}

// Rounded, but never to 100 % unless it is all.
std::string percent(int part, int whole) {
    int rounded = whole == 0 ? 0 : (part * 200 + whole) / (whole * 2);
    if (part < whole && rounded == 100) rounded = 99;
    return std::to_string(rounded) + " %";
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = platform::utf8Length(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

std::string rightAligned(const std::string& text, std::size_t width) {
    const std::size_t length = platform::utf8Length(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}

std::string spreadColumns(const Spread& s) {
    std::string out;
    for (int v : {s.min, s.q1, s.median, s.q3, s.max})
        out += rightAligned(std::to_string(v), 4);
    return out;
}

} // namespace

Spread spreadOf(std::vector<int> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value with at least p of all values at or below it.
    auto rank = [&](int percentile) {
        const std::size_t n = values.size();
        const std::size_t r = (n * static_cast<std::size_t>(percentile) + 99) / 100;
        return values[std::max<std::size_t>(r, 1) - 1];
    };
    return {values.front(), rank(25), rank(50), rank(75), values.back()};
}

std::vector<Item> describeLines(const Exercise& exercise, const std::vector<std::string>& lines) {
    const Reading& reading = readingOf(exercise);
    const framework::SentenceTable table = framework::scanSentences(exercise.format(), lines);
    std::vector<Item> items;
    for (int n = 1; n <= table.count; ++n) {
        const Sentence& s = table.sentence(n);
        if (framework::countWords(s) == 0) continue;
        items.push_back(describe(reading, s, n));
    }
    return items;
}

Stats computeStats(const std::vector<Item>& items) {
    Stats stats;
    stats.sentences = static_cast<int>(items.size());

    std::map<std::string, std::vector<int>> lengthsByAnswer;
    std::vector<int> lengths;
    for (const Item& item : items) {
        lengthsByAnswer[item.answer].push_back(item.words);
        lengths.push_back(item.words);
    }
    stats.words = spreadOf(lengths);
    for (auto& [answer, words] : lengthsByAnswer)
        stats.answers.push_back({answer, static_cast<int>(words.size()), spreadOf(words)});
    std::stable_sort(stats.answers.begin(), stats.answers.end(),
                     [](const AnswerCount& a, const AnswerCount& b) { return a.count > b.count; });

    struct Occurrences {
        int kind = 0;
        std::vector<int> items;
    };
    std::map<std::string, Occurrences> occurrences;
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t c = 0; c < items[i].cues.size(); ++c) {
            Occurrences& o = occurrences[items[i].cues[c]];
            o.kind = items[i].cueKinds[c];
            o.items.push_back(static_cast<int>(i));
        }

    struct Candidate {
        Cue cue;
        int kind;
        const std::vector<int>* items;
    };
    std::vector<Candidate> candidates;
    for (const auto& [name, o] : occurrences) {
        if (static_cast<int>(o.items.size()) < kMinCueSupport) continue;
        std::map<std::string, int> answers;
        for (int i : o.items)
            ++answers[items[static_cast<std::size_t>(i)].answer];
        auto best = std::max_element(answers.begin(), answers.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
        candidates.push_back(
            {{name, static_cast<int>(o.items.size()), best->first, best->second}, o.kind, &o.items});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        // The higher share first (compared without rounding), then the larger support.
        const long left = static_cast<long>(a.cue.hits) * b.cue.support;
        const long right = static_cast<long>(b.cue.hits) * a.cue.support;
        if (left != right) return left > right;
        if (a.cue.support != b.cue.support) return a.cue.support > b.cue.support;
        if (a.kind != b.kind) return a.kind < b.kind;
        return a.cue.name < b.cue.name;
    });
    // A cue that occurs in exactly the items of a stronger (or preferred) one adds nothing.
    std::vector<const std::vector<int>*> kept;
    for (const Candidate& c : candidates) {
        if (std::any_of(kept.begin(), kept.end(), [&](const std::vector<int>* k) { return *k == *c.items; }))
            continue;
        kept.push_back(c.items);
        stats.cues.push_back(c.cue);
    }
    return stats;
}

std::string formatStats(const Exercise& exercise, const std::string& title, const Stats& stats) {
    std::ostringstream out;
    out << "exercise " << exercise.key << ", " << title << ": "
        << countOf(static_cast<std::size_t>(stats.sentences), "sentence", "sentences") << ", "
        << countOf(stats.answers.size(), "answer", "answers") << '\n';
    std::size_t width = 6;
    for (const AnswerCount& a : stats.answers)
        width = std::max(width, platform::utf8Length(a.answer));
    out << "  " << padded("answer", width) << "  items  share   words: min  q1 med  q3 max\n";
    for (const AnswerCount& a : stats.answers)
        out << "  " << padded(a.answer, width) << rightAligned(std::to_string(a.count), 7)
            << rightAligned(percent(a.count, stats.sentences), 7) << "        " << spreadColumns(a.words)
            << '\n';
    out << "  " << padded("all", width) << rightAligned(std::to_string(stats.sentences), 7)
        << rightAligned(percent(stats.sentences, stats.sentences), 7) << "        "
        << spreadColumns(stats.words) << '\n';
    out << "  strongest cues (in " << kMinCueSupport
        << " items or more; share of them with the cue's most common answer):\n";
    const std::size_t listed = std::min<std::size_t>(stats.cues.size(), kListedCues);
    for (std::size_t c = 0; c < listed; ++c) {
        const Cue& cue = stats.cues[c];
        out << "  " << rightAligned(percent(cue.hits, cue.support), 5)
            << rightAligned(std::to_string(cue.hits), 5) << " of " << padded(std::to_string(cue.support), 4)
            << cue.name << " -> " << cue.answer << '\n';
    }
    if (stats.cues.empty()) {
        out << "strongest cue: none occurs in " << kMinCueSupport << " items or more\n";
    } else {
        const Cue& cue = stats.cues.front();
        out << "strongest cue: " << cue.name << " -> " << cue.answer << " in " << cue.hits << " of "
            << cue.support << " (" << percent(cue.hits, cue.support) << ")\n";
    }
    return out.str();
}

std::string statsReport(const Exercise& exercise, const std::string& path) {
    std::vector<std::string> lines;
    if (path.ends_with(".dat")) {
        lines = framework::readStoredLines(path);
    } else {
        for (SourceLine& line : readSourceLines(path))
            lines.push_back(std::move(line.text));
    }
    return formatStats(exercise, path, computeStats(describeLines(exercise, lines)));
}

} // namespace sentencedata
