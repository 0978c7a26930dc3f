#include "exercises/04/Sentences04.h"

namespace ex04 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'$', kPredicate}},
        .modes = {{'#', kToRemark1, kToRemark2}, {'@', kToRemark2, kToRemark1}},
        .punctuation = Punctuation::WordBeforeAtDropped,
        .fullStopBeforeSpaceKept = true,
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind of predicate", s[0].remark, kKinds);
    requireOneOf(problems, "extent of predicate", s[1].remark, kExtents);
    if (countCode(s, kPredicate) == 0) problems.error("no predicate word is marked");
}

} // namespace ex04
