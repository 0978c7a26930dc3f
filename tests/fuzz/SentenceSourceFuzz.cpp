// The data tool's source form of a sentence file (UTF-8 text): read, validated for its exercise
// and encoded. The first byte picks the exercise; the rest is the file.
#include "FuzzInput.h"

#include <Codec.h>
#include <Validator.h>
#include <platform/errors.h>

#include <algorithm>
#include <climits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto exercises = sentencedata::exercises();
    const sentencedata::Exercise& exercise = exercises[data[0] % exercises.size()];
    const std::string_view content = fuzz::bytesOf(data + 1, size - 1);
    const std::string& path = fuzz::holdInput(content);

    const std::vector<sentencedata::SourceLine> source = sentencedata::readSourceLines(path);
    FUZZ_CHECK(source.size() <= fuzz::maxLines(content));
    std::vector<std::string> texts;
    bool storable = true;
    for (const sentencedata::SourceLine& line : source) {
        FUZZ_CHECK(line.text.find('\n') == std::string::npos);
        storable = storable && line.error.empty();
        texts.push_back(line.text);
    }

    // Lines the reader accepts are stored and decoded unchanged; any other is refused.
    try {
        const std::string stored = sentencedata::encodeLines(texts);
        FUZZ_CHECK(storable);
        std::string expected;
        for (const std::string& text : texts)
            expected += text + "\n";
        FUZZ_CHECK(sentencedata::decodeContent(stored) == expected);
    } catch (const platform::ConversionError&) {
        FUZZ_CHECK(!storable);
    }

    // Diagnostics name a line of the file, in line order, those of the whole file (line 0) last.
    const std::vector<sentencedata::Diagnostic> diagnostics = sentencedata::validateFile(exercise, path);
    for (const sentencedata::Diagnostic& d : diagnostics) {
        FUZZ_CHECK(d.line >= 0 && static_cast<std::size_t>(d.line) <= source.size());
        FUZZ_CHECK(!d.message.empty());
    }
    FUZZ_CHECK(std::is_sorted(diagnostics.begin(), diagnostics.end(), [](const auto& a, const auto& b) {
        return (a.line == 0 ? INT_MAX : a.line) < (b.line == 0 ? INT_MAX : b.line);
    }));
    return 0;
}
