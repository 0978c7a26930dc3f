#include "Pdf.h"

#include "PageStyle.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace tisk {

namespace {

using namespace page;

// Examples: a column of numbers, then the text, then the room to answer.
constexpr double kNumberWidth = 26;
constexpr double kTextWidth = kContentWidth - kNumberWidth;
constexpr double kExampleSize = 13;
constexpr double kSmallestExampleSize = 5;
constexpr double kExampleGap = 13;
constexpr double kTightExampleGap = 3;   // the least gap, used to keep a sheet on one page
constexpr double kUnderlineSpacing = 12; // extra room between lines, and under the last, to underline
constexpr double kCommaSpacing = 7;      // extra room between lines to write commas
constexpr double kCommaWordGap = 9;      // extra room after each space to write a comma
constexpr const char* kGapBlank = "_______________";

// The room to answer: boxes to tick and lines to write on.
constexpr double kAnswerSize = 10.5;
constexpr double kAnswerLine = 18;
constexpr double kBoxSide = 9;
constexpr double kItemGap = 16;
constexpr double kGroupGap = 34;
constexpr double kBlankLength = 170;
constexpr double kBesideGap = 18;
constexpr double kBesideShare = 0.36; // an answer row this narrow goes beside the example

constexpr Colour kTaskFill = kTint;

void setColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

struct Unref {
    void operator()(void* object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, Unref>;

struct Style {
    double size;
    bool bold = false;
    double width = -1; // wrap at this width; -1: one line
    PangoEllipsizeMode ellipsize = PANGO_ELLIPSIZE_NONE;
};

class Typesetter {
public:
    explicit Typesetter(cairo_t* cr) : cr_(cr), context_(pango_cairo_create_context(cr)) {
        // Unhinted metrics: the PDF is printed at any resolution.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context_.get(), options);
        cairo_font_options_destroy(options);
    }

    LayoutPtr layout(std::string_view text, const Style& style, PangoAttrList* attrs = nullptr) const {
        LayoutPtr layout(pango_layout_new(context_.get()));
        PangoFontDescription* font = pango_font_description_new();
        pango_font_description_set_family(font, kFamily);
        pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
        pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout.get(), font);
        pango_font_description_free(font);
        if (style.width > 0) {
            pango_layout_set_width(layout.get(), pango_units_from_double(style.width));
            pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
            pango_layout_set_ellipsize(layout.get(), style.ellipsize);
        }
        pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
        if (attrs) pango_layout_set_attributes(layout.get(), attrs);
        return layout;
    }

    void draw(PangoLayout* layout, double x, double y, Colour colour) const {
        setColour(cr_, colour);
        cairo_move_to(cr_, x, y);
        pango_cairo_show_layout(cr_, layout);
    }

    cairo_t* cr() const { return cr_; }

private:
    cairo_t* cr_;
    std::unique_ptr<PangoContext, Unref> context_;
};

PangoRectangle extents(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return logical;
}
double widthOf(PangoLayout* layout) {
    return pango_units_to_double(extents(layout).width);
}
double heightOf(PangoLayout* layout) {
    return pango_units_to_double(extents(layout).height);
}
double baselineOf(PangoLayout* layout) {
    return pango_units_to_double(pango_layout_get_baseline(layout));
}

void rule(cairo_t* cr, double y, Colour colour, double width = 0.7) {
    setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, kMargin, y);
    cairo_line_to(cr, kMargin + kContentWidth, y);
    cairo_stroke(cr);
}

// A label followed by a line to write on, drawn at the label's baseline.
void writingLine(cairo_t* cr, double x0, double x1, double baseline) {
    setColour(cr, kGrey);
    cairo_set_line_width(cr, 0.6);
    cairo_move_to(cr, x0, baseline + 1.5);
    cairo_line_to(cr, x1, baseline + 1.5);
    cairo_stroke(cr);
}

// The answer room of one example: the same for every example of a sheet, drawn once per example.
class AnswerRoom {
public:
    AnswerRoom(const Typesetter& ts, const Exercise& exercise) : ts_(ts) {
        for (const auto& group : exercise.boxes) {
            bool first = true;
            for (auto choice : group) {
                items_.push_back({ts.layout(choice, {kAnswerSize}), true, first && !items_.empty()});
                first = false;
            }
        }
        if (!exercise.blank.empty())
            items_.push_back({ts.layout(exercise.blank, {kAnswerSize}), false, !items_.empty()});
        naturalWidth_ = place(1e9);
    }

