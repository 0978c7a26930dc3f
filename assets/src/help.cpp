// Help pictures drawn from the Slovak help texts in assets/help, and the intro picture.
//
// Help text format, one line at a time:
//   "# Title"        the title in the header band (first line)
//   "## Heading"     a section heading
//   "- text"         a bullet
//   "> text"         an example, on a light yellow band
//   other text       a paragraph; an empty line separates paragraphs
// Inline: **bold**, [r]red underline[/r] (subject, main clause), [b]blue underline[/b] (predicate,
// subordinate clause), [g]green[/g] for a highlighted word.
#include "catalogue.h"
#include "exercises.h"
#include "icons.h"
#include "parts.h"
#include "style.h"

#include <platform/errors.h>

#include <fstream>
#include <vector>

namespace assets {

namespace {

using namespace style;

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (std::size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size())
        s.replace(pos, from.size(), to);
    return s;
}

std::string inlineMarkup(const std::string& text) {
    std::string s = escapeMarkup(text);
    s = replaceAll(s, "[r]", "<span foreground='#D40000' underline='single' weight='bold'>");
    s = replaceAll(s, "[b]", "<span foreground='#0000D0' underline='single' weight='bold'>");
    s = replaceAll(s, "[g]", "<span foreground='#1E8A4C' weight='bold'>");
    for (const char* close : {"[/r]", "[/b]", "[/g]"})
        s = replaceAll(s, close, "</span>");
    bool open = false;
    for (std::size_t pos = 0; (pos = s.find("**", pos)) != std::string::npos;) {
        s.replace(pos, 2, open ? "</b>" : "<b>");
        open = !open;
    }
    if (open) throw platform::ConversionError("unbalanced ** in help text: " + text);
    return s;
}

enum class BlockKind { Heading, Bullet, Example, Paragraph };

struct Block {
    BlockKind kind;
    std::string markup;
};

struct HelpText {
    std::string title;
    std::vector<Block> blocks;
};

HelpText parseHelp(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw platform::FileError(file.string(), "cannot read help text");
    HelpText h;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.rfind("# ", 0) == 0)
            h.title = line.substr(2);
        else if (line.rfind("## ", 0) == 0)
            h.blocks.push_back({BlockKind::Heading, inlineMarkup(line.substr(3))});
        else if (line.rfind("- ", 0) == 0)
            h.blocks.push_back({BlockKind::Bullet, inlineMarkup(line.substr(2))});
        else if (line.rfind("> ", 0) == 0)
            h.blocks.push_back({BlockKind::Example, inlineMarkup(line.substr(2))});
        else
            h.blocks.push_back({BlockKind::Paragraph, inlineMarkup(line)});
    }
    if (h.title.empty()) throw platform::FileError(file.string(), "help text has no title line");
    return h;
}

// Lays the blocks out in `box` at text size `size`; draws them unless `measureOnly`. Returns the height.
double layoutBlocks(cairo_t* cr, const std::vector<Block>& blocks, Box box, double size, bool measureOnly) {
    double y = box.y;
    const TextStyle body{.size = size, .colour = ink, .minSize = size, .lineSpacing = 1.0};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        switch (b.kind) {
        case BlockKind::Heading: {
            if (i > 0) y += size * 0.55;
            TextStyle st = body;
            st.size = size * 1.15;
            st.minSize = st.size;
            st.bold = true;
            st.colour = hex(0x1F5C94);
            const double h = measureMarkup(cr, b.markup, box.w, st);
            if (!measureOnly) drawMarkup(cr, b.markup, {box.x, y, box.w, h + 1}, st);
            y += h + size * 0.15;
            break;
        }
        case BlockKind::Bullet: {
            const double indent = size * 1.2;
            const double h = measureMarkup(cr, b.markup, box.w - indent, body);
            if (!measureOnly) {
                fillCircle(cr, box.x + size * 0.4, y + size * 0.62, size * 0.2, hex(0xE08A1E));
                drawMarkup(cr, b.markup, {box.x + indent, y, box.w - indent, h + 1}, body);
            }
            y += h + size * 0.2;
            break;
        }
        case BlockKind::Example: {
            const double pad = size * 0.5;
            const double h = measureMarkup(cr, b.markup, box.w - 2 * pad, body);
            if (!measureOnly) {
                fillRounded(cr, {box.x, y + 1, box.w, h + pad}, 7, hex(0xFFF1C2));
                drawMarkup(cr, b.markup, {box.x + pad, y + 1 + pad / 2, box.w - 2 * pad, h + 1}, body);
            }
            y += h + pad + size * 0.3;
            break;
        }
        case BlockKind::Paragraph: {
            const double h = measureMarkup(cr, b.markup, box.w, body);
            if (!measureOnly) drawMarkup(cr, b.markup, {box.x, y, box.w, h + 1}, body);
            y += h + size * 0.3;
            break;
        }
        }
    }
    return y - box.y;
}

