#pragma once
// What the pupil is told when a result cannot be written: the file and the cause, in Slovak.
#include <platform/errors.h>

#include <string>

namespace results {

// The cause of a failed read or write for the system error number `code` ("disk je plný").
std::string pricinaChyby(int code);

// "Výsledok sa nepodarilo zapísať do <file>: <cause>."
std::string zpravaOZapisu(const platform::FileError& error);

// "Výsledky cvičenia nebude možné zapísať do <file>: <cause>." (checked when an exercise opens).
std::string zpravaOTabulce(const platform::FileError& error);

} // namespace results