    bool empty() const { return items_.empty(); }

    // Distance from the top of the room to the baseline of its first row.
    double firstBaseline() const {
        PangoLayout* label = items_.front().label.get();
        return (kAnswerLine - heightOf(label)) / 2 + baselineOf(label);
    }
    double naturalWidth() const { return naturalWidth_; }

    // Lays the items out in rows no wider than `width`; returns the height they take.
    double fit(double width) {
        place(width);
        return empty() ? 0 : items_.back().y + kAnswerLine;
    }

    void draw(double x, double y) const {
        cairo_t* cr = ts_.cr();
        for (const auto& item : items_) {
            const double top = y + item.y + (kAnswerLine - heightOf(item.label.get())) / 2;
            const double baseline = top + baselineOf(item.label.get());
            if (item.box) {
                setColour(cr, kInk);
                cairo_set_line_width(cr, 0.8);
                cairo_rectangle(cr, x + item.x, baseline - kBoxSide + 0.5, kBoxSide, kBoxSide);
                cairo_stroke(cr);
                ts_.draw(item.label.get(), x + item.x + kBoxSide + 5, top, kInk);
            } else {
                ts_.draw(item.label.get(), x + item.x, top, kInk);
                const double lineStart = x + item.x + widthOf(item.label.get()) + 6;
                writingLine(cr, lineStart, lineStart + kBlankLength, baseline);
            }
        }
    }

private:
    struct Item {
        LayoutPtr label;
        bool box;
        bool startsGroup;
        double x = 0, y = 0;
        double width() const {
            const double text = widthOf(label.get());
            return box ? kBoxSide + 5 + text : text + 6 + kBlankLength;
        }
    };

    double place(double maxWidth) {
        double x = 0, y = 0, widest = 0;
        for (auto& item : items_) {
            if (x > 0) x += item.startsGroup ? kGroupGap : kItemGap;
            if (x > 0 && x + item.width() > maxWidth) {
                x = 0;
                y += kAnswerLine;
            }
            item.x = x;
            item.y = y;
            x += item.width();
            widest = std::max(widest, x);
        }
        return widest;
    }

    const Typesetter& ts_;
    std::vector<Item> items_;
    double naturalWidth_ = 0;
};

// The example's text with its attributes: bold words, the gap, room for commas.
LayoutPtr exampleLayout(const Typesetter& ts, const Example& example, Room room, double size, double width) {
    std::string text;
    PangoAttrList* attrs = pango_attr_list_new();
    auto add = [&](PangoAttribute* attr, std::size_t start, std::size_t end) {
        attr->start_index = static_cast<guint>(start);
        attr->end_index = static_cast<guint>(end);
        pango_attr_list_insert(attrs, attr);
    };
    for (const auto& segment : example) {
        const std::size_t start = text.size();
        if (segment.gap) {
            text += kGapBlank;
            text += " (";
            const std::size_t candidates = text.size();
            text += segment.text;
            add(pango_attr_style_new(PANGO_STYLE_ITALIC), candidates, text.size());
            text += ")";
            add(pango_attr_foreground_new(0x2000, 0x5400, 0x9900), start + std::string(kGapBlank).size(),
                text.size());
        } else {
            text += segment.text;
            if (segment.bold) add(pango_attr_weight_new(PANGO_WEIGHT_BOLD), start, text.size());
        }
    }
    if (room == Room::Commas)
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == ' ')
                add(pango_attr_letter_spacing_new(pango_units_from_double(kCommaWordGap)), i, i + 1);
    LayoutPtr layout = ts.layout(text, {size, false, width}, attrs);
    pango_attr_list_unref(attrs);
    if (room == Room::Underline)
        pango_layout_set_spacing(layout.get(), pango_units_from_double(kUnderlineSpacing));
    if (room == Room::Commas) pango_layout_set_spacing(layout.get(), pango_units_from_double(kCommaSpacing));
    return layout;
}

// The line at the top of a first page: the program's name and what kind of page it is; returns
// where the line below it begins.
double topLine(const Typesetter& ts, std::string_view kind, bool draw) {
    auto program = ts.layout(kProgram, {9.5, true});
    auto kindLayout = ts.layout(kind, {9.5});
    if (draw) {
        ts.draw(program.get(), kMargin, kTop, kAccent);
        ts.draw(kindLayout.get(), kMargin + kContentWidth - widthOf(kindLayout.get()), kTop, kGrey);
    }
    return kTop + heightOf(program.get()) + 4;
}

