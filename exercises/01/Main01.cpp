#include "exercises/01/Main01.h"

#include "exercises/01/Sentences01.h"
#include "framework/CorrectAnswerWindow.h"

#include <controls/GRAlignEdit.h>
#include <shell/ExerciseScreens.h>
#include <shell/Pozadi.h>
#include <ui/Application.h>

namespace ex01 {

using framework::WordLabel;

namespace {

framework::ExerciseInfo info01() {
    return {.key = "01",
            .title = "Základné sklady",
            .title2 = "",
            .library = "\\Data\\Tisk.dll",
            .entry = "TR1",
            .hasEdit1 = true};
}

bool cannotBeMarked(const std::string& text) {
    return text == "." || text == "?" || text == "!";
}

std::int32_t keyOf(std::int32_t code) {
    return code == kSubject || code == kPredicate ? code : 0;
}

} // namespace

TMainForm01::TMainForm01(ui::Application& app, shell::Pozadi& env, framework::RandomSource* random)
    : ExerciseScreen(app, env, info01(), random), tools(env, 96, 59) {
    tools.create(*this,
                 {{"IPodmet",
                   {142, 421, 96, 59},
                   kSubject,
                   {"\\Bitmap\\Games\\ctrl_po0.bmp", "\\Bitmap\\Games\\ctrl_po1.bmp",
                    "\\Bitmap\\Games\\ctrl_po2.bmp"}},
                  {"IPrisudek",
                   {272, 421, 96, 59},
                   kPredicate,
                   {"\\Bitmap\\Games\\ctrl_pr0.bmp", "\\Bitmap\\Games\\ctrl_pr1.bmp",
                    "\\Bitmap\\Games\\ctrl_pr2.bmp"}},
                  {"ISmazat",
                   {402, 421, 96, 59},
                   framework::kEraseTool,
                   {"\\Bitmap\\Games\\ctrl_sm0.bmp", "\\Bitmap\\Games\\ctrl_sm1.bmp",
                    "\\Bitmap\\Games\\ctrl_sm2.bmp"}}},
                 [this] { focusEdit1(); });
}

TMainForm01::~TMainForm01() = default;

void TMainForm01::Inicializace() {
    rows_ = std::make_unique<framework::WordRows>(*this, framework::WordRowGeometry{});
    for (int r = 1; r <= kMaxRows; ++r) {
        for (int k = 1; k <= kSlots; ++k) {
            WordLabel& word = rows_->label(r, k);
            word.OnMouseDown = [this, &word](ui::Control&, const ui::MouseEvent& e) {
                if (e.button == ui::MouseButton::Left) wordMouseDown(word);
            };
            word.OnMouseEnter = [this](ui::Control&) { wordMouseEnter(); };
            word.OnMouseLeave = [this](ui::Control&) { env().setCursor(shell::crSipka); };
        }
        controls::TGRAlignEdit& field = add<controls::TGRAlignEdit>();
        field.setName("Odpoved" + std::to_string(r));
        field.setBounds(560, 33 * r + 62, 28, 20);
        field.setAlignment(ui::Alignment::Center);
        field.setBorder(false);
        field.setColor(kFieldColour);
        field.setMaxLength(int(kAnswerFieldLength));
        field.setTag(r);
        field.OnMouseEnter = [this, &field](ui::Control&) {
            if (field.readOnly()) return;
            env().playEnter();
            env().setCursor(shell::crRuka);
        };
        field.OnMouseLeave = [this, &field](ui::Control&) {
            if (!field.readOnly()) env().setCursor(shell::crSipka);
        };
        field.OnMouseDown = [this, &field](ui::Control&, const ui::MouseEvent&) {
            if (field.readOnly()) focusEdit1();
        };
        fields_[std::size_t(r - 1)] = &field;
        addEvaluationImage(r, {605, 33 * r + 57, 32, 32});
    }
}

void TMainForm01::loadOwnPictures() {
    tools.loadPictures();
}

framework::SentenceTable TMainForm01::NactiSoubor(const std::string& path) {
    return ex01::NactiSoubor(path);
}

void TMainForm01::Nulovani() {
    marks_ = {};
    keys_ = {};
}

void TMainForm01::layoutRow(int r, const framework::Sentence& s) {
    rows_->layout(r, s);
    for (int k = 1; k <= kSlots; ++k)
        keys_[std::size_t(r - 1)][std::size_t(k - 1)] = keyOf(s[std::size_t(k - 1)].code);
}

void TMainForm01::clearRow(int r) {
    rows_->clear(r);
    controls::TGRAlignEdit& field = answerField(r);
    field.show();
    field.setReadOnly(false);
    field.setText({});
}

void TMainForm01::hideRow(int r) {
    rows_->hide(r);
    answerField(r).hide();
}

bool TMainForm01::judgeRow(int r, const framework::Sentence& s) {
    controls::TGRAlignEdit& field = answerField(r);
    field.setReadOnly(true);
    const std::size_t row = std::size_t(r - 1);
    return framework::marksMatch(marks_[row], keys_[row]) && field.text() == s[0].remark;
}

void TMainForm01::wordMouseDown(WordLabel& word) {
    focusEdit1();
    if (evaluated() || cannotBeMarked(word.text())) return;
    std::int32_t& mark = marks_[std::size_t(word.row() - 1)][std::size_t(word.slot() - 1)];
    switch (framework::applyTool(tools.current(), mark)) {
    case framework::MarkChange::Marked:
        env().playClick();
        rows_->showBar(word.row(), word.slot(), mark == kSubject ? kSubjectColour : kPredicateColour);
        break;
    case framework::MarkChange::Erased:
        env().playClick();
        rows_->hideBar(word.row(), word.slot());
        break;
    case framework::MarkChange::None:
        break;
    }
}

void TMainForm01::wordMouseEnter() {
    if (evaluated() || tools.current() == framework::kNoTool) return;
    env().playEnter();
    env().setCursor(shell::crRuka);
}

ui::Form& TMainForm01::createCorrectAnswer(int r, const framework::Sentence& s) {
    const auto colour = [](const framework::PPravidla& slot) -> std::optional<ui::Color> {
        if (slot.code == kSubject) return kSubjectColour;
        if (slot.code == kPredicate) return kPredicateColour;
        return std::nullopt;
    };
    const std::string& remark = s[0].remark;
    return framework::createSentenceAnswer(app(), env(), left() + 8, top() + 73 + 33 * r, s, kSlots, colour,
                                           remark.empty() ? std::string() : kRemarkLead + remark);
}

} // namespace ex01

void registerScreen01(shell::ExerciseScreens& screens) {
    screens.add(1, [](shell::Pozadi& env) -> ui::Form& { return env.app().create<ex01::TMainForm01>(env); });
}
