// Every picture or sound that the program's sources name in a string literal is in the generated
// tree, so a screen added later cannot ask for a picture that nobody draws.
#include "../support/FileBytes.h"

#include <ui/PictureFile.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The contents of the string literals of C++ source text, escapes resolved, comments skipped.
std::vector<std::string> stringLiterals(const std::string& src) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < src.size(); ++i) {
        if (src.compare(i, 2, "//") == 0) {
            i = src.find('\n', i);
            if (i == std::string::npos) break;
        } else if (src.compare(i, 2, "/*") == 0) {
            i = src.find("*/", i + 2);
            if (i == std::string::npos) break;
            ++i;
        } else if (src[i] == '\'') {
            for (++i; i < src.size() && src[i] != '\''; ++i)
                if (src[i] == '\\') ++i;
        } else if (src[i] == '"' && i > 0 && src[i - 1] == 'R') {
            const std::size_t open = src.find('(', i);
            const std::string close = ")" + src.substr(i + 1, open - i - 1) + "\"";
            const std::size_t end = src.find(close, open);
            out.push_back(src.substr(open + 1, end - open - 1));
            i = end + close.size() - 1;
        } else if (src[i] == '"') {
            std::string text;
            for (++i; i < src.size() && src[i] != '"'; ++i) {
                if (src[i] == '\\' && i + 1 < src.size()) ++i;
                text += src[i];
            }
            out.push_back(text);
        }
    }
    return out;
}

bool skipped(const fs::path& relative) {
    const std::string first = relative.begin()->string();
    return first == "tests" || first == "assets" || first.rfind("build", 0) == 0 || first[0] == '.';
}

// "\Bitmap\..." and "\Sound\..." names in the sources, written with backslashes as the program joins
// them to its CD root; a name that does not end in ".bmp" or ".wav" is the fixed start of a name
// completed at run time (for example "\Bitmap\Select\r_" + key + "_0.bmp").
std::set<std::string> namesInSources() {
    const std::regex name(R"(\\(Bitmap|Sound)(\\[A-Za-z0-9_.]*)+)");
    std::set<std::string> names;
    const fs::path root = BREVION_SOURCE_DIR;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path rel = fs::relative(it->path(), root);
        if (it->is_directory() && skipped(rel)) {
            it.disable_recursion_pending();
            continue;
        }
        const auto ext = it->path().extension();
        if (!it->is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        for (const std::string& literal : stringLiterals(readFile(it->path())))
            for (std::sregex_iterator m(literal.begin(), literal.end(), name), end; m != end; ++m)
                names.insert(m->str());
    }
    return names;
}

// The names the program loads: a picture kept compressed goes by its name without ".zst".
std::set<std::string> generatedFiles() {
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(BREVION_CD_DIR))
        if (e.is_regular_file()) {
            std::string rel = "\\" + fs::relative(e.path(), BREVION_CD_DIR).generic_string();
            std::replace(rel.begin(), rel.end(), '/', '\\');
            if (rel.ends_with(ui::kPackedPictureSuffix))
                rel.resize(rel.size() - std::strlen(ui::kPackedPictureSuffix));
            files.insert(rel);
        }
    return files;
}

TEST(SourceNames, LiteralScannerFindsPlainAndRawStringsButNotComments) {
    const auto literals = stringLiterals("// \"\\\\Bitmap\\\\x.bmp\"\n"
                                         "auto a = \"\\\\Bitmap\\\\Games\\\\mzpet.bmp\"; char q = '\"';\n"
                                         "auto b = R\"(\\Sound\\Click.wav)\"; /* \"no\" */");
    EXPECT_EQ(literals, (std::vector<std::string>{"\\Bitmap\\Games\\mzpet.bmp", "\\Sound\\Click.wav"}));
}

TEST(SourceNames, EveryPictureAndSoundTheSourcesNameIsGenerated) {
    const auto files = generatedFiles();
    for (const std::string& n : namesInSources()) {
        const bool whole = n.ends_with(".bmp") || n.ends_with(".wav");
        if (whole) {
            EXPECT_TRUE(files.count(n)) << "no picture or sound drawn for " << n;
        } else {
            const bool completed = std::any_of(files.begin(), files.end(),
                                               [&](const std::string& f) { return f.rfind(n, 0) == 0; });
            EXPECT_TRUE(completed) << "nothing generated starts with " << n;
        }
    }
}

} // namespace
