#include "framework/WordRows.h"

#include <ui/TextMetrics.h>

namespace framework {

std::vector<std::string> slotTexts(const Sentence& s, int slots) {
    std::vector<std::string> texts;
    for (int k = 0; k < slots && k < int(s.size()); ++k)
        texts.push_back(s[std::size_t(k)].text);
    return texts;
}

int measureFormText(std::string_view text, int points, bool bold) {
    return ui::measureText(text, points, bold).width;
}

WordRows::WordRows(ui::Control& parent, WordRowGeometry geometry, int rows) : geometry_(geometry) {
    for (int r = 1; r <= rows; ++r) {
        const int top = geometry_.pitch * r + geometry_.topOffset;
        for (int k = 1; k <= geometry_.slots; ++k) {
            WordLabel& label = parent.add<WordLabel>(r, k);
            label.setName("Slovo" + std::to_string(r) + "_" + std::to_string(k));
            label.setBounds(geometry_.firstLeft, top, label.width(), 20);
            label.setTransparent(true);
            label.hide();
            labels_.push_back(&label);
        }
        for (int k = 1; geometry_.bars && k <= geometry_.slots; ++k) {
            UnderlineBar& bar = parent.add<UnderlineBar>();
            bar.setName("Podtrzeni" + std::to_string(r) + "_" + std::to_string(k));
            bar.setBevel(ui::Bevel::None);
            bar.setBounds(30, top + 17, 10, 2);
            bar.hide();
            bars_.push_back(&bar);
        }
    }
}

void WordRows::layout(int r, const Sentence& s, const std::function<bool(const PPravidla&)>& bold) {
    const std::vector<std::string> texts = slotTexts(s, geometry_.slots);
    const int size = fitFontSize(texts, geometry_.fitLimit, measureFormText);
    const int top = topForSize(geometry_.pitch * r + geometry_.topOffset, size);
    std::vector<bool> bolds;
    std::vector<int> widths;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        bolds.push_back(bold && bold(s[k]));
        widths.push_back(measureFormText(texts[k], size, bolds.back()));
    }
    for (const Placed& p : placeWords(texts, widths, geometry_.firstLeft, geometry_.sticks)) {
        WordLabel& l = label(r, p.slot + 1);
        l.setFontSize(size);
        l.setBold(bolds[std::size_t(p.slot)]);
        l.setText(texts[std::size_t(p.slot)]);
        l.setBounds(p.left, top, l.width(), l.height());
        l.show();
    }
}

void WordRows::clear(int r) {
    for (int k = 1; k <= geometry_.slots; ++k) {
        WordLabel& l = label(r, k);
        l.setText({});
        l.hide();
        l.setTag(0);
        if (geometry_.bars) bar(r, k).hide();
    }
}

void WordRows::hide(int r) {
    for (int k = 1; k <= geometry_.slots; ++k) {
        label(r, k).hide();
        if (geometry_.bars) bar(r, k).hide();
    }
}

void WordRows::showBar(int r, int k, ui::Color colour) {
    const WordLabel& l = label(r, k);
    UnderlineBar& b = bar(r, k);
    b.setColor(colour);
    b.setBounds(l.left(), b.top(), l.width(), b.height());
    b.show();
}

void WordRows::hideBar(int r, int k) {
    bar(r, k).hide();
}

} // namespace framework
