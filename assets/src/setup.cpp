// The setup screen: one background per exercise with the name field and the dial of numbers,
// the number buttons (resting and chosen), and the pointer that shows the chosen number.
#include "catalogue.h"
#include "exercises.h"
#include "icons.h"
#include "parts.h"
#include "style.h"

#include <cmath>

namespace assets {

namespace {

using namespace style;

struct NumberButton {
    int x, y, w, h;
};
// I10, I15, I20, I25, I30 in the order of the arrow frames.
const NumberButton numberButtons[5] = {
    {133, 253, 35, 29}, {204, 293, 43, 29}, {203, 370, 43, 29}, {128, 409, 43, 29}, {52, 370, 43, 29}};
const int normalValues[5] = {10, 15, 20, 25, 30};
const int cardValues[5] = {9, 18, 27, 36, 45}; // exercise 06
const double dialX = 145, dialY = 343;         // the centre of the pointer picture at 101, 293

std::string twoDigits(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

// Everything of the left panel that lies under the number buttons and the pointer.
void dialScene(cairo_t* cr) {
    const Box panel{18, 160, 256, 290};
    fillRounded(cr, panel, 16, navy, 0.5);
    drawText(cr, "Koľko príkladov?", {panel.x, 170, panel.w, 26},
             {.size = 18,
              .bold = true,
              .colour = {1, 1, 1},
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
    drawText(cr, "Klikni na číslo.", {panel.x, 195, panel.w, 20},
             {.size = 13, .colour = muted, .align = Align::Centre, .valign = VAlign::Middle, .wrap = false});
    // the track on which the numbers sit
    cairo_new_sub_path(cr);
    cairo_arc(cr, dialX + 2, dialY, 84, 0, 2 * pi);
    setColour(cr, muted, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    fillCircle(cr, dialX, dialY, 52, card);
    cairo_new_sub_path(cr);
    cairo_arc(cr, dialX, dialY, 52, 0, 2 * pi);
    setColour(cr, lighter(card, 0.3));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // small marks towards each number
    for (const auto& b : numberButtons) {
        const double a = std::atan2(b.y + b.h / 2.0 - dialY, b.x + b.w / 2.0 - dialX);
        cairo_move_to(cr, dialX + 40 * std::cos(a), dialY + 40 * std::sin(a));
        cairo_line_to(cr, dialX + 48 * std::cos(a), dialY + 48 * std::sin(a));
    }
    setColour(cr, muted);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void hub(cairo_t* cr) {
    fillCircle(cr, dialX, dialY, 10, cream);
    fillCircle(cr, dialX, dialY, 4.5, navy);
}

void numberFace(cairo_t* cr, const NumberButton& b, int value, bool chosen) {
    const Box face{b.x + 1.5, b.y + 1.5, b.w - 3.0, b.h - 3.0};
    shadowRounded(cr, face, 9, 1.5, 0.3);
    if (chosen) {
        fillRoundedGradient(cr, face, 9, litTop, litBottom);
        strokeRounded(cr, face, 9, {1, 1, 1}, 2);
    } else {
        fillRoundedGradient(cr, face, 9, lighter(cardHigh, 0.08), card);
        strokeRounded(cr, face, 9, lighter(card, 0.4), 1);
    }
    drawText(cr, std::to_string(value), face,
             {.size = 17,
              .bold = true,
              .colour = chosen ? navy : Rgb{1, 1, 1},
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
}

void pointer(cairo_t* cr, int frame) {
    const auto& b = numberButtons[frame];
    const double a = std::atan2(b.y + b.h / 2.0 - dialY, b.x + b.w / 2.0 - dialX);
    cairo_save(cr);
    cairo_translate(cr, dialX, dialY);
    cairo_rotate(cr, a);
    cairo_move_to(cr, 43, 0);
    cairo_line_to(cr, 6, -11);
    cairo_line_to(cr, -10, 0);
    cairo_line_to(cr, 6, 11);
    cairo_close_path(cr);
    setColour(cr, glow);
    cairo_fill_preserve(cr);
    setColour(cr, darker(glow, 0.45));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    hub(cr);
}

void step(cairo_t* cr, double y, int n, const std::string& text) {
    keyBadge(cr, 318, y + 12, 12, std::to_string(n), glow, navy);
    drawText(cr, text, {340, y, 270, 40},
             {.size = 15, .colour = {1, 1, 1}, .valign = VAlign::Top, .minSize = 11});
}

void setupBackground(cairo_t* cr, const Exercise& e) {
    fillAll(cr, menuBlue);
    programBanner(cr, {16, 8, 521, 65}, "Ako na to? Klikni na tento nápis.");

    // which exercise this is
    const Box head{16, 86, 608, 62};
    shadowRounded(cr, head, 14, 2, 0.3);
    fillRoundedGradient(cr, head, 14, lighter(card, 0.1), darker(card, 0.05));
    cairo_save(cr);
    roundedRect(cr, head, 14);
    cairo_clip(cr);
    cairo_rectangle(cr, head.x, head.y, 8, head.h);
    setColour(cr, accent(e.category));
    cairo_fill(cr);
    cairo_restore(cr);
    keyBadge(cr, 58, head.cy(), 22, e.key, accent(e.category), {1, 1, 1});
    drawText(cr, "Cvičenie " + e.key + " · " + categories()[e.category - 1].name, {92, 91, 520, 18},
             {.size = 13, .colour = muted, .valign = VAlign::Middle, .wrap = false});
    drawText(cr, e.title, {92, 108, 520, 34},
             {.size = 24,
              .bold = true,
              .colour = {1, 1, 1},
              .valign = VAlign::Middle,
              .minSize = 14,
              .wrap = false});

    dialScene(cr);
    hub(cr);
    const int* values = e.key == "06" ? cardValues : normalValues;
    for (int i = 0; i < 5; ++i)
        numberFace(cr, numberButtons[i], values[i], false);

    const Box right{290, 160, 334, 290};
    fillRounded(cr, right, 16, navy, 0.5);
    step(cr, 176, 1, "Napíš svoje meno.");
    step(cr, 212, 2,
         e.key == "06" ? "Vyber, koľko kartičiek chceš triediť." : "Vyber, koľko príkladov chceš riešiť.");
    step(cr, 248, 3, "Klikni na Pokračuj. Pracovný list si môžeš aj vytlačiť.");
    drawText(cr, "Meno:", {300, 333, 96, 20},
             {.size = 16,
              .bold = true,
              .colour = {1, 1, 1},
              .align = Align::Right,
              .valign = VAlign::Middle,
              .wrap = false});
    const Box field{402, 328, 205, 30};
    fillRounded(cr, field, 7, paper);
    strokeRounded(cr, field, 7, glow, 2.5);
    drawText(cr, "Tvoje meno sa zapíše do tabuľky výsledkov.", {300, 370, 314, 40},
             {.size = 13, .colour = muted, .align = Align::Centre, .valign = VAlign::Top});

    drawText(cr, "Vytlač si pracovný list", {150, 457, 200, 23},
             {.size = 12, .colour = muted, .valign = VAlign::Middle, .wrap = false});
    drawText(cr, "Poďme na to!", {300, 457, 192, 23},
             {.size = 12, .colour = muted, .align = Align::Right, .valign = VAlign::Middle, .wrap = false});
}

// A picture that is a window onto the setup scene at (x, y), so it blends into the background.
void sceneCrop(cairo_t* cr, int x, int y, const std::function<void(cairo_t*)>& top) {
    cairo_translate(cr, -x, -y);
    fillAll(cr, menuBlue);
    dialScene(cr);
    top(cr);
}

} // namespace

void addSetup(Catalogue& c) {
    for (const auto& e : exercises())
        c.add("Bitmap/Setup/bckg" + e.key + ".bmp", 640, 480, [&e](cairo_t* cr) { setupBackground(cr, e); });
    for (const int* values : {normalValues, cardValues})
        for (int i = 0; i < 5; ++i)
            for (int chosen = 0; chosen < 2; ++chosen) {
                const NumberButton b = numberButtons[i];
                const int v = values[i];
                c.add("Bitmap/Setup/" + twoDigits(v) + "_" + std::to_string(chosen) + ".bmp", b.w, b.h,
                      [b, v, chosen](cairo_t* cr) {
                          sceneCrop(cr, b.x, b.y, [&](cairo_t* cc) { numberFace(cc, b, v, chosen != 0); });
                      });
            }
    for (int i = 0; i < 5; ++i)
        c.add("Bitmap/Setup/sipka_" + std::to_string(normalValues[i]) + ".bmp", 88, 100,
              [i](cairo_t* cr) { sceneCrop(cr, 101, 293, [i](cairo_t* cc) { pointer(cc, i); }); });
}

} // namespace assets
