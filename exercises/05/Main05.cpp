#include "exercises/05/Main05.h"

#include "exercises/05/Sentences05.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <shell/ExerciseScreens.h>
#include <shell/Pozadi.h>
#include <ui/Application.h>

namespace ex05 {

namespace {

constexpr int kPitch = 36;

framework::ExerciseInfo info05() {
    return {.key = "05",
            .title = "Určovanie vetných členov",
            .title2 = "",
            .library = "\\Data\\Tisk.dll",
            .entry = "TR5",
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

TMainForm05::TMainForm05(ui::Application& app, shell::Pozadi& env, framework::RandomSource* random)
    : ExerciseScreen(app, env, info05(), random) {}

TMainForm05::~TMainForm05() = default;

void TMainForm05::Inicializace() {
    rows_ = std::make_unique<framework::WordRows>(
        *this, framework::WordRowGeometry{
                   .slots = kSlots, .pitch = kPitch, .topOffset = 59, .fitLimit = kRowLimit, .bars = false});
    for (int r = 1; r <= kMaxRows; ++r) {
        for (int k = 1; k <= kSlots; ++k)
            rows_->label(r, k).OnClick = [this](ui::Control&) { closePopups(); };
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
    }
    choosers_ = std::make_unique<framework::ChooserRows>(
        *this, env(),
        framework::ChooserGeometry{
            .pitch = kPitch, .facePicture = "\\Bitmap\\Games\\05_cudl.bmp", .prompt = kPrompt},
        memberTable());
}

framework::SentenceTable TMainForm05::NactiSoubor(const std::string& path) {
    return ex05::NactiSoubor(path);
}

void TMainForm05::layoutRow(int r, const framework::Sentence& s) {
    rows_->layout(r, s, [](const framework::PPravidla& word) { return word.code != 0; });
}

void TMainForm05::clearRow(int r) {
    rows_->clear(r);
    choosers_->reset(r);
}

void TMainForm05::hideRow(int r) {
    rows_->hide(r);
    choosers_->hide(r);
}

// An unchosen row is wrong; a chosen one is right when its code is the answer code, case and all.
bool TMainForm05::judgeRow(int r, const framework::Sentence& s) {
    choosers_->freeze(r);
    const std::optional<std::string> code = choosers_->chosenCode(r);
    return code && *code == s[0].remark;
}

void TMainForm05::closePopups() {
    if (choosers_) choosers_->closeList();
}

ui::Form& TMainForm05::createCorrectAnswer(int r, const framework::Sentence& s) {
    return framework::createLineAnswer(app(), env(), left() + 8, top() + 70 + kPitch * r,
                                       answerText(s[0].remark));
}

// "TR5" takes every word of every example and a marker byte per word: non-zero for the word to
// classify.
int TMainForm05::printWith(void* entry) {
    std::vector<std::vector<std::string>> words;
    std::vector<std::vector<std::uint8_t>> markers;
    for (int i = 1; i <= flow().runLength(); ++i) {
        const framework::Sentence& s = table().sentence(flow().draw(i));
        words.emplace_back();
        markers.emplace_back();
        for (const framework::PPravidla& word : s) {
            words.back().push_back(word.text);
            markers.back().push_back(static_cast<std::uint8_t>(word.code));
        }
    }
    return framework::callMarkedWordsEntry(entry, words, markers, flow().runLength(), pupilName());
}

} // namespace ex05

void registerScreen05(shell::ExerciseScreens& screens) {
    screens.add(5, [](shell::Pozadi& env) -> ui::Form& { return env.app().create<ex05::TMainForm05>(env); });
}
