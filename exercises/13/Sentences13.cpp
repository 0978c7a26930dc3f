#include "exercises/13/Sentences13.h"

namespace ex13 {

const framework::SentenceReader& reader() {
    static const framework::SentenceReader r = framework::keyedSentences("kind of compound sentence", kKinds);
    return r;
}

} // namespace ex13
