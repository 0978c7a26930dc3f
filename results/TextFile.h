#pragma once
// Reading and writing the program's Windows-1250 text files (CR LF line ends) safely.
#include <platform/file_lock.h>

#include <chrono>
#include <functional>
#include <optional>
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

// A read-modify-write of a file that other copies of the program change too. Under the file's
// exclusive lock: reads its current text (nullopt when there is no file; it is then created),
// removes temporary files left by saves that were killed, and replaces the file atomically with
// what `change` makes of the text: written to a temporary file in the same folder, flushed to disk
// and renamed over the old one, so that a crash, a kill or a full disk leaves either the old or the
// new file, never a truncated one. A symbolic link is followed (its target is replaced); the old
// file's permission bits and group are kept. A lock not had within `timeout` throws FileError with code
// ETIMEDOUT and changes nothing; `waited`, when given, receives the time spent waiting for it.
using TextChange = std::function<std::string(const std::optional<std::string>& current)>;
void updateFileLocked(const std::string& path, const TextChange& change,
                      std::chrono::milliseconds timeout = platform::kDefaultLockTimeout,
                      std::chrono::microseconds* waited = nullptr);

// Appends `utf8Text` (converted to Windows-1250) in one write, under the file's exclusive lock
// (appends over NFS are not atomic without it). The file is created when it does not exist; an
// existing file that cannot be opened is left alone and reported (FileError). A write cut short
// (a full disk) is taken back, so no half record stays.
void appendToFile(const std::string& path, const std::string& utf8Text,
                  std::chrono::milliseconds timeout = platform::kDefaultLockTimeout,
                  std::chrono::microseconds* waited = nullptr);

// Throws FileError (with the system's error number) unless the existing file `path` can be
// replaced the way updateFileLocked() does it: a file, not a folder, open for writing, in a folder
// that takes new files.
void checkReplaceable(const std::string& path);

// The name of this program's temporary files beside `fileName` ("P01.res" -> "P01.res.tmp"
// followed by six characters).
bool isOwnTemporaryOf(const std::string& fileName, const std::string& candidate);

} // namespace results
