#include "framework/ExerciseScreen.h"

#include "framework/SentenceChecks.h"

#include "framework/PrintSheet.h"

#include <print/TiskAbi.h>

#include "framework/ExerciseContext.h"

#include <ui/Application.h>
#include <ui/Edit.h>
#include <ui/Label.h>

#include <platform/message_box.h>
#include <platform/paths.h>
#include <platform/sound.h>

#include <SDL_keycode.h>

#include <stdexcept>

namespace framework {

namespace {

constexpr ui::Color kScreenColour = 9526306;

// The question before answers that have not been checked are left.
constexpr const char* kLeaveCaption = "Odchod z cvičenia";
constexpr const char* kLeaveQuestion =
    "Odpovede na tejto strane ešte neboli skontrolované.\rNaozaj chcete odísť?";

} // namespace

// ---------------------------------------------------------------- evaluation images

void EvaluationImage::mouseEnter() {
    if (!clickable) return;
    screen_.services().playEnter();
    screen_.services().setCursor(kHandCursor);
    setHint(kEvaluationHint);
    setShowHint(true);
}

void EvaluationImage::mouseLeave() {
    if (clickable) {
        screen_.services().setCursor(kPointerCursor);
        screen_.closeCorrectAnswer();
    }
    setShowHint(false);
}

void EvaluationImage::mouseDown(const ui::MouseEvent& e) {
    if (e.button == ui::MouseButton::Left && clickable) screen_.openCorrectAnswer(*this);
}

void EvaluationImage::mouseUp(const ui::MouseEvent&) {
    if (clickable) screen_.closeCorrectAnswer();
}

void EvaluationImage::dblClick() {
    if (!clickable) return;
    screen_.focusEdit1();
    screen_.closeCorrectAnswer();
}

// ---------------------------------------------------------------- the screen

SentenceTable SentenceSource::read(const std::string& path) const {
    if (format_) return readSentenceFile(format_(), path);
    if (reader_) return reader_().read(path);
    throw std::logic_error("the exercise names no sentence format");
}

SentenceTable ExerciseScreen::NactiSoubor(const std::string& path) {
    return info_.sentences.read(path);
}

ExerciseScreen::ExerciseScreen(ui::Application& app, const ExerciseContext& context, ExerciseInfo info,
                               RandomSource* random)
    : ui::Form(app), context_(context), info_(std::move(info)), random_(random),
      evaluation_(std::size_t(info_.evaluationImages > 0 ? info_.evaluationImages : info_.shape.pageSize),
                  nullptr) {
    if (!random_) {
        ownRandom_ = std::make_unique<ClockSeededRandom>();
        random_ = ownRandom_.get();
    }
    // The print library and entry of the key, unless the exercise names its own.
    for (const tisk::EntryInfo& e : tisk::kEntries)
        if (e.key == info_.key) {
            if (info_.library.empty()) info_.library = e.library;
            if (info_.entry.empty()) info_.entry = e.name;
        }
    setName("MainForm" + info_.key);
    setBounds(0, 0, 640, 480);
    setCentered(true);
    setColor(kScreenColour);
    defaultCloseAction_ = ui::CloseAction::Free;

    IPozadi = &add<controls::TObrazek>();
    IPozadi->setName("IPozadi");
    IPozadi->setBounds(0, 0, 640, 480);
    IPozadi->OnClick = [this](ui::Control&) { backgroundClick(); };
    OnClick = [this](ui::Control&) { backgroundClick(); };

    T = &addButton("T", {6, 6, 225, 67});
    T->OnClick = [this](ui::Control&) { TClick(); };
    T->OnMouseEnter = [this](ui::Control&) {
        services().playEnter();
        services().setCursor(kHelpCursor);
    };
    T->OnMouseLeave = [this](ui::Control&) { services().setCursor(kPointerCursor); };
    T->setHint(kHelpHint);
    T->setShowHint(true);

    IKontr = &addButton("IKontr", {273, 5, 91, 75});
    IKontr->OnClick = [this](ui::Control&) { IKontrClick(); };
    IKontr->OnMouseEnter = [this](ui::Control&) { hover(*IKontr, "mkonth.bmp", IKontr->enabled()); };
    IKontr->OnMouseLeave = [this](ui::Control&) { leave(*IKontr, "mkont.bmp"); };
    IKontr->setHint(kCheckHint);
    IKontr->setShowHint(true);

    INove = &addButton("INove", {364, 5, 91, 75});
    INove->OnClick = [this](ui::Control&) { INoveClick(); };
    INove->OnMouseEnter = [this](ui::Control&) { hover(*INove, "mnoveh.bmp", INove->enabled()); };
    INove->OnMouseLeave = [this](ui::Control&) { leave(*INove, "mnove.bmp"); };

    ITabulka = &addButton("ITabulka", {455, 5, 91, 75});
    ITabulka->OnClick = [this](ui::Control&) { ITabulkaClick(); };
    ITabulka->OnMouseEnter = [this](ui::Control&) { hover(*ITabulka, "mtabh.bmp", ITabulka->enabled()); };
    ITabulka->OnMouseLeave = [this](ui::Control&) { leave(*ITabulka, "mtab.bmp"); };

    IZpet = &addButton("IZpet", {546, 5, 91, 75});
    IZpet->OnClick = [this](ui::Control&) { IZpetClick(); };
    IZpet->OnMouseEnter = [this](ui::Control&) { hover(*IZpet, "mzpeth.bmp", true); };
    IZpet->OnMouseLeave = [this](ui::Control&) { leave(*IZpet, "mzpet.bmp"); };
    IZpet->setHint(kBackHint);
    IZpet->setShowHint(true);

    IPokracuj = &addButton("IPokracuj", {520, 457, 94, 23});
    IPokracuj->OnClick = [this](ui::Control&) { IPokracujClick(); };
    IPokracuj->OnMouseEnter = [this](ui::Control&) {
        if (!IPokracuj->enabled()) return;
        services().playEnter();
        services().setCursor(kHandCursor);
    };
    IPokracuj->OnMouseLeave = [this](ui::Control&) { services().setCursor(kPointerCursor); };
    IPokracuj->setHint(kContinueHint);
    IPokracuj->setShowHint(true);

    PokusnyLabel = &add<ui::Label>();
    PokusnyLabel->setName("PokusnyLabel");
    PokusnyLabel->setBounds(16, 88, 4, 20);
    PokusnyLabel->hide();

    LStrana = &add<ui::Label>();
    LStrana->setName("LStrana");
    LStrana->setAutoSize(false);
    LStrana->setBounds(info_.pageLabel);
    LStrana->setAlignment(ui::Alignment::Right);
    LStrana->setFontSize(10);
    LStrana->setTransparent(true);
    LStrana->setFontColor(ui::colors::White);
    LStrana->setBold(true);
    LStrana->OnClick = [this](ui::Control&) { backgroundClick(); }; // it lies on the background

    if (info_.shape.halfPage) {
        IPanel = &add<controls::TbmpPanel>();
        IPanel->setName("IPanel");
        IPanel->setBevel(ui::Bevel::None);
        IPanel->setColor(kScreenColour);
        IPanel->setBounds(6, info_.panelTop, 627, info_.panelHeight);
        IPanel->hide();
        IPanel->OnClick = [this](ui::Control&) { backgroundClick(); };
    }

    if (info_.hasEdit1) {
        Edit1 = &add<ui::Edit>();
        Edit1->setName("Edit1");
        Edit1->setBounds(32, 88, 121, 0);
        Edit1->setBorder(false);
    }
}

// The correct-answer window closes before the screen can: it is open only while the mouse button
// is held on an evaluation image, which has the mouse captured.
ExerciseScreen::~ExerciseScreen() = default;

controls::TObrazek& ExerciseScreen::addButton(const char* name, const ui::Rect& bounds) {
    controls::TObrazek& button = add<controls::TObrazek>();
    button.setName(name);
    button.setBounds(bounds);
    return button;
}

std::string ExerciseScreen::cd(const std::string& relative) const {
    return context_.screen.cd(relative);
}

std::string ExerciseScreen::hd(const std::string& relative) const {
    return context_.results.hd(relative);
}

void ExerciseScreen::focusEdit1() {
    if (Edit1) Edit1->setFocus();
}

void ExerciseScreen::backgroundClick() {
    closePopups();
    focusEdit1();
}

void ExerciseScreen::hover(controls::TObrazek& button, const char* lit, bool active) {
    if (!active) return;
    services().playEnter();
    services().setCursor(kHandCursor);
    button.loadPicture(cd(std::string("\\Bitmap\\Games\\") + lit));
}

void ExerciseScreen::leave(controls::TObrazek& button, const char* normal) {
    services().setCursor(kPointerCursor);
    button.loadPicture(cd(std::string("\\Bitmap\\Games\\") + normal));
}

EvaluationImage& ExerciseScreen::addEvaluationImage(int r, const ui::Rect& bounds) {
    EvaluationImage& image = add<EvaluationImage>(*this, r);
    image.setName("Hodnoceni" + std::to_string(r));
    image.setBounds(bounds);
    evaluation_.at(std::size_t(r - 1)) = &image;
    return image;
}

void ExerciseScreen::loadOwnPictures() {
    for (const auto& part : parts_)
        part->loadPictures();
}

void ExerciseScreen::Nulovani() {
    for (const auto& part : parts_)
        part->clearAnswers();
}

void ExerciseScreen::layoutRow(int r, const Sentence& s) {
    for (const auto& part : parts_)
        part->layout(r, s);
}

void ExerciseScreen::clearRow(int r) {
    for (const auto& part : parts_)
        part->clear(r);
}

void ExerciseScreen::hideRow(int r) {
    for (const auto& part : parts_)
        part->hide(r);
}

// Every part is judged (and so frozen), also after a wrong one.
bool ExerciseScreen::judgeRow(int r, const Sentence& s) {
    bool right = true;
    for (const auto& part : parts_)
        right = part->judge(r, s) && right;
    return right;
}

void ExerciseScreen::closePopups() {
    for (const auto& part : parts_)
        part->closePopups();
}

bool ExerciseScreen::rowAnswered(int r) const {
    for (const auto& part : parts_)
        if (part->answered(r)) return true;
    return false;
}

bool ExerciseScreen::popupOpen() const {
    for (const auto& part : parts_)
        if (part->popupOpen()) return true;
    return false;
}

void ExerciseScreen::resetTools() {
    for (const auto& part : parts_)
        part->resetTools();
}

void ExerciseScreen::lockTools() {
    for (const auto& part : parts_)
        part->lockTools();
}

bool ExerciseScreen::evaluated() const {
    return IPokracuj->enabled();
}

// ---------------------------------------------------------------- creation

// A creation that stops on an error closes the screen at once; the error goes on to the
// application's error handler (or, in print mode, ended in the print failure message).
void ExerciseScreen::loaded() {
    ui::Form::loaded();
    const bool printing = context_.setup.printMode();
    try {
        if (printing)
            printWorksheet();
        else
            FormCreate();
    } catch (...) {
        close();
        throw;
    }
    if (printing) close();
}

void ExerciseScreen::FormCreate() {
    Inicializace();
    IPozadi->loadPicture(cd("\\Bitmap\\Games\\" + info_.key + "bckg.bmp"));
    IPokracuj->loadPicture(cd(info_.continuePictures + "pokrac1.bmp"));
    IPokracuj->setEnabled(false);
    ILPokracuj.add(ui::Bitmap::load(cd(info_.continuePictures + "pokrac2.bmp")));
    IZpet->loadPicture(cd("\\Bitmap\\Games\\mzpet.bmp"));
    ITabulka->loadPicture(cd("\\Bitmap\\Games\\mtab.bmp"));
    INove->loadPicture(cd("\\Bitmap\\Games\\mnove.bmp"));
    IKontr->loadPicture(cd("\\Bitmap\\Games\\mkont.bmp"));
    loadOwnPictures();
    if (IPanel) IPanel->setBitmap(ui::Bitmap::load(cd("\\Bitmap\\Games\\blue.bmp")));
    pupilName_ = context_.setup.pupilName();

    context_.results.openTable(info_.key);

    const std::string path = hd("\\" + info_.key + ".dat");
    table_ = NactiSoubor(path);
    const int runLength = context_.setup.runLength();
    requireEnoughSentences(table_.count, runLength, path);
    flow_ = std::make_unique<RunFlow>(info_.shape, runLength, table_.count);
    Nulovani();
    flow_->drawAll(*random_);
    VygenerujSestavu();
    // The keys belong to this screen from now on, not to a field of the screen it came from.
    if (Edit1)
        focusEdit1();
    else
        app().setFocus(nullptr);
}

void ExerciseScreen::printWorksheet() {
    printSheet(context_.libraries, app().messageBoxes(), cd(info_.library), info_.entry, [this] {
        const std::string path = hd("\\" + info_.key + ".dat");
        table_ = NactiSoubor(path);
        pupilName_ = context_.setup.pupilName();
        const int runLength = context_.setup.runLength();
        requireEnoughSentences(table_.count, runLength, path);
        flow_ = std::make_unique<RunFlow>(info_.shape, runLength, table_.count);
        flow_->drawAll(*random_);
        PrintData data{printData(), flow_->runLength(), pupilName_, info_.key, info_.title, {}};
        for (int i = 1; i <= flow_->runLength(); ++i)
            data.answers.push_back(keyAnswer(table_.sentence(flow_->draw(i))));
        return data;
    });
}

PrintForm ExerciseScreen::printData() {
    PrintLines print;
    for (int i = 1; i <= flow_->runLength(); ++i)
        print.lines.push_back(wordsPrintLine(table_.sentence(flow_->draw(i)), info_.printedSlots));
    return print;
}

void ExerciseScreen::VygenerujSestavu() {
    LStrana->setText("Strana " + std::to_string(flow_->page()) + " z " + std::to_string(flow_->pages()));
    for (int r = 1; r <= flow_->rowsOnPage(); ++r)
        layoutRow(r, sentenceOfRow(r));
}

void ExerciseScreen::resetRow(int r) {
    clearRow(r);
    EvaluationImage& image = evaluationImage(r);
    image.clearPicture();
    image.show();
    image.clickable = false;
}

// ---------------------------------------------------------------- the toolbar

void ExerciseScreen::INoveClick() {
    if (evaluated()) return;
    closePopups();
    focusEdit1();
    services().playClick();
    resetTools();
    for (int r = 1; r <= flow_->rowsOnPage(); ++r)
        resetRow(r);
    repaint();
    focusEdit1();
    pupilName_ = context_.setup.pupilName();
    Nulovani();
    flow_->drawNew(*random_);
    VygenerujSestavu();
}

void ExerciseScreen::IKontrClick() {
    if (evaluated()) return;
    closePopups();
    focusEdit1();
    services().playClick();
    IKontr->loadPicture(cd("\\Bitmap\\Games\\mkont.bmp"));
    std::vector<bool> verdicts;
    for (int r = 1; r <= flow_->rowsOnPage(); ++r) {
        const bool right = judgeRow(r, sentenceOfRow(r));
        if (EvaluationImage* image = verdictImage(r)) {
            image->loadPicture(cd(right ? "\\Bitmap\\Games\\check_ok.bmp" : "\\Bitmap\\Games\\check_ko.bmp"));
            image->clickable = !right;
        }
        verdicts.push_back(right);
    }
    flow_->check(verdicts);
    focusEdit1();
    IKontr->setEnabled(false);
    ITabulka->setEnabled(false);
    INove->setEnabled(false);
    lockTools();
    services().setCursor(kPointerCursor);
    for (int frame = 0; frame < ILPokracuj.count(); ++frame) {
        ILPokracuj.copyTo(frame, *IPokracuj);
        IPokracuj->repaint();
        services().wait(20);
    }
    IPokracuj->setEnabled(true);
}

void ExerciseScreen::IPokracujClick() {
    if (!evaluated()) return;
    focusEdit1();
    services().playClick();
    IPokracuj->loadPicture(cd(info_.continuePictures + "pokrac1.bmp"));
    IPokracuj->setEnabled(false);
    const NextPage next = flow_->next();
    IKontr->setEnabled(true);
    ITabulka->setEnabled(true);
    INove->setEnabled(true);
    resetTools();
    repaint();
    if (next == NextPage::End) {
        services().setCursor(kPointerCursor);
        if (info_.endOfRunWait > 0) {
            IPokracuj->repaint();
            services().wait(info_.endOfRunWait);
        }
        endOfRun();
        return;
    }
    for (int r = 1; r <= info_.shape.pageSize; ++r) {
        if (r <= flow_->rowsOnPage()) {
            resetRow(r);
        } else {
            hideRow(r);
            evaluationImage(r).hide();
        }
    }
    if (IPanel) IPanel->setVisible(next == NextPage::Half);
    Nulovani();
    VygenerujSestavu();
    focusEdit1();
    services().setCursor(kPointerCursor);
}

void ExerciseScreen::endOfRun() {
    context_.results.record(context_.setup.pupilName(), info_.title, flow_->right(), flow_->wrong(),
                            flow_->runLength());
    context_.results.showTable(info_.key);
    // The run's own chime as its result comes up (through the program's sound switch).
    app().sound().play(cd("\\Sound\\Finish.wav"));
    close();
}

void ExerciseScreen::ITabulkaClick() {
    if (evaluated()) return;
    closePopups();
    focusEdit1();
    services().playClick();
    context_.results.showTable(info_.key);
}

void ExerciseScreen::TClick() {
    closePopups();
    focusEdit1();
    services().playClick();
    context_.navigation.showHelp("\\Bitmap\\Help\\" + info_.key + ".bmp");
}

bool ExerciseScreen::uncheckedAnswers() const {
    if (!flow_ || evaluated()) return false;
    for (int r = 1; r <= flow_->rowsOnPage(); ++r)
        if (rowAnswered(r)) return true;
    return false;
}

void ExerciseScreen::IZpetClick() {
    closePopups();
    focusEdit1();
    services().playClick();
    if (uncheckedAnswers() &&
        app().messageBoxes().show(kLeaveCaption, kLeaveQuestion, platform::MessageIcon::Question,
                                  platform::MessageButtons::YesNo) != platform::MessageResult::Yes)
        return;
    closeCorrectAnswer();
    context_.navigation.showSetup();
    close();
}

// ---------------------------------------------------------------- the keyboard

// Keys do what the buttons do, and only what a button could do at that moment: nothing while the
// correct-answer window is held open.
bool ExerciseScreen::keyDown(const ui::KeyEvent& e) {
    if (answerShown() || !flow_) return false;
    switch (e.key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        if (evaluated())
            IPokracujClick();
        else if (IKontr->enabled())
            IKontrClick();
        return true;
    case SDLK_ESCAPE:
        if (popupOpen())
            closePopups();
        else
            IZpetClick();
        return true;
    case SDLK_F1:
        TClick();
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------- the correct answer

void ExerciseScreen::openCorrectAnswer(EvaluationImage& image) {
    closePopups();
    focusEdit1();
    services().playClick();
    image.setShowHint(false);
    closeCorrectAnswer();
    ui::Form& window = correctAnswerFor(image);
    window.show();
    window.repaint();
    answerWindow_ = &window;
}

ui::Form& ExerciseScreen::correctAnswerFor(const EvaluationImage& image) {
    return createCorrectAnswer(image.row(), sentenceOfRow(image.row()));
}

EvaluationImage* ExerciseScreen::verdictImage(int r) {
    return &evaluationImage(r);
}

void ExerciseScreen::closeCorrectAnswer() {
    if (!answerWindow_) return;
    ui::Form* window = answerWindow_;
    answerWindow_ = nullptr;
    window->close();
    repaint();
}

} // namespace framework
