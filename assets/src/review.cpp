// Review screens for the contact sheet: backgrounds with their buttons, answer controls and sample
// text placed where the program puts them, to judge legibility and fit as a pupil will see them.
#include "contact.h"
#include "style.h"

#include <platform/errors.h>

#include <pango/pangocairo.h>

#include <map>

namespace assets {

namespace {

class Screen {
public:
    Screen(const Catalogue& c, const std::string& background) : catalogue_(c), picture_(640, 480) {
        put(background, 0, 0);
    }
    // Draws a catalogue picture at (x, y); for a strip, only frame `frame` of width `frameWidth`.
    void put(const std::string& path, int x, int y, int frame = -1, int frameWidth = 0) {
        for (const auto& a : catalogue_.items()) {
            if (a.path != path) continue;
            Picture p(a.width, a.height);
            a.draw(p.cr());
            cairo_surface_flush(p.surface());
            cairo_t* cr = picture_.cr();
            cairo_save(cr);
            const int w = frame >= 0 ? frameWidth : a.width;
            cairo_rectangle(cr, x, y, w, a.height);
            cairo_clip(cr);
            cairo_set_source_surface(cr, p.surface(), x - (frame >= 0 ? frame * frameWidth : 0), y);
            cairo_paint(cr);
            cairo_restore(cr);
            return;
        }
        throw platform::FileError(path, "no such picture in the catalogue");
    }
    // The program's 12-point form font (16 pixels), black unless told; returns the text's width.
    double text(const std::string& s, double x, double y, Rgb colour = style::ink, bool bold = false,
                double size = 16) {
        const double w = textWidth(s, size, bold);
        drawText(picture_.cr(), s, {x, y, w + 4, size * 1.5},
                 {.size = size, .bold = bold, .colour = colour, .wrap = false});
        return w;
    }
    void fill(Box b, Rgb c) {
        cairo_rectangle(picture_.cr(), b.x, b.y, b.w, b.h);
        setColour(picture_.cr(), c);
        cairo_fill(picture_.cr());
    }
    cairo_t* cr() const { return picture_.cr(); }
    const Picture& picture() const { return picture_; }

private:
    double textWidth(const std::string& s, double size, bool bold) const {
        PangoLayout* l = pango_cairo_create_layout(picture_.cr());
        PangoFontDescription* fd = pango_font_description_from_string("Liberation Sans, DejaVu Sans");
        pango_font_description_set_absolute_size(fd, size * PANGO_SCALE);
        if (bold) pango_font_description_set_weight(fd, PANGO_WEIGHT_BOLD);
        pango_layout_set_font_description(l, fd);
        pango_font_description_free(fd);
        pango_layout_set_text(l, s.c_str(), -1);
        int w = 0, h = 0;
        pango_layout_get_pixel_size(l, &w, &h);
        g_object_unref(l);
        return w;
    }

    const Catalogue& catalogue_;
    Picture picture_;
};

void toolbar(Screen& s) {
    s.put("Bitmap/Games/mkont.bmp", 273, 5);
    s.put("Bitmap/Games/mnoveh.bmp", 364, 5);
    s.put("Bitmap/Games/mtab.bmp", 455, 5);
    s.put("Bitmap/Games/mzpet.bmp", 546, 5);
}

// Words of row r at 33-pixel pitch, with underlines under the given word indexes.
void wordRow(Screen& s, int top, const std::vector<std::string>& words, std::map<int, Rgb> underline) {
    double x = 18;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const double w = s.text(words[i], x, top);
        if (underline.count(int(i))) s.fill({x, top + 17.0, w, 2}, underline[int(i)]);
        x += w + 3;
    }
}

} // namespace

