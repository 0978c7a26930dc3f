#pragma once
// What every entry does: build the examples, lay the sheet out, keep it as a PDF in the user's
// documents folder and send it to the default printer. These never throw; they return a status
// of TiskAbi.h and tell the reason of a failure on standard error.
#include "print/TiskAbi.h"

#include <cstdint>
#include <string_view>

namespace tisk {

int printLines(std::string_view key, const ShortString* lines, int count, int blockSize,
               const ShortString* name) noexcept;
int printMarkedWords(std::string_view key, const ShortString* words, const std::uint8_t* flags, int count,
                     const ShortString* name) noexcept;
int printWords(std::string_view key, const ShortString* words, int count, const ShortString* name) noexcept;
// The answer key of the last sheet this library kept (see tisk::KeyEntry).
int printKey(const ShortString* exerciseKey, const ShortString* title, const ShortString* questions,
             const ShortString* answers, int count, char* kept, std::uint32_t keptSize) noexcept;

} // namespace tisk

// The exported entries: plain C functions, the only symbols the libraries show.
#define TISK_EXPORT extern "C" __attribute__((visibility("default")))

#define TISK_LINES_ENTRY(entry, key)                                                                         \
    TISK_EXPORT int entry(const tisk::ShortString* lines, std::uint8_t count,                                \
                          const tisk::ShortString* name) {                                                   \
        return tisk::printLines(key, lines, count, tisk::linesBlockSize(#entry), name);                      \
    }                                                                                                        \
    static_assert(std::is_same_v<decltype(entry), tisk::LinesEntry>)
