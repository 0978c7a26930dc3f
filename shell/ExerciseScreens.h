#pragma once
// The exercise screens by exercise code, so that the shell opens them without depending on them.
//
// Convention for an exercise screen library `screenNN` (exercises/NN/CMakeLists.txt):
//   set_property(GLOBAL APPEND PROPERTY BREVION_EXERCISE_SCREENS NN)
// and, in the global namespace,
//   void registerScreenNN(shell::ExerciseScreens& screens) {
//       screens.add(1, [](const framework::ExerciseContext& context) -> ui::Form& {
//           return context.app.create<TMainForm01>(context);
//       });
//   }
// The build generates registerAllScreens(), which calls every registerScreenNN; main() runs it
// once before start-up. The codes are 1 to 14, 62 ("06b"), 82 ("08b") and 112 ("11b").
#include "framework/ExerciseContext.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace ui {
class Form;
}

namespace shell {

class Pozadi;
class TSelectForm;
class TSetupForm;
struct MenuLinks;

class ExerciseScreens {
public:
    // Creates the exercise screen as an application form (hidden; the caller shows it). In print
    // mode (RunSetup::printMode) the screen prints while it is created and closes itself.
    using Factory = std::function<ui::Form&(const framework::ExerciseContext&)>;

    ExerciseScreens();
    ~ExerciseScreens();
    ExerciseScreens(const ExerciseScreens&) = delete;
    ExerciseScreens& operator=(const ExerciseScreens&) = delete;

    // Registers the screen of `code`; a later registration of the same code replaces it.
    void add(int code, Factory factory) { factories_[code] = std::move(factory); }
    bool has(int code) const { return factories_.count(code) != 0; }
    // Creates the screen of `code` with `context`; an unknown code opens nothing and gives nullptr.
    ui::Form* open(int code, const framework::ExerciseContext& context) const;

private:
    std::map<int, Factory> factories_;
};

// The run set-up from the setup screen, the results table screen with the results log, and the
// help and setup screens, for the exercise screens the setup screen opens.
class ShellExercises final : public framework::RunSetup,
                             public framework::ResultsDesk,
                             public framework::Navigation {
public:
    ShellExercises(Pozadi& env, TSelectForm& menu, TSetupForm& setup, const MenuLinks& links)
        : env_(env), menu_(menu), setup_(setup), links_(links) {}

    std::string pupilName() const override;
    int runLength() const override;
    bool printMode() const override;

    std::string hd(std::string_view relative) const override;
    void openTable(const std::string& key) override;
    // The table first, then the log; a failure of either is told on the table and does not stop
    // the other (see TTabulka1Form::ZaznamenejVysledek).
    void record(const std::string& pupilName, const std::string& title, int right, int wrong,
                int runLength) override;
    void showTable(const std::string& key) override;

    void showHelp(const std::string& relativePicture) override;
    void showSetup() override;

private:
    Pozadi& env_;
    TSelectForm& menu_;
    TSetupForm& setup_;
    const MenuLinks& links_;
};

} // namespace shell
