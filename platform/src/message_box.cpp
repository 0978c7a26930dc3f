#include "platform/message_box.h"

#include <SDL.h>
#include <iostream>
#include <sstream>

namespace platform {
namespace {

// Line breaks are single carriage returns; CR LF is one break as well.
std::string withNewlines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            out += text[i];
        else if (i + 1 >= text.size() || text[i + 1] != '\n')
            out += '\n';
    }
    return out;
}

} // namespace

void logMessage(const std::string& caption, const std::string& text) {
    std::istringstream lines(withNewlines(text));
    std::string line, out;
    while (std::getline(lines, line))
        out += caption + ": " + line + '\n';
    if (out.empty()) out = caption + ":\n";
    std::cerr << out << std::flush;
}

MessageResult SystemMessageBoxes::show(const std::string& caption, const std::string& text, MessageIcon icon,
                                       MessageButtons buttons) {
    logMessage(caption, text);
    const std::string body = withNewlines(text);
    const SDL_MessageBoxButtonData yesNo[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Áno"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Nie"},
    };
    const SDL_MessageBoxButtonData ok[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1, "OK"},
    };
    SDL_MessageBoxData data{};
    data.flags = icon == MessageIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    data.title = caption.c_str();
    data.message = body.c_str();
    data.numbuttons = buttons == MessageButtons::YesNo ? 2 : 1;
    data.buttons = buttons == MessageButtons::YesNo ? yesNo : ok;
    int pressed = 0;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) {
        // No display to show it on: the message is in the log, and a question is answered No.
        std::cerr << "(no message box: " << SDL_GetError() << ")\n";
        pressed = 0;
    }
    if (buttons == MessageButtons::Ok) return MessageResult::Ok;
    return pressed == 1 ? MessageResult::Yes : MessageResult::No;
}

} // namespace platform
