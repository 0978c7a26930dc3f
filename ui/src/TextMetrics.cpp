#include "ui/TextMetrics.h"

#include "platform/errors.h"

#include <SDL_ttf.h>
#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <map>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ui {

namespace {

// The families of each face, in the order they are tried.
const std::vector<const char*>& families(bool narrow) {
    static const std::vector<const char*> regular{"Liberation Sans", "DejaVu Sans"};
    static const std::vector<const char*> condensed{"Nimbus Sans Narrow"};
    return narrow ? condensed : regular;
}

// Whether a font that fontconfig offers is the family and weight asked for in a format the font
// library measures exactly (TrueType or OpenType outlines: a Type 1 copy of the same face comes
// without its kerning).
bool isWanted(FcPattern* font, const char* family, bool bold) {
    FcChar8* gotFamily = nullptr;
    FcChar8* format = nullptr;
    int weight = 0;
    if (FcPatternGetString(font, FC_FAMILY, 0, &gotFamily) != FcResultMatch ||
        FcPatternGetInteger(font, FC_WEIGHT, 0, &weight) != FcResultMatch)
        return false;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) == FcResultMatch) {
        const std::string f(reinterpret_cast<char*>(format));
        if (f != "TrueType" && f != "CFF") return false;
    }
    // A synthetic bold would not measure like the real one.
    return std::string(reinterpret_cast<char*>(gotFamily)) == family && (weight >= FC_WEIGHT_BOLD) == bold;
}

// The file of the first of the face's families that fontconfig knows with that weight, "" when
// none is installed.
std::string findFontFile(bool bold, bool narrow) {
    if (!FcInit()) return {};
    for (const char* family : families(narrow)) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        // fontconfig always answers with something: the best candidates in order, of which the
        // first that is the family asked for is taken.
        FcFontSet* sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
        FcPatternDestroy(pattern);
        if (!sorted) continue;
        std::string found;
        for (int i = 0; i < sorted->nfont && found.empty(); ++i) {
            FcChar8* file = nullptr;
            if (isWanted(sorted->fonts[i], family, bold) &&
                FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                found = reinterpret_cast<char*>(file);
        }
        FcFontSetDestroy(sorted);
        if (!found.empty()) return found;
    }
    return {};
}

class FontCache {
public:
    ~FontCache() {
        for (auto& [key, open] : fonts_)
            TTF_CloseFont(open.font);
        for (const auto& [path, m] : contents_)
            if (m.data) ::munmap(const_cast<char*>(m.data), m.size);
    }
    TTF_Font* get(int points, bool bold, bool narrow) {
        points = std::max(points, 1);
        auto key = std::make_tuple(points, bold, narrow);
        if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.font;
        if (!TTF_WasInit() && TTF_Init() != 0)
            throw std::runtime_error(std::string("Cannot start the font library: ") + TTF_GetError());
        const std::string& file = this->file(bold, narrow);
        // Every size is opened from the one mapping of the file: a font opened from the file
        // itself is read again, in small pieces, for each size.
        const Mapped& bytes = contents(file);
        TTF_Font* font =
            TTF_OpenFontDPIRW(SDL_RWFromConstMem(bytes.data, int(bytes.size)), 1, points, 96, 96);
        if (!font)
            throw platform::FileError(file, std::string("Cannot open the font (") + TTF_GetError() + ")");
        fonts_.emplace(key, Open{font, ++opened_, file});
        return font;
    }
    FontMark mark() const { return opened_; }
    // Closes the fonts opened after `mark`, unmaps the files no open font reads any more and hands
    // the freed heap back to the system.
    void closeSince(FontMark mark) {
        bool closed = false;
        for (auto it = fonts_.begin(); it != fonts_.end();) {
            if (it->second.order > mark) {
                TTF_CloseFont(it->second.font);
                it = fonts_.erase(it);
                closed = true;
            } else {
                ++it;
            }
        }
        if (!closed) return;
        for (auto it = contents_.begin(); it != contents_.end();) {
            const bool read = std::any_of(fonts_.begin(), fonts_.end(),
                                          [&](const auto& entry) { return entry.second.file == it->first; });
            if (read) {
                ++it;
                continue;
            }
            ::munmap(const_cast<char*>(it->second.data), it->second.size);
            it = contents_.erase(it);
        }
        // A font's shaping tables lie in the middle of the heap, where free() alone keeps them.
        ::malloc_trim(0);
    }
    std::size_t openCount() const { return fonts_.size(); }
    const std::string& file(bool bold, bool narrow) {
        std::string& f = files_[(bold ? 1 : 0) + (narrow ? 2 : 0)];
        if (f.empty()) f = findFontFile(bold, narrow);
        // Without the narrow face its texts are drawn in the form font.
        if (f.empty() && narrow) f = file(bold, false);
        if (f.empty())
            throw platform::FileError("Liberation Sans / DejaVu Sans", "No form font is installed");
        return f;
    }

private:
    // A font file mapped into memory for as long as its fonts are open: FreeType reads only the
    // tables and glyphs it needs, with no read calls and no private copy in the heap (the pages are
    // the system's file cache, shared with every other copy of the program).
    struct Mapped {
        const char* data = nullptr;
        std::size_t size = 0;
    };
    const Mapped& contents(const std::string& file) {
        Mapped& m = contents_[file];
        if (m.data) return m;
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        void* p = MAP_FAILED;
        if (fd >= 0 && ::fstat(fd, &st) == 0 && st.st_size > 0 && st.st_size < INT_MAX)
            p = ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (fd >= 0) ::close(fd);
        if (p == MAP_FAILED) throw platform::FileError(file, "Cannot read the font");
        m = {static_cast<const char*>(p), std::size_t(st.st_size)};
        return m;
    }

