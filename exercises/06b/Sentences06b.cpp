#include "exercises/06b/Sentences06b.h"

namespace ex06b {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{' '}},
        .marks = {{',', kComma, false}},
    };
    return f;
}

SentenceTable NactiSoubor(const std::string& path) {
    return readSentenceFile(format(), path);
}

void check(const Sentence& s, Problems& problems) {
    requireNoCommaAfterLastWord(s, kComma, problems);
}

} // namespace ex06b
