#include "framework/MarkingScreen.h"

#include "framework/CorrectAnswerWindow.h"

#include <utility>

namespace framework {

MarkingScreen::MarkingScreen(ui::Application& app, const ExerciseContext& context, ExerciseInfo info,
                             MarkedMember member, RandomSource* random, std::function<void()> beforeToolClick)
    : ExerciseScreen(app, context, std::move(info), random), member_(member),
      marking_(addPart<WordMarking>(*this, services(),
                                    oneToolMarking(
                                        member.tool, member.picture, member.colour, member.fitLimit,
                                        [this] { return evaluated(); }, std::move(beforeToolClick)))),
      tools(marking_.tools) {}

void MarkingScreen::addEvaluationImages() {
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 57, 32, 32});
}

std::string MarkingScreen::keyAnswer(const Sentence& s) const {
    return joinedAnswer({codedWordsAnswer(s, {{member_.code, member_.label}}), answerLine(s)});
}

ui::Form& MarkingScreen::createCorrectAnswer(int r, const Sentence& s) {
    return createSentenceAnswer(app(), services(), left() + 8, top() + 73 + kPitch * r, s, member_.slots,
                                linesUnderCode(member_.code, member_.colour), answerLine(s));
}

} // namespace framework
