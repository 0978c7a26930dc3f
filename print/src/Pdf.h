#pragma once
// Lays a worksheet out on A4 pages and writes it as PDF.
#include "Sheet.h"

#include <cstdio>

namespace tisk {

// Writes the sheet to `out`. Examples are never split across pages. Throws std::runtime_error
// when cairo reports an error.
void writePdf(const Sheet& sheet, std::FILE* out);
// Writes the answer key to `out`, titled "Kľúč správnych odpovedí".
void writeKeyPdf(const AnswerKey& key, std::FILE* out);

} // namespace tisk
