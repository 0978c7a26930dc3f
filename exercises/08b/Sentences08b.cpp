#include "exercises/08b/Sentences08b.h"

namespace ex08b {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{',', kComma, false}},
        .modes = {{'#', kToRemark1}},
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind", s[0].remark, kKinds);
    if (countCode(s, kComma) == 0) problems.error("no comma: nothing is set apart");
    requireNoCommaAfterLastWord(s, kComma, problems);
}

} // namespace ex08b
