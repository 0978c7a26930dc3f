#include "exercises/06/Sentences06.h"

#include <algorithm>

namespace ex06 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .modes = {{'@', kToRemark1}},
        .finishLine =
            [](Sentence& s) {
                s[0].code = s[0].remark == kKinds[0]   ? kAgreeing
                            : s[0].remark == kKinds[1] ? kNonAgreeing
                                                       : 0;
            },
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    requireOneOf(problems, "kind of attribute", s[0].remark, kKinds);
}

void checkFile(const framework::SentenceTable& table, framework::Problems& problems) {
    const std::vector<Sentence> drawn(table.sentences.begin(), table.sentences.begin() + table.count);
    for (std::int32_t code : {kAgreeing, kNonAgreeing}) {
        const auto n = std::count_if(drawn.begin(), drawn.end(),
                                     [code](const Sentence& s) { return s[0].code == code; });
        if (n < kPages * kMinPerKindAndPage)
            problems.error("only " + std::to_string(n) + " attributes of the kind \"" +
                           std::string(kKinds[static_cast<std::size_t>(code - 1)]) +
                           "\"; five pages need at least " + std::to_string(kPages * kMinPerKindAndPage));
    }
    // Every drawn line also bars the line before it; while a page is drawn again its old draws still
    // count, so 45 draws can bar up to 90 lines and the draw needs one more to be sure to finish.
    if (table.count < 2 * kDraws + 1)
        problems.error(std::to_string(table.count) + " lines: the draw of " + std::to_string(kDraws) +
                       " cards, which never takes a line whose next line is already drawn, needs at least " +
                       std::to_string(2 * kDraws + 1) + " lines to be sure to finish");
}

} // namespace ex06
