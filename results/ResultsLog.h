#pragma once
// The results log: a four-line record per finished run, appended to a text file that the program
// never reads back.
#include <ctime>
#include <string>

namespace results {

// "9:05:07" -> " 9:05", "14:30:00" -> "14:30".
std::string reduceTimeToMinutes(const std::string& longTime);

// The four lines of one record, each ended by CR LF.
std::string formatLogRecord(const std::string& name, const std::string& title, const std::string& right,
                            const std::string& wrong, const std::string& grade, const std::string& date,
                            const std::string& longTime);

// Appends one record with the current date and time (the user's short date and long time formats).
// `title2` is accepted for the callers' sake and not written. Throws platform::FileError when the
// log exists but cannot be written (it is then left alone), or cannot be created.
void ZapisVysledek(const std::string& logPath, const std::string& name, const std::string& title,
                   const std::string& title2, const std::string& right, const std::string& wrong,
                   const std::string& grade, std::time_t now);

} // namespace results
