#include "framework/AnswerFields.h"

namespace framework {

AnswerFields::AnswerFields(ui::Control& parent, const ScreenServices& env, AnswerFieldGeometry geometry,
                           int rows, std::function<void()> readOnlyPress)
    : key_(geometry.key) {
    for (int r = 1; r <= rows; ++r) {
        controls::TGRAlignEdit& field = parent.add<controls::TGRAlignEdit>();
        field.setName(geometry.name + std::to_string(r));
        field.setBounds(geometry.left, geometry.pitch * r + geometry.topOffset, geometry.width,
                        geometry.height);
        field.setAlignment(ui::Alignment::Center);
        field.setBorder(false);
        field.setColor(geometry.colour);
        field.setMaxLength(geometry.maxLength);
        field.setTag(r);
        field.OnMouseEnter = [&env, &field](ui::Control&) {
            if (field.readOnly()) return;
            env.playEnter();
            env.setCursor(kHandCursor);
        };
        field.OnMouseLeave = [&env, &field](ui::Control&) {
            if (!field.readOnly()) env.setCursor(kPointerCursor);
        };
        field.OnMouseDown = [this, readOnlyPress, &field](ui::Control&, const ui::MouseEvent&) {
            if (field.readOnly()) {
                if (readOnlyPress) readOnlyPress();
            } else if (OnPress) {
                OnPress();
            }
        };
        fields_.push_back(&field);
    }
}

void AnswerFields::clear(int r) {
    controls::TGRAlignEdit& f = field(r);
    f.show();
    f.setReadOnly(false);
    f.setText({});
}

bool AnswerFields::judge(int r, const Sentence& s) {
    controls::TGRAlignEdit& f = field(r);
    f.setReadOnly(true);
    return f.text() == s[0].*key_;
}

} // namespace framework
