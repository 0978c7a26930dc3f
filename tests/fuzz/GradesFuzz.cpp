// The grades file: bands of "lower|upper|grade", and the grade rule applied to what was read.
#include "FuzzInput.h"

#include <platform/errors.h>
#include <results/Grades.h>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::bytesOf(data, size);
    std::vector<results::GradeBand> bands;
    try {
        bands = results::NactiZnamky(fuzz::holdInput(content));
    } catch (const platform::ConversionError&) {
        return 0; // a line that is not three integers: the documented refusal
    }
    FUZZ_CHECK(bands.size() <= fuzz::maxLines(content));

    // Every grade given comes from a band that holds the percentage; no run length gives none.
    for (int right = 0; right <= 20; ++right) {
        const double percent = right * 5.0;
        const std::string grade = results::ZnamkaZa(right, 20, bands);
        FUZZ_CHECK(grade.empty() || std::any_of(bands.begin(), bands.end(), [&](const results::GradeBand& b) {
                       return std::to_string(b.grade) == grade && b.lower <= percent && percent <= b.upper;
                   }));
    }
    FUZZ_CHECK(results::ZnamkaZa(0, 0, bands).empty());
    return 0;
}
