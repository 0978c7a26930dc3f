#include "exercises/02/Sentences02.h"

namespace ex02 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'#', kSubject}},
        .modes = {{'@', kToRemark1}},
        .punctuation = Punctuation::WordBeforeAtDropped,
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind of subject", s[0].remark, kKinds);
    if (countCode(s, kSubject) == 0) problems.error("no subject word is marked");
}

} // namespace ex02