    // The fonts read from these for as long as they are open.
    std::map<std::string, Mapped> contents_;
    struct Open {
        TTF_Font* font;
        FontMark order; // when it was opened
        std::string file;
    };
    std::map<std::tuple<int, bool, bool>, Open> fonts_;
    FontMark opened_ = 0;
    std::string files_[4]; // regular, bold, narrow, narrow bold
};

FontCache& cache() {
    static FontCache instance;
    return instance;
}

} // namespace

TTF_Font* formFont(int points, bool bold, bool narrow) {
    return cache().get(points, bold, narrow);
}

std::string formFontFile(bool bold, bool narrow) {
    return cache().file(bold, narrow);
}

FontMark fontMark() {
    return cache().mark();
}

void closeFontsSince(FontMark mark) {
    cache().closeSince(mark);
}

std::size_t openFontCount() {
    return cache().openCount();
}

TextSize measureText(std::string_view text, int points, bool bold, bool narrow) {
    TTF_Font* font = formFont(points, bold, narrow);
    TextSize size{0, TTF_FontHeight(font), TTF_FontAscent(font)};
    if (!text.empty()) {
        std::string s(text);
        if (TTF_SizeUTF8(font, s.c_str(), &size.width, nullptr) != 0)
            throw std::runtime_error(std::string("Cannot measure text: ") + TTF_GetError());
    }
    return size;
}

int textDrop(std::string_view text, int points, bool bold, bool narrow) {
    TTF_Font* font = formFont(points, bold, narrow);
    int top = 0;
    for (std::size_t i = 0; i < text.size();) {
        // One UTF-8 sequence (the program's texts are valid UTF-8).
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        Uint32 code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + std::size_t(k) < text.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3F);
        i += std::size_t(length);
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (TTF_GlyphMetrics32(font, code, &minx, &maxx, &miny, &maxy, &advance) == 0)
            top = std::max(top, maxy);
    }
    return std::max(0, top - TTF_FontAscent(font));
}

bool textsFit(const std::vector<std::string>& texts, int width, FittedFont font, bool bold) {
    return std::all_of(texts.begin(), texts.end(), [&](const std::string& text) {
        return measureText(text, font.points, bold, font.narrow).width <= width;
    });
}

FittedFont fitTexts(const std::vector<std::string>& texts, int width, int points, bool bold, bool narrow) {
    if (textsFit(texts, width, {points, narrow}, bold)) return {points, narrow};
    FittedFont font{points, true};
    while (font.points > kMinFittedPoints && !textsFit(texts, width, font, bold))
        --font.points;
    return font;
}

} // namespace ui
