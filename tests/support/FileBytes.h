#pragma once
// The whole content of a file as bytes, for tests that compare what the program wrote; empty when
// the file cannot be read.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
