#include "exercises/01/Sentences01.h"

#include <platform/encoding.h>

namespace ex01 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'#', kSubject}, {'$', kPredicate}},
        .modes = {{'@', kToRemark1}},
        .punctuation = Punctuation::WordBeforeAtDropped,
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    if (platform::utf8Length(s[0].remark) > kAnswerFieldLength)
        problems.error("unexpressed subject \"" + s[0].remark +
                       "\" is longer than the three-character answer field");
    if (countCode(s, kSubject) + countCode(s, kPredicate) == 0) problems.warning("no word is marked");
}

} // namespace ex01
