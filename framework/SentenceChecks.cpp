#include "framework/SentenceChecks.h"

#include <algorithm>

namespace framework {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

void requireOneOf(Problems& problems, std::string_view what, std::string_view value,
                  std::span<const std::string_view> offered) {
    if (std::find(offered.begin(), offered.end(), value) != offered.end()) return;
    std::string list;
    for (std::string_view item : offered)
        list += (list.empty() ? "\"" : ", \"") + std::string(item) + "\"";
    std::string message =
        std::string(what) + " \"" + std::string(value) + "\" is not one the screen offers (" + list + ")";
    if (value.empty()) message = std::string(what) + " is missing; the screen offers " + list;
    const int near = indexIgnoringCase(value, offered);
    if (near > 0)
        message += "; it differs only in letter case from \"" +
                   std::string(offered[static_cast<std::size_t>(near - 1)]) + "\"";
    problems.error(std::move(message));
}

void requireNoCommaAfterLastWord(const Sentence& sentence, std::int32_t commaCode, Problems& problems) {
    auto last =
        std::find_if(sentence.rbegin(), sentence.rend(), [](const PPravidla& p) { return !p.text.empty(); });
    if (last != sentence.rend() && last->code == commaCode)
        problems.error("a comma follows the last word \"" + last->text + "\"");
}

int countCode(const Sentence& sentence, std::int32_t code) {
    return static_cast<int>(std::count_if(sentence.begin(), sentence.end(),
                                          [code](const PPravidla& p) { return p.code == code; }));
}

int countWords(const Sentence& sentence) {
    return static_cast<int>(
        std::count_if(sentence.begin(), sentence.end(), [](const PPravidla& p) { return !p.text.empty(); }));
}

int indexIgnoringCase(std::string_view value, std::span<const std::string_view> items) {
    int i = 1;
    for (std::string_view item : items) {
        if (equalIgnoringCase(value, item)) return i;
        ++i;
    }
    return 0;
}

SentenceReader keyedSentences(std::string what, std::span<const std::string_view> keys,
                              bool codeIsKeyPosition) {
    std::vector<std::string_view> offered(keys.begin(), keys.end());
    SentenceFormat format{.slots = 1, .modes = {{'@', kToRemark1}}};
    if (codeIsKeyPosition)
        format.finishLine = [offered](Sentence& s) { s[0].code = indexIgnoringCase(s[0].remark, offered); };
    return {std::move(format), [what = std::move(what), offered](const Sentence& s, Problems& problems) {
                requireOneOf(problems, what, s[0].remark, offered);
            }};
}

SentenceReader commaSentences(int slots, std::int32_t commaCode) {
    return {SentenceFormat{.slots = slots, .separators = {{' '}}, .marks = {{',', commaCode, false}}},
            [commaCode](const Sentence& s, Problems& problems) {
                requireNoCommaAfterLastWord(s, commaCode, problems);
            }};
}

} // namespace framework
