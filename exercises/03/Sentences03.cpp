#include "exercises/03/Sentences03.h"

#include <platform/encoding.h>

namespace ex03 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{'#', kSubject}},
        .modes = {{'@', kToRemark1}, {'$', kToSubject, kToRemark1}},
        .punctuation = Punctuation::WordBeforeAtDropped,
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "part-of-speech code", s[0].remark, kPartsOfSpeech);
    if (platform::utf8Length(s[0].subject) > kAnswerFieldLength)
        problems.error("unexpressed subject \"" + s[0].subject +
                       "\" is longer than the three-character answer field");
    if (countCode(s, kSubject) == 0 && s[0].subject.empty())
        problems.error("neither a subject word nor an unexpressed subject is given");
}

} // namespace ex03