// The footer of every page: what the document is and the page number.
void pageFooter(const Typesetter& ts, std::string_view what, std::size_t page, std::size_t pages) {
    auto left = ts.layout(std::string(kProgram) + " · " + std::string(what), {8.5});
    auto right = ts.layout("Strana " + std::to_string(page) + " z " + std::to_string(pages), {8.5});
    rule(ts.cr(), kFooterTop - 4, kRule, 0.5);
    ts.draw(left.get(), kMargin, kFooterTop, kGrey);
    ts.draw(right.get(), kMargin + kContentWidth - widthOf(right.get()), kFooterTop, kGrey);
}

struct Block {
    LayoutPtr number;
    LayoutPtr text;
    double textHeight; // with the room to underline below the last line
    double height;
};

std::string formatCount(std::size_t n) {
    return std::to_string(n);
}

class SheetWriter {
public:
    SheetWriter(cairo_t* cr, const Sheet& sheet)
        : ts_(cr), sheet_(sheet), room_(ts_, *sheet.exercise),
          beside_(!room_.empty() && room_.naturalWidth() <= kBesideShare * kTextWidth) {
        const double textWidth = beside_ ? kTextWidth - room_.naturalWidth() - kBesideGap : kTextWidth;
        answerHeight_ = room_.fit(beside_ ? room_.naturalWidth() : kTextWidth);
        // An example too long for a whole page is set smaller rather than cut.
        const double pageRoom = kBodyBottom - continuationHeader(false);
        int n = 0;
        for (const auto& example : sheet.examples) {
            ++n;
            double size = kExampleSize;
            Block block = makeBlock(example, n, size, textWidth);
            while (block.height > pageRoom && size > kSmallestExampleSize) {
                size *= 0.85;
                block = makeBlock(example, n, size, textWidth);
            }
            blocks_.push_back(std::move(block));
        }
    }

    void write() {
        const auto pages = paginate();
        for (std::size_t p = 0; p < pages.size(); ++p) {
            if (p == 0)
                firstHeader(true);
            else
                continuationHeader(true);
            for (const auto& [index, y] : pages[p])
                drawBlock(blocks_[index], y);
            footer(p + 1, pages.size());
            cairo_show_page(ts_.cr());
        }
    }

private:
    using Page = std::vector<std::pair<std::size_t, double>>;

    Block makeBlock(const Example& example, int number, double size, double textWidth) const {
        Block block{ts_.layout(formatCount(number) + ".", {kExampleSize, true}),
                    exampleLayout(ts_, example, sheet_.exercise->room, size, textWidth), 0, 0};
        block.textHeight = heightOf(block.text.get());
        if (sheet_.exercise->room == Room::Underline) block.textHeight += kUnderlineSpacing;
        block.height = beside_ ? std::max(block.textHeight, answerHeight_)
                               : block.textHeight + (room_.empty() ? 0 : 4 + answerHeight_);
        return block;
    }

