#pragma once
// Modal message boxes. The toolkit draws them in the program's window (ui/MessageBox.h); every
// message also goes to standard error.
#include <string>
#include <vector>

namespace platform {

enum class MessageIcon { Error, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // `text` breaks lines at single carriage returns ("\r").
    virtual MessageResult show(const std::string& caption, const std::string& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// Writes the message to standard error in one line per text line, prefixed by the caption.
void logMessage(const std::string& caption, const std::string& text);

// Records every message and answers from a script (Yes when the script is empty).
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::string caption, text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    MessageResult show(const std::string& caption, const std::string& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({caption, text, icon, buttons});
        if (buttons == MessageButtons::Ok) return MessageResult::Ok;
        if (answers.empty()) return MessageResult::Yes;
        MessageResult r = answers.front();
        answers.erase(answers.begin());
        return r;
    }
    std::vector<Shown> shown;
    std::vector<MessageResult> answers;
};

} // namespace platform
