#include "exercises/11b/Sentences11b.h"

namespace ex11b {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'#', kBold, false}},
        .modes = {{'@', kToRemark1}},
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "key", s[0].remark, kKeys);
    if (countCode(s, kBold) == 0) problems.error("no word is marked bold");
}

} // namespace ex11b
