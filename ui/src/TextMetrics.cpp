#include "ui/TextMetrics.h"

#include "platform/errors.h"

#include <SDL_ttf.h>
#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <map>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ui {

namespace {

// The file of the first family in `families` that fontconfig knows with that weight.
std::string findFontFile(bool bold) {
    if (!FcInit()) return {};
    std::string found;
    for (const char* family : {"Liberation Sans", "DejaVu Sans"}) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match) continue;
        // fontconfig always answers with something: accept it only when it is the family asked for
        // and has the weight asked for (a synthetic bold would not measure like the real one).
        FcChar8* gotFamily = nullptr;
        FcChar8* file = nullptr;
        int weight = 0;
        bool ok = FcPatternGetString(match, FC_FAMILY, 0, &gotFamily) == FcResultMatch &&
                  FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
                  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch &&
                  std::string(reinterpret_cast<char*>(gotFamily)) == family &&
                  (weight >= FC_WEIGHT_BOLD) == bold;
        if (ok) found = reinterpret_cast<char*>(file);
        FcPatternDestroy(match);
        if (ok) break;
    }
    return found;
}

class FontCache {
public:
    ~FontCache() {
        for (auto& [key, font] : fonts_)
            TTF_CloseFont(font);
        for (const Mapped& m : contents_)
            if (m.data) ::munmap(const_cast<char*>(m.data), m.size);
    }
    TTF_Font* get(int points, bool bold) {
        points = std::max(points, 1);
        auto key = std::make_pair(points, bold);
        if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
        if (!TTF_WasInit() && TTF_Init() != 0)
            throw std::runtime_error(std::string("Cannot start the font library: ") + TTF_GetError());
        const std::string& file = this->file(bold);
        // Every size is opened from the one mapping of the file: a font opened from the file
        // itself is read again, in small pieces, for each size.
        const Mapped& bytes = contents(bold, file);
        TTF_Font* font =
            TTF_OpenFontDPIRW(SDL_RWFromConstMem(bytes.data, int(bytes.size)), 1, points, 96, 96);
        if (!font)
            throw platform::FileError(file, std::string("Cannot open the font (") + TTF_GetError() + ")");
        fonts_.emplace(key, font);
        return font;
    }
    const std::string& file(bool bold) {
        std::string& f = files_[bold ? 1 : 0];
        if (f.empty()) f = findFontFile(bold);
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
    const Mapped& contents(bool bold, const std::string& file) {
        Mapped& m = contents_[bold ? 1 : 0];
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

    Mapped contents_[2];
    std::map<std::pair<int, bool>, TTF_Font*> fonts_;
    std::string files_[2];
};

FontCache& cache() {
    static FontCache instance;
    return instance;
}

} // namespace

TTF_Font* formFont(int points, bool bold) {
    return cache().get(points, bold);
}

std::string formFontFile(bool bold) {
    return cache().file(bold);
}

TextSize measureText(std::string_view text, int points, bool bold) {
    TTF_Font* font = formFont(points, bold);
    TextSize size{0, TTF_FontHeight(font)};
    if (!text.empty()) {
        std::string s(text);
        if (TTF_SizeUTF8(font, s.c_str(), &size.width, nullptr) != 0)
            throw std::runtime_error(std::string("Cannot measure text: ") + TTF_GetError());
    }
    return size;
}

} // namespace ui
