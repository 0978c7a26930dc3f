#pragma once
// An entry of a run-time library called in a short-lived child process. The print libraries bring
// dozens of libraries with them (printing system, TLS, fonts, vector drawing); loaded into a child
// that ends after the call, none of them stays in the program's memory, and a library that crashes
// or hangs cannot take the program with it.
#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>

namespace platform {

class DynamicLibrary;
class LibraryLoader;

struct HelperSettings {
    // A helper still running after this long is killed and counts as failed.
    std::chrono::milliseconds timeLimit{20000};
    // Starts the child (fork); tests make it fail.
    pid_t (*startChild)() = nullptr;
};

// The process-wide settings of callEntryInHelper.
HelperSettings& helperSettings();

// In a child process (a copy of this one, so `call` sees the same data): loads the library `path`
// with `loader`, looks up `entryName` and runs `call(entry)`; returns what `call` returned there.
// Errors raised in the child come back as the same kind with the same text: FileError (also for a
// missing library or entry), ConversionError, PrinterError; any other std::exception as
// std::runtime_error. A child that cannot be started, that ends without an answer (a crash) or that
// runs past the time limit raises FileError naming the library.
int callEntryInHelper(LibraryLoader& loader, const std::string& path, const std::string& entryName,
                      const std::function<int(void* entry)>& call);

// The same, for a call that also looks up further entries of the library and answers with a text
// besides the status (for example where the library kept its files): `call` runs in the child and
// fills its `reply`, which arrives in `reply` here.
using HelperCall = std::function<int(DynamicLibrary& library, void* entry, std::string& reply)>;
int callEntryInHelper(LibraryLoader& loader, const std::string& path, const std::string& entryName,
                      const HelperCall& call, std::string& reply);

} // namespace platform
