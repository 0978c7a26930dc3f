// A stand-in for the print library: its entries write what they received to the file named by
// BREVION_FAKE_PRINT_LOG and return the status in BREVION_FAKE_PRINT_STATUS (printed when it is not
// set). The log holds "<entry> <count>", the name, then one line per example of the 30: the print
// line, or for "TR5", "TR11b" and "TR12" the 15 words separated by "|" ("TR5" and "TR11b": a flagged
// word between asterisks).
#include "print/TiskAbi.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::FILE* openLog(const char* entry, std::uint8_t count, const tisk::ShortString* name) {
    const char* path = std::getenv("BREVION_FAKE_PRINT_LOG");
    std::FILE* f = path ? std::fopen(path, "wb") : nullptr;
    if (f) std::fprintf(f, "%s %d\n%.*s\n", entry, int(count), int(name->length), name->text);
    return f;
}

int status() {
    const char* status = std::getenv("BREVION_FAKE_PRINT_STATUS");
    return status ? std::atoi(status) : tisk::kPrinted;
}

int logLines(const char* entry, const tisk::ShortString* lines, std::uint8_t count,
             const tisk::ShortString* name) {
    std::FILE* f = openLog(entry, count, name);
    if (!f) return tisk::kFailed;
    for (int i = 0; i < tisk::kMaxExamples; ++i)
        std::fprintf(f, "%.*s\n", int(lines[i].length), lines[i].text);
    std::fclose(f);
    return status();
}

int logWords(const char* entry, const tisk::ShortString* words, const std::uint8_t* flags, std::uint8_t count,
             const tisk::ShortString* name) {
    std::FILE* f = openLog(entry, count, name);
    if (!f) return tisk::kFailed;
    for (int i = 0; i < tisk::kMaxExamples; ++i) {
        for (int w = 0; w < tisk::kWordsPerExample; ++w) {
            const int k = i * tisk::kWordsPerExample + w;
            const char* mark = flags[k] ? "*" : "";
            std::fprintf(f, "%s%s%.*s%s", w ? "|" : "", mark, int(words[k].length), words[k].text, mark);
        }
        std::fprintf(f, "\n");
    }
    std::fclose(f);
    return status();
}

} // namespace

extern "C" __attribute__((visibility("default"))) int TR1(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR1", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR2(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR2", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR3(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR3", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR4(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR4", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR6b(const tisk::ShortString* lines, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logLines("TR6b", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR7(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR7", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR9(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR9", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR10(const tisk::ShortString* lines, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logLines("TR10", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR11(const tisk::ShortString* lines, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logLines("TR11", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR12(const tisk::ShortString* words, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    static const std::uint8_t noFlags[tisk::kMaxExamples * tisk::kWordsPerExample] = {};
    return logWords("TR12", words, noFlags, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR5(const tisk::ShortString* words,
                                                          const std::uint8_t* flags, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logWords("TR5", words, flags, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR8b(const tisk::ShortString* lines, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logLines("TR8b", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR14(const tisk::ShortString* lines, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logLines("TR14", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR8(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR8", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR13(const tisk::ShortString* lines, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logLines("TR13", lines, count, name);
}

extern "C" __attribute__((visibility("default"))) int TR11b(const tisk::ShortString* words,
                                                            const std::uint8_t* flags, std::uint8_t count,
                                                            const tisk::ShortString* name) {
    return logWords("TR11b", words, flags, count, name);
}
