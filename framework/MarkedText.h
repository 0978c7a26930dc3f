#pragma once
// A line of a correct-answer window with what the pupil should notice marked in it: the commas the
// pupil left out and those put where none belongs, or the word the pupil had to choose. Green
// marks what belongs in the sentence, red what the pupil put there wrongly.
#include <ui/Geometry.h>
#include <ui/Label.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace framework {

enum class AnswerMark {
    MissedComma, // a comma of the sentence the pupil left out: bold green inside a green ring
    WrongComma,  // a comma the pupil put where none belongs: a red comma, struck through, shown
                 // at its place without being part of the text
    Chosen,      // the word the pupil had to choose: bold green, underlined
};

// Green ("ok" of the screens' palette) for what belongs, red ("wrong") for the pupil's mistake.
inline constexpr ui::Color kBelongsColour = ui::Color::rgb(0x2E, 0xAD, 0x5B);
inline constexpr ui::Color kMistakeColour = ui::Color::rgb(0xE0, 0x45, 0x3A);

struct TextMark {
    std::size_t at = 0;     // byte offset into the text
    std::size_t length = 0; // bytes marked; 0 for a WrongComma, which is shown before `at`
    AnswerMark mark = AnswerMark::MissedComma;
    friend bool operator==(const TextMark&, const TextMark&) = default;
};

struct MarkedText {
    MarkedText() = default;
    MarkedText(std::string t) : text(std::move(t)) {} // NOLINT: a plain text is a text without marks
    MarkedText(const char* t) : text(t) {}            // NOLINT
    std::string text;
    std::vector<TextMark> marks; // in the order of `at`
    MarkedText& operator+=(const MarkedText& more);
    // The text as drawn: with the struck-through commas inserted (what its width is measured on).
    std::string shown() const;
};

// The pieces joined into one text.
MarkedText joined(const std::vector<MarkedText>& pieces);

// Splits pieces into two lines: the first takes them while its shown text stays at most `limit`
// pixels wide; from the piece that makes it wider, the rest go to the second line.
std::pair<MarkedText, MarkedText> splitAtWidth(const std::vector<MarkedText>& pieces, int limit,
                                               const std::function<int(std::string_view)>& measure);

// A label of a correct-answer window that draws its text with the marks. Without marks it is a
// plain label; `text()` stays the answer's text (the struck-through commas are not part of it).
class AnswerLine : public ui::Label {
public:
    void setMarkedText(const MarkedText& marked);
    const std::vector<TextMark>& marks() const { return marked_.marks; }

protected:
    void paint(ui::Painter& p) override;

private:
    MarkedText marked_;
};

} // namespace framework
