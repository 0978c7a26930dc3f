#include "exercises/14/Sentences14.h"

namespace ex14 {

const framework::SentenceReader& reader() {
    static const framework::SentenceReader r = framework::commaSentences(kSlots, kComma);
    return r;
}

} // namespace ex14