    // Examples go whole onto pages. A sheet that closing up the gaps between its examples keeps on
    // one page is set so, rather than leaving the last example alone on a second page.
    std::vector<Page> paginate() {
        std::vector<Page> pages(1);
        double y = firstHeader(false);
        double gap = kExampleGap;
        if (blocks_.size() > 1) {
            double total = 0;
            for (const auto& block : blocks_)
                total += block.height;
            const double gaps = static_cast<double>(blocks_.size() - 1);
            const double fitting = (kBodyBottom - y - total) / gaps;
            // A hair less than the exact share, so that rounding cannot push the last one over.
            if (fitting < kExampleGap && fitting >= kTightExampleGap) gap = fitting - 0.01;
        }
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            if (y + blocks_[i].height > kBodyBottom && !pages.back().empty()) {
                pages.emplace_back();
                y = continuationHeader(false);
            }
            pages.back().emplace_back(i, y);
            y += blocks_[i].height + gap;
        }
        return pages;
    }

    void drawBlock(const Block& block, double y) const {
        const double textX = kMargin + kNumberWidth;
        ts_.draw(block.number.get(), textX - 7 - widthOf(block.number.get()), y, kAccent);
        ts_.draw(block.text.get(), textX, y, kInk);
        if (room_.empty()) return;
        if (beside_) {
            // On the baseline of the example's first line, with a dotted leader to guide the eye.
            const double baseline = y + baselineOf(block.text.get());
            const double roomX = kMargin + kContentWidth - room_.naturalWidth();
            PangoRectangle firstLine;
            pango_layout_line_get_extents(pango_layout_get_line_readonly(block.text.get(), 0), nullptr,
                                          &firstLine);
            const double leaderStart = textX + pango_units_to_double(firstLine.x + firstLine.width) + 8;
            if (leaderStart < roomX - 16) {
                cairo_t* cr = ts_.cr();
                const double dash[] = {0.8, 3.2};
                setColour(cr, kRule);
                cairo_set_line_width(cr, 0.8);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_set_dash(cr, dash, 2, 0);
                cairo_move_to(cr, leaderStart, baseline);
                cairo_line_to(cr, roomX - 8, baseline);
                cairo_stroke(cr);
                cairo_set_dash(cr, nullptr, 0, 0);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            }
            room_.draw(roomX, baseline - room_.firstBaseline());
        } else {
            room_.draw(textX, y + block.textHeight + 4);
        }
    }

    // The first page's header; returns where the examples begin. Draws only when `draw` is set.
    double firstHeader(bool draw) const {
        const Exercise& exercise = *sheet_.exercise;
        double y = topLine(ts_, "Pracovný list", draw);

        auto title = ts_.layout(exercise.title, {20, true, kContentWidth});
        if (draw) ts_.draw(title.get(), kMargin, y, kInk);
        y += heightOf(title.get()) + 10;

        // The pupil's name on the left; date and score on the right.
        constexpr double kLeftWidth = kContentWidth * 0.6;
        auto nameLabel = ts_.layout("Meno:", {11.5, true});
        const double nameX = kMargin + widthOf(nameLabel.get()) + 6;
        auto name = ts_.layout(sheet_.pupil, {11.5, false, kMargin + kLeftWidth - nameX});
        auto date = ts_.layout("Dátum: " + sheet_.date, {11.5});
        auto score = ts_.layout("Správne: ______ z " + formatCount(sheet_.examples.size()), {11.5});
        if (draw) {
            ts_.draw(nameLabel.get(), kMargin, y, kInk);
            if (sheet_.pupil.empty())
                writingLine(ts_.cr(), nameX, kMargin + kLeftWidth, y + baselineOf(nameLabel.get()));
            else
                ts_.draw(name.get(), nameX, y, kInk);
            const double right = kMargin + kContentWidth;
            ts_.draw(date.get(), right - widthOf(date.get()), y, kInk);
            ts_.draw(score.get(), right - widthOf(score.get()), y + heightOf(date.get()) + 5, kInk);
        }
        y += std::max(heightOf(name.get()), heightOf(date.get()) * 2 + 5) + 12;

        // The task, in a tinted band.
        constexpr double kPad = 8;
        PangoAttrList* attrs = pango_attr_list_new();
        const std::string lead = "Úloha: ";
        PangoAttribute* bold = pango_attr_weight_new(PANGO_WEIGHT_BOLD);
        bold->start_index = 0;
        bold->end_index = static_cast<guint>(lead.size());
        pango_attr_list_insert(attrs, bold);
        auto task =
            ts_.layout(lead + std::string(exercise.task), {12, false, kContentWidth - 2 * kPad}, attrs);
        pango_attr_list_unref(attrs);
        const double bandHeight = heightOf(task.get()) + 2 * kPad;
        if (draw) {
            setColour(ts_.cr(), kTaskFill);
            cairo_rectangle(ts_.cr(), kMargin, y, kContentWidth, bandHeight);
            cairo_fill(ts_.cr());
            setColour(ts_.cr(), kAccent);
            cairo_rectangle(ts_.cr(), kMargin, y, 3, bandHeight);
            cairo_fill(ts_.cr());
            ts_.draw(task.get(), kMargin + kPad + 2, y + kPad, kInk);
        }
        return y + bandHeight + 18;
    }

    double continuationHeader(bool draw) const {
        std::string text(sheet_.exercise->title);
        if (!sheet_.pupil.empty()) text += " · " + sheet_.pupil;
        auto line = ts_.layout(text, {9.5, false, kContentWidth, PANGO_ELLIPSIZE_END});
        pango_layout_set_height(line.get(), 0); // one line: a long name is ellipsized here
        const double y = kTop + heightOf(line.get()) + 4;
        if (draw) {
            ts_.draw(line.get(), kMargin, kTop, kGrey);
            rule(ts_.cr(), y, kRule);
        }
        return y + 16;
    }

    void footer(std::size_t page, std::size_t pages) const {
        pageFooter(ts_, sheet_.exercise->title, page, pages);
    }

    Typesetter ts_;
    const Sheet& sheet_;
    AnswerRoom room_;
    bool beside_;
    double answerHeight_ = 0;
    std::vector<Block> blocks_;
};

