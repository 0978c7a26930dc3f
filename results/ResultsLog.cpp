#include "ResultsLog.h"

#include "TextFile.h"

namespace results {

std::string reduceTimeToMinutes(const std::string& longTime) {
    if (longTime.size() >= 2 && longTime[1] == ':') return " " + longTime.substr(0, 4);
    return longTime.substr(0, 5);
}

std::string formatLogRecord(const std::string& name, const std::string& title, const std::string& right,
                            const std::string& wrong, const std::string& grade, const std::string& date,
                            const std::string& longTime) {
    int rightCount = 0, wrongCount = 0;
    parseInteger(right, rightCount);
    parseInteger(wrong, wrongCount);
    const std::string crlf = "\r\n";
    return "Meno:  " + padRight(name, 35) + "   Dátum: " + padRight(date, 10) +
           "   Čas: " + reduceTimeToMinutes(longTime) + crlf + "Hra: " + padRight(title, 50) + crlf +
           "Počet príkladov: " + padRight(std::to_string(rightCount + wrongCount), 6) +
           "    Správne:  " + padRight(right, 6) + "     Zle:  " + padRight(wrong, 8) +
           "   Známka:  " + grade + crlf + std::string(75, '=') + crlf;
}

} // namespace results
