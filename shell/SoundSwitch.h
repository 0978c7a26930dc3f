#pragma once
// The program's sound switch: every sound goes through it to the real sound, and none while it is
// off. The pupil's choice is kept in BrevionZvuk.ini beside Brevion.ini (section "Zvuk", key
// "Zapnuty", 1 or 0); without that file the school's default holds, which the start command takes
// from the system-wide configuration (ZVUK=0 or ZVUK=1) and hands over in BREVION_ZVUK.
#include "platform/sound.h"

#include <string>
#include <string_view>

namespace shell {

class SoundSwitch final : public platform::Sound {
public:
    // Reads the pupil's choice from `settingsPath`, else takes `schoolDefault` ("0" off, "1" on,
    // anything else on).
    SoundSwitch(platform::Sound& sound, std::string settingsPath, std::string_view schoolDefault);

    bool on() const { return on_; }
    // Switches and writes the choice (platform::FileError when it cannot be written; the switch
    // still changes, for this session).
    void setOn(bool on);

    void play(const std::string& path) override;
    void beep() override;

private:
    platform::Sound& sound_;
    std::string settingsPath_;
    bool on_ = true;
};

// The settings file of the sound switch beside the INI file at `iniPath`.
std::string soundSettingsPath(const std::string& iniPath);

} // namespace shell
