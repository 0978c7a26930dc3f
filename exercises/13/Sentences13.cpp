#include "exercises/13/Sentences13.h"

namespace ex13 {

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
    requireOneOf(problems, "kind of compound sentence", s[0].remark, kKinds);
}

} // namespace ex13
