#pragma once
// The results log: a four-line record per finished run, appended to a text file that the program
// never reads back. Records are appended under the log's lock by the results table screen
// (TTabulka1Form::ZaznamenejVysledek, through results/TextFile's appendToFile).
#include <string>

namespace results {

// "9:05:07" -> " 9:05", "14:30:00" -> "14:30".
std::string reduceTimeToMinutes(const std::string& longTime);

// The four lines of one record, each ended by CR LF.
std::string formatLogRecord(const std::string& name, const std::string& title, const std::string& right,
                            const std::string& wrong, const std::string& grade, const std::string& date,
                            const std::string& longTime);

} // namespace results
