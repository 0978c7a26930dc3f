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
#include <memory>
#include <utility>
#include <vector>

namespace ui {
class Form;
}

namespace shell {

class Pozadi;
class ShellExercises;

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
    // Creates the screen of `code` with the shell's services over `env`; an unknown code opens
    // nothing and gives nullptr.
    ui::Form* open(int code, Pozadi& env);

private:
    std::map<int, Factory> factories_;
    // The services given to the screens, one set per environment; they outlive every screen.
    std::vector<std::unique_ptr<ShellExercises>> services_;
};

} // namespace shell
