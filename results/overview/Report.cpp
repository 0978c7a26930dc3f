#include "Report.h"

#include "PageStyle.h"

#include <platform/errors.h>

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace overview {

namespace {

using namespace tisk::page;

constexpr const char* kReportName = "Prehľad výsledkov";
constexpr Colour kBand = kTint;

// Bars from the best grade (green) to the worst (red).
Colour gradeColour(std::size_t slot, std::size_t count) {
    const double t = count > 1 ? static_cast<double>(slot) / static_cast<double>(count - 1) : 0;
    return {0.20 + 0.65 * t, 0.62 - 0.35 * t, 0.32 - 0.1 * t};
}

struct Unref {
    void operator()(void* object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, Unref>;

// Column stops of the runs table, in points from the left margin; numbers are right-aligned.
struct Column {
    const char* heading;
    double stop;
    bool right;
};
constexpr Column kRunColumns[] = {{"č.", 18, true},         {"Dátum", 26, false},    {"Čas", 92, false},
                                  {"Cvičenie", 126, false}, {"Príklady", 362, true}, {"Správne", 405, true},
                                  {"Zle", 436, true},       {"Známka", 478, true}};
// A title the program does not know is cut to this many characters to stay in its column.
constexpr std::size_t kTitleColumnChars = 42;

std::string cut(const std::string& text, std::size_t characters) {
    const glong length = g_utf8_strlen(text.c_str(), -1);
    if (length <= static_cast<glong>(characters)) return text;
    const char* end = g_utf8_offset_to_pointer(text.c_str(), static_cast<glong>(characters) - 1);
    return std::string(text.c_str(), end) + "…";
}
constexpr double kRowSize = 9;

class Writer {
public:
    Writer(cairo_t* cr, const Overview& overview, const ReportInfo& info)
        : cr_(cr), context_(pango_cairo_create_context(cr)), o_(overview), info_(info) {
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context_.get(), options);
        cairo_font_options_destroy(options);
        tabs_ = pango_tab_array_new(static_cast<gint>(std::size(kRunColumns)), FALSE);
        for (std::size_t i = 0; i < std::size(kRunColumns); ++i)
            pango_tab_array_set_tab(tabs_, static_cast<gint>(i),
                                    kRunColumns[i].right ? PANGO_TAB_RIGHT : PANGO_TAB_LEFT,
                                    pango_units_from_double(kRunColumns[i].stop));
        rowHeight_ = height(rowsLayout("0").get());
    }
    ~Writer() { pango_tab_array_free(tabs_); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void write() {
        startPage();
        classPart();
        for (const auto& pupil : o_.pupils)
            pupilPart(pupil);
        endPage();
    }

private:
    LayoutPtr layout(std::string_view text, double size, bool bold = false, double width = -1) const {
        LayoutPtr layout(pango_layout_new(context_.get()));
        PangoFontDescription* font = pango_font_description_new();
        pango_font_description_set_family(font, kFamily);
        pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
        pango_font_description_set_weight(font, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout.get(), font);
        pango_font_description_free(font);
        if (width > 0) {
            pango_layout_set_width(layout.get(), pango_units_from_double(width));
            pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
        }
        pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
        return layout;
    }

    // Lines of the runs table (tab-separated cells) as one layout: a page of rows costs one layout.
    LayoutPtr rowsLayout(std::string_view text, bool bold = false) const {
        LayoutPtr rows = layout(text, kRowSize, bold);
        pango_layout_set_tabs(rows.get(), tabs_);
        return rows;
    }

    PangoLayout* titleLayout(const std::string& title) {
        auto& cached = titles_[title];
        if (!cached) cached = layout(cut(title, kTitleColumnChars), kRowSize);
        return cached.get();
    }

    static double width(PangoLayout* l) {
        PangoRectangle r;
        pango_layout_get_extents(l, nullptr, &r);
        return pango_units_to_double(r.width);
    }
    static double height(PangoLayout* l) {
        PangoRectangle r;
        pango_layout_get_extents(l, nullptr, &r);
        return pango_units_to_double(r.height);
    }

    void colour(Colour c) const { cairo_set_source_rgb(cr_, c.r, c.g, c.b); }

    void draw(PangoLayout* l, double x, double y, Colour c) const {
        colour(c);
        cairo_move_to(cr_, x, y);
        pango_cairo_show_layout(cr_, l);
    }

    void rule(double y, Colour c, double lineWidth = 0.6) const {
        colour(c);
        cairo_set_line_width(cr_, lineWidth);
        cairo_move_to(cr_, kMargin, y);
        cairo_line_to(cr_, kMargin + kContentWidth, y);
        cairo_stroke(cr_);
    }

    void startPage() {
        ++page_;
        auto program = layout(kProgram, 9.5, true);
        auto kind = layout(kReportName, 9.5);
        draw(program.get(), kMargin, kTop, kAccent);
        draw(kind.get(), kMargin + kContentWidth - width(kind.get()), kTop, kGrey);
        y_ = kTop + height(program.get()) + 4;
        rule(y_, kRule);
        y_ += 12;
    }

    void endPage() {
        auto left = layout(std::string(kProgram) + " · " + kReportName + " · " + info_.created, 8.5);
        auto right = layout("Strana " + std::to_string(page_), 8.5);
        rule(kFooterTop - 4, kRule, 0.5);
        draw(left.get(), kMargin, kFooterTop, kGrey);
        draw(right.get(), kMargin + kContentWidth - width(right.get()), kFooterTop, kGrey);
        cairo_show_page(cr_);
    }

    // Starts a new page unless `needed` points still fit on this one.
    void room(double needed) {
        if (y_ + needed <= kBodyBottom) return;
        endPage();
        startPage();
    }

    void heading(std::string_view text, double size) {
        auto l = layout(text, size, true, kContentWidth);
        room(height(l.get()) + 40);
        draw(l.get(), kMargin, y_, kInk);
        y_ += height(l.get()) + 6;
    }

    void paragraph(std::string_view text, double size, Colour c = kInk) {
        auto l = layout(text, size, false, kContentWidth);
        room(height(l.get()));
        draw(l.get(), kMargin, y_, c);
        y_ += height(l.get()) + 4;
    }

    void classPart() {
        heading("Prehľad výsledkov triedy", 20);
        paragraph("Vytvorené " + info_.created + " z údajov v priečinku " + info_.source, 9.5, kGrey);
        std::string summary =
            "Behov: " + std::to_string(o_.runs.size()) + " · Žiakov: " + std::to_string(o_.pupils.size()) +
            " · Poškodené záznamy denníka (vynechané): " + std::to_string(o_.damagedLogRecords);
        if (o_.damagedTableLines > 0)
            summary += " · Poškodené riadky tabuliek (vynechané): " + std::to_string(o_.damagedTableLines);
        paragraph(summary, 11);
        y_ += 8;

        heading("Cvičenia", 14);
        constexpr double kTitleWidth = 190, kRunsX = 200, kAverageX = 250, kChartX = 310;
        auto headings = layout("Cvičenie", 9, true);
        auto runs = layout("Behy", 9, true);
        auto average = layout("Priemer", 9, true);
        auto chart = layout("Rozdelenie známok", 9, true);
        room(height(headings.get()) + 4);
        draw(headings.get(), kMargin, y_, kGrey);
        draw(runs.get(), kMargin + kRunsX, y_, kGrey);
        draw(average.get(), kMargin + kAverageX, y_, kGrey);
        draw(chart.get(), kMargin + kChartX, y_, kGrey);
        y_ += height(headings.get()) + 3;
        rule(y_, kRule);
        y_ += 5;
        for (const auto& e : o_.exercises)
            exerciseRow(e, kTitleWidth, kRunsX, kAverageX, kChartX);
    }

    void exerciseRow(const ExerciseFigures& e, double titleWidth, double runsX, double averageX,
                     double chartX) {
        constexpr double kChartHeight = 30, kLabel = 9;
        std::string titleText = e.key.empty() ? e.title + " (neznáme cvičenie)" : e.key + "  " + e.title;
        auto title = layout(titleText, 10, true, titleWidth);
        std::string best;
        if (!e.table.entries.empty()) {
            const TableEntry& top = e.table.entries.front();
            best = "Najlepší v tabuľke: " + top.pupil + " (" + std::to_string(top.right) + " z " +
                   std::to_string(top.right + top.wrong) +
                   (top.grade ? ", " + std::to_string(*top.grade) : "") + ")";
        }
        auto bestLayout = layout(best, 8, false, titleWidth);
        const double textHeight = height(title.get()) + (best.empty() ? 0 : height(bestLayout.get()) + 2);
        const double rowHeight = std::max(textHeight, kChartHeight + 2 * kLabel) + 8;
        room(rowHeight);
        draw(title.get(), kMargin, y_, kInk);
        if (!best.empty()) draw(bestLayout.get(), kMargin, y_ + height(title.get()) + 2, kGrey);
        auto runs = layout(std::to_string(e.runs), 11);
        draw(runs.get(), kMargin + runsX, y_, kInk);
        const auto avg = e.averageGrade();
        auto average = layout(avg ? formatAverage(*avg) : "–", 11, true);
        draw(average.get(), kMargin + averageX, y_, kInk);

        // One bar per grade, its count above it and the grade below.
        const std::size_t n = o_.grades.size();
        const double slot =
            std::min(26.0, (kContentWidth - chartX - 40) / static_cast<double>(std::max<std::size_t>(n, 1)));
        const int most = std::max(1, *std::max_element(e.distribution.begin(), e.distribution.end()));
        const double baseline = y_ + kLabel + kChartHeight;
        for (std::size_t i = 0; i < n; ++i) {
            const double x = kMargin + chartX + static_cast<double>(i) * slot;
            const double h = kChartHeight * e.distribution[i] / most;
            colour(gradeColour(i, n));
            cairo_rectangle(cr_, x + 3, baseline - h, slot - 6, h);
            cairo_fill(cr_);
            auto count = layout(std::to_string(e.distribution[i]), 7);
            draw(count.get(), x + (slot - width(count.get())) / 2, baseline - h - height(count.get()), kGrey);
            auto grade = layout(std::to_string(o_.grades[i]), 8, true);
            draw(grade.get(), x + (slot - width(grade.get())) / 2, baseline + 1, kInk);
        }
        colour(kRule);
        cairo_set_line_width(cr_, 0.5);
        cairo_move_to(cr_, kMargin + chartX, baseline);
        cairo_line_to(cr_, kMargin + chartX + slot * static_cast<double>(n), baseline);
        cairo_stroke(cr_);
        if (e.ungraded > 0) {
            auto none = layout("bez známky: " + std::to_string(e.ungraded), 7.5);
            draw(none.get(), kMargin + chartX + slot * static_cast<double>(n) + 6,
                 baseline - height(none.get()), kGrey);
        }
        y_ += rowHeight;
        rule(y_ - 4, kBand, 0.5);
    }

    void pupilPart(const PupilFigures& pupil) {
        constexpr double kChartHeight = 70;
        const std::string name = pupil.name.empty() ? "(bez mena)" : pupil.name;
        // A pupil begins on a fresh page when the heading, the chart and a few rows do not fit.
        room(30 + kChartHeight + 40 + 6 * rowHeight_);
        y_ += 6;
        rule(y_, kAccent, 1.2);
        y_ += 6;
        heading(name, 15);
        int graded = 0;
        double sum = 0;
        for (std::size_t r : pupil.runs)
            if (const auto& g = o_.runs[r].grade) {
                ++graded;
                sum += *g;
            }
        paragraph("Behov: " + std::to_string(pupil.runs.size()) +
                      (graded ? " · Priemerná známka: " + formatAverage(sum / graded) : ""),
                  10);
        gradeChart(pupil, kChartHeight);
        std::string untried = "Ešte neskúšané cvičenia: ";
        for (std::size_t i = 0; i < pupil.untried.size(); ++i)
            untried += (i ? ", " : "") + pupil.untried[i];
        if (pupil.untried.empty()) untried += "žiadne, skúšal(a) všetky";
        paragraph(untried, 9.5);
        y_ += 4;
        runsTable(pupil, name);
        y_ += 6;
    }

    // The grade of each run, in order, on a scale with the best grade at the top.
    void gradeChart(const PupilFigures& pupil, double chartHeight) {
        constexpr double kAxis = 18;
        room(chartHeight + 12);
        const double left = kMargin + kAxis, right = kMargin + kContentWidth, top = y_ + 4;
        const double bottom = top + chartHeight;
        const std::size_t n = o_.grades.size();
        auto yOf = [&](int grade) {
            const auto slot = std::lower_bound(o_.grades.begin(), o_.grades.end(), grade) - o_.grades.begin();
            return n > 1 ? top + chartHeight * static_cast<double>(slot) / static_cast<double>(n - 1) : top;
        };
        cairo_set_line_width(cr_, 0.4);
        for (std::size_t i = 0; i < n; ++i) {
            const double y = yOf(o_.grades[i]);
            colour(kRule);
            cairo_move_to(cr_, left, y);
            cairo_line_to(cr_, right, y);
            cairo_stroke(cr_);
            auto label = layout(std::to_string(o_.grades[i]), 7.5);
            draw(label.get(), kMargin + kAxis - 6 - width(label.get()), y - height(label.get()) / 2, kGrey);
        }
        const std::size_t count = pupil.runs.size();
        auto xOf = [&](std::size_t i) {
            return count > 1
                       ? left + 6 +
                             (right - left - 12) * static_cast<double>(i) / static_cast<double>(count - 1)
                       : (left + right) / 2;
        };
        colour(kAccent);
        cairo_set_line_width(cr_, 1.1);
        bool drawing = false;
        for (std::size_t i = 0; i < count; ++i) {
            const auto& grade = o_.runs[pupil.runs[i]].grade;
            if (!grade) continue;
            if (drawing)
                cairo_line_to(cr_, xOf(i), yOf(*grade));
            else
                cairo_move_to(cr_, xOf(i), yOf(*grade));
            drawing = true;
        }
        cairo_stroke(cr_);
        const double dot = count > 60 ? 1.2 : 2.4;
        for (std::size_t i = 0; i < count; ++i) {
            const auto& grade = o_.runs[pupil.runs[i]].grade;
            if (!grade) continue;
            cairo_new_sub_path(cr_);
            cairo_arc(cr_, xOf(i), yOf(*grade), dot, 0, 2 * M_PI);
        }
        cairo_fill(cr_); // one fill for all the dots: every fill is an operation the PDF surface analyses
        y_ = bottom + 10;
    }

    void runsTable(const PupilFigures& pupil, const std::string& name) {
        std::string headings;
        for (const auto& column : kRunColumns)
            headings += std::string("\t") + column.heading;
        auto head = rowsLayout(headings, true);
        std::size_t next = 0;
        while (next < pupil.runs.size()) {
            room(height(head.get()) + 6 + 3 * rowHeight_);
            draw(head.get(), kMargin, y_, kGrey);
            y_ += height(head.get()) + 2;
            rule(y_, kRule, 0.5);
            y_ += 3;
            const auto fit =
                static_cast<std::size_t>(std::max(1.0, std::floor((kBodyBottom - y_) / rowHeight_)));
            const std::size_t end = std::min(pupil.runs.size(), next + fit);
            // A few rows per layout: one row per layout costs more to set up, and pango finds the
            // tab stops of a long layout in time that grows with its length.
            constexpr std::size_t kRowsPerLayout = 8;
            for (std::size_t from = next; from < end; from += kRowsPerLayout) {
                const std::size_t to = std::min(end, from + kRowsPerLayout);
                std::string rows;
                for (std::size_t i = from; i < to; ++i) {
                    const Run& run = o_.runs[pupil.runs[i]];
                    if (i > from) rows += '\n';
                    rows += '\t' + std::to_string(i + 1) + ".\t" + run.date + '\t' + run.time + "\t\t" +
                            std::to_string(run.examples) + '\t' + std::to_string(run.right) + '\t' +
                            std::to_string(run.wrong) + '\t' + (run.grade ? std::to_string(*run.grade) : "–");
                }
                auto body = rowsLayout(rows);
                draw(body.get(), kMargin, y_, kInk);
                // The titles repeat: each is shaped once and drawn in its row.
                const double line = height(body.get()) / static_cast<double>(to - from);
                for (std::size_t i = from; i < to; ++i)
                    draw(titleLayout(o_.runs[pupil.runs[i]].title), kMargin + kRunColumns[3].stop,
                         y_ + line * static_cast<double>(i - from), kInk);
                y_ += height(body.get());
            }
            next = end;
            if (next < pupil.runs.size()) {
                endPage();
                startPage();
                auto continued = layout(name + " (pokračovanie)", 10, true);
                draw(continued.get(), kMargin, y_, kInk);
                y_ += height(continued.get()) + 4;
            }
        }
    }

    cairo_t* cr_;
    std::unique_ptr<PangoContext, Unref> context_;
    const Overview& o_;
    const ReportInfo& info_;
    PangoTabArray* tabs_ = nullptr;
    std::map<std::string, LayoutPtr> titles_;
    double rowHeight_ = 0;
    double y_ = 0;
    int page_ = 0;
};

struct Output {
    std::FILE* file;
    bool failed = false;
};

cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<Output*>(closure);
    if (std::fwrite(data, 1, length, out->file) == length) return CAIRO_STATUS_SUCCESS;
    out->failed = true;
    return CAIRO_STATUS_WRITE_ERROR;
}

} // namespace

void writeReport(const Overview& overview, const ReportInfo& info, const std::string& path) {
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) throw platform::FileError(path, "Cannot create the report");
    Output out{file.get()};
    {
        std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
            cairo_pdf_surface_create_for_stream(writeToFile, &out, kPageWidth, kPageHeight),
            cairo_surface_destroy);
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, kReportName);
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, kProgram);
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
        Writer(cr.get(), overview, info).write();
        const cairo_status_t status = cairo_status(cr.get());
        cr.reset();
        cairo_surface_finish(surface.get());
        if (status != CAIRO_STATUS_SUCCESS || cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
            throw platform::FileError(
                path, std::string("Cannot write the report: ") +
                          cairo_status_to_string(
                              status != CAIRO_STATUS_SUCCESS ? status : cairo_surface_status(surface.get())));
    }
    if (out.failed || std::fflush(file.get()) != 0)
        throw platform::FileError(path, "Cannot write the report");
}

} // namespace overview
