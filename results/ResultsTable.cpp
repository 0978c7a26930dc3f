#include "ResultsTable.h"

#include "TextFile.h"

#include <climits>
#include <utility>

namespace results {

namespace {

// The value used for ranking; an unreadable text gets `worst`.
int rankValue(const std::string& text, int worst) {
    int value = 0;
    return parseInteger(text, value) ? value : worst;
}

} // namespace

bool isWorse(const ResultRecord& c, const ResultRecord& d) {
    const int gradeC = rankValue(c.grade, INT_MAX), gradeD = rankValue(d.grade, INT_MAX);
    if (gradeC != gradeD) return gradeC > gradeD;
    const int rightC = rankValue(c.right, INT_MIN), rightD = rankValue(d.right, INT_MIN);
    if (rightC != rightD) return rightC < rightD;
    return rankValue(c.wrong, INT_MAX) > rankValue(d.wrong, INT_MAX);
}

void ResultsTable::NactiSoubor(const std::string& path) {
    loadText(readTextFile(path));
}

void ResultsTable::loadText(const std::string& utf8Text) {
    records_.clear();
    for (const std::string& line : splitLines(utf8Text)) {
        if (line.empty()) continue;
        std::vector<std::string> fields = splitFields(line);
        fields.resize(4);
        records_.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
}

void ResultsTable::VlozNovyZaznam(const std::string& name, const std::string& right, const std::string& wrong,
                                  const std::string& grade) {
    records_.insert(records_.begin(), ResultRecord{name, right, wrong, grade});
    for (std::size_t i = 0; i + 1 < records_.size(); ++i)
        if (isWorse(records_[i], records_[i + 1])) std::swap(records_[i], records_[i + 1]);
}

std::string ResultsTable::text() const {
    std::string out;
    for (const ResultRecord& r : records_)
        out += r.name + "|" + r.right + "|" + r.wrong + "|" + r.grade + "\r\n";
    return out;
}

void ResultsTable::UlozSoubor(const std::string& path) const {
    replaceFileAtomically(path, text());
}

} // namespace results
