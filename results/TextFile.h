#pragma once
// Reading and writing the program's Windows-1250 text files (CR LF line ends) safely.
#include <string>
#include <string_view>
#include <vector>

namespace results {

// The whole file as UTF-8. Throws platform::FileError when it cannot be read.
std::string readTextFile(const std::string& path);

// Lines without their CR LF or LF ends; a final line end does not start another line.
std::vector<std::string> splitLines(std::string_view text);

// Splits at every "|".
std::vector<std::string> splitFields(std::string_view line);

// A decimal integer, optionally signed and surrounded by spaces, that fits an int.
bool parseInteger(std::string_view text, int& value);

// Pads with spaces on the right to `width` characters; a longer text stays whole.
std::string padRight(const std::string& text, std::size_t width);

// Replaces the file with `utf8Text` (converted to Windows-1250) so that a crash, a kill or a full
// disk leaves either the old or the new file, never a truncated one: the text goes to a temporary
// file in the same folder, is flushed to disk, then renamed over the old one. Throws
// platform::FileError (the old file stays) or platform::ConversionError before touching anything.
void replaceFileAtomically(const std::string& path, const std::string& utf8Text);

// Appends `utf8Text` (converted to Windows-1250) in one write. The file is created when it does
// not exist; an existing file that cannot be opened is left alone and reported (FileError).
void appendToFile(const std::string& path, const std::string& utf8Text);

} // namespace results
