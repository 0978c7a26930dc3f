#include "exercises/05/Sentences05.h"

namespace ex05 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'$', 1}},
        .modes = {{'@', kToRemark1}},
        .markInMode = MarkInMode::Ignore,
        .punctuation = Punctuation::WordBeforeAtKept,
        .modeTakesEverything = true,
        .finishLine =
            [](Sentence& s) {
                const std::int32_t code = framework::indexIgnoringCase(s[0].remark, kAnswerCodes);
                for (PPravidla& p : s)
                    if (p.code != 0) p.code = code;
            },
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "answer code", s[0].remark, kOfferedCodes);
    if (framework::indexIgnoringCase(s[0].remark, kAnswerCodes) == 0) return; // no word can be bold
    const int marked = static_cast<int>(s.size()) - countCode(s, 0);
    if (marked == 0) problems.error("no word is marked with \"$\"");
    if (marked > 1) problems.error("more than one word is marked");
}

} // namespace ex05
