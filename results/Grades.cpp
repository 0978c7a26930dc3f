#include "Grades.h"

#include "TextFile.h"

#include <platform/errors.h>

namespace results {

std::vector<GradeBand> parseGradeBands(const std::string& text, const std::string& origin) {
    std::vector<GradeBand> bands;
    int lineNumber = 0;
    for (const std::string& line : splitLines(text)) {
        ++lineNumber;
        if (line.empty()) continue;
        std::vector<std::string> fields = splitFields(line);
        const std::string where = origin + ", line " + std::to_string(lineNumber);
        if (fields.size() != 3)
            throw platform::ConversionError(where + ": expected three fields separated by \"|\"");
        GradeBand band;
        if (!parseInteger(fields[0], band.lower) || !parseInteger(fields[1], band.upper) ||
            !parseInteger(fields[2], band.grade))
            throw platform::ConversionError(where + ": \"" + line + "\" is not a valid integer triple");
        bands.push_back(band);
    }
    return bands;
}

std::vector<GradeBand> NactiZnamky(const std::string& path) {
    return parseGradeBands(readTextFile(path), path);
}

std::string ZnamkaZa(double right, double runLength, const std::vector<GradeBand>& bands) {
    if (runLength == 0) return {};
    const double percent = right / runLength * 100.0;
    std::string grade;
    for (const GradeBand& band : bands)
        if (band.upper >= percent && band.lower <= percent) grade = std::to_string(band.grade);
    return grade;
}

} // namespace results
