#pragma once
// The grades file and the grade rule: percentage bands, each with the grade it gives.
#include <string>
#include <vector>

namespace results {

struct GradeBand {
    int lower = 0; // per cent, inclusive
    int upper = 0; // per cent, inclusive
    int grade = 0;
};

// Reads the grades file ("lower|upper|grade" per line, Windows-1250). Throws platform::FileError
// when the file cannot be read and platform::ConversionError for a line whose three fields are not
// integers. Empty lines are skipped.
std::vector<GradeBand> NactiZnamky(const std::string& path);

// Parses the grades file's text (already read); `origin` names it in error messages.
std::vector<GradeBand> parseGradeBands(const std::string& text, const std::string& origin);

// The grade of the last band in file order that contains right/runLength*100 per cent, or the
// empty string when no band contains it. A run length of 0 has no percentage: empty string.
std::string ZnamkaZa(double right, double runLength, const std::vector<GradeBand>& bands);

} // namespace results
