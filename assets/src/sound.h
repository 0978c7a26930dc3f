#pragma once
// The sounds of the program, synthesised: a soft blip when the mouse enters a control, a crisp click
// when it is clicked, and a short rising chime at the end of a run. Mono 16-bit PCM.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace assets {

inline constexpr int soundRate = 22050;

std::vector<std::int16_t> enterSound();
std::vector<std::int16_t> clickSound();
std::vector<std::int16_t> finishSound();
// Throws FileError.
void writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate);

} // namespace assets
