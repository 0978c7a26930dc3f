#pragma once
// Where a worksheet is kept and how it reaches the printer.
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace tisk {

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs in the configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), else ~/Documents.
std::filesystem::path documentsFolder();

// The file name of a sheet: exercise key, date and time, for example "01_2026-12-06_09-00-12.pdf";
// `attempt` > 1 adds "_2", "_3" ... for sheets printed within the same second.
std::string sheetFileName(std::string_view key, const std::tm& when, int attempt);

// Sends the PDF to the default CUPS destination. Throws platform::PrinterError, with
// noDefaultPrinter() set when there is no default destination.
void printPdf(const std::filesystem::path& pdf, const std::string& title);

} // namespace tisk
