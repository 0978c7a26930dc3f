#include "ScreenOnFakes.h"

#include "ExerciseFixture.h"

#include "platform/paths.h"
#include "platform/sound.h"

std::string FakeScreenServices::cd(std::string_view relative) const {
    return platform::joinPath(root, relative);
}

void FakeScreenServices::playEnter() const {
    sound.play(cd("\\Sound\\Enter.wav"));
}

void FakeScreenServices::playClick() const {
    sound.play(cd("\\Sound\\Click.wav"));
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
