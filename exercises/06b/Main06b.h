#pragma once
// Exercise 06b, apposition commas (unit Main06b): each sentence is shown without its commas on up
// to two lines; the pupil puts a comma after a word by pressing it and takes a row's commas away
// with the eraser beside it. Pages of five rows.
#include "framework/CommaScreen.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ex06b {

inline constexpr int kRows = 5;
inline constexpr int kPitch = 73;
inline constexpr int kSecondLineDrop = 20;

// How many slots the first line of a row takes: up to the last slot at which the texts so far,
// joined without spaces, stay narrower than `limit`.
int firstLineLength(const std::vector<std::string>& texts, int limit,
                    const std::function<int(std::string_view)>& measure);

class TMainForm06b : public framework::CommaScreen {
public:
    TMainForm06b(ui::Application& app, const framework::ExerciseContext& context,
                 framework::RandomSource* random = nullptr);

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
};

} // namespace ex06b

void registerScreen06b(shell::ExerciseScreens& screens);
