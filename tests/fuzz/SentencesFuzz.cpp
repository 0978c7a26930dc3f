// The stored sentence file of every exercise, as the exercise screens read it and as the data
// tool validates it. The first byte picks the exercise; the rest is the file.
#include "FuzzInput.h"

#include <Validator.h>
#include <framework/SentenceFile.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto exercises = sentencedata::exercises();
    const sentencedata::Exercise& exercise = exercises[data[0] % exercises.size()];
    const std::string_view content = fuzz::bytesOf(data + 1, size - 1);
    const std::string& path = fuzz::holdInput(content);
    const framework::SentenceFormat& format = exercise.format();

    const framework::SentenceTable table = framework::readSentenceFile(format, path);
    FUZZ_CHECK(table.count >= 0 && table.count <= framework::kMaxSentences);
    FUZZ_CHECK(static_cast<std::size_t>(table.count) <= fuzz::maxLines(content));
    FUZZ_CHECK(table.sentences.size() == static_cast<std::size_t>(framework::kMaxSentences));
    for (const framework::Sentence& s : table.sentences) {
        FUZZ_CHECK(s.size() == static_cast<std::size_t>(format.slots));
        for (const framework::PPravidla& p : s)
            for (const std::string* field : {&p.text, &p.remark, &p.subject})
                FUZZ_CHECK(field->find('\n') == std::string::npos);
    }

    // What the data tool makes of the same file in its stored form.
    const std::vector<std::string> lines = framework::readStoredLines(path);
    for (const sentencedata::Diagnostic& d : sentencedata::validateLines(exercise, lines)) {
        FUZZ_CHECK(d.line >= 0 && static_cast<std::size_t>(d.line) <= lines.size());
        FUZZ_CHECK(!d.message.empty());
    }
    return 0;
}
