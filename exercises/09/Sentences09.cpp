#include "exercises/09/Sentences09.h"

namespace ex09 {

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
    requireOneOf(problems, "relation key", s[0].remark, kRelations);
}

} // namespace ex09
