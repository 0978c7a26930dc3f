#pragma once
// The few kinds of error the program raises. They all reach the application's one error handler,
// which tells them apart by kind.
#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// A file that cannot be found, opened, read, written or parsed. `code` is the system's error
// number (errno) when the system gave one, ETIMEDOUT when a lock could not be had in time, 0 for a
// file that was read but is not what it should be.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& path, const std::string& what, int code = 0)
        : std::runtime_error(what + ": " + path), path_(path), code_(code) {}
    const std::string& path() const noexcept { return path_; }
    int code() const noexcept { return code_; }
    // Set by the code that has already told the user what went wrong and refused only the action
    // at hand (opening an exercise whose results cannot be saved): the program goes on.
    bool toldAndRefused() const noexcept { return toldAndRefused_; }
    void setToldAndRefused() noexcept { toldAndRefused_ = true; }

private:
    std::string path_;
    int code_;
    bool toldAndRefused_ = false;
};

// Text that cannot be converted: a number that is not a number, a character that Windows-1250
// cannot store, bytes that are not valid UTF-8.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Printing failed. `noDefaultPrinter()` tells the missing printer (a notice, the program goes on)
// from every other failure. `notice()`, when not empty, is the text to show the user for it
// (for example where the worksheet was kept instead).
class PrinterError : public std::runtime_error {
public:
    PrinterError(const std::string& what, bool noDefaultPrinter, std::string notice = {})
        : std::runtime_error(what), noDefaultPrinter_(noDefaultPrinter), notice_(std::move(notice)) {}
    bool noDefaultPrinter() const noexcept { return noDefaultPrinter_; }
    const std::string& notice() const noexcept { return notice_; }

private:
    bool noDefaultPrinter_;
    std::string notice_;
};

} // namespace platform