void helpPicture(cairo_t* cr, const HelpText& h, const std::string& badge, Rgb accentColour) {
    fillAll(cr, exerciseBlue);
    const Box card{16, 14, 608, 452};
    shadowRounded(cr, card, 16, 3, 0.35);
    fillRounded(cr, card, 16, paper);
    cairo_save(cr);
    roundedRect(cr, card, 16);
    cairo_clip(cr);
    cairo_rectangle(cr, card.x, card.y, card.w, 62);
    setColour(cr, accentColour);
    cairo_fill(cr);
    cairo_restore(cr);
    double titleX = 36;
    if (!badge.empty()) {
        keyBadge(cr, 58, 45, 21, badge, {1, 1, 1}, darker(accentColour, 0.25));
        titleX = 92;
    }
    drawText(cr, h.title, {titleX, 18, card.right() - titleX - 14, 54},
             {.size = 24, .bold = true, .colour = {1, 1, 1}, .valign = VAlign::Middle, .minSize = 14});
    const Box body{36, 88, 568, 340};
    double size = 17;
    while (size > 11 && layoutBlocks(cr, h.blocks, body, size, true) > body.h)
        size -= 0.5;
    layoutBlocks(cr, h.blocks, body, size, false);
    cairo_move_to(cr, 36, 434.5);
    cairo_line_to(cr, 604, 434.5);
    setColour(cr, rule);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawText(cr, "Klikni kamkoľvek a pomocník sa zavrie.", {36, 438, 568, 24},
             {.size = 13,
              .colour = hex(0x6B7E92),
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
}

void introPicture(cairo_t* cr) {
    fillAll(cr, menuBlue);
    // five coloured dots, one per category, as a playful frame
    for (int i = 0; i < 5; ++i)
        fillCircle(cr, 240 + i * 40, 66, 9, accent(i + 1));
    programBanner(cr, {130, 92, 400, 70}, "Precvičujeme vetný rozbor");

    // a sentence on a sheet: subject underlined red, predicate blue, a comma to be placed
    const Box sheet{90, 200, 460, 150};
    shadowRounded(cr, sheet, 16, 3, 0.35);
    fillRounded(cr, sheet, 16, paper);
    drawMarkup(
        cr,
        "<span foreground='#1D2733'>Malý <span underline='single' underline_color='#FF0000'>Peter</span> "
        "<span underline='single' underline_color='#0000FF'>kreslí</span> obrázok.</span>",
        {110, 218, 420, 40}, {.size = 26, .align = Align::Centre, .valign = VAlign::Middle, .wrap = false});
    drawMarkup(cr,
               "<span foreground='#1D2733'>Keď prídeš<span foreground='#E0453A' weight='bold'>,</span> "
               "pôjdeme von.</span>",
               {110, 266, 420, 40},
               {.size = 26, .align = Align::Centre, .valign = VAlign::Middle, .wrap = false});
    fillCircle(cr, 520, 328, 14, ok);
    icons::check(cr, 520, 328.5, 18, {1, 1, 1});
    icons::pencil(cr, 120, 322, 40, navy);

    drawText(cr, "Klikni myšou a môžeš začať.", {0, 380, 640, 30},
             {.size = 19,
              .bold = true,
              .colour = glow,
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
    drawText(cr, "Tím Brevion", {0, 440, 640, 24},
             {.size = 14, .colour = muted, .align = Align::Centre, .valign = VAlign::Middle, .wrap = false});
}

} // namespace

void addHelp(Catalogue& c, const std::filesystem::path& helpDir) {
    for (const auto& e : exercises()) {
        const auto text = parseHelp(helpDir / (e.key + ".txt"));
        c.add("Bitmap/Help/" + e.key + ".bmp", 640, 480,
              [text, &e](cairo_t* cr) { helpPicture(cr, text, e.key, darker(accent(e.category), 0.05)); });
    }
    for (const char* name : {"setup", "setup06", "autori"}) {
        const auto text = parseHelp(helpDir / (std::string(name) + ".txt"));
        c.add(std::string("Bitmap/Help/") + name + ".bmp", 640, 480,
              [text](cairo_t* cr) { helpPicture(cr, text, "", card); });
    }
}

void addIntro(Catalogue& c) {
    c.add("Bitmap/Intro/bckgrnd.bmp", 640, 480, introPicture);
}

} // namespace assets
