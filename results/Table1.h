#pragma once
// The results table screen: the best ten results of the open exercise, from its results table
// file. One screen for the whole program, created at start-up and only shown and hidden.
//
// What an exercise screen does with it:
//   when created for a run:  Cesta = CestaHD + "\P" + key + ".res"; NactiSoubor();
//   its table button:        NactiPozadi(CestaCD + "\Bitmap\Tab\" + key + ".bmp"); Ukaz();
//   at the end of a run:     ZaznamenejVysledek(logPath, name, title, right, wrong, grade);
//                            NactiPozadi(...); Ukaz();
// The file is written at the end of a run, again when the pupil leaves the table (its back button
// or a close request), and by UlozPokudZobrazena() when the program ends. Every write is a locked
// merge with what other copies of the program wrote meanwhile. A result that cannot be written is
// kept and written at the next of these moments; the pupil is told which file failed and why.
#include "controls/Obrazek.h"
#include "results/PendingResults.h"
#include "results/ResultsTable.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <array>
#include <optional>
#include <string>

namespace results {

// The grid's labels: the toolkit's label, nothing added.
class TMujLabel : public ui::Label {};

// The result of a run in words: "8 z 10 správne · známka 2", and a sentence for grades "1" to "5"
// (empty for any other grade).
std::string vysledokSlovami(int right, int total, const std::string& grade);
std::string vetaKZnamke(const std::string& grade);

class TTabulka1Form : public ui::Form {
public:
    static constexpr int kRows = 10;
    static constexpr int kColumns = 5;

    TTabulka1Form(ui::Application& app, std::string cestaCD);

    // The results table file of the open exercise.
    std::string Cesta;

    // Reads the file named by Cesta and checks that it can be written, so that a run whose result
    // could not be saved is refused before it is played (platform::FileError; the pupil is told
    // the file and the cause).
    void NactiSoubor();
    // Inserts a result at its ranking place. Until the screen is next hidden it marks the pupil's
    // row (when the result made the top ten) and says the result above the table.
    void VlozNovyZaznam(const std::string& name, const std::string& right, const std::string& wrong,
                        const std::string& grade);
    // The end of a run: the result goes into this table and its file first, then into the results
    // log `logPath`; a failure of one does not stop the other. What failed is kept for the next
    // save and reported when the table is shown (Ukaz).
    void ZaznamenejVysledek(const std::string& logPath, const std::string& name, const std::string& title,
                            const std::string& right, const std::string& wrong, const std::string& grade);
    // Saves what is waiting and the table (merged with the file under its lock); failures are
    // shown to the pupil and kept for the next save.
    void UlozSoubor();
    // Loads the background picture (platform::FileError when it cannot be read).
    void NactiPozadi(const std::string& path);
    // Fills the grid, shows the screen on top and paints it at once.
    void Ukaz();
    // The program ends: saves the table when it is on screen and whatever is still waiting. No
    // window may be left to tell the pupil: throws the first failure after writing every one to
    // standard error.
    void UlozPokudZobrazena();

    const ResultsTable& tabulka() const { return table_; }
    const PendingResults& cekajici() const { return pending_; }
    void setLockTimeout(std::chrono::milliseconds timeout) { pending_.lockTimeout = timeout; }
    const TMujLabel& label(int row, int column) const { return *grid_.at(row).at(column); }
    // The row (0-based) of the result of the run just ended; none when it did not make the top ten
    // or the table was opened without a run.
    std::optional<int> riadokVysledku() const { return novyRiadok_; }

    ui::Label* LVysledok = nullptr; // "8 z 10 správne · známka 2"
    ui::Label* LVeta = nullptr;     // a sentence that fits the grade
    controls::TObrazek* IZpet = nullptr;

private:
    void FormShow();
    void IZpetClick();
    void IZpetMouseEnter();
    void IZpetMouseLeave();
    std::string cd(const char* relative) const;

    void tell(const std::vector<platform::FileError>& failures);

    std::string cestaCD_;
    ResultsTable table_;
    std::string tablePath_; // the file table_ was read from
    PendingResults pending_;
    std::vector<platform::FileError> toTell_;
    ui::Bitmap background_;
    std::array<std::array<TMujLabel*, kColumns>, kRows> grid_{};
    std::optional<int> novyRiadok_;
    bool poBehu_ = false; // the screen shows the end of a run
};

} // namespace results
