// A stand-in for the print library: its entries write what they received to the file named by
// BREVION_FAKE_PRINT_LOG and return the status in BREVION_FAKE_PRINT_STATUS (printed when it is not
// set; "crash" aborts the process, "hang" never returns). The log holds "<entry> <count>", the name, then one
// line per example of the 30 (45 for "TR6"): the print line, or for "TR5", "TR11b" and "TR12" the 15 words
// separated by "|"
// ("TR5" and "TR11b": a flagged word between asterisks).
#include "print/TiskAbi.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::FILE* openLog(const char* entry, std::uint8_t count, const tisk::ShortString* name) {
    const char* path = std::getenv("BREVION_FAKE_PRINT_LOG");
    std::FILE* f = path ? std::fopen(path, "wb") : nullptr;
    if (f) std::fprintf(f, "%s %d\n%.*s\n", entry, int(count), int(name->length), name->text);
    return f;
}

int status() {
    const char* status = std::getenv("BREVION_FAKE_PRINT_STATUS");
    if (status && std::strcmp(status, "crash") == 0) std::abort();
    if (status && std::strcmp(status, "hang") == 0)
        for (;;)
            pause();
    return status ? std::atoi(status) : tisk::kPrinted;
}

int logLines(const char* entry, const tisk::ShortString* lines, std::uint8_t count,
             const tisk::ShortString* name, int examples = tisk::kMaxExamples) {
    std::FILE* f = openLog(entry, count, name);
    if (!f) return tisk::kFailed;
    for (int i = 0; i < examples; ++i)
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
            const char* mark = flags && flags[k] ? "*" : "";
            std::fprintf(f, "%s%s%.*s%s", w ? "|" : "", mark, int(words[k].length), words[k].text, mark);
        }
        std::fprintf(f, "\n");
    }
    std::fclose(f);
    return status();
}

} // namespace

// The entries that take lines write them to the log under their own name.
#define FAKE_LINES_ENTRY(entry)                                                                              \
    extern "C" __attribute__((visibility("default"))) int entry(                                             \
        const tisk::ShortString* lines, std::uint8_t count, const tisk::ShortString* name) {                 \
        return logLines(#entry, lines, count, name);                                                         \
    }

FAKE_LINES_ENTRY(TR1)
FAKE_LINES_ENTRY(TR2)
FAKE_LINES_ENTRY(TR3)
FAKE_LINES_ENTRY(TR4)
FAKE_LINES_ENTRY(TR6b)
FAKE_LINES_ENTRY(TR7)
FAKE_LINES_ENTRY(TR9)
FAKE_LINES_ENTRY(TR10)
FAKE_LINES_ENTRY(TR11)
FAKE_LINES_ENTRY(TR8b)
FAKE_LINES_ENTRY(TR14)
FAKE_LINES_ENTRY(TR8)
FAKE_LINES_ENTRY(TR13)

extern "C" __attribute__((visibility("default"))) int TR12(const tisk::ShortString* words, std::uint8_t count,
                                                           const tisk::ShortString* name) {
    return logWords("TR12", words, nullptr, count, name);
}

// The entries that take words with their flags.
#define FAKE_FLAGGED_WORDS_ENTRY(entry)                                                                      \
    extern "C" __attribute__((visibility("default"))) int entry(                                             \
        const tisk::ShortString* words, const std::uint8_t* flags, std::uint8_t count,                       \
        const tisk::ShortString* name) {                                                                     \
        return logWords(#entry, words, flags, count, name);                                                  \
    }

FAKE_FLAGGED_WORDS_ENTRY(TR5)
FAKE_FLAGGED_WORDS_ENTRY(TR11b)

// "TR6" takes a block of 45 print lines.
extern "C" __attribute__((visibility("default"))) int TR6(const tisk::ShortString* lines, std::uint8_t count,
                                                          const tisk::ShortString* name) {
    return logLines("TR6", lines, count, name, tisk::kMaxExamples06);
}

#ifdef FAKE_KEY_ENTRY
// The key entry: writes "TRKey <count>", the exercise, the title and "question => answer" per
// example to the log followed by ".key", and reports two made-up paths.
extern "C" __attribute__((visibility("default"))) int
TRKey(const tisk::ShortString* exercise, const tisk::ShortString* title, const tisk::ShortString* questions,
      const tisk::ShortString* answers, std::uint8_t count, char* kept, std::uint32_t keptSize) {
    const char* path = std::getenv("BREVION_FAKE_PRINT_LOG");
    if (!path) return tisk::kFailed;
    std::FILE* f = std::fopen((std::string(path) + ".key").c_str(), "wb");
    if (!f) return tisk::kFailed;
    std::fprintf(f, "TRKey %d\n%.*s\n%.*s\n", int(count), int(exercise->length), exercise->text,
                 int(title->length), title->text);
    for (int i = 0; i < count; ++i)
        std::fprintf(f, "%.*s => %.*s\n", int(questions[i].length), questions[i].text, int(answers[i].length),
                     answers[i].text);
    std::fclose(f);
    std::snprintf(kept, keptSize,
                  "/home/ucitel/Documents/Brevion/01_a.pdf\n/home/ucitel/Documents/Brevion/01_a_kluc.pdf");
    return status();
}
#endif
