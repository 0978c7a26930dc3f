#pragma once
// The ranking of one exercise's results, kept in its results table file ("name|right|wrong|grade"
// per line, best first).
#include <string>
#include <vector>

namespace results {

struct ResultRecord {
    std::string name, right, wrong, grade;
    bool operator==(const ResultRecord&) const = default;
};

// True when `c` ranks below `d`: a higher grade, or the same grade and fewer right answers, or the
// same grade and right count and more wrong answers. A field that is not an integer ranks worst,
// so a damaged line sinks to the bottom instead of making a new result impossible to record.
bool isWorse(const ResultRecord& c, const ResultRecord& d);

class ResultsTable {
public:
    // Replaces the records with those of the file. Throws platform::FileError when it cannot be
    // read. Empty lines are skipped; texts past the fourth "|" are dropped.
    void NactiSoubor(const std::string& path);
    void loadText(const std::string& utf8Text);

    // Puts a new result at the top and moves it down to just above the first older record that it
    // is not worse than (so it stands above older equal results).
    void VlozNovyZaznam(const std::string& name, const std::string& right, const std::string& wrong,
                        const std::string& grade);

    // Writes all records (not only the ten shown) atomically; the old file survives any failure.
    void UlozSoubor(const std::string& path) const;
    std::string text() const;

    const std::vector<ResultRecord>& records() const { return records_; }

private:
    std::vector<ResultRecord> records_;
};

} // namespace results
