#include "ui/MessageBox.h"

#include "ui/Application.h"
#include "ui/Painter.h"
#include "ui/TextMetrics.h"

#include "platform/display.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

namespace {

constexpr int kPoints = 9;
constexpr int kTitleHeight = 20;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;
constexpr int kMaxTextWidth = 520;

// Lines at single carriage returns (also at "\r\n" and "\n"), each wrapped at spaces to fit.
std::vector<std::string> layoutText(const std::string& text) {
    std::vector<std::string> paragraphs(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += text[i];
        }
    }
    std::vector<std::string> lines;
    for (const std::string& para : paragraphs) {
        std::string line;
        std::size_t pos = 0;
        while (pos <= para.size()) {
            std::size_t next = para.find(' ', pos + 1);
            if (next == std::string::npos) next = para.size();
            std::string candidate = line + para.substr(pos, next - pos);
            if (!line.empty() && measureText(candidate, kPoints).width > kMaxTextWidth) {
                lines.push_back(line);
                line = para.substr(pos + (para[pos] == ' ' ? 1 : 0), next - pos - (para[pos] == ' ' ? 1 : 0));
            } else {
                line = candidate;
            }
            if (next == para.size()) break;
            pos = next;
        }
        lines.push_back(line);
    }
    return lines;
}

void drawIcon(Painter& p, int x0, int y0, MessageIcon icon) {
    const Color fill = icon == MessageIcon::Error ? Color::rgb(220, 30, 30) : Color::rgb(30, 80, 200);
    const double c = kIconSize / 2.0, r = c - 1;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
            if (d <= r) p.fillRect({x0 + x, y0 + y, 1, 1}, d > r - 1.2 ? colors::Black : fill);
        }
    if (icon == MessageIcon::Error) {
        p.drawLine({x0 + 10, y0 + 10}, {x0 + 23, y0 + 23}, colors::White, 3);
        p.drawLine({x0 + 22, y0 + 10}, {x0 + 9, y0 + 23}, colors::White, 3);
        return;
    }
    const std::string mark = icon == MessageIcon::Question ? "?" : "i";
    TextSize s = measureText(mark, 16, true);
    p.drawText(mark, x0 + (kIconSize - s.width) / 2, y0 + (kIconSize - s.height) / 2, 16, true,
               colors::White);
}

class PushButton : public Control {
public:
    explicit PushButton(std::string caption) : caption_(std::move(caption)) {}

protected:
    void paint(Painter& p) override {
        const bool down = pressed_ && application() && application()->hovered() == this;
        p.fillRect(clientRect(), colors::BtnFace);
        p.frameRect(clientRect(), colors::Black);
        p.bevel({1, 1, width() - 2, height() - 2}, !down);
        TextSize s = measureText(caption_, kPoints);
        int shift = down ? 1 : 0;
        p.drawText(caption_, (width() - s.width) / 2 + shift, (height() - s.height) / 2 + shift, kPoints,
                   false, colors::Black);
    }
    void mouseDown(const MouseEvent& e) override {
        if (e.button != MouseButton::Left) return;
        pressed_ = true;
        invalidate();
    }
    void mouseUp(const MouseEvent&) override {
        pressed_ = false;
        invalidate();
    }
    void mouseEnter() override { invalidate(); }
    void mouseLeave() override { invalidate(); }

private:
    std::string caption_;
    bool pressed_ = false;
};

class MessageBoxForm : public Form {
public:
    MessageBoxForm(Application& app, const std::string& caption, const std::string& text, MessageIcon icon,
                   MessageButtons buttons)
        : Form(app), caption_(caption), lines_(layoutText(text)), icon_(icon) {
        setName("MessageBox");
        setStayOnTop(true);
        defaultCloseAction_ = CloseAction::Free;
        lineHeight_ = measureText("", kPoints).height;
        int textWidth = 0;
        for (const auto& l : lines_)
            textWidth = std::max(textWidth, measureText(l, kPoints).width);
        const int bodyHeight = std::max(kIconSize, int(lines_.size()) * lineHeight_);
        std::vector<std::pair<std::string, MessageResult>> spec;
        if (buttons == MessageButtons::Ok)
            spec = {{"OK", MessageResult::Ok}};
        else
            spec = {{"Áno", MessageResult::Yes}, {"Nie", MessageResult::No}};
        const int buttonsWidth = int(spec.size()) * kButtonWidth + int(spec.size() - 1) * kButtonGap;
        const int w = std::min(
            platform::kCanvasWidth,
            std::max({kMargin + kIconSize + kMargin + textWidth + 2 * kMargin, buttonsWidth + 2 * kMargin,
                      measureText(caption_, kPoints, true).width + 2 * kMargin}));
        const int buttonsTop = kTitleHeight + kMargin + bodyHeight + 14;
        setWidth(w);
        setHeight(buttonsTop + kButtonHeight + kMargin);
        int x = (w - buttonsWidth) / 2;
        for (auto& [label, result] : spec) {
            auto& b = add<PushButton>(label);
            b.setName(result == MessageResult::Ok ? "OK" : result == MessageResult::Yes ? "Yes" : "No");
            b.setBounds(x, buttonsTop, kButtonWidth, kButtonHeight);
            b.OnClick = [this, r = result](Control&) { answer(r); };
            x += kButtonWidth + kButtonGap;
        }
        first_ = spec.front().second;
        last_ = spec.back().second;
    }

    std::optional<MessageResult> result;

protected:
    void paint(Painter& p) override {
        p.fillRect(clientRect(), colors::BtnFace);
        p.frameRect(clientRect(), colors::Black);
        p.bevel({1, 1, width() - 2, height() - 2}, true);
        p.fillRect({2, 2, width() - 4, kTitleHeight - 2}, colors::Caption);
        p.drawText(caption_, 6, 3, kPoints, true, colors::White);
        drawIcon(p, kMargin, kTitleHeight + kMargin, icon_);
        int y = kTitleHeight + kMargin;
        if (int(lines_.size()) * lineHeight_ < kIconSize)
            y += (kIconSize - int(lines_.size()) * lineHeight_) / 2;
        for (const auto& l : lines_) {
            p.drawText(l, 2 * kMargin + kIconSize, y, kPoints, false, colors::Black);
            y += lineHeight_;
        }
    }
    bool keyDown(const KeyEvent& e) override {
        if (e.key == SDLK_RETURN || e.key == SDLK_KP_ENTER || e.key == SDLK_SPACE)
            answer(first_);
        else if (e.key == SDLK_ESCAPE)
            answer(last_);
        else
            return false;
        return true;
    }

private:
    void answer(MessageResult r) {
        if (!result) result = r;
    }

    std::string caption_;
    std::vector<std::string> lines_;
    MessageIcon icon_;
    int lineHeight_ = 0;
    MessageResult first_ = MessageResult::Ok;
    MessageResult last_ = MessageResult::Ok;
};

} // namespace

MessageResult CanvasMessageBoxes::show(const std::string& caption, const std::string& text, MessageIcon icon,
                                       MessageButtons buttons) {
    platform::logMessage(caption, text);
    auto& box = app_.create<MessageBoxForm>(caption, text, icon, buttons);
    app_.runModal(box, [&] { return box.result.has_value(); });
    // Closed without an answer (the application is ending): the cautious answer.
    MessageResult result =
        box.result.value_or(buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No);
    box.close();
    return result;
}

} // namespace ui
