#include "exercises/08/Sentences08.h"

namespace ex08 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .modes = {{'@', kToRemark1}},
    };
    return f;
}

SentenceTable NactiSoubor(const std::string& path) {
    return readSentenceFile(format(), path);
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind of sentence", s[0].remark, kKinds);
}

} // namespace ex08