// The answer key: a header naming the exercise, the date and the sheet, then per example its
// question in grey and the answer below it in bold. Examples are never split across pages.
class KeyWriter {
public:
    KeyWriter(cairo_t* cr, const AnswerKey& key) : ts_(cr), key_(key) {}

    void write() {
        struct Entry {
            LayoutPtr number, question, answer;
            double height;
        };
        std::vector<Entry> entries;
        int n = 0;
        for (const auto& line : key_.lines) {
            Entry e{ts_.layout(formatCount(++n) + ".", {kExampleSize, true}),
                    ts_.layout(line.question, {10.5, false, kTextWidth}),
                    ts_.layout(line.answer, {kExampleSize, true, kTextWidth}), 0};
            e.height = heightOf(e.question.get()) + 3 + heightOf(e.answer.get());
            entries.push_back(std::move(e));
        }
        std::vector<std::vector<std::pair<const Entry*, double>>> pages(1);
        double y = header(false);
        for (const auto& e : entries) {
            if (y + e.height > kBodyBottom && !pages.back().empty()) {
                pages.emplace_back();
                y = kTop + 16;
            }
            pages.back().emplace_back(&e, y);
            y += e.height + 9;
        }
        const double textX = kMargin + kNumberWidth;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            if (p == 0) header(true);
            for (const auto& [e, top] : pages[p]) {
                ts_.draw(e->number.get(), textX - 7 - widthOf(e->number.get()), top, kAccent);
                ts_.draw(e->question.get(), textX, top, kGrey);
                ts_.draw(e->answer.get(), textX, top + heightOf(e->question.get()) + 3, kInk);
            }
            pageFooter(ts_, kKeyTitle, p + 1, pages.size());
            cairo_show_page(ts_.cr());
        }
    }

private:
    double header(bool draw) const {
        double y = topLine(ts_, "Pre učiteľa", draw);
        auto title = ts_.layout(kKeyTitle, {20, true, kContentWidth});
        if (draw) ts_.draw(title.get(), kMargin, y, kInk);
        y += heightOf(title.get()) + 6;
        const std::string name = key_.title.empty() ? std::string(key_.exercise->title) : key_.title;
        std::string lines =
            "Cvičenie: " + name + "\nDátum: " + key_.date + "\nPracovný list: " + key_.sheetFile;
        if (!key_.pupil.empty()) lines += "\nMeno: " + key_.pupil;
        auto about = ts_.layout(lines, {11, false, kContentWidth});
        if (draw) ts_.draw(about.get(), kMargin, y, kInk);
        y += heightOf(about.get()) + 8;
        if (draw) rule(ts_.cr(), y, kRule);
        return y + 16;
    }

    Typesetter ts_;
    const AnswerKey& key_;
};

cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length) {
    return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length
               ? CAIRO_STATUS_SUCCESS
               : CAIRO_STATUS_WRITE_ERROR;
}

void check(cairo_status_t status) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("cannot write the worksheet: ") +
                                 cairo_status_to_string(status));
}

// A PDF of A4 pages titled `title`, drawn by `draw`.
template <class Draw> void writeDocument(std::FILE* out, const std::string& title, Draw draw) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_pdf_surface_create_for_stream(writeToFile, out, kPageWidth, kPageHeight),
        cairo_surface_destroy);
    check(cairo_surface_status(surface.get()));
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, kProgram);
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
        draw(cr.get());
        check(cairo_status(cr.get()));
    }
    cairo_surface_finish(surface.get());
    check(cairo_surface_status(surface.get()));
}

} // namespace

void writePdf(const Sheet& sheet, std::FILE* out) {
    writeDocument(out, std::string(sheet.exercise->title) + (sheet.pupil.empty() ? "" : " – " + sheet.pupil),
                  [&](cairo_t* cr) { SheetWriter(cr, sheet).write(); });
}

void writeKeyPdf(const AnswerKey& key, std::FILE* out) {
    writeDocument(out, std::string(kKeyTitle) + " – " + std::string(key.exercise->title),
                  [&](cairo_t* cr) { KeyWriter(cr, key).write(); });
}

} // namespace tisk
