#include "parts.h"

#include "icons.h"
#include "style.h"

#include <algorithm>
#include <cmath>

namespace assets {

void bigButton(cairo_t* cr, Rgb base, bool lit, const IconFn& icon, const std::string& label) {
    fillAll(cr, base);
    const Box b{4, 4, 83, 67};
    shadowRounded(cr, b, 14, 2, 0.35);
    if (lit) {
        fillRoundedGradient(cr, b, 14, style::litTop, style::litBottom);
        strokeRounded(cr, b, 14, {1, 1, 1}, 2);
    } else {
        fillRoundedGradient(cr, b, 14, lighter(style::card, 0.12), darker(style::card, 0.08));
        strokeRounded(cr, b, 14, lighter(style::card, 0.35), 1);
    }
    const Rgb fg = lit ? style::navy : Rgb{1, 1, 1};
    icon(cr, 45.5, 29, 30, fg);
    drawText(cr, label, {6, 47, 79, 20},
             {.size = 13,
              .bold = true,
              .colour = fg,
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .minSize = 9,
              .wrap = false});
}

void pillButton(cairo_t* cr, int width, Rgb base, PillKind kind, double ready, double sweep) {
    fillAll(cr, base);
    const Box b{1, 1, width - 2.0, 21};
    const Rgb offTop = hex(0x5F7E9C), offBottom = hex(0x52708D);
    const Rgb onTop = kind == PillKind::Continue ? hex(0x45CF78) : hex(0x4CC0E6);
    const Rgb onBottom = kind == PillKind::Continue ? hex(0x22994D) : hex(0x1F8FBF);
    const double t = std::clamp(ready, 0.0, 1.0);
    fillRoundedGradient(cr, b, 10.5, mix(offTop, onTop, t), mix(offBottom, onBottom, t));
    if (sweep >= 0) {
        cairo_save(cr);
        roundedRect(cr, b, 10.5);
        cairo_clip(cr);
        const double x = -30 + sweep * (width + 60);
        cairo_pattern_t* p = cairo_pattern_create_linear(x - 18, 0, x + 18, 0);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.75);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
        cairo_set_source(cr, p);
        cairo_paint(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    strokeRounded(cr, b, 10.5, mix(hex(0x7F9BB6), {1, 1, 1}, t * 0.7), 1);
    const Rgb fg = mix(hex(0xAFC0D1), {1, 1, 1}, t);
    if (kind == PillKind::Continue) {
        drawText(cr, "Pokračuj", {8, 1, width - 28.0, 21},
                 {.size = 13,
                  .bold = true,
                  .colour = fg,
                  .align = Align::Centre,
                  .valign = VAlign::Middle,
                  .wrap = false});
        icons::triangleRight(cr, width - 15.0, 11.5, 9, fg);
    } else {
        icons::printer(cr, 17, 11.5, 15, fg, mix(hex(0x5F7E9C), hex(0x4CC0E6), t));
        drawText(cr, "Tlačiť", {26, 1, width - 32.0, 21},
                 {.size = 13,
                  .bold = true,
                  .colour = fg,
                  .align = Align::Centre,
                  .valign = VAlign::Middle,
                  .wrap = false});
    }
}

void keyBadge(cairo_t* cr, double cx, double cy, double r, const std::string& text, Rgb fill,
              Rgb textColour) {
    fillCircle(cr, cx + 0.5, cy + 1.5, r, {0, 0, 0}, 0.25);
    fillCircle(cr, cx, cy, r, fill);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r - 1, 0, 2 * pi);
    setColour(cr, {1, 1, 1}, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    drawText(cr, text, {cx - r, cy - r, 2 * r, 2 * r},
             {.size = r * (text.size() > 2 ? 0.8 : 0.95),
              .bold = true,
              .colour = textColour,
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
}

void programBanner(cairo_t* cr, Box box, const std::string& hint) {
    // emblem: a speech bubble with a red and a blue underline, the two marks of the first exercise
    const double ex = box.x + 6, ey = box.y + box.h / 2 - 24;
    fillRounded(cr, {ex + 1, ey + 2, 52, 40}, 11, {0, 0, 0}, 0.25);
    fillRounded(cr, {ex, ey, 52, 40}, 11, style::cream);
    cairo_move_to(cr, ex + 12, ey + 38);
    cairo_line_to(cr, ex + 10, ey + 49);
    cairo_line_to(cr, ex + 24, ey + 38);
    cairo_close_path(cr);
    setColour(cr, style::cream);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4);
    setColour(cr, style::accent(1));
    cairo_move_to(cr, ex + 10, ey + 15);
    cairo_line_to(cr, ex + 26, ey + 15);
    cairo_stroke(cr);
    setColour(cr, hex(0x3A6FE0));
    cairo_move_to(cr, ex + 30, ey + 15);
    cairo_line_to(cr, ex + 42, ey + 15);
    cairo_stroke(cr);
    setColour(cr, style::navy, 0.35);
    cairo_move_to(cr, ex + 10, ey + 27);
    cairo_line_to(cr, ex + 40, ey + 27);
    cairo_stroke(cr);

    const double tx = ex + 66;
    drawMarkup(cr, "<span foreground='#FFFFFF'>Brevion</span> <span foreground='#FFD54A'>Lumena</span>",
               {tx, box.y + 2, box.right() - tx, 36},
               {.size = 31, .bold = true, .valign = VAlign::Middle, .wrap = false});
    drawText(cr, hint, {tx + 1, box.y + 38, box.right() - tx, 22},
             {.size = 14, .colour = style::muted, .valign = VAlign::Middle, .wrap = false});
}

void exerciseTitle(cairo_t* cr, const std::string& key, int category, const std::string& title) {
    const Box b{6, 6, 225, 67};
    shadowRounded(cr, b.inset(2), 12, 2, 0.3);
    fillRoundedGradient(cr, b.inset(2), 12, lighter(style::card, 0.1), darker(style::card, 0.05));
    cairo_save(cr);
    roundedRect(cr, b.inset(2), 12);
    cairo_clip(cr);
    cairo_rectangle(cr, b.x + 2, b.y + 2, 6, b.h - 4);
    setColour(cr, style::accent(category));
    cairo_fill(cr);
    cairo_restore(cr);
    keyBadge(cr, 34, 32, 17, key, style::accent(category), {1, 1, 1});
    drawText(cr, title, {57, 10, 166, 42},
             {.size = 15,
              .bold = true,
              .colour = {1, 1, 1},
              .valign = VAlign::Middle,
              .minSize = 10,
              .lineSpacing = 0.9});
    icons::question(cr, 25, 60, 7, style::glow, style::navy);
    drawText(cr, "Pomocník: klikni sem", {36, 52, 186, 16},
             {.size = 11, .colour = style::muted, .valign = VAlign::Middle, .wrap = false});
}

} // namespace assets
