#include "exercises/07/Sentences07.h"

namespace ex07 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .modes = {{'@', kToRemark1}},
        .finishLine = [](Sentence& s) { s[0].code = framework::indexIgnoringCase(s[0].remark, kKinds); },
    };
    return f;
}

SentenceTable NactiSoubor(const std::string& path) {
    return readSentenceFile(format(), path);
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind of sentence", s[0].remark, kKinds);
}

} // namespace ex07
