#include "TextWidth.h"

#include <platform/errors.h>

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <string>

namespace sentencedata {

namespace {

constexpr int kDpi = 96;

std::string formFontFile() {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("Liberation Sans:style=Regular"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    std::string file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (match) FcPatternDestroy(match);
    if (file.empty()) throw platform::FileError("Liberation Sans", "no font file for the form font");
    return file;
}

TTF_Font* fontAt(int points) {
    static const bool ready = TTF_Init() == 0;
    if (!ready) throw platform::FileError("SDL_ttf", TTF_GetError());
    static const std::string file = formFontFile();
    static std::map<int, std::unique_ptr<TTF_Font, void (*)(TTF_Font*)>> fonts;
    auto it = fonts.find(points);
    if (it == fonts.end()) {
        TTF_Font* font = TTF_OpenFontDPI(file.c_str(), points, kDpi, kDpi);
        if (!font) throw platform::FileError(file, TTF_GetError());
        it = fonts.emplace(points, std::unique_ptr<TTF_Font, void (*)(TTF_Font*)>(font, TTF_CloseFont)).first;
    }
    return it->second.get();
}

} // namespace

int textWidth(std::string_view text, int points) {
    if (text.empty()) return 0;
    int width = 0;
    int height = 0;
    const std::string copy(text);
    if (TTF_SizeUTF8(fontAt(points), copy.c_str(), &width, &height) != 0)
        throw platform::FileError("SDL_ttf", TTF_GetError());
    return width;
}

} // namespace sentencedata
