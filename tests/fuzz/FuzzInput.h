#pragma once
// What the fuzz targets share: the input handed to the program's readers as a file, and checks
// that end the run with a message when an invariant does not hold.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant does not hold: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? void() : ::fuzz::fail(#condition, __FILE__, __LINE__))

// The readers open files by path. Each input is written to one in-memory file, reachable as
// /proc/self/fd/N, so that a run touches no disk and every reader sees exactly the input's bytes.
// Replaces the file's content; returns its path.
inline const std::string& holdInput(std::string_view bytes) {
    static const int fd = ::memfd_create("fuzz-input", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::ftruncate(fd, 0) == 0);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        FUZZ_CHECK(n > 0);
        done += static_cast<std::size_t>(n);
    }
    return path;
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Lines a text can hold at most: one more than its line feeds.
inline std::size_t maxLines(std::string_view text) {
    std::size_t feeds = 0;
    for (char c : text)
        feeds += c == '\n' ? 1 : 0;
    return feeds + 1;
}

} // namespace fuzz
