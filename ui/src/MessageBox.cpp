#include "ui/MessageBox.h"

#include "ui/Application.h"
#include "ui/Label.h"
#include "ui/Painter.h"
#include "ui/TextMetrics.h"

#include "platform/display.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>

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
constexpr int kCorner = 5;

// The screens' palette: the menu's blue for the title band and the buttons, the light yellow of the
// answer fields and lists for the body, a deep navy for the edges, dark ink for the text.
constexpr Color kBand = Color::rgb(0x21, 0x59, 0x8C);
constexpr Color kBody = Color::rgb(0xFF, 0xEC, 0xB6);
constexpr Color kEdge = Color::rgb(0x16, 0x3C, 0x61);
constexpr Color kInk = Color::rgb(0x1D, 0x27, 0x33);
constexpr Color kButton = Color::rgb(0x2E, 0x6C, 0xA6);
constexpr Color kButtonLit = Color::rgb(0x3A, 0x80, 0xC0);
constexpr Color kErrorIcon = Color::rgb(0xE0, 0x45, 0x3A);
constexpr Color kInfoIcon = Color::rgb(0x33, 0xAF, 0xD6);
constexpr Color kQuestionIcon = Color::rgb(0xF5, 0xA0, 0x3A);

// The outline of a box of w by h with its corners cut off.
std::vector<Point> cutCorners(int w, int h) {
    return {{kCorner, 0},     {w - kCorner, 0}, {w, kCorner},     {w, h - kCorner},
            {w - kCorner, h}, {kCorner, h},     {0, h - kCorner}, {0, kCorner}};
}

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
    const Color fill = icon == MessageIcon::Error      ? kErrorIcon
                       : icon == MessageIcon::Question ? kQuestionIcon
                                                       : kInfoIcon;
    const double c = kIconSize / 2.0, r = c - 1;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
            if (d <= r) p.fillRect({x0 + x, y0 + y, 1, 1}, d > r - 1.5 ? kEdge : fill);
        }
    const std::string mark = icon == MessageIcon::Error ? "!" : icon == MessageIcon::Question ? "?" : "i";
    TextSize s = measureText(mark, 16, true);
    p.drawText(mark, x0 + (kIconSize - s.width) / 2, y0 + (kIconSize - s.height) / 2, 16, true,
               colors::White);
}

