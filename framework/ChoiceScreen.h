#pragma once
// The screens whose rows are answered by one choice image each: a sentence laid out in word labels
// (a single label for a whole sentence), a choice image that cycles through the answers, and an
// evaluation image whose correct-answer window is the one-line bubble with the text of the key.
// A row is right when its image was clicked and its answer equals the sentence remark exactly.
#include "framework/ChoiceImages.h"
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
    // Words drawn bold (none when empty).
    std::function<bool(const PPravidla&)> bold;
    // The exercise's reader of its sentence file.
    std::function<SentenceTable(const std::string& path)> read;
};

class ChoiceScreen : public ExerciseScreen {
public:
    ChoiceScreen(ui::Application& app, shell::Pozadi& env, ExerciseInfo info, ChoiceScreenLayout layout,
                 RandomSource* random = nullptr);
    ~ChoiceScreen() override;

    WordRows& rows() const { return *rows_; }
    ChoiceRows& choices() const { return *choices_; }
    // The correct-answer text for a sentence's key, compared exactly; empty for any other key.
    std::string answerText(const std::string& key) const;

protected:
    void Inicializace() override;
    SentenceTable NactiSoubor(const std::string& path) override;
    void layoutRow(int r, const Sentence& s) override;
    void clearRow(int r) override;
    void hideRow(int r) override;
    bool judgeRow(int r, const Sentence& s) override;
    ui::Form& createCorrectAnswer(int r, const Sentence& s) override;
    // One print line per example: the text of the first slot, the whole sentence.
    int printWith(void* entry) override;

private:
    ChoiceScreenLayout layout_;
    std::unique_ptr<WordRows> rows_;
    std::unique_ptr<ChoiceRows> choices_;
};

} // namespace framework
