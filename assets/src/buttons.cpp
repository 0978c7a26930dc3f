// The small pictures: toolbar and tool buttons, choice images, chooser faces, erasers, verdicts,
// speech bubbles, the continue and print buttons with their animations, the half-page cover.
#include "catalogue.h"
#include "icons.h"
#include "parts.h"
#include "style.h"

#include "shell/HintOutlines.h"

#include <cmath>
#include <vector>

namespace assets {

namespace {

using namespace style;

struct Tint {
    Rgb fill, edge;
};
const Tint green{hex(0xDDF5E5), hex(0x2E9E5B)};
const Tint blue{hex(0xDCEBFB), hex(0x2F78C4)};
const Tint violet{hex(0xEEE3FA), hex(0x8A5CC9)};
const Tint orange{hex(0xFFE8CF), hex(0xE07B1F)};
const Tint teal{hex(0xD5F2F4), hex(0x1A97A3)};
const Tint rose{hex(0xFCE1E8), hex(0xC93F6B)};

// A choice image: a light tile on the white sheet with its answer in it.
void choiceTile(cairo_t* cr, int w, int h, const Tint& t, const std::string& markup) {
    fillAll(cr, paper);
    const Box b{1, 1, w - 2.0, h - 2.0};
    fillRounded(cr, b, 8, t.fill);
    strokeRounded(cr, b, 8, t.edge, 2);
    drawMarkup(cr, markup, {4, 2, w - 8.0, h - 4.0},
               {.size = w > 100 ? 15 : 12.5,
                .bold = true,
                .colour = ink,
                .align = Align::Centre,
                .valign = VAlign::Middle,
                .minSize = 9,
                .lineSpacing = 0.82});
}

void chooserFace(cairo_t* cr, int w, int labelLeft, int labelWidth) {
    fillAll(cr, exerciseBlue);
    const Box b{1, 1, w - 2.0, 30};
    shadowRounded(cr, b, 8, 1.5, 0.3);
    fillRounded(cr, b, 8, cream);
    strokeRounded(cr, b, 8, hex(0xE3A935), 2);
    const double arrowX = (labelLeft + labelWidth + w - 2) / 2.0;
    icons::triangleDown(cr, arrowX, 16, 8, navy);
}

void verdict(cairo_t* cr, bool right) {
    fillAll(cr, exerciseBlue);
    fillCircle(cr, 16.5, 17.5, 14, {0, 0, 0}, 0.3);
    fillCircle(cr, 16, 16, 14, {1, 1, 1});
    fillCircle(cr, 16, 16, 12, right ? ok : wrong);
    if (right)
        icons::check(cr, 16, 16.5, 19, {1, 1, 1});
    else
        icons::cross(cr, 16, 16, 19, {1, 1, 1});
}

void rowEraser(cairo_t* cr, int w, int h) {
    fillAll(cr, exerciseBlue);
    icons::eraser(cr, w / 2.0, h / 2.0, std::min(w, 34) - 3.0, -0.5);
}

// The speech bubble of a hint window: its 13 corners, filled light, with a warm outline.
void bubble(cairo_t* cr, const shell::HintOutline& corners) {
    fillAll(cr, exerciseBlue);
    auto path = [&] {
        cairo_new_path(cr);
        for (std::size_t i = 0; i < corners.size(); ++i)
            (i == 0 ? cairo_move_to : cairo_line_to)(cr, corners[i].x, corners[i].y);
        cairo_close_path(cr);
    };
    path();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    setColour(cr, hex(0xFFF6DA));
    cairo_fill(cr);
    // the outline stays inside the window's region, so it is drawn clipped to the shape
    cairo_save(cr);
    path();
    cairo_clip(cr);
    path();
    setColour(cr, hex(0xE3A935));
    cairo_set_line_width(cr, 4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

struct Tool {
    std::string stem, label;
    Rgb colour;
    bool erase;
};

void toolButton(cairo_t* cr, const Tool& t, int state) {
    fillAll(cr, exerciseBlue);
    const Box b{3, 3, 90, 53};
    shadowRounded(cr, b, 12, 2, 0.35);
    if (state == 2) {
        fillRoundedGradient(cr, b, 12, litTop, litBottom);
        strokeRounded(cr, b, 12, t.erase ? hex(0x8C5A9E) : t.colour, 3);
    } else {
        const Rgb top = state == 1 ? lighter(cardHigh, 0.15) : lighter(card, 0.12);
        fillRoundedGradient(cr, b, 12, top, state == 1 ? cardHigh : darker(card, 0.08));
        strokeRounded(cr, b, 12, state == 1 ? glow : lighter(card, 0.35), state == 1 ? 2 : 1);
    }
    const Rgb fg = state == 2 ? navy : Rgb{1, 1, 1};
    drawText(cr, t.label, {8, 6, 80, 20},
             {.size = 13,
              .bold = true,
              .colour = fg,
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .minSize = 10,
              .wrap = false});
    // a white chip shows what the tool does
    const Box chip{16, 28, 64, 21};
    fillRounded(cr, chip, 6, paper);
    if (t.erase) {
        icons::eraser(cr, chip.cx(), chip.cy(), 30, -0.35);
    } else {
        drawText(
            cr, t.stem == "hl" || t.stem == "ve" ? "veta" : "slovo", {chip.x, chip.y - 1, chip.w, 17},
            {.size = 12, .colour = ink, .align = Align::Centre, .valign = VAlign::Middle, .wrap = false});
        cairo_rectangle(cr, chip.x + 12, chip.y + 15, chip.w - 24, 2.5);
        setColour(cr, t.colour);
        cairo_fill(cr);
    }
    if (state == 2) {
        fillCircle(cr, 85, 46, 6.5, ok);
        icons::check(cr, 85, 46.5, 9, {1, 1, 1});
    }
}

void continueStrip(Catalogue& c, const std::string& path, int w, Rgb base, PillKind kind) {
    c.addStrip(path, w, 23, 23, [=](cairo_t* cr, int i) {
        const double t = i / 22.0;
        const double eased = t * t * (3 - 2 * t);
        pillButton(cr, w, base, kind, eased, i == 22 ? -1 : t);
    });
}

} // namespace

void addButtons(Catalogue& c) {
    struct Big {
        std::string path;
        std::string label;
        IconFn icon;
        Rgb base;
    };
    const IconFn checkIcon = [](cairo_t* cr, double x, double y, double s, Rgb col) {
        icons::check(cr, x, y, s * 1.1, col);
    };
    const std::vector<Big> big{
        {"Bitmap/Games/mkont", "Skontroluj", checkIcon, exerciseBlue},
        {"Bitmap/Games/mnove", "Nové", icons::renew, exerciseBlue},
        {"Bitmap/Games/mtab", "Výsledky", icons::trophy, exerciseBlue},
        {"Bitmap/Games/mzpet", "Späť", icons::back, exerciseBlue},
        {"Bitmap/Setup/zpet", "Späť", icons::back, menuBlue},
        {"Bitmap/Select/konec", "Koniec", icons::exitDoor, menuBlue},
    };
    for (const auto& b : big)
        for (bool lit : {false, true})
            c.add(b.path + (lit ? "h.bmp" : ".bmp"), 91, 75,
                  [b, lit](cairo_t* cr) { bigButton(cr, b.base, lit, b.icon, b.label); });

    const std::vector<Tool> tools{
        {"po", "Podmet", subject, false},      {"pr", "Prísudok", predicate, false},
        {"hl", "Hlavná veta", subject, false}, {"ve", "Vedľajšia veta", predicate, false},
        {"sm", "Zmazať", {0, 0, 0}, true},
    };
    for (const auto& t : tools)
        for (int state = 0; state < 3; ++state)
            c.add("Bitmap/Games/ctrl_" + t.stem + std::to_string(state) + ".bmp", 96, 59,
                  [t, state](cairo_t* cr) { toolButton(cr, t, state); });

    struct Choice {
        std::string name, markup;
        Tint tint;
        int width;
    };
    const std::vector<Choice> choices{
        {"02_h", "holý", green, 58},
        {"02_r", "rozvitý", blue, 58},
        {"02_n", "viac-\nnásobný", violet, 58},
        {"04_h", "holý", green, 58},
        {"04_r", "rozvitý", blue, 58},
        {"04_n", "viac-\nnásobný", violet, 58},
        {"04_slov", "slovesný", orange, 58},
        {"04_jmss", "menný", teal, 58},
        {"03_poj", "podst.\nmeno", green, 58},
        {"03_prj", "príd.\nmeno", blue, 58},
        {"03_zaj", "zámeno", violet, 58},
        {"03_cis", "číslovka", orange, 58},
        {"03_slov", "sloveso", teal, 58},
        {"03_cit", "cito-\nslovce", rose, 58},
        {"11b_vvlo", "vložená\nveta", orange, 58},
        {"11b_vsuv", "vsuvka", teal, 58},
        {"13_sou", "priraďo-\nvacie", green, 58},
        {"13_pod", "podraďo-\nvacie", violet, 58},
        {"08_jedno", "jednočlenná", orange, 116},
        {"08_dvoj", "dvojčlenná", teal, 116},
    };
    for (const auto& ch : choices)
        c.add("Bitmap/Games/" + ch.name + ".bmp", ch.width, 32,
              [ch](cairo_t* cr) { choiceTile(cr, ch.width, 32, ch.tint, ch.markup); });

    for (const char* key : {"05", "07", "09", "11"})
        c.add(std::string("Bitmap/Games/") + key + "_cudl.bmp", 116, 32,
              [](cairo_t* cr) { chooserFace(cr, 116, 9, 94); });
    c.add("Bitmap/Games/08b_cudl.bmp", 141, 32, [](cairo_t* cr) { chooserFace(cr, 141, 14, 115); });

    c.add("Bitmap/Games/06b_guma.bmp", 38, 30, [](cairo_t* cr) { rowEraser(cr, 38, 30); });
    c.add("Bitmap/Games/08b_guma.bmp", 27, 30, [](cairo_t* cr) { rowEraser(cr, 27, 30); });
    c.add("Bitmap/Games/14_guma.bmp", 27, 30, [](cairo_t* cr) { rowEraser(cr, 27, 30); });

    c.add("Bitmap/Games/check_ok.bmp", 32, 32, [](cairo_t* cr) { verdict(cr, true); });
    c.add("Bitmap/Games/check_ko.bmp", 32, 32, [](cairo_t* cr) { verdict(cr, false); });

    c.add("Bitmap/Games/hint.bmp", 605, 57, [](cairo_t* cr) { bubble(cr, shell::kHintOutline); });
    c.add("Bitmap/Games/hint_2.bmp", 212, 37, [](cairo_t* cr) { bubble(cr, shell::kHint2Outline); });
    c.add("Bitmap/Games/hint_3.bmp", 605, 37, [](cairo_t* cr) { bubble(cr, shell::kHint3Outline); });

    // The cover over the empty lower half of a last page of five.
    c.add("Bitmap/Games/blue.bmp", 627, 182, [](cairo_t* cr) {
        fillAll(cr, exerciseBlue);
        setColour(cr, {1, 1, 1}, 0.035);
        cairo_set_line_width(cr, 6);
        for (int x = -200; x < 640; x += 18) {
            cairo_move_to(cr, x, 182);
            cairo_line_to(cr, x + 182, 0);
        }
        cairo_stroke(cr);
    });

    // Continue and print: the disabled picture and the 23 frames that bring the button to life.
    for (const char* folder : {"Bitmap/Setup/", "Bitmap/Games/"}) {
        const std::string f = folder;
        c.add(f + "pokrac1.bmp", 94, 23,
              [](cairo_t* cr) { pillButton(cr, 94, exerciseBlue, PillKind::Continue, 0, -1); });
        continueStrip(c, f + "pokrac2.bmp", 94, exerciseBlue, PillKind::Continue);
    }
    c.add("Bitmap/Setup/pokrac3.bmp", 94, 23,
          [](cairo_t* cr) { pillButton(cr, 94, menuBlue, PillKind::Continue, 0, -1); });
    continueStrip(c, "Bitmap/Setup/pokrac4.bmp", 94, menuBlue, PillKind::Continue);
    c.add("Bitmap/Setup/tiskni1.bmp", 96, 23,
          [](cairo_t* cr) { pillButton(cr, 96, menuBlue, PillKind::Print, 0, -1); });
    continueStrip(c, "Bitmap/Setup/tiskni2.bmp", 96, menuBlue, PillKind::Print);
}

} // namespace assets
