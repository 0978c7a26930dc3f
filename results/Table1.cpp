#include "results/Table1.h"

#include "results/ResultsLog.h"
#include "results/SaveErrors.h"
#include "results/TextFile.h"

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "ui/Application.h"
#include "ui/Painter.h"

#include <utility>

namespace results {

namespace {

constexpr int kLeft[TTabulka1Form::kColumns] = {32, 91, 376, 464, 544};
constexpr int kWidth[TTabulka1Form::kColumns] = {50, 260, 70, 70, 70};
constexpr int kLabelHeight = 20;
// The pupil's row: the light yellow of the lists under dark text.
constexpr ui::Color kOwnRow = 11988223;

} // namespace

std::string vysledokSlovami(int right, int total, const std::string& grade) {
    return std::to_string(right) + " z " + std::to_string(total) + " správne · známka " + grade;
}

std::string vetaKZnamke(const std::string& grade) {
    if (grade == "1") return "Výborne! Len tak ďalej.";
    if (grade == "2") return "Veľmi dobre, chýbal už len kúsok.";
    if (grade == "3") return "Dobre. Ešte trochu precvičovania a bude to lepšie.";
    if (grade == "4") return "Treba ešte precvičovať. Skús to znova.";
    if (grade == "5") return "Tentoraz sa to nepodarilo. Skús to znova, pôjde to lepšie.";
    return {};
}

namespace {} // namespace

TTabulka1Form::TTabulka1Form(ui::Application& app, std::string cestaCD)
    : ui::Form(app), cestaCD_(std::move(cestaCD)) {
    setName("Tabulka1Form");
    setBounds(0, 0, 640, 480);
    setColor(9197857);
    OnPaint = [this](ui::Form&, ui::Painter& p) {
        if (!background_.empty()) p.drawBitmap(background_, 0, 0);
    };
    OnShow = [this](ui::Form&) { FormShow(); };
    // Leaving the table in any way (its back button, a close request) writes the file.
    OnHide = [this](ui::Form&) {
        poBehu_ = false;
        novyRiadok_.reset();
        UlozSoubor();
    };

    for (ui::Label** label : {&LVysledok, &LVeta}) {
        *label = &add<ui::Label>();
        (*label)->setTransparent(true);
        (*label)->setAutoSize(false);
        (*label)->setAlignment(ui::Alignment::Center);
        (*label)->setFontColor(ui::colors::White);
        (*label)->hide();
    }
    LVysledok->setName("LVysledok");
    LVysledok->setBounds(32, 74, 480, 22);
    LVysledok->setFontSize(14);
    LVysledok->setBold(true);
    LVysledok->setFontColor(kOwnRow);
    LVeta->setName("LVeta");
    LVeta->setBounds(32, 97, 480, 18);
    LVeta->setFontSize(10);

    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            TMujLabel& label = add<TMujLabel>();
            label.setName("L" + std::to_string(row + 1) + "_" + std::to_string(column + 1));
            label.setTransparent(true);
            label.setAutoSize(false);
            label.setAlignment(ui::Alignment::Center);
            label.setBounds(kLeft[column], 165 + 30 * row, kWidth[column], kLabelHeight);
            if (column == 0) label.setText(std::to_string(row + 1) + ".");
            grid_[row][column] = &label;
        }

    IZpet = &add<controls::TObrazek>();
    IZpet->setName("IZpet");
    IZpet->setBounds(546, 5, 91, 75);
    IZpet->loadPicture(cd("\\Bitmap\\Games\\mzpet.bmp"));
    IZpet->OnClick = [this](ui::Control&) { IZpetClick(); };
    IZpet->OnMouseEnter = [this](ui::Control&) { IZpetMouseEnter(); };
    IZpet->OnMouseLeave = [this](ui::Control&) { IZpetMouseLeave(); };
}

std::string TTabulka1Form::cd(const char* relative) const {
    return platform::joinPath(cestaCD_, relative);
}

void TTabulka1Form::NactiSoubor() {
    // Results of the table read before that could not be written wait for the next save.
    for (const ResultRecord& record : table_.added())
        pending_.addTableRecord(tablePath_, record);
    table_ = ResultsTable();
    tablePath_.clear();
    try {
        table_.NactiSoubor(Cesta);
        tablePath_ = Cesta;
        checkReplaceable(Cesta);
    } catch (platform::FileError& e) {
        app().messageBoxes().show("Chyba", zpravaOTabulce(e), platform::MessageIcon::Error,
                                  platform::MessageButtons::Ok);
        // The exercise that asked for the table does not open; the pupil may choose another.
        e.setToldAndRefused();
        throw;
    }
}

