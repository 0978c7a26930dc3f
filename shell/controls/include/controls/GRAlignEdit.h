#pragma once
// An edit field that accepts only the characters of its text type, tells the user about refused
// ones, and reads its text as a number.
#include "ui/Edit.h"

#include <optional>
#include <string>
#include <string_view>

namespace controls {

enum class TTextType { All, Letters, Numbers };

class TGRAlignEdit : public ui::Edit {
public:
    // Which typed characters are accepted: all; all but digits; digits, backspace, the decimal
    // separator (GrIncDecSeparator) and the minus sign (unless GrOnlyPositive).
    TTextType GrTextType = TTextType::All;
    bool GrOnlyPositive = false;
    bool GrIncDecSeparator = true;
    // Shown in an error message box when a character is refused (nothing when empty).
    std::string GrMessage;
    // The system beep when a character is refused.
    bool GrBeep = true;
    // Raised after a character was refused.
    Notify OnGrError;

    // The text before the last typed character.
    const std::string& GrLastText() const { return lastText_; }
    // The text read as a number (0 when it cannot be read) and whether it could be.
    double GrValue() const { return value_; }
    bool GrValid() const { return valid_; }

    // The decimal separator of the user's LC_NUMERIC locale; "," where the locale gives none of
    // its own (the C and POSIX locales).
    static const std::string& decimalSeparator();
    // Reads a decimal number: spaces around it, an optional sign, digits with at most one
    // `separator`, an optional exponent. Nothing else.
    static std::optional<double> parseNumber(std::string_view text, std::string_view separator);

    static constexpr const char* kMessageCaption = "Chyba";

protected:
    void keyPress(std::string& ch) override;
    void change() override;

private:
    bool accepts(const std::string& ch) const;

    std::string lastText_;
    double value_ = 0;
    bool valid_ = false;
};

} // namespace controls
