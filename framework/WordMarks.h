#pragma once
// Marking words with tools (underlining the subject, the predicate, a clause): what a tool does
// to the mark of one word, and whether a row's marks are its key.
#include <cstdint>
#include <span>

namespace framework {

// The current tool: none, erase, or a tool that marks with its code (1, 2 ...).
inline constexpr std::int32_t kNoTool = 0;
inline constexpr std::int32_t kEraseTool = -1;

enum class MarkChange { None, Marked, Erased };

// A marking tool marks a word that has no mark or already has its own; a word marked by another
// tool keeps its mark until it is erased. The erase tool always clears the mark.
MarkChange applyTool(std::int32_t tool, std::int32_t& mark);

// True when every slot's mark equals its key.
bool marksMatch(std::span<const std::int32_t> marks, std::span<const std::int32_t> keys);

} // namespace framework