class PushButton : public Control {
public:
    explicit PushButton(std::string caption) : caption_(std::move(caption)) {}

protected:
    void paint(Painter& p) override {
        const bool lit = application() && application()->hovered() == this;
        const bool down = pressed_ && lit;
        p.fillRect(clientRect(), kEdge);
        p.fillRect({1, 1, width() - 2, height() - 2}, lit ? kButtonLit : kButton);
        if (!down) p.fillRect({1, height() - 3, width() - 2, 2}, kEdge); // a raised lower edge
        TextSize s = measureText(caption_, kPoints, true);
        int shift = down ? 1 : 0;
        p.drawText(caption_, (width() - s.width) / 2, (height() - s.height) / 2 - 1 + shift, kPoints, true,
                   colors::White);
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
        : Form(app), icon_(icon) {
        setName("MessageBox");
        setStayOnTop(true);
        defaultCloseAction_ = CloseAction::Free;
        const std::vector<std::string> lines = layoutText(text);
        const int lineHeight = measureText("", kPoints).height;
        int textWidth = 0;
        for (const auto& l : lines)
            textWidth = std::max(textWidth, measureText(l, kPoints).width);
        const int bodyHeight = std::max(kIconSize, int(lines.size()) * lineHeight);
        std::vector<std::pair<std::string, MessageResult>> spec;
        if (buttons == MessageButtons::Ok)
            spec = {{"OK", MessageResult::Ok}};
        else
            spec = {{"Áno", MessageResult::Yes}, {"Nie", MessageResult::No}};
        const int buttonsWidth = int(spec.size()) * kButtonWidth + int(spec.size() - 1) * kButtonGap;
        const int w = std::min(
            platform::kCanvasWidth,
            std::max({kMargin + kIconSize + kMargin + textWidth + 2 * kMargin, buttonsWidth + 2 * kMargin,
                      measureText(caption, kPoints, true).width + 2 * kMargin}));
        const int buttonsTop = kTitleHeight + kMargin + bodyHeight + 14;
        setWidth(w);
        setHeight(buttonsTop + kButtonHeight + kMargin);
        setRegion(cutCorners(w, height()));

        // Caption and text are labels of the toolkit's own font, so every letter is drawn whatever
        // the system's locale.
        Label& title = addText("Titulok", caption, kMargin - 4, (kTitleHeight - lineHeight) / 2, true);
        title.setFontColor(colors::White);
        int y = kTitleHeight + kMargin;
        if (int(lines.size()) * lineHeight < kIconSize) y += (kIconSize - int(lines.size()) * lineHeight) / 2;
        for (std::size_t i = 0; i < lines.size(); ++i, y += lineHeight)
            addText("Riadok" + std::to_string(i + 1), lines[i], 2 * kMargin + kIconSize, y, false);

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
        p.fillRect(clientRect(), kEdge);
        p.fillRect({2, kTitleHeight, width() - 4, height() - kTitleHeight - 2}, kBody);
        p.fillRect({2, 2, width() - 4, kTitleHeight - 2}, kBand);
        drawIcon(p, kMargin, kTitleHeight + kMargin, icon_);
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
    Label& addText(const std::string& name, const std::string& text, int x, int y, bool bold) {
        Label& l = add<Label>();
        l.setName(name);
        l.setTransparent(true);
        l.setFontSize(kPoints);
        l.setBold(bold);
        l.setFontColor(kInk);
        l.setText(text);
        l.setLeft(x);
        l.setTop(y);
        return l;
    }
    void answer(MessageResult r) {
        if (!result) result = r;
    }

    MessageIcon icon_;
    MessageResult first_ = MessageResult::Ok;
    MessageResult last_ = MessageResult::Ok;
};

// The plain backdrop of a message shown before any screen exists: the menu's blue.
class Backdrop : public Form {
public:
    explicit Backdrop(Application& app) : Form(app) {
        setName("MessageBackdrop");
        setBounds(0, 0, platform::kCanvasWidth, platform::kCanvasHeight);
    }

protected:
    void paint(Painter& p) override { p.fillRect(clientRect(), kBand); }
};

} // namespace

MessageResult CanvasMessageBoxes::show(const std::string& caption, const std::string& text, MessageIcon icon,
                                       MessageButtons buttons) {
    platform::logMessage(caption, text);
    // The box's sizes and its bold face are seldom used elsewhere: they are closed with the box.
    const FontMark fonts = fontMark();
    auto& box = app_.create<MessageBoxForm>(caption, text, icon, buttons);
    app_.runModal(box, [&] { return box.result.has_value(); });
    // Closed without an answer (the application is ending): the cautious answer.
    MessageResult result =
        box.result.value_or(buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No);
    box.close();
    closeFontsSince(fonts);
    return result;
}

MessageResult StartupMessageBoxes::show(const std::string& caption, const std::string& text, MessageIcon icon,
                                        MessageButtons buttons) {
    std::unique_ptr<Application> app;
    try {
        app = std::make_unique<Application>(display_, clock_, sound_);
        app->setTitle(title_);
        app->create<Backdrop>().show();
        app->openWindow(false);
    } catch (const std::exception& e) {
        // Nowhere to show it: standard error is where it is read.
        platform::logMessage(caption, text);
        platform::logMessage(caption, std::string("(no window for this message: ") + e.what() + ")");
        return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
    }
    const MessageResult result = app->messageBoxes().show(caption, text, icon, buttons);
    display_.close();
    return result;
}

} // namespace ui
