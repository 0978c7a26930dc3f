#include "exercises/05/Main05.h"

#include "exercises/05/Sentences05.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex05 {

namespace {

constexpr int kPitch = 36;

framework::ExerciseInfo info05() {
    return {.key = "05",
            .title = "Určovanie vetných členov",
            .sentences = ex05::format,
            .panelTop = 268,
            .panelHeight = 182};
}

} // namespace

const std::vector<framework::ChoiceItem>& memberTable() {
    static const std::vector<framework::ChoiceItem> table{
        {"Podmet", "Podmet", "Pod"},
        {"Prísudok", "Prísudok", "Pris"},
        {"Predmet", "Predmet", "Pred"},
        {"Prívlastok zhodný", "Prívlastok zh.", "PkS"},
        {"Prívlastok nezhodný", "Prívlastok nezh.", "PkN"},
        {"Príslovkové určenie času", "Prísl. urč. času", "PuC"},
        {"Príslovkové určenie miesta", "Prísl. urč. miesta", "PuM"},
        {"Príslovkové určenie spôsobu", "Prísl. urč. spôs.", "PuZ"},
    };
    return table;
}

std::string answerText(const std::string& answerCode) {
    for (const framework::ChoiceItem& member : memberTable())
        if (member.code == answerCode) return kAnswerLead + member.item;
    return {};
}

TMainForm05::TMainForm05(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info05(), random) {}

void TMainForm05::Inicializace() {
    rows_ = &addPart<framework::WordRows>(
        *this,
        framework::WordRowGeometry{.slots = kSlots,
                                   .pitch = kPitch,
                                   .topOffset = 59,
                                   .fitLimit = kRowLimit,
                                   .bars = false,
                                   .bold = [](const framework::PPravidla& word) { return word.code != 0; }});
    for (int r = 1; r <= kMaxRows; ++r) {
        for (int k = 1; k <= kSlots; ++k)
            rows_->label(r, k).OnClick = [this](ui::Control&) { closePopups(); };
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
    }
    choosers_ = &addPart<framework::ChooserRows>(
        *this, services(),
        framework::ChooserGeometry{
            .pitch = kPitch, .facePicture = "\\Bitmap\\Games\\05_cudl.bmp", .prompt = kPrompt},
        memberTable());
}

std::string TMainForm05::keyAnswer(const framework::Sentence& s) const {
    std::string bold;
    for (const framework::PPravidla& word : s)
        if (word.code != 0 && !word.text.empty()) bold += (bold.empty() ? "" : " ") + word.text;
    return framework::joinedAnswer({bold, answerText(s[0].remark)});
}

ui::Form& TMainForm05::createCorrectAnswer(int r, const framework::Sentence& s) {
    return framework::createLineAnswer(app(), services(), left() + 8, top() + 70 + kPitch * r,
                                       answerText(s[0].remark));
}

// "TR5" takes every word of every example and a marker byte per word: non-zero for the word to
// classify.
framework::PrintForm TMainForm05::printData() {
    framework::PrintMarkedWords print;
    auto& words = print.words;
    auto& markers = print.flags;
    for (int i = 1; i <= flow().runLength(); ++i) {
        const framework::Sentence& s = table().sentence(flow().draw(i));
        words.emplace_back();
        markers.emplace_back();
        for (const framework::PPravidla& word : s) {
            words.back().push_back(word.text);
            markers.back().push_back(static_cast<std::uint8_t>(word.code));
        }
    }
    return print;
}

} // namespace ex05

void registerScreen05(shell::ExerciseScreens& screens) {
    screens.add(5, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex05::TMainForm05>(context);
    });
}
