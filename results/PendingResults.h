#pragma once
// Results of finished runs that are not yet in their files. A record stays here until its file
// took it, however often writing fails, so a full disk, a locked or unreachable file or a
// read-only share never loses a pupil's result while the program runs.
#include "results/ResultsTable.h"

#include <platform/errors.h>
#include <platform/file_lock.h>

#include <chrono>
#include <string>
#include <vector>

namespace results {

class PendingResults {
public:
    // A results table record to be merged into the table file `path`.
    void addTableRecord(const std::string& path, const ResultRecord& record);
    // A results log record (its four lines) to be appended to the log `path`.
    void addLogRecord(const std::string& path, const std::string& text);

    // Writes what is waiting: the table records first (one locked merge per table file), then the
    // log records in the order of the runs. Whatever fails stays for the next call; the failures
    // are returned, one per file. `table`, when given, is the table read from `tablePath`: it is
    // saved too (with its own additions, and rewritten when it has none) and afterwards holds the
    // file's new content; when its save fails, the records stay in it as additions.
    std::vector<platform::FileError> flush(const std::string& tablePath = {}, ResultsTable* table = nullptr);

    bool empty() const { return tables_.empty() && logs_.empty(); }
    std::size_t size() const { return tables_.size() + logs_.size(); }

    std::chrono::milliseconds lockTimeout = platform::kDefaultLockTimeout;

private:
    struct TableRecord {
        std::string path;
        ResultRecord record;
    };
    struct LogRecord {
        std::string path, text;
    };
    std::vector<TableRecord> tables_;
    std::vector<LogRecord> logs_;
};

} // namespace results
