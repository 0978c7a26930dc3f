// The results table backgrounds: the exercise's title and a light ten-row table whose columns
// carry their headings over the labels the program fills in.
#include "catalogue.h"
#include "exercises.h"
#include "icons.h"
#include "parts.h"
#include "style.h"

namespace assets {

namespace {

using namespace style;

struct ColumnHead {
    double left, width;
    const char* text;
};
const ColumnHead columns[5] = {
    {32, 50, "Poradie"}, {91, 260, "Meno"}, {376, 70, "Správne"}, {464, 70, "Zle"}, {544, 70, "Známka"}};

void tableBackground(cairo_t* cr, const Exercise& e) {
    fillAll(cr, menuBlue);
    icons::trophy(cr, 48, 42, 50, glow);
    drawText(cr, "Tabuľka najlepších výsledkov", {84, 12, 450, 32},
             {.size = 25,
              .bold = true,
              .colour = {1, 1, 1},
              .valign = VAlign::Middle,
              .minSize = 16,
              .wrap = false});
    drawText(cr, "Cvičenie " + e.key + " · " + e.title, {85, 46, 450, 26},
             {.size = 17,
              .bold = true,
              .colour = lighter(accent(e.category), 0.45),
              .valign = VAlign::Middle,
              .minSize = 11,
              .wrap = false});

    const Box panel{20, 118, 604, 348};
    shadowRounded(cr, panel, 14, 2, 0.35);
    fillRounded(cr, panel, 14, paper);
    cairo_save(cr);
    roundedRect(cr, panel, 14);
    cairo_clip(cr);
    cairo_rectangle(cr, panel.x, panel.y, panel.w, 38);
    setColour(cr, accent(e.category));
    cairo_fill(cr);
    for (int row = 1; row <= 10; ++row) {
        const double top = 165 + 30 * (row - 1) - 6;
        if (row % 2 == 0) {
            cairo_rectangle(cr, panel.x, top, panel.w, 30);
            setColour(cr, hex(0xEDF3FA));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    for (const auto& c : columns)
        drawText(cr, c.text, {c.left - 6, panel.y + 2, c.width + 12, 34},
                 {.size = 15,
                  .bold = true,
                  .colour = {1, 1, 1},
                  .align = Align::Centre,
                  .valign = VAlign::Middle,
                  .minSize = 10,
                  .wrap = false});
    // medals behind the first three ranks
    const Rgb medals[3] = {hex(0xF6C343), hex(0xCBD5DF), hex(0xE3A273)};
    for (int row = 1; row <= 3; ++row)
        fillCircle(cr, 57, 165 + 30 * (row - 1) + 9, 13, medals[row - 1]);
    setColour(cr, rule);
    cairo_set_line_width(cr, 1);
    for (double x : {86.5, 363.5, 455.5, 539.5}) {
        cairo_move_to(cr, x, panel.y + 42);
        cairo_line_to(cr, x, panel.bottom() - 6);
    }
    cairo_stroke(cr);
}

} // namespace

void addTables(Catalogue& c) {
    for (const auto& e : exercises())
        c.add("Bitmap/Tab/" + e.key + ".bmp", 640, 480, [&e](cairo_t* cr) { tableBackground(cr, e); });
}

} // namespace assets