void TTabulka1Form::ZaznamenejVysledek(const std::string& logPath, const std::string& name,
                                       const std::string& title, const std::string& right,
                                       const std::string& wrong, const std::string& grade) {
    const std::time_t now = app().clock().now();
    VlozNovyZaznam(name, right, wrong, grade); // also marks the pupil's row and says the result
    pending_.addLogRecord(logPath, formatLogRecord(name, title, right, wrong, grade, platform::shortDate(now),
                                                   platform::longTime(now)));
    const auto failures = pending_.flush(tablePath_, &table_);
    toTell_.insert(toTell_.end(), failures.begin(), failures.end());
}

void TTabulka1Form::tell(const std::vector<platform::FileError>& failures) {
    for (const platform::FileError& e : failures) {
        platform::logMessage("Chyba", e.what());
        app().messageBoxes().show("Chyba",
                                  zpravaOZapisu(e) + "\rVýsledok zostáva v programe a zapíše sa pri "
                                                     "ďalšom odchode z tabuľky.",
                                  platform::MessageIcon::Error, platform::MessageButtons::Ok);
    }
}

// The new record's row is the first where the table differs from before; an unchanged table of
// ten did not take it.
void TTabulka1Form::VlozNovyZaznam(const std::string& name, const std::string& right,
                                   const std::string& wrong, const std::string& grade) {
    const std::vector<ResultRecord> before = table_.records();
    table_.VlozNovyZaznam(name, right, wrong, grade);
    const auto& after = table_.records();
    novyRiadok_.reset();
    for (std::size_t i = 0; i < after.size() && i < std::size_t(kRows); ++i) {
        const bool same = i < before.size() && before[i].name == after[i].name &&
                          before[i].right == after[i].right && before[i].wrong == after[i].wrong &&
                          before[i].grade == after[i].grade;
        if (!same) {
            novyRiadok_ = int(i);
            break;
        }
    }
    poBehu_ = true;
    const int r = std::stoi(right), w = std::stoi(wrong);
    LVysledok->setText(vysledokSlovami(r, r + w, grade));
    std::string veta = vetaKZnamke(grade);
    if (!novyRiadok_)
        veta += (veta.empty() ? "" : " ") + std::string("Do najlepšej desiatky to tentoraz nestačilo.");
    LVeta->setText(veta);
}

void TTabulka1Form::UlozSoubor() {
    tell(pending_.flush(tablePath_.empty() ? Cesta : tablePath_, &table_));
}

void TTabulka1Form::NactiPozadi(const std::string& path) {
    background_ = ui::Bitmap::load(path);
    invalidate();
}

void TTabulka1Form::Ukaz() {
    if (visible()) FormShow(); // already shown: OnShow does not run again
    show();
    repaint();
    std::vector<platform::FileError> failures;
    failures.swap(toTell_);
    tell(failures);
}

void TTabulka1Form::UlozPokudZobrazena() {
    const bool withTable = visible() || !table_.added().empty();
    const auto failures = withTable ? pending_.flush(tablePath_, &table_) : pending_.flush();
    for (const platform::FileError& e : failures)
        platform::logMessage("Chyba", zpravaOZapisu(e) + " (" + e.what() + ")");
    if (!failures.empty()) throw failures.front();
}

void TTabulka1Form::FormShow() {
    const auto& records = table_.records();
    for (int row = 0; row < kRows; ++row) {
        const bool filled = std::size_t(row) < records.size();
        const ResultRecord empty;
        const ResultRecord& r = filled ? records[std::size_t(row)] : empty;
        grid_[row][1]->setText(r.name);
        grid_[row][2]->setText(r.right);
        grid_[row][3]->setText(r.wrong);
        grid_[row][4]->setText(r.grade);
        const bool own = poBehu_ && novyRiadok_ == row;
        // The rank keeps its badge; the name and the figures stand on the light yellow.
        for (int column = 1; column < kColumns; ++column) {
            TMujLabel* label = grid_[row][column];
            label->setTransparent(!own);
            label->setColor(kOwnRow);
            label->setBold(own);
        }
    }
    LVysledok->setVisible(poBehu_);
    LVeta->setVisible(poBehu_);
}

void TTabulka1Form::IZpetClick() {
    app().sound().play(cd("\\Sound\\Click.wav"));
    hide();
}

void TTabulka1Form::IZpetMouseEnter() {
    app().sound().play(cd("\\Sound\\Enter.wav"));
    app().setScreenCursor(ui::CursorHand);
    IZpet->loadPicture(cd("\\Bitmap\\Games\\mzpeth.bmp"));
}

void TTabulka1Form::IZpetMouseLeave() {
    app().setScreenCursor(ui::CursorArrow);
    IZpet->loadPicture(cd("\\Bitmap\\Games\\mzpet.bmp"));
}

} // namespace results
