#include "results/PendingResults.h"

#include "TextFile.h"

#include <algorithm>

namespace results {

void PendingResults::addTableRecord(const std::string& path, const ResultRecord& record) {
    tables_.push_back({path, record});
}

void PendingResults::addLogRecord(const std::string& path, const std::string& text) {
    logs_.push_back({path, text});
}

std::vector<platform::FileError> PendingResults::flush(const std::string& tablePath, ResultsTable* table) {
    std::vector<platform::FileError> failures;

    std::vector<std::string> paths;
    for (const TableRecord& waiting : tables_)
        if (std::find(paths.begin(), paths.end(), waiting.path) == paths.end()) paths.push_back(waiting.path);
    if (table && !tablePath.empty() && std::find(paths.begin(), paths.end(), tablePath) == paths.end())
        paths.push_back(tablePath);

    for (const std::string& path : paths) {
        ResultsTable own;
        ResultsTable& merged = table && path == tablePath ? *table : own;
        // Records waiting for the file move into the table as its additions; a failed save puts
        // them back below.
        for (const TableRecord& waiting : tables_)
            if (waiting.path == path)
                merged.VlozNovyZaznam(waiting.record.name, waiting.record.right, waiting.record.wrong,
                                      waiting.record.grade);
        std::erase_if(tables_, [&](const TableRecord& waiting) { return waiting.path == path; });
        try {
            merged.UlozSoubor(path, lockTimeout);
        } catch (const platform::FileError& e) {
            failures.push_back(e);
            if (&merged == &own)
                for (const ResultRecord& record : own.added())
                    tables_.push_back({path, record});
        }
    }

    std::vector<std::string> failedLogs;
    std::vector<LogRecord> kept;
    for (LogRecord& waiting : logs_) {
        // After one failure the later records of that log wait too, to stay in the order of the runs.
        if (std::find(failedLogs.begin(), failedLogs.end(), waiting.path) == failedLogs.end()) {
            try {
                appendToFile(waiting.path, waiting.text, lockTimeout);
                continue;
            } catch (const platform::FileError& e) {
                failures.push_back(e);
                failedLogs.push_back(waiting.path);
            }
        }
        kept.push_back(std::move(waiting));
    }
    logs_ = std::move(kept);
    return failures;
}

} // namespace results
