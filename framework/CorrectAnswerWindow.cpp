#include "framework/CorrectAnswerWindow.h"

#include "framework/ExerciseContext.h"
#include "framework/RowLayout.h"
#include "framework/WordRows.h"

#include <shell/Hint.h>
#include <shell/Hint3.h>
#include <ui/Application.h>
#include <ui/Image.h>
#include <ui/Label.h>

namespace framework {

namespace {

AnswerLine& addAnswerLabel(ui::Form& window, const char* name, int top, const MarkedText& text,
                           int points = kFormFontSize) {
    AnswerLine& label = window.add<AnswerLine>();
    label.setName(name);
    label.setBounds(10, top, label.width(), 20);
    label.setTransparent(true);
    label.setFontSize(points);
    label.setMarkedText(text);
    return label;
}

// The words of `s` on the bubble at 10, 12, fitted to its width, with their lines.
void addSentence(shell::HintBubble& window, const Sentence& s, int slots, const LineColour& lineColour,
                 const Sticks& sticks) {
    const std::vector<std::string> texts = slotTexts(s, slots);
    std::vector<ui::Label*> labels;
    for (int k = 1; k <= slots; ++k) {
        ui::Label& label = window.add<ui::Label>();
        label.setName("Odpoved" + std::to_string(k));
        label.setBounds(10, 12, label.width(), 20);
        label.setTransparent(true);
        label.hide();
        labels.push_back(&label);
    }

    const int size = fitFontSize(texts, kAnswerWindowLimit, measureFormText);
    std::vector<int> widths;
    for (const std::string& t : texts)
        widths.push_back(measureFormText(t, size, false));
    const std::vector<Placed> placed = placeWords(texts, widths, 10, sticks);
    for (const Placed& p : placed) {
        ui::Label& label = *labels[std::size_t(p.slot)];
        label.setFontSize(size);
        label.setText(texts[std::size_t(p.slot)]);
        label.setLeft(p.left);
        label.show();
    }
    // The lines lie just under the words, on the bubble's picture.
    const int lineY = labels[0]->top() + labels[0]->height() - 1;
    for (const Placed& p : placed) {
        const std::optional<ui::Color> colour = lineColour(s[std::size_t(p.slot)]);
        if (!colour) continue;
        const ui::Label& label = *labels[std::size_t(p.slot)];
        ui::ImageCanvas& canvas = window.IHint->canvas();
        canvas.penColor = *colour;
        canvas.penWidth = 2;
        canvas.moveTo(label.left(), lineY);
        canvas.lineTo(label.left() + label.width(), lineY);
    }
}

} // namespace

LineColour linesUnderCode(std::int32_t code, ui::Color colour) {
    return [code, colour](const PPravidla& slot) -> std::optional<ui::Color> {
        if (slot.code == code) return colour;
        return std::nullopt;
    };
}

ui::Form& createSentenceAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                               const Sentence& s, int slots, const LineColour& lineColour,
                               const std::string& remark, const Sticks& sticks) {
    shell::THintForm& window = app.create<shell::THintForm>(env);
    window.setBounds(left, top, window.width(), window.height());
    addSentence(window, s, slots, lineColour, sticks);
    addAnswerLabel(window, "Poznamka", 33, remark);
    return window;
}

ui::Form& createSentenceLineAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                                   const Sentence& s, int slots, const LineColour& lineColour,
                                   const Sticks& sticks) {
    shell::THintForm3& window = app.create<shell::THintForm3>(env);
    window.setBounds(left, top, window.width(), window.height());
    addSentence(window, s, slots, lineColour, sticks);
    return window;
}

ui::Form& createLineAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                           const MarkedText& text, int points) {
    shell::THintForm3& window = app.create<shell::THintForm3>(env);
    window.setBounds(left, top, window.width(), window.height());
    addAnswerLabel(window, "Odpoved", 13, text, points);
    return window;
}

ui::Form& createTwoLineAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                              const MarkedText& first, const MarkedText& second) {
    shell::THintForm& window = app.create<shell::THintForm>(env);
    window.setBounds(left, top, window.width(), window.height());
    addAnswerLabel(window, "Odpoved1", 12, first);
    addAnswerLabel(window, "Odpoved2", 33, second);
    return window;
}

} // namespace framework
