// The exercise screens' backgrounds: title area, a ruled white sheet for the rows, resting looks of
// the answer controls that start without a picture, and the short task line.
#include "catalogue.h"
#include "exercises.h"
#include "icons.h"
#include "parts.h"
#include "style.h"

namespace assets {

namespace {

using namespace style;

void taskLine(cairo_t* cr, Box box, const std::string& text, double size) {
    icons::question(cr, box.x + 8, box.y + box.h / 2, 7, glow, navy);
    drawText(cr, text, {box.x + 20, box.y, box.w - 20, box.h},
             {.size = size, .colour = {1, 1, 1}, .valign = VAlign::Middle, .minSize = 9, .lineSpacing = 0.9});
}

// A choice image's place before its first click: a dashed frame with a question mark.
void choicePlace(cairo_t* cr, Box b) {
    const double dash[] = {4, 3};
    cairo_set_dash(cr, dash, 2, 0);
    strokeRounded(cr, b.inset(1), 8, hex(0x8FA9C4), 1.5);
    cairo_set_dash(cr, nullptr, 0, 0);
    drawText(cr, "?", b,
             {.size = 16,
              .bold = true,
              .colour = hex(0x8FA9C4),
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
}

// A chooser before a choice: a dark well on which the program writes its white prompt.
void chooserPlace(cairo_t* cr, Box b, double labelRight) {
    fillRounded(cr, b.inset(1), 8, navy, 0.75);
    strokeRounded(cr, b.inset(1), 8, muted, 1.5, 0.8);
    icons::triangleDown(cr, (labelRight + b.right() - 1) / 2, b.cy() + 0.5, 8, {1, 1, 1});
}

void evaluationPlace(cairo_t* cr, double x, double y) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 16, y + 16, 11, 0, 2 * pi);
    setColour(cr, muted, 0.3);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void sheet(cairo_t* cr, const Exercise& e) {
    const double bottom = e.rows == RowKind::Pitch33 ? 418 : 450;
    const Box s{6, 86, e.paperRight - 6.0, bottom - 86};
    fillRounded(cr, s, 10, paper);
    // notebook lines between rows and a margin line
    setColour(cr, rule);
    cairo_set_line_width(cr, 1);
    for (int r = 1; r < e.rowCount(); ++r) {
        const double y = e.rows == RowKind::Pitch33   ? 33 * r + 88.5
                         : e.rows == RowKind::TwoLine ? 73 * r + 84.5
                                                      : 36 * r + 87.5;
        cairo_move_to(cr, s.x + 8, y);
        cairo_line_to(cr, s.right() - 8, y);
    }
    cairo_stroke(cr);
    setColour(cr, hex(0xF4B6B6));
    cairo_move_to(cr, 13.5, s.y + 6);
    cairo_line_to(cr, 13.5, s.bottom() - 6);
    cairo_stroke(cr);
}

void gameBackground(cairo_t* cr, const Exercise& e) {
    fillAll(cr, exerciseBlue);
    exerciseTitle(cr, e.key, e.category, e.title);
    sheet(cr, e);
    for (int r = 1; r <= e.rowCount(); ++r) {
        const double top = e.rowTop(r);
        if (e.choice) choicePlace(cr, {double(e.choice->x), top, double(e.choice->w), 32});
        if (e.chooser)
            chooserPlace(cr, {double(e.chooser->x), top, double(e.chooser->w), 32},
                         e.chooserLabelX + e.chooserLabelW);
        if (e.answerField) {
            const Box f{*e.answerField - 3.0, 33 * r + 59.0, 34, 26};
            strokeRounded(cr, f, 5, hex(0xE3A935), 1.5);
        }
        evaluationPlace(cr, 605, top);
    }
    if (e.rows == RowKind::Pitch33) {
        const double toolsLeft = e.tools.size() == 3 ? 142 : 207;
        taskLine(cr, {6, 424, toolsLeft - 10, 54}, e.task, 11.5);
    } else {
        taskLine(cr, {8, 452, 504, 28}, e.task, 13);
    }
}

// Exercise 06: two columns of seven slots, their headings, and the home places of the nine cards.
void cardsBackground(cairo_t* cr, const Exercise& e) {
    fillAll(cr, exerciseBlue);
    exerciseTitle(cr, e.key, e.category, e.title);
    struct Column {
        double slotX;
        const char* name;
        const char* example;
        Rgb colour;
    };
    const Column columns[2] = {{95, "Zhodný prívlastok", "napr. zelená tráva", accent(3)},
                               {395, "Nezhodný prívlastok", "napr. dom pri rieke", accent(2)}};
    for (const auto& col : columns) {
        const Box panel{col.slotX - 15, 88, 225, 268};
        strokeRounded(cr, panel, 14, col.colour, 2.5);
        const Box chip{panel.x + 6, 94, panel.w - 12, 36};
        fillRounded(cr, chip, 10, col.colour);
        drawText(cr, col.name, {chip.x, 95, chip.w, 20},
                 {.size = 16,
                  .bold = true,
                  .colour = {1, 1, 1},
                  .align = Align::Centre,
                  .valign = VAlign::Middle,
                  .wrap = false});
        drawText(cr, col.example, {chip.x, 113, chip.w, 16},
                 {.size = 12,
                  .colour = {1, 1, 1},
                  .align = Align::Centre,
                  .valign = VAlign::Middle,
                  .wrap = false});
        const double dash[] = {5, 3};
        for (int k = 0; k < 7; ++k) {
            cairo_set_dash(cr, dash, 2, 0);
            strokeRounded(cr, {col.slotX, 136.0 + 32 * k, 150, 21}, 7, {1, 1, 1}, 1.5, 0.45);
            cairo_set_dash(cr, nullptr, 0, 0);
            evaluationPlace(cr, col.slotX + 166, 130.0 + 32 * k);
        }
    }
    drawText(
        cr, "Tu sú kartičky. Potiahni každú myšou do správneho stĺpca.", {40, 358, 560, 19},
        {.size = 13, .colour = {1, 1, 1}, .align = Align::Centre, .valign = VAlign::Middle, .wrap = false});
    const double homes[9][2] = {{46, 379},  {226, 379}, {406, 379}, {66, 412}, {246, 412},
                                {426, 412}, {86, 445},  {266, 445}, {446, 445}};
    for (const auto& h : homes)
        fillRounded(cr, {h[0] + 2, h[1] + 3, 150, 21}, 7, navy, 0.6);
}

} // namespace

void addGames(Catalogue& c) {
    for (const auto& e : exercises())
        c.add("Bitmap/Games/" + e.key + "bckg.bmp", 640, 480, [&e](cairo_t* cr) {
            if (e.rows == RowKind::Cards)
                cardsBackground(cr, e);
            else
                gameBackground(cr, e);
        });
}

} // namespace assets
