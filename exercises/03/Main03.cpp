#include "exercises/03/Main03.h"

#include "exercises/03/Sentences03.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex03 {

namespace {

// The list's items, in the order of kPartsOfSpeech, and the same in the correct-answer window.
const std::vector<std::string> kItems = {"Podstatné meno", "Prídavné meno", "Zámeno",
                                         "Číslovka",       "Sloveso",       "Citoslovce"};
const std::vector<std::string> kNames = {"podstatné meno", "prídavné meno", "zámeno",
                                         "číslovka",       "sloveso",       "citoslovce"};

framework::ChoiceListGeometry list03() {
    std::vector<std::string> pictures;
    for (const char* name : {"03_poj", "03_prj", "03_zaj", "03_cis", "03_slov", "03_cit"})
        pictures.push_back(std::string("\\Bitmap\\Games\\") + name + ".bmp");
    return {.image = {.pitch = 33,
                      .topOffset = 57,
                      .pictures = std::move(pictures),
                      .answers = {kPartsOfSpeech.begin(), kPartsOfSpeech.end()}},
            .items = kItems,
            // Wide enough for "Podstatné meno" at the list's size (106 clips its last letter).
            .listWidth = 116,
            .itemWidth = 112};
}

} // namespace

TMainForm03::TMainForm03(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : MarkingScreen(app, context,
                    {.key = "03",
                     .title = "Podmet vyjadrený slovným druhom",
                     .sentences = ex03::format,
                     .hasEdit1 = true},
                    {"IPodmet", "ctrl_po", kSubjectColour, kRowLimit, kSubject, "Podmet", kSlots}, random,
                    [this] {
                        closePopups();
                        focusEdit1();
                    }) {}

std::string TMainForm03::answerText(const std::string& subject, const std::string& code) {
    std::string text = subject.empty() ? std::string() : "Podmet - nevyjadrený: " + subject;
    for (std::size_t i = 0; i < kPartsOfSpeech.size(); ++i)
        if (code == kPartsOfSpeech[i])
            text += text.empty() ? "Slovný druh: " + kNames[i] : ", slovný druh: " + kNames[i];
    return text;
}

void TMainForm03::Inicializace() {
    fields_ = &addPart<framework::AnswerFields>(
        *this, services(),
        framework::AnswerFieldGeometry{.left = 503,
                                       .colour = kFieldColour,
                                       .maxLength = int(kAnswerFieldLength),
                                       .key = &framework::PPravidla::subject},
        kMaxRows, [this] { focusEdit1(); });
    choices_ = &addPart<framework::ChoiceListRows>(*this, services(), list03(), [this] { focusEdit1(); });
    fields_->OnPress = [this] { choices_->closePopups(); };
    addEvaluationImages();
}

} // namespace ex03

void registerScreen03(shell::ExerciseScreens& screens) {
    screens.add(3, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex03::TMainForm03>(context);
    });
}
