#pragma once
// The two sounds of every screen, synthesised: a soft blip when the mouse enters a control and a
// crisp click when it is clicked. Mono 16-bit PCM.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace assets {

inline constexpr int soundRate = 22050;

std::vector<std::int16_t> enterSound();
std::vector<std::int16_t> clickSound();
// Throws FileError.
void writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate);

} // namespace assets
