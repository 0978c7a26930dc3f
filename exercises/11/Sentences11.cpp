#include "exercises/11/Sentences11.h"

namespace ex11 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{',', Separator::Keep::After}},
        .marks = {{'#', 0, true, true}, {'$', kSubordinate, true, true}},
        .modes = {{'@', kToRemark1}},
        .markInMode = MarkInMode::StoreInSlot,
        .punctuation = Punctuation::WordBeforeAtDropped,
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind key", s[0].remark, kKinds);
    if (countCode(s, kSubordinate) == 0) problems.error("no subordinate clause is marked");
}

} // namespace ex11
