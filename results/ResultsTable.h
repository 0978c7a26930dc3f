#pragma once
// The ranking of one exercise's results, kept in its results table file ("name|right|wrong|grade"
// per line, best first).
#include <platform/file_lock.h>

#include <chrono>
#include <string>
#include <vector>

namespace results {

struct ResultRecord {
    std::string name, right, wrong, grade;
    // The line as read, for a line that cannot be ranked (a count that is not a number, a grade
    // that is neither a number nor empty): it is written back unchanged.
    std::string damagedLine{};
    bool operator==(const ResultRecord&) const = default;
    bool damaged() const { return !damagedLine.empty(); }
};

// True when `c` ranks below `d`: a higher grade, or the same grade and fewer right answers, or the
// same grade and right count and more wrong answers. An empty grade (the percentage fell between
// two bands) ranks below every grade.
bool isWorse(const ResultRecord& c, const ResultRecord& d);

class ResultsTable {
public:
    // Replaces the records with those of the file. Throws platform::FileError when it cannot be
    // read. Empty lines are skipped; texts past the fourth "|" are dropped. Lines that cannot be
    // ranked keep their text and go below every other record, in their old order, so the list is
    // always one that an insertion can rank into.
    void NactiSoubor(const std::string& path);
    void loadText(const std::string& utf8Text);

    // Puts a new result just above the first record that it is not worse than (so it stands above
    // older equal results), and above every damaged line. It counts as added until saved.
    void VlozNovyZaznam(const std::string& name, const std::string& right, const std::string& wrong,
                        const std::string& grade);

    // Saves the results added since the table was read into the file as it is now, under the
    // file's lock (other copies of the program may have added theirs meanwhile): re-reads it,
    // inserts them by the ranking rule, replaces it atomically. This table then holds the file's
    // new content. Without a file, the table as it is gets written. On failure (FileError; code
    // ETIMEDOUT when the lock could not be had in time) the file and this table stay as they were.
    void UlozSoubor(const std::string& path,
                    std::chrono::milliseconds lockTimeout = platform::kDefaultLockTimeout,
                    std::chrono::microseconds* lockWait = nullptr);
    std::string text() const;

    // Results inserted and not yet saved.
    const std::vector<ResultRecord>& added() const { return added_; }

    const std::vector<ResultRecord>& records() const { return records_; }

private:
    void insert(const ResultRecord& record);

    std::vector<ResultRecord> records_;
    std::vector<ResultRecord> added_;
};

} // namespace results
