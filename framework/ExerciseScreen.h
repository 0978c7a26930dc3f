#pragma once
// The skeleton every exercise screen stands on: the toolbar (T, IKontr, INove, ITabulka, IZpet),
// the continue button with its animation, IPanel over the lower half of a last page of five, the
// evaluation images with the correct-answer window, the run of pages (RunFlow) and the hand-off
// of the result at the end; in print mode, the worksheet.
//
// An exercise derives from it and, in Inicializace(), adds the parts its rows are made of
// (addPart) and its evaluation images; the row hooks below go to the parts, in the order they were
// added, so most exercises override none of them. Everything else happens here. The screen is created hidden
// by Application::create; its creation (FormCreate, or the worksheet in print mode) runs in loaded(), once
// the exercise's own constructor has finished.
#include "framework/ExerciseContext.h"
#include "framework/PrintSheet.h"
#include "framework/Random.h"
#include "framework/RowPart.h"
#include "framework/RunFlow.h"
#include "framework/SentenceFile.h"
#include "framework/Tooltips.h"

#include <controls/Obrazek.h>
#include <controls/bmpPanel.h>
#include <ui/Form.h>
#include <ui/Image.h>
#include <ui/ImageList.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Edit;
class Label;
} // namespace ui

namespace shell {
class ExerciseScreens; // where an exercise registers its screen (registerScreenNN)
} // namespace shell

namespace framework {

class SentenceReader;

// Where a screen's sentence file format comes from: the exercise's own format() or its configured
// reader() (SentenceChecks.h).
class SentenceSource {
public:
    SentenceSource() = default;
    SentenceSource(const SentenceFormat& (*format)()) : format_(format) {}
    SentenceSource(const SentenceReader& (*reader)()) : reader_(reader) {}
    // Reads the stored sentence file at `path` (platform::FileError).
    SentenceTable read(const std::string& path) const;

private:
    const SentenceFormat& (*format_)() = nullptr;
    const SentenceReader& (*reader_)() = nullptr;
};

// What names an exercise and shapes its run.
struct ExerciseInfo {
    std::string key;            // "01": names the files and pictures
    std::string title;          // passed to the results log
    std::string library{};      // the print library, relative to the CD root; by default the key's
    std::string entry{};        // the print library's entry; by default the key's
    SentenceSource sentences{}; // the format of data/sentences/<key>.txt
    PageShape shape{};          // pages of the run; the screen has shape.pageSize rows
    int printedSlots = 14;      // the standard entry's line of an example holds the words of these slots
    bool hasEdit1 = false;      // a zero-height field that takes the keyboard focus after every click
    int panelTop = 254;         // IPanel (only with a half page): 6, panelTop, 627, panelHeight
    int panelHeight = 166;
    std::string continuePictures = "\\Bitmap\\Setup\\"; // the folder of pokrac1.bmp and pokrac2.bmp
    // "Strana 2 z 3", right-aligned: beside the continue button, clear of the hint line.
    ui::Rect pageLabel{430, 461, 84, 16};
    // Verdict pictures of the screen (addEvaluationImage 1 to this); 0: one per row.
    int evaluationImages = 0;
    // Milliseconds the last continue waits, its button back to normal, before the results table.
    int endOfRunWait = 0;
};

class ExerciseScreen;

// The verdict picture at the end of a row (TMujImage). A wrong row's image opens the correct
// answer while the mouse button is held on it.
class EvaluationImage : public ui::Image {
public:
    EvaluationImage(ExerciseScreen& screen, int row) : screen_(screen) { setTag(row); }
    int row() const { return tag(); }
    bool clickable = false;

protected:
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseDown(const ui::MouseEvent& e) override;
    void mouseUp(const ui::MouseEvent& e) override;
    void dblClick() override;

private:
    ExerciseScreen& screen_;
};

class ExerciseScreen : public ui::Form {
public:
    static constexpr int kMaxRows = 10;
    static constexpr const char* kEvaluationHint = framework::kEvaluationHint;

    // `random` is borrowed (tests inject a known one); without it the clock seeds every draw.
    ExerciseScreen(ui::Application& app, const ExerciseContext& context, ExerciseInfo info,
                   RandomSource* random = nullptr);
    ~ExerciseScreen() override;

    controls::TObrazek* IPozadi = nullptr;
    controls::TObrazek* T = nullptr;
    controls::TObrazek* IKontr = nullptr;
    controls::TObrazek* INove = nullptr;
    controls::TObrazek* ITabulka = nullptr;
    controls::TObrazek* IZpet = nullptr;
    controls::TObrazek* IPokracuj = nullptr;
    ui::Label* PokusnyLabel = nullptr;
    ui::Label* LStrana = nullptr;          // "Strana 2 z 3": the page of the run on screen
    controls::TbmpPanel* IPanel = nullptr; // only with a half page
    ui::Edit* Edit1 = nullptr;             // only with ExerciseInfo::hasEdit1
    ui::ImageList ILPokracuj{94, 23};

    // Creation: FormCreate, or the worksheet in print mode (Application::create calls it).
    void loaded() override;

    void INoveClick();
    void IKontrClick();
    void IPokracujClick();
    void ITabulkaClick();
    void TClick();
    void IZpetClick();
    // Some row of the page carries an answer that has not been checked.
    bool uncheckedAnswers() const;

