// A stand-in for the print library: its "TR1" writes what it received to the file named by
// BREVION_FAKE_PRINT_LOG ("TR1 <count>", the name, then the 30 lines, one per line) and returns
// the status in BREVION_FAKE_PRINT_STATUS (printed when it is not set).
#include "print/TiskAbi.h"

#include <cstdio>
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) int TR1(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    const char* path = std::getenv("BREVION_FAKE_PRINT_LOG");
    if (!path) return tisk::kFailed;
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return tisk::kFailed;
    std::fprintf(f, "TR1 %d\n%.*s\n", int(count), int(name->length), name->text);
    for (int i = 0; i < tisk::kMaxExamples; ++i)
        std::fprintf(f, "%.*s\n", int(lines[i].length), lines[i].text);
    std::fclose(f);
    const char* status = std::getenv("BREVION_FAKE_PRINT_STATUS");
    return status ? std::atoi(status) : tisk::kPrinted;
}
