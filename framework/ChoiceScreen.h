#pragma once
// The screens whose rows are answered by one choice image each: a sentence laid out in word labels
// (a single label for a whole sentence), a choice image that cycles through the answers, and an
// evaluation image whose correct-answer window is the one-line bubble with the text of the key.
// A row is right when its image was clicked and its answer equals the sentence remark exactly.
#include "framework/ChoiceImages.h"
#include "framework/ExerciseContext.h"
#include "framework/ExerciseScreen.h"
#include "framework/WordRows.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace framework {

struct ChoiceScreenLayout {
    WordRowGeometry words;
    ChoiceGeometry choice;
    // The correct-answer window's text for the key of each state, in the order of the states.
    std::vector<std::string> answerTexts;
};

class ChoiceScreen : public ExerciseScreen {
public:
    ChoiceScreen(ui::Application& app, const ExerciseContext& context, ExerciseInfo info,
                 ChoiceScreenLayout layout, RandomSource* random = nullptr);
    ~ChoiceScreen() override;

    WordRows& rows() const { return *rows_; }
    ChoiceRows& choices() const { return *choices_; }
    // The correct-answer text for a sentence's key, compared exactly; empty for any other key.
    std::string answerText(const std::string& key) const;

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const Sentence& s) override;
    std::string keyAnswer(const Sentence& s) const override;
    // One print line per example: the text of the first slot, the whole sentence.
    PrintForm printData() override;

private:
    ChoiceScreenLayout layout_;
    WordRows* rows_ = nullptr;
    ChoiceRows* choices_ = nullptr;
};

// The choice screen of one exercise that adds nothing of its own: its recipe is `makeInfo` and
// `makeLayout` (named apart from the screen's own info()).
template <ExerciseInfo (*makeInfo)(), ChoiceScreenLayout (*makeLayout)()>
class ChoiceScreenOf final : public ChoiceScreen {
public:
    ChoiceScreenOf(ui::Application& app, const ExerciseContext& context, RandomSource* random = nullptr)
        : ChoiceScreen(app, context, makeInfo(), makeLayout(), random) {}
};

} // namespace framework
