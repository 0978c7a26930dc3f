#pragma once
// Exercise 01, subject and predicate (unit Main01): the pupil underlines the subject in red and
// the predicate in blue with three tools and types an unexpressed subject into the row's field.
#include "framework/ExerciseScreen.h"
#include "framework/ToolButtons.h"
#include "framework/WordRows.h"

#include <array>
#include <cstdint>
#include <memory>

namespace controls {
class TGRAlignEdit;
}

namespace shell {
class ExerciseScreens;
}

namespace ex01 {

class TMainForm01 : public framework::ExerciseScreen {
public:
    static constexpr ui::Color kSubjectColour = 255;
    static constexpr ui::Color kPredicateColour = 16711680;
    static constexpr ui::Color kFieldColour = 11988223;
    static constexpr const char* kRemarkLead = "Podmet - nevyjadrený: ";

    TMainForm01(ui::Application& app, shell::Pozadi& env, framework::RandomSource* random = nullptr);
    ~TMainForm01() override;

    // The tools: 0 subject (IPodmet), 1 predicate (IPrisudek), 2 erase (ISmazat).
    framework::ToolButtons tools;
    framework::WordRows& rows() const { return *rows_; }
    controls::TGRAlignEdit& answerField(int r) const { return *fields_.at(std::size_t(r - 1)); }
    // The pupil's mark of word (r, k): 0, 1 subject, 2 predicate.
    std::int32_t mark(int r, int k) const { return marks_[std::size_t(r - 1)][std::size_t(k - 1)]; }

protected:
    void Inicializace() override;
    void loadOwnPictures() override;
    framework::SentenceTable NactiSoubor(const std::string& path) override;
    void Nulovani() override;
    void layoutRow(int r, const framework::Sentence& s) override;
    void clearRow(int r) override;
    void hideRow(int r) override;
    bool judgeRow(int r, const framework::Sentence& s) override;
    void resetTools() override { tools.reset(); }
    void lockTools() override { tools.lock(); }
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;

private:
    using Row = std::array<std::int32_t, 15>;
    void wordMouseDown(framework::WordLabel& word);
    void wordMouseEnter();

    std::unique_ptr<framework::WordRows> rows_;
    std::array<controls::TGRAlignEdit*, kMaxRows> fields_{};
    std::array<Row, kMaxRows> marks_{};
    std::array<Row, kMaxRows> keys_{};
};

} // namespace ex01

void registerScreen01(shell::ExerciseScreens& screens);
