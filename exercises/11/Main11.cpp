#include "exercises/11/Main11.h"

#include "exercises/11/Sentences11.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>
#include <ui/Label.h>

#include <utility>

namespace ex11 {

namespace {

constexpr int kPitch = 33;

framework::ExerciseInfo info11() {
    return {.key = "11", .title = "Druhy vedľajších viet", .sentences = ex11::format};
}

// A comma slot keeps the space after its comma and still sticks to the clause before it.
bool sticks(std::string_view text) {
    return framework::sticksToPrevious(text) || text == ", ";
}

} // namespace

const std::vector<framework::ChoiceItem>& kindTable() {
    static const std::vector<framework::ChoiceItem> table{
        {"Príslovková časová", "Prísl. časová", "Prislcasove"},
        {"Príslovková miestna", "Prísl. miestna", "Prislmistni"},
        {"Príslovková spôsobová", "Prísl. spôsob.", "Prislzpusobove"},
        {"Príslovková príčinná", "Prísl. príčinná", "Prislpricinne"},
        {"Podmetová", "Podmetová", "Podmetne"},
        {"Predmetová", "Predmetová", "Predmetne"},
        {"Prívlastková", "Prívlastková", "Privlastkove"},
        {"Prísudková", "Prísudková", "Prisudkove"},
    };
    return table;
}

std::string answerText(const std::string& kindKey) {
    // The first text has "vety", the others "věty", as the pupils have always seen them.
    static const std::vector<std::pair<std::string, std::string>> texts{
        {"Prislcasove", "Druh vedľajšej vety: príslovková časová"},
        {"Prislmistni", "Druh vedľajšej věty: príslovková miestna"},
        {"Prislzpusobove", "Druh vedľajšej věty: príslovková spôsobová"},
        {"Prislpricinne", "Druh vedľajšej věty: príslovková príčinná"},
        {"Podmetne", "Druh vedľajšej věty: podmetová"},
        {"Predmetne", "Druh vedľajšej věty: predmetová"},
        {"Privlastkove", "Druh vedľajšej věty: prívlastková"},
        {"Prisudkove", "Druh vedľajšej věty: prísudková"},
        {"Doplnkove", "Druh vedľajšej věty: doplnková"},
    };
    for (const auto& [key, text] : texts)
        if (key == kindKey) return text;
    return {};
}

TMainForm11::TMainForm11(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info11(), random) {
    PokusnyLabel->setBounds(16, 96, 4, 20);
}

void TMainForm11::Inicializace() {
    clauses_ = &addPart<framework::WordMarking>(
        *this, services(),
        framework::WordMarkingSetup{
            .geometry = {.slots = kSlots, .pitch = kPitch, .fitLimit = kRowLimit, .sticks = sticks},
            .tools = {framework::subordinateClauseTool(207, 421), framework::clauseEraserTool(337, 421)},
            .colours = framework::clauseColours(),
            .unmarkable = framework::textIsOneOf({".", "?", "!", ", "}),
            .frozen = [this] { return evaluated(); },
            .beforeClick = [this] { closePopups(); }});
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 57, 32, 32});
    choosers_ = &addPart<framework::ChooserRows>(
        *this, services(),
        framework::ChooserGeometry{.pitch = kPitch,
                                   .faceTop = 57,
                                   .chooserTop = 64,
                                   .listWidth = 154,
                                   .listHeight = 132,
                                   .facePicture = "\\Bitmap\\Games\\11_cudl.bmp",
                                   .prompt = kPrompt},
        kindTable());
}

std::string TMainForm11::keyAnswer(const framework::Sentence& s) const {
    return framework::joinedAnswer({framework::clausesAnswer(s), answerText(s[0].remark)});
}

ui::Form& TMainForm11::createCorrectAnswer(int r, const framework::Sentence& s) {
    return framework::createSentenceAnswer(
        app(), services(), left() + 8, top() + 73 + kPitch * r, s, kSlots,
        [](const framework::PPravidla& clause) { return framework::clauseColour(clause.code); },
        answerText(s[0].remark), sticks);
}

framework::PrintForm TMainForm11::printData() {
    return framework::PrintLines{framework::clausePrintLines(table(), flow())};
}

} // namespace ex11

void registerScreen11(shell::ExerciseScreens& screens) {
    screens.add(11, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex11::TMainForm11>(context);
    });
}
