// brevion-data: validates sentence files, and converts them between their source form (UTF-8
// text) and their stored form (Windows-1250 with filler characters).
#include "Codec.h"
#include "Stats.h"
#include "Validator.h"

#include <platform/errors.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: brevion-data validate <NN> <file>...\n"
    "       brevion-data encode <source.txt> <out.dat>\n"
    "       brevion-data decode <in.dat> <out.txt>\n"
    "       brevion-data stats <NN> <file>\n"
    "A file ending in .dat is read in its stored form, any other as source text.\n";

// The exercise of a key, or nullptr after telling which keys there are.
const sentencedata::Exercise* exerciseOf(const std::string& key) {
    const sentencedata::Exercise* exercise = sentencedata::findExercise(key);
    if (!exercise) {
        std::cerr << "brevion-data: unknown exercise \"" << key << "\"; one of:";
        for (const sentencedata::Exercise& e : sentencedata::exercises())
            std::cerr << ' ' << e.key;
        std::cerr << '\n';
    }
    return exercise;
}

int validate(const std::string& key, const std::vector<std::string>& files) {
    const sentencedata::Exercise* exercise = exerciseOf(key);
    if (!exercise) return 2;
    int failed = 0;
    for (const std::string& file : files) {
        int errors = 0;
        int warnings = 0;
        for (const sentencedata::Diagnostic& d : sentencedata::validateFile(*exercise, file)) {
            std::cout << file;
            if (d.line > 0) std::cout << ':' << d.line;
            std::cout << ": " << (d.warning ? "warning: " : "") << d.message << '\n';
            ++(d.warning ? warnings : errors);
        }
        std::cout << file << ": " << errors << " errors, " << warnings << " warnings\n";
        failed += errors > 0 ? 1 : 0;
    }
    return failed > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() >= 3 && args[0] == "validate")
            return validate(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
        if (args.size() == 3 && args[0] == "stats") {
            const sentencedata::Exercise* exercise = exerciseOf(args[1]);
            if (!exercise) return 2;
            std::cout << sentencedata::statsReport(*exercise, args[2]);
            return 0;
        }
        if (args.size() == 3 && args[0] == "encode") {
            sentencedata::encodeFile(args[1], args[2]);
            return 0;
        }
        if (args.size() == 3 && args[0] == "decode") {
            sentencedata::decodeFile(args[1], args[2]);
            return 0;
        }
    } catch (const platform::FileError& e) {
        std::cerr << "brevion-data: " << e.what() << '\n';
        return 1;
    } catch (const platform::ConversionError& e) {
        std::cerr << "brevion-data: " << e.what() << '\n';
        return 1;
    }
    std::cerr << kUsage;
    return 2;
}
