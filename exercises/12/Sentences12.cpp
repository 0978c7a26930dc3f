#include "exercises/12/Sentences12.h"

namespace ex12 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'#', kGap, false}},
        .modes = {{'$', kToCandidate}},
        .punctuation = Punctuation::AppendedToSlot,
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    if (countCode(s, kGap) != 1) problems.error("needs exactly one gap word marked with \"#\"");
    int candidates = 0;
    for (const PPravidla& p : s)
        candidates += p.remark.empty() ? 0 : 1;
    if (candidates != kCandidates || s[0].remark.empty() || s[1].remark.empty() || s[2].remark.empty()) {
        problems.error("needs exactly three candidates, each after a \"$\"");
        return;
    }
    if (s[0].remark == s[1].remark || s[0].remark == s[2].remark || s[1].remark == s[2].remark)
        problems.error("the three candidates are not all different");
    for (const PPravidla& p : s) {
        if (p.code != kGap) continue;
        std::string_view gap = p.text;
        while (!gap.empty() && std::string_view(".,!?").find(gap.back()) != std::string_view::npos)
            gap.remove_suffix(1);
        if (gap != s[0].remark)
            problems.error("the gap word \"" + p.text + "\" is not the first candidate \"" + s[0].remark +
                           "\"");
    }
}

} // namespace ex12
