#pragma once
// The overview as an A4 PDF report: the class per exercise, then every pupil's runs.
#include "Overview.h"

#include <string>

namespace overview {

struct ReportInfo {
    std::string created; // when the report was made, as printed
    std::string source;  // the data folder it was made from
};

// Writes the report to `path`. Throws platform::FileError when the file cannot be written.
void writeReport(const Overview& overview, const ReportInfo& info, const std::string& path);

} // namespace overview
