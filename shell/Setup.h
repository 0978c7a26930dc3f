#pragma once
// The setup screen between the menu and an exercise: the pupil's name, the run length, continue
// into the exercise or print a worksheet of it. Created by the menu for each choice; frees itself
// when closed.
#include "controls/GRAlignEdit.h"
#include "controls/Obrazek.h"
#include "framework/ExerciseContext.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Label.h"

#include <array>
#include <memory>
#include <string>

namespace shell {

class Pozadi;
class ShellExercises;
class TSelectForm;
struct MenuLinks;

class TSetupForm : public ui::Form {
public:
    TSetupForm(ui::Application& app, Pozadi& env, TSelectForm& menu, const MenuLinks& links);
    ~TSetupForm() override;

    // True only while the print button creates an exercise screen.
    bool RezimTisku = false;

    // The pupil's name as typed.
    std::string jmeno() const;

    // Bring the continue and print buttons into the state the inputs allow.
    void TlacitkoPokracuj();
    void TlacitkoTiskni();

    // The run lengths of the five number buttons for an exercise code.
    static std::array<int, 5> hodnoty(int kodHry);

    controls::TObrazek* Pozadi = nullptr;
    controls::TObrazek* IZpet = nullptr;
    controls::TObrazek* LevaSipka = nullptr;
    controls::TObrazek* ITiskni = nullptr;
    controls::TObrazek* IPokracuj = nullptr;
    controls::TObrazek* IBrevion = nullptr;
    std::array<controls::TObrazek*, 5> ICisla{}; // I10, I15, I20, I25, I30
    controls::TGRAlignEdit* EJmeno = nullptr;
    // Shown instead of lit buttons when the exercise chosen in the menu has no screen in this build.
    ui::Label* LNedostupne = nullptr;
    ui::ImageList ILPokracuj{94, 23};
    ui::ImageList ILTiskni{96, 23};
    ui::ImageList ILSipka{88, 100};

protected:
    // Enter continues into the exercise when the continue button is lit.
    bool keyDown(const ui::KeyEvent& e) override;

private:
    void ICisloClick(int index);
    void IPokracujClick();
    void ITiskniClick();
    void IZpetClick();
    void IBrevionClick();
    // Plays the 23 frames of `frames` on `button`, 20 milliseconds apart.
    void animuj(const ui::ImageList& frames, controls::TObrazek& button);
    std::string cisloObrazek(int index, int chosen) const;
    // Whether this build has a screen for the chosen exercise.
    bool maObrazovku() const;
    framework::ExerciseContext exerciseContext() const;

    shell::Pozadi& env_;
    TSelectForm& menu_;
    const MenuLinks& links_;
    // What the exercise screens opened from here are given (ExerciseContext): this screen's
    // choices, the results table and the help; they are closed before this screen.
    std::unique_ptr<ShellExercises> exercises_;
    bool pokracujRozsviceno_ = false;
    bool tiskniRozsviceno_ = false;
};

} // namespace shell
