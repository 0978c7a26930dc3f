#include "ScreenOnFakes.h"

#include "ExerciseFixture.h"

#include "platform/paths.h"

std::string FakeScreenServices::cd(std::string_view relative) const {
    return platform::joinPath(root, relative);
}

std::string FakeRun::hd(std::string_view relative) const {
    return platform::joinPath(hdRoot, relative);
}

void ScreenOnFakes::writeSentences(const std::string& key, const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines)
        file += storedLine(line) + "\r\n";
    writeFile(hd.path / (key + ".dat"), file);
}
