#include "exercises/06b/Sentences06b.h"

namespace ex06b {

const framework::SentenceReader& reader() {
    static const framework::SentenceReader r = framework::commaSentences(kSlots, kComma);
    return r;
}

} // namespace ex06b
