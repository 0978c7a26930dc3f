#include "controls/GRAlignEdit.h"

#include "ui/Application.h"

#include "platform/message_box.h"
#include "platform/sound.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <langinfo.h>
#include <locale.h>

namespace controls {

namespace {

bool isDigit(const std::string& ch) {
    return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9';
}

std::string localeSeparator() {
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", locale_t(nullptr));
    if (!loc) return ",";
    std::string name = nl_langinfo_l(_NL_LOCALE_NAME(LC_NUMERIC), loc);
    std::string radix = nl_langinfo_l(RADIXCHAR, loc);
    freelocale(loc);
    if (name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0 || radix.empty()) return ",";
    return radix;
}

} // namespace

const std::string& TGRAlignEdit::decimalSeparator() {
    static const std::string separator = localeSeparator();
    return separator;
}

std::optional<double> TGRAlignEdit::parseNumber(std::string_view text, std::string_view separator) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // Rewritten into the C form that from_chars reads, checking the shape on the way.
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    while (i < text.size()) {
        if (text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++digits;
        } else if (!point && !separator.empty() && text.substr(i, separator.size()) == separator) {
            plain += '.';
            point = true;
            i += separator.size();
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int expDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool TGRAlignEdit::accepts(const std::string& ch) const {
    switch (GrTextType) {
    case TTextType::All:
        return true;
    case TTextType::Letters:
        return !isDigit(ch);
    case TTextType::Numbers:
        return isDigit(ch) || ch == "\b" || (GrIncDecSeparator && ch == decimalSeparator()) ||
               (!GrOnlyPositive && ch == "-");
    }
    return true;
}

void TGRAlignEdit::keyPress(std::string& ch) {
    if (!accepts(ch)) {
        ch.clear();
        if (ui::Application* app = application()) {
            if (GrBeep) app->sound().beep();
            if (!GrMessage.empty())
                app->messageBoxes().show(kMessageCaption, GrMessage, platform::MessageIcon::Error,
                                         platform::MessageButtons::Ok);
        }
        if (OnGrError) OnGrError(*this);
    }
    lastText_ = text();
}

void TGRAlignEdit::change() {
    if (auto v = parseNumber(text(), decimalSeparator())) {
        value_ = *v;
        valid_ = true;
        return;
    }
    value_ = 0;
    valid_ = false;
    // A number field that allows negatives goes back to its last readable text, except while a
    // number is being begun ("" or "-").
    if (GrTextType == TTextType::Numbers && !GrOnlyPositive && text() != "-" && !text().empty())
        setText(lastText_);
}

} // namespace controls