int writeReviewScreens(const Catalogue& c, const std::filesystem::path& dir) {
    const Rgb red = style::subject, blue = style::predicate;
    std::vector<std::pair<std::string, std::unique_ptr<Screen>>> screens;
    auto add = [&](const std::string& name, const std::string& bg) -> Screen& {
        screens.emplace_back(name, std::make_unique<Screen>(c, bg));
        return *screens.back().second;
    };

    add("menu-start", "Bitmap/Select/bckg.bmp");
    {
        Screen& s = add("menu-category2", "Bitmap/Select/bckg.bmp");
        s.put("Bitmap/Select/l_2_1.bmp", 8, 201);
        s.put("Bitmap/Select/r_05_0.bmp", 333, 140);
        s.put("Bitmap/Select/r_06_1.bmp", 333, 241);
        s.put("Bitmap/Select/r_06b_0.bmp", 333, 333);
        s.put("Bitmap/Select/konech.bmp", 546, 5);
    }
    {
        Screen& s = add("menu-category4", "Bitmap/Select/bckg.bmp");
        s.put("Bitmap/Select/l_4_1.bmp", 8, 323);
        s.put("Bitmap/Select/r_09_0.bmp", 333, 140);
        s.put("Bitmap/Select/r_10_0.bmp", 333, 219);
        s.put("Bitmap/Select/r_11_1.bmp", 333, 287);
        s.put("Bitmap/Select/r_11b_0.bmp", 333, 355);
        s.put("Bitmap/Select/konec.bmp", 546, 5);
    }
    {
        Screen& s = add("setup-01", "Bitmap/Setup/bckg01.bmp");
        s.put("Bitmap/Setup/zpet.bmp", 546, 5);
        s.put("Bitmap/Setup/10_0.bmp", 133, 253);
        s.put("Bitmap/Setup/15_0.bmp", 204, 293);
        s.put("Bitmap/Setup/20_1.bmp", 203, 370);
        s.put("Bitmap/Setup/25_0.bmp", 128, 409);
        s.put("Bitmap/Setup/30_0.bmp", 52, 370);
        s.put("Bitmap/Setup/sipka_20.bmp", 101, 293);
        s.put("Bitmap/Setup/pokrac4.bmp", 500, 457, 22, 94);
        s.put("Bitmap/Setup/tiskni2.bmp", 47, 457, 22, 96);
        s.text("Zuzka", 409, 334);
    }
    {
        Screen& s = add("setup-06-start", "Bitmap/Setup/bckg06.bmp");
        s.put("Bitmap/Setup/zpeth.bmp", 546, 5);
        s.put("Bitmap/Setup/pokrac3.bmp", 500, 457);
        s.put("Bitmap/Setup/tiskni1.bmp", 47, 457);
    }
    {
        Screen& s = add("exercise-01", "Bitmap/Games/01bckg.bmp");
        toolbar(s);
        s.put("Bitmap/Games/ctrl_po2.bmp", 142, 421);
        s.put("Bitmap/Games/ctrl_pr1.bmp", 272, 421);
        s.put("Bitmap/Games/ctrl_sm0.bmp", 402, 421);
        s.put("Bitmap/Setup/pokrac1.bmp", 520, 457);
        wordRow(s, 95, {"Malý", "Peter", "kreslí", "obrázok", "."}, {{1, red}, {2, blue}});
        wordRow(s, 128, {"Včera", "sme", "boli", "v", "kine", "."}, {{2, blue}});
        wordRow(s, 161, {"Mamka", "a", "otec", "pracujú", "v", "záhrade", "."},
                {{0, red}, {2, red}, {3, blue}});
        for (int r = 1; r <= 10; ++r)
            s.fill({560, 33.0 * r + 62, 28, 20}, style::cream);
        s.text("my", 564, 33 * 2 + 62);
        s.put("Bitmap/Games/check_ok.bmp", 605, 90);
        s.put("Bitmap/Games/check_ko.bmp", 605, 123);
    }
    {
        Screen& s = add("exercise-05", "Bitmap/Games/05bckg.bmp");
        toolbar(s);
        s.put("Bitmap/Setup/pokrac2.bmp", 520, 457, 22, 94);
        s.text("Na", 18, 95);
        s.text("lúke", 44, 95, style::ink, true);
        s.text("rastú krásne kvety.", 84, 95);
        s.text("Vetný člen?", 512, 97, {1, 1, 1}, false, 14.5);
        s.put("Bitmap/Games/05_cudl.bmp", 490, 126);
        s.fill({499, 133, 94, 16}, style::cream);
        s.text("Podmet", 523, 133, style::ink, false, 14.5);
        s.text("Deti sa hrajú na ihrisku.", 18, 131);
        s.put("Bitmap/Games/check_ok.bmp", 605, 126);
        s.put("Bitmap/Games/blue.bmp", 6, 268);
    }
    {
        Screen& s = add("exercise-06", "Bitmap/Games/06bckg.bmp");
        toolbar(s);
        const char* phrases[] = {"zelená tráva",       "dom pri rieke", "moja sestra",
                                 "kniha o zvieratách", "veľký pes",     "hrnček čaju",
                                 "nový bicykel",       "cesta domov",   "tretí deň"};
        const double homes[9][2] = {{46, 379},  {226, 379}, {406, 379}, {66, 412}, {246, 412},
                                    {426, 412}, {86, 445},  {266, 445}, {446, 445}};
        for (int i = 0; i < 9; ++i) {
            const double x = i == 0 ? 95 : homes[i][0], y = i == 0 ? 136 : homes[i][1];
            Box card{x, y, 150, 21};
            fillRounded(s.cr(), card, 7, {1, 1, 1});
            s.text(phrases[i], x + 8, y + 1, style::ink, false, 15);
        }
        s.put("Bitmap/Games/check_ok.bmp", 261, 130);
    }
    {
        Screen& s = add("exercise-08b", "Bitmap/Games/08bbckg.bmp");
        toolbar(s);
        s.put("Bitmap/Setup/pokrac1.bmp", 520, 457);
        double x = 18;
        for (const char* w : {"Janko,", "poď", "sem!"}) {
            const double width = s.text(w, 0, -100) + 6;
            s.fill({x, 95, width, 20}, {1, 1, 1});
            s.text(w, x, 95);
            x += width;
        }
        s.put("Bitmap/Games/08b_guma.bmp", 436, 90);
        s.text("Čo je oddelené?", 487, 97, {1, 1, 1}, false, 14.5);
        s.put("Bitmap/Games/08b_cudl.bmp", 464, 126);
        s.fill({478, 133, 115, 16}, style::cream);
        s.text("Oslovenie", 505, 133, style::ink, false, 14.5);
    }
    {
        Screen& s = add("exercise-13-hint", "Bitmap/Games/13bckg.bmp");
        toolbar(s);
        s.text("Keď prší, zostávame doma.", 18, 95);
        s.put("Bitmap/Games/13_pod.bmp", 547, 90);
        s.put("Bitmap/Games/check_ko.bmp", 605, 90);
        s.text("Išli sme von a hrali sme sa.", 18, 131);
        s.put("Bitmap/Games/13_sou.bmp", 547, 126);
        s.put("Bitmap/Games/hint_3.bmp", 8, 106);
        s.text("Druh súvetia: podraďovacie", 18, 119);
    }
    {
        Screen& s = add("table-09", "Bitmap/Tab/09.bmp");
        s.put("Bitmap/Games/mzpet.bmp", 546, 5);
        const char* rows[][4] = {{"Zuzka", "10", "0", "1"},
                                 {"Marek", "9", "1", "1"},
                                 {"Eva", "8", "2", "2"},
                                 {"Tomáš", "6", "4", "3"}};
        for (int r = 0; r < 4; ++r) {
            const double top = 165 + 30 * r;
            s.text(std::to_string(r + 1) + ".", 50, top);
            s.text(rows[r][0], 200, top);
            for (int k = 1; k < 4; ++k)
                s.text(rows[r][k], (k == 1 ? 376 : k == 2 ? 464 : 544) + 30, top);
        }
    }
    add("help-01", "Bitmap/Help/01.bmp");
    add("intro", "Bitmap/Intro/bckgrnd.bmp");

    // two screens side by side per page, at full size
    int pages = 0;
    for (std::size_t i = 0; i < screens.size(); i += 2) {
        Picture page(1300, 500);
        fillAll(page.cr(), hex(0xE9EDF2));
        for (std::size_t k = i; k < std::min(i + 2, screens.size()); ++k) {
            cairo_set_source_surface(page.cr(), screens[k].second->picture().surface(), 10 + 650.0 * (k - i),
                                     10);
            cairo_paint(page.cr());
        }
        const auto file = dir / ("review-" + std::to_string(++pages) + "-" + screens[i].first + ".png");
        if (cairo_surface_write_to_png(page.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
            throw platform::FileError(file.string(), "cannot write review page");
    }
    return pages;
}

} // namespace assets
