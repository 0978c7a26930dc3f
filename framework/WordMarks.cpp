#include "framework/WordMarks.h"

#include <algorithm>

namespace framework {

MarkChange applyTool(std::int32_t tool, std::int32_t& mark) {
    if (tool == kEraseTool) {
        mark = 0;
        return MarkChange::Erased;
    }
    if (tool == kNoTool || (mark != 0 && mark != tool)) return MarkChange::None;
    mark = tool;
    return MarkChange::Marked;
}

bool marksMatch(std::span<const std::int32_t> marks, std::span<const std::int32_t> keys) {
    return std::equal(marks.begin(), marks.end(), keys.begin(), keys.end());
}

} // namespace framework
