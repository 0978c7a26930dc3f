// The exercise menu: its background with the five categories in their resting look, the open
// category pictures, and one normal and one lit picture per exercise slot.
#include "catalogue.h"
#include "exercises.h"
#include "icons.h"
#include "parts.h"
#include "style.h"

namespace assets {

namespace {

using namespace style;

void categoryButton(cairo_t* cr, int n, bool open) {
    const Category& cat = categories()[n - 1];
    const Box b{2, 3, 296, 47};
    shadowRounded(cr, b, 12, 2, 0.3);
    if (open) {
        fillRoundedGradient(cr, b, 12, litTop, litBottom);
        strokeRounded(cr, b, 12, accent(n), 2.5);
    } else {
        fillRoundedGradient(cr, b, 12, lighter(card, 0.1), darker(card, 0.06));
        strokeRounded(cr, b, 12, lighter(card, 0.3), 1);
    }
    keyBadge(cr, 29, 26.5, 15, std::to_string(n), accent(n), {1, 1, 1});
    drawText(cr, cat.name, {53, 6, 215, 22},
             {.size = 17,
              .bold = true,
              .colour = open ? navy : Rgb{1, 1, 1},
              .valign = VAlign::Middle,
              .minSize = 12,
              .wrap = false});
    drawText(
        cr, cat.blurb, {53, 28, 215, 17},
        {.size = 12.5, .colour = open ? darker(navy, 0.1) : muted, .valign = VAlign::Middle, .wrap = false});
    icons::triangleRight(cr, 282, 26.5, open ? 14 : 11, open ? accent(n) : muted);
}

void slotPicture(cairo_t* cr, const Exercise& e, int height, bool lit) {
    fillAll(cr, menuBlue);
    const Box b{3, 3, 294, height - 7.0};
    shadowRounded(cr, b, 12, 2, 0.3);
    if (lit) {
        fillRoundedGradient(cr, b, 12, litTop, litBottom);
        strokeRounded(cr, b, 12, accent(e.category), 3);
    } else {
        fillRoundedGradient(cr, b, 12, lighter(card, 0.1), darker(card, 0.06));
        cairo_save(cr);
        roundedRect(cr, b, 12);
        cairo_clip(cr);
        cairo_rectangle(cr, b.x, b.y, 6, b.h);
        setColour(cr, accent(e.category));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    keyBadge(cr, 36, b.cy(), 19, e.key, accent(e.category), {1, 1, 1});
    const Rgb fg = lit ? navy : Rgb{1, 1, 1};
    const double textRight = lit ? 262 : 284;
    const TextStyle titleStyle{.size = 16, .bold = true, .colour = fg, .minSize = 16, .lineSpacing = 0.9};
    const double titleHeight = measureMarkup(cr, escapeMarkup(e.title), textRight - 64, titleStyle);
    const double blockTop = b.cy() - (titleHeight + 19) / 2;
    drawText(cr, e.title, {64, blockTop, textRight - 64, titleHeight + 1}, titleStyle);
    drawText(cr, e.blurb, {64, blockTop + titleHeight + 2, textRight - 64, 17},
             {.size = 12.5,
              .colour = lit ? darker(navy, 0.1) : muted,
              .valign = VAlign::Middle,
              .minSize = 9,
              .wrap = false});
    if (lit) {
        fillCircle(cr, 276, b.cy(), 13, accent(e.category));
        icons::triangleRight(cr, 277.5, b.cy(), 12, {1, 1, 1});
    }
}

void heading(cairo_t* cr, double x, double y, int number, const std::string& text) {
    keyBadge(cr, x + 12, y + 12, 11, std::to_string(number), glow, navy);
    drawText(cr, text, {x + 30, y, 260, 24},
             {.size = 16, .bold = true, .colour = {1, 1, 1}, .valign = VAlign::Middle, .wrap = false});
}

void menuBackground(cairo_t* cr) {
    fillAll(cr, menuBlue);
    programBanner(cr, {16, 8, 521, 65}, "O programe a jeho autoroch: klikni na tento nápis");
    heading(cr, 10, 106, 1, "Vyber si okruh");
    heading(cr, 335, 106, 2, "Vyber si cvičenie");
    for (int n = 1; n <= 5; ++n) {
        cairo_save(cr);
        cairo_translate(cr, 8, 140 + 61 * (n - 1));
        cairo_rectangle(cr, 0, 0, 300, 53);
        cairo_clip(cr);
        categoryButton(cr, n, false);
        cairo_restore(cr);
    }
    // the exercise side before a category is chosen
    const Box area{336, 143, 294, 292};
    fillRounded(cr, area, 14, navy, 0.45);
    const double dash[] = {7, 5};
    cairo_set_dash(cr, dash, 2, 0);
    strokeRounded(cr, area, 14, muted, 2, 0.7);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, glow);
    cairo_move_to(cr, 510, 230);
    cairo_line_to(cr, 440, 230);
    cairo_stroke(cr);
    cairo_move_to(cr, 418, 230);
    cairo_line_to(cr, 442, 214);
    cairo_line_to(cr, 442, 246);
    cairo_close_path(cr);
    cairo_fill(cr);
    drawText(
        cr, "Najprv si vľavo vyber okruh. Tu sa potom ukážu jeho cvičenia.", {360, 270, 246, 80},
        {.size = 17, .bold = true, .colour = {1, 1, 1}, .align = Align::Centre, .valign = VAlign::Middle});
    drawText(cr, "Tím Brevion", {16, 450, 300, 22}, {.size = 13, .colour = muted, .valign = VAlign::Middle});
}

} // namespace

void addMenu(Catalogue& c) {
    c.add("Bitmap/Select/bckg.bmp", 640, 480, menuBackground);
    for (int n = 1; n <= 5; ++n)
        for (int open = 0; open < 2; ++open)
            c.add("Bitmap/Select/l_" + std::to_string(n) + "_" + std::to_string(open) + ".bmp", 300, 53,
                  [n, open](cairo_t* cr) {
                      fillAll(cr, menuBlue);
                      categoryButton(cr, n, open != 0);
                  });
    // The sound switch in the lower right corner: on, off, and each lit under the mouse.
    for (int on = 0; on < 2; ++on)
        for (int lit = 0; lit < 2; ++lit)
            c.add("Bitmap/Select/zvuk" + std::to_string(on) + (lit ? "h" : "") + ".bmp", 32, 32,
                  [on, lit](cairo_t* cr) {
                      fillAll(cr, menuBlue);
                      fillRounded(cr, {1, 1, 30, 30}, 7, lit ? glow : navy, lit ? 1.0 : 0.6);
                      icons::speaker(cr, 16, 16, 24, lit ? navy : Rgb{1, 1, 1}, on != 0);
                  });
    for (const auto& e : exercises()) {
        const int h = slotGeometry(e.slot, static_cast<int>(inCategory(e.category).size())).height;
        for (int lit = 0; lit < 2; ++lit)
            c.add("Bitmap/Select/r_" + e.key + "_" + std::to_string(lit) + ".bmp", 300, h,
                  [&e, h, lit](cairo_t* cr) { slotPicture(cr, e, h, lit != 0); });
    }
}

} // namespace assets
