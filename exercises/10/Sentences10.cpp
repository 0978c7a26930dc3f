#include "exercises/10/Sentences10.h"

namespace ex10 {

using namespace framework;

const SentenceFormat& format() {
    static const SentenceFormat f{
        .slots = kSlots,
        .separators = {{',', Separator::Keep::Before}},
        .marks = {{'#', kMain}, {'$', kSubordinate}},
    };
    return f;
}

void check(const Sentence& s, Problems& problems) {
    for (const PPravidla& p : s)
        if (!p.text.empty() && p.code == 0) problems.warning("clause \"" + p.text + "\" is not marked");
}

} // namespace ex10
