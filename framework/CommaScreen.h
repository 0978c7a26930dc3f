#pragma once
// A screen whose rows are sentences shown without their commas (CommaRows): the answer key gives
// each example's sentence with its commas. The exercise lays its rows out and opens its own
// correct-answer window.
#include "framework/CommaRows.h"
#include "framework/ExerciseScreen.h"

#include <string>

namespace framework {

class CommaScreen : public ExerciseScreen {
public:
    using ExerciseScreen::ExerciseScreen;

    CommaRows& rows() const { return *rows_; }

protected:
    // The comma rows, 1 to `rows`, frozen once the page is checked; for Inicializace.
    CommaRows& addCommaRows(const CommaRowGeometry& geometry, int rows) {
        rows_ = &addPart<CommaRows>(*this, services(), geometry, rows, [this] { return evaluated(); });
        return *rows_;
    }
    std::string keyAnswer(const Sentence& s) const override { return commaSentence(s); }

private:
    CommaRows* rows_ = nullptr;
};

} // namespace framework
