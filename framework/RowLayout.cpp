#include "framework/RowLayout.h"

namespace framework {

int fitFontSize(const std::vector<std::string>& texts, int limit, const MeasureText& measure, int startSize,
                bool bold) {
    std::string joined;
    for (const std::string& t : texts)
        joined += t;
    int size = startSize;
    while (size > kMinFontSize && measure(joined, size, bold) > limit)
        --size;
    return size;
}

int topForSize(int topAtFormSize, int size) {
    switch (size) {
    case 11:
        return topAtFormSize + 2;
    case 10:
        return topAtFormSize + 3;
    case 9:
    case 8:
        return topAtFormSize + 4;
    default:
        return topAtFormSize;
    }
}

bool sticksToPrevious(std::string_view text) {
    return text == "." || text == "?" || text == "!" || text == ",";
}

std::vector<Placed> placeWords(const std::vector<std::string>& texts, const std::vector<int>& widths,
                               int firstLeft, const std::function<bool(std::string_view)>& sticks) {
    std::vector<Placed> placed;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (texts[k].empty()) continue;
        int left = firstLeft;
        if (!placed.empty()) {
            const Placed& before = placed.back();
            left = before.left + widths[std::size_t(before.slot)] + (sticks(texts[k]) ? 0 : kWordGap);
        }
        placed.push_back({int(k), left});
    }
    return placed;
}

} // namespace framework
