#include "framework/MarkedText.h"

#include <ui/Painter.h>
#include <ui/TextMetrics.h>

#include <algorithm>
#include <cmath>

namespace framework {

namespace {

// Points added to the size of a marked comma.
constexpr int kCommaGrowth = 4;

// A pale tint of the mistake colour, laid under a comma that does not belong.
constexpr ui::Color kMistakeTint = ui::Color::rgb(0xF8, 0xCC, 0xC8);

bool isComma(AnswerMark m) {
    return m != AnswerMark::Chosen;
}

// One stretch of the drawn line: a part of the text, or an inserted comma.
struct Stretch {
    std::string text;
    const TextMark* mark = nullptr;
};

std::vector<Stretch> stretches(const MarkedText& m) {
    std::vector<Stretch> out;
    std::size_t at = 0;
    for (const TextMark& mark : m.marks) {
        if (mark.at > at) out.push_back({m.text.substr(at, mark.at - at)});
        at = std::max(at, mark.at);
        if (mark.mark == AnswerMark::WrongComma) {
            out.push_back({",", &mark});
        } else {
            out.push_back({m.text.substr(at, mark.length), &mark});
            at += mark.length;
        }
    }
    if (at < m.text.size()) out.push_back({m.text.substr(at)});
    return out;
}

// A rectangle with rounded corners of radius r.
void fillRounded(ui::Painter& p, const ui::Rect& a, int r, ui::Color c) {
    p.fillRect({a.left + r, a.top, a.width - 2 * r, a.height}, c);
    p.fillRect({a.left, a.top + r, a.width, a.height - 2 * r}, c);
    for (int y = 0; y < r; ++y)
        for (int x = 0; x < r; ++x) {
            if (std::hypot(r - x - 0.5, r - y - 0.5) > r) continue;
            for (const ui::Point corner :
                 {ui::Point{a.left + x, a.top + y}, ui::Point{a.left + a.width - 1 - x, a.top + y},
                  ui::Point{a.left + x, a.top + a.height - 1 - y},
                  ui::Point{a.left + a.width - 1 - x, a.top + a.height - 1 - y}})
                p.fillRect({corner.x, corner.y, 1, 1}, c);
        }
}

// A marked comma stands in a little room of its own, so that its mark does not cover the letters.
int commaRoom(int lineHeight) {
    return std::max(2, lineHeight / 6);
}

} // namespace

MarkedText& MarkedText::operator+=(const MarkedText& more) {
    for (TextMark m : more.marks) {
        m.at += text.size();
        marks.push_back(m);
    }
    text += more.text;
    return *this;
}

std::string MarkedText::shown() const {
    std::string out;
    for (const Stretch& s : stretches(*this))
        out += s.text;
    return out;
}

MarkedText joined(const std::vector<MarkedText>& pieces) {
    MarkedText out;
    for (const MarkedText& piece : pieces)
        out += piece;
    return out;
}

std::pair<MarkedText, MarkedText> splitAtWidth(const std::vector<MarkedText>& pieces, int limit,
                                               const std::function<int(std::string_view)>& measure) {
    std::pair<MarkedText, MarkedText> lines;
    bool second = false;
    for (const MarkedText& piece : pieces) {
        if (!second) {
            MarkedText candidate = lines.first;
            candidate += piece;
            second = measure(candidate.shown()) > limit;
        }
        (second ? lines.second : lines.first) += piece;
    }
    return lines;
}

void AnswerLine::setMarkedText(const MarkedText& marked) {
    marked_ = marked;
    setAutoSize(true);
    setText(marked.text);
    if (marked.marks.empty()) return;
    const int room = commaRoom(height());
    int width = 0;
    for (const Stretch& s : stretches(marked_)) {
        const bool comma = s.mark && isComma(s.mark->mark);
        width += comma ? ui::measureText(s.text, fontSize() + kCommaGrowth, true).width + 2 * room
                       : ui::measureText(s.text, fontSize(), bold() || s.mark).width;
    }
    setAutoSize(false);
    setBounds(left(), top(), width, height());
}

// A comma left out: white on a green spot. A comma that does not belong: red on a pale red spot,
// struck through. Both commas are drawn a size larger than the text. The word to choose: bold
// green, underlined.
void AnswerLine::paint(ui::Painter& p) {
    if (marked_.marks.empty()) return ui::Label::paint(p);
    if (!transparent()) p.fillRect(clientRect(), color());
    const int lineHeight = ui::measureText("", fontSize()).height;
    const int room = commaRoom(lineHeight);
    const int commaSize = fontSize() + kCommaGrowth;
    // The baseline lies about four fifths down the line; the larger comma sits on the same one.
    const int commaTop = -int(0.8 * (ui::measureText("", commaSize).height - lineHeight));
    // The spot under a marked comma: from a third down the line to its foot.
    const int spotTop = lineHeight / 3, spotHeight = lineHeight - spotTop;
    int x = 0;
    for (const Stretch& s : stretches(marked_)) {
        const bool marked = s.mark != nullptr;
        const bool comma = marked && isComma(s.mark->mark);
        const bool missed = comma && s.mark->mark == AnswerMark::MissedComma;
        if (!comma) {
            const int w = ui::measureText(s.text, fontSize(), bold() || marked).width;
            p.drawText(s.text, x, 0, fontSize(), bold() || marked, marked ? kBelongsColour : fontColor());
            if (marked) p.drawLine({x, lineHeight - 2}, {x + w, lineHeight - 2}, kBelongsColour, 2);
            x += w;
            continue;
        }
        const int w = ui::measureText(s.text, commaSize, true).width;
        x += room;
        fillRounded(p, {x - room + 1, spotTop, w + 2 * room - 2, spotHeight}, room,
                    missed ? kBelongsColour : kMistakeTint);
        p.drawText(s.text, x, commaTop, commaSize, true, missed ? ui::colors::White : kMistakeColour);
        if (!missed)
            p.drawLine({x - room + 1, lineHeight - 2}, {x + w + room - 1, spotTop + 1}, kMistakeColour, 2);
        x += w + room;
    }
}

} // namespace framework
