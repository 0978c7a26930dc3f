#include "framework/CorrectAnswerWindow.h"

#include "framework/RowLayout.h"
#include "framework/WordRows.h"

#include <shell/Hint.h>
#include <ui/Application.h>
#include <ui/Image.h>
#include <ui/Label.h>

namespace framework {

ui::Form& createSentenceAnswer(ui::Application& app, shell::Pozadi& env, int left, int top, const Sentence& s,
                               int slots, const LineColour& lineColour, const std::string& remark) {
    shell::THintForm& window = app.create<shell::THintForm>(env);
    window.setBounds(left, top, window.width(), window.height());

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
    ui::Label& remarkLabel = window.add<ui::Label>();
    remarkLabel.setName("Poznamka");
    remarkLabel.setBounds(10, 33, remarkLabel.width(), 20);
    remarkLabel.setTransparent(true);

    const int size = fitFontSize(texts, kAnswerWindowLimit, measureFormText);
    std::vector<int> widths;
    for (const std::string& t : texts)
        widths.push_back(measureFormText(t, size, false));
    const std::vector<Placed> placed = placeWords(texts, widths, 10);
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
    remarkLabel.setText(remark);
    return window;
}

} // namespace framework
