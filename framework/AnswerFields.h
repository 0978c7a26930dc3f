#pragma once
// The answer field at the end of each row: a short text the pupil types (exercise 01: the
// unexpressed subject). As a row part: emptied and editable for a new example, read-only after the
// check; a row is right when the field holds the sentence remark exactly.
#include "framework/ExerciseContext.h"
#include "framework/RowPart.h"

#include <controls/GRAlignEdit.h>

#include <functional>
#include <string>
#include <vector>

namespace framework {

struct AnswerFieldGeometry {
    int left = 560;
    int pitch = 33;     // pixels from one row to the next
    int topOffset = 62; // the field's top: pitch * r + topOffset
    int width = 28;
    int height = 20;
    ui::Color colour{};
    int maxLength = 0;
    std::string name = "Odpoved"; // the fields are named name + row
    // The field of slot 1 that the typed text must equal.
    std::string PPravidla::*key = &PPravidla::remark;
};

class AnswerFields : public RowPart {
public:
    // Creates the fields of rows 1 to `rows` on `parent`; `readOnlyPress` runs on a press on a
    // read-only field.
    AnswerFields(ui::Control& parent, const ScreenServices& env, AnswerFieldGeometry geometry, int rows,
                 std::function<void()> readOnlyPress);

    controls::TGRAlignEdit& field(int r) const { return *fields_.at(std::size_t(r - 1)); }

    void layout(int, const Sentence&) override {}
    void clear(int r) override;
    void hide(int r) override { field(r).hide(); }
    bool judge(int r, const Sentence& s) override;
    bool answered(int r) const override { return !field(r).text().empty(); }

    // A press on a field that can be edited (after the field has taken it).
    std::function<void()> OnPress;

private:
    std::string PPravidla::*key_;
    std::vector<controls::TGRAlignEdit*> fields_;
};

} // namespace framework
