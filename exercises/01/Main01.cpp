#include "exercises/01/Main01.h"

#include "exercises/01/Sentences01.h"
#include "framework/CorrectAnswerWindow.h"

#include <controls/GRAlignEdit.h>
#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex01 {

namespace {

framework::ExerciseInfo info01() {
    return {.key = "01",
            .title = "Základné sklady",
            .sentences = ex01::format,
            .hasEdit1 = true,
            .pageLabel = {520, 438, 94, 16}}; // above the continue button: the tools fill the bottom
}

// The three tools, and the word marking over fifteen slots with their underline bars.
framework::WordMarkingSetup marking01(std::function<bool()> frozen, std::function<void()> beforeClick) {
    return {.geometry = {},
            .tools = {framework::markingTool("IPodmet", "ctrl_po", kSubject, 142, 421),
                      framework::markingTool("IPrisudek", "ctrl_pr", kPredicate, 272, 421),
                      framework::markingTool("ISmazat", "ctrl_sm", framework::kEraseTool, 402, 421)},
            .colours = {{kSubject, TMainForm01::kSubjectColour}, {kPredicate, TMainForm01::kPredicateColour}},
            .unmarkable = framework::textIsOneOf({".", "?", "!"}),
            .frozen = std::move(frozen),
            .beforeClick = std::move(beforeClick)};
}

} // namespace

TMainForm01::TMainForm01(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info01(), random),
      marking_(addPart<framework::WordMarking>(
          *this, services(), marking01([this] { return evaluated(); }, [this] { focusEdit1(); }))),
      tools(marking_.tools) {}

void TMainForm01::Inicializace() {
    fields_ = &addPart<framework::AnswerFields>(
        *this, services(),
        framework::AnswerFieldGeometry{.colour = kFieldColour, .maxLength = int(kAnswerFieldLength)},
        kMaxRows, [this] { focusEdit1(); });
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, 33 * r + 57, 32, 32});
}

std::string TMainForm01::keyAnswer(const framework::Sentence& s) const {
    const std::string& remark = s[0].remark;
    return framework::joinedAnswer(
        {framework::codedWordsAnswer(s, {{kSubject, "Podmet"}, {kPredicate, "Prísudok"}}),
         remark.empty() ? std::string() : kRemarkLead + remark});
}

ui::Form& TMainForm01::createCorrectAnswer(int r, const framework::Sentence& s) {
    const auto colour = [](const framework::PPravidla& slot) -> std::optional<ui::Color> {
        if (slot.code == kSubject) return kSubjectColour;
        if (slot.code == kPredicate) return kPredicateColour;
        return std::nullopt;
    };
    const std::string& remark = s[0].remark;
    return framework::createSentenceAnswer(app(), services(), left() + 8, top() + 73 + 33 * r, s, kSlots,
                                           colour, remark.empty() ? std::string() : kRemarkLead + remark);
}

} // namespace ex01

void registerScreen01(shell::ExerciseScreens& screens) {
    screens.add(1, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex01::TMainForm01>(context);
    });
}