    const ExerciseInfo& info() const { return info_; }
    const RunFlow& flow() const { return *flow_; }
    const SentenceTable& table() const { return table_; }
    // The sentence of row r (1-based) of the current page.
    const Sentence& sentenceOfRow(int r) const { return table_.sentence(flow_->sentenceOfRow(r)); }
    // The page has been checked (IPokracuj is enabled): answers are frozen.
    bool evaluated() const;
    // True while the correct-answer window is open.
    bool answerShown() const { return answerWindow_ != nullptr; }
    EvaluationImage& evaluationImage(int r) const { return *evaluation_.at(std::size_t(r - 1)); }
    // The pupil's name at creation (the print sheet's name).
    const std::string& pupilName() const { return pupilName_; }

protected:
    // Pictures, sounds and the cursor, for the row controls.
    const ScreenServices& services() const { return context_.screen; }
    // The generator of the draws, for the exercise's own random choices.
    RandomSource& random() const { return *random_; }
    std::string cd(const std::string& relative) const;
    std::string hd(const std::string& relative) const;
    // Gives the keyboard focus to Edit1 on the screens that have it.
    void focusEdit1();
    // A click on the background, on IPanel or on the bare form.
    void backgroundClick();
    // Row r's verdict picture, for Inicializace.
    EvaluationImage& addEvaluationImage(int r, const ui::Rect& bounds);
    // A part of every row, owned by the screen, for Inicializace.
    template <class Part, class... Args> Part& addPart(Args&&... args) {
        auto part = std::make_unique<Part>(std::forward<Args>(args)...);
        Part& added = *part;
        parts_.push_back(std::move(part));
        return added;
    }

    // --- What each exercise fills in.
    // Creates the row controls (called first at creation).
    virtual void Inicializace() = 0;
    // The exercise's own pictures and tools (creation step 5); by default the parts'.
    virtual void loadOwnPictures();
    // Reads the exercise's sentence file; by default in the format ExerciseInfo::sentences names.
    virtual SentenceTable NactiSoubor(const std::string& path);
    // Clears the answer state of all rows; by default the parts'.
    virtual void Nulovani();
    // The row hooks; by default each goes to every part (see RowPart).
    // Lays the sentence out in row r and fills the row's answer keys.
    virtual void layoutRow(int r, const Sentence& s);
    // Empties row r for a new example: words cleared and hidden, marks removed, answer controls
    // visible, editable and empty.
    virtual void clearRow(int r);
    // Hides row r under IPanel (rows 6 to 10 of a last page of five).
    virtual void hideRow(int r);
    // Freezes row r's answers and judges it as a whole example: right when every part is right.
    virtual bool judgeRow(int r, const Sentence& s);
    // Closes what the exercise has open over the page (a pop-up list) before a toolbar click, a
    // press on an evaluation image, new examples and the check, and on a click on the background,
    // on IPanel or on the bare form.
    virtual void closePopups();
    // Whether the pupil has answered something in row r; by default any part says so.
    virtual bool rowAnswered(int r) const;
    // Whether a pop-up list is open over the page; by default any part's.
    virtual bool popupOpen() const;
    // Tools back to normal (Tag 0, normal picture) and the current tool none; locked after a check.
    virtual void resetTools();
    virtual void lockTools();
    // Opens row r's correct-answer window (hidden; the screen shows and closes it).
    virtual ui::Form& createCorrectAnswer(int r, const Sentence& s) = 0;
    // The correct-answer window that a press on `image` opens; by default that of the image's row.
    virtual ui::Form& correctAnswerFor(const EvaluationImage& image);
    // The verdict picture of row r's example after the check: by default the row's own; nullptr
    // when the example has none (it shows no verdict, but still counts).
    virtual EvaluationImage* verdictImage(int r);
    // The print data of the drawn run. By default one line per example (words of slots 1 to
    // ExerciseInfo::printedSlots).
    virtual PrintForm printData();
    // The correct answer of an example as the worksheet's answer key gives it to the teacher.
    virtual std::string keyAnswer(const Sentence& s) const = 0;

    // Enter checks the page, or continues once it is checked; Escape closes an open list, else goes
    // back; F1 opens the help.
    bool keyDown(const ui::KeyEvent& e) override;

private:
    friend class EvaluationImage;
    void FormCreate();
    void printWorksheet();
    void VygenerujSestavu();
    void resetRow(int r);
    void endOfRun();
    void openCorrectAnswer(EvaluationImage& image);
    void closeCorrectAnswer();
    controls::TObrazek& addButton(const char* name, const ui::Rect& bounds);
    void hover(controls::TObrazek& button, const char* lit, bool active);
    void leave(controls::TObrazek& button, const char* normal);

    ExerciseContext context_;
    ExerciseInfo info_;
    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource* random_;
    SentenceTable table_;
    std::unique_ptr<RunFlow> flow_;
    std::string pupilName_;
    std::vector<EvaluationImage*> evaluation_;
    std::vector<std::unique_ptr<RowPart>> parts_;
    ui::Form* answerWindow_ = nullptr;
};

} // namespace framework
