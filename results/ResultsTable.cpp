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
    added_.clear();
    std::vector<ResultRecord> damaged;
    for (const std::string& line : splitLines(utf8Text)) {
        if (line.empty()) continue;
        std::vector<std::string> fields = splitFields(line);
        const bool complete = fields.size() >= 4;
        fields.resize(4);
        ResultRecord record{fields[0], fields[1], fields[2], fields[3]};
        int number = 0;
        if (!complete || !parseInteger(record.right, number) || !parseInteger(record.wrong, number) ||
            !(record.grade.empty() || parseInteger(record.grade, number))) {
            record.damagedLine = line;
            damaged.push_back(std::move(record));
        } else {
            records_.push_back(std::move(record));
        }
    }
    records_.insert(records_.end(), damaged.begin(), damaged.end());
}

void ResultsTable::insert(const ResultRecord& record) {
    auto place = records_.begin();
    while (place != records_.end() && !place->damaged() && isWorse(record, *place))
        ++place;
    records_.insert(place, record);
}

void ResultsTable::VlozNovyZaznam(const std::string& name, const std::string& right, const std::string& wrong,
                                  const std::string& grade) {
    const ResultRecord record{name, right, wrong, grade};
    insert(record);
    added_.push_back(record);
}

std::string ResultsTable::text() const {
    std::string out;
    for (const ResultRecord& r : records_)
        out +=
            (r.damaged() ? r.damagedLine : r.name + "|" + r.right + "|" + r.wrong + "|" + r.grade) + "\r\n";
    return out;
}

void ResultsTable::UlozSoubor(const std::string& path, std::chrono::milliseconds lockTimeout,
                              std::chrono::microseconds* lockWait) {
    ResultsTable merged;
    updateFileLocked(
        path,
        [&](const std::optional<std::string>& current) {
            if (!current) {
                merged.records_ = records_;
            } else {
                merged.loadText(*current);
                for (const ResultRecord& record : added_)
                    merged.insert(record);
            }
            return merged.text();
        },
        lockTimeout, lockWait);
    records_ = std::move(merged.records_);
    added_.clear();
}

} // namespace results
