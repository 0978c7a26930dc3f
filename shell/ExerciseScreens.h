#pragma once
// The exercise screens by exercise code, so that the shell opens them without depending on them.
//
// Convention for an exercise screen library `screenNN` (exercises/NN/CMakeLists.txt):
//   set_property(GLOBAL APPEND PROPERTY BREVION_EXERCISE_SCREENS NN)
// and, in the global namespace,
//   void registerScreenNN(shell::ExerciseScreens& screens) {
//       screens.add(1, [](shell::Pozadi& env) -> ui::Form& {
//           return env.app().create<TMainForm01>(env);
//       });
//   }
// The build generates registerAllScreens(), which calls every registerScreenNN; main() runs it
// once before start-up. The codes are 1 to 14, 62 ("06b"), 82 ("08b") and 112 ("11b").
#include <functional>
#include <map>
#include <utility>

namespace ui {
class Form;
}

namespace shell {

class Pozadi;

class ExerciseScreens {
public:
    // Creates the exercise screen as an application form (hidden; the caller shows it). In print
    // mode (Pozadi::RezimTisku) the screen prints while it is created and closes itself.
    using Factory = std::function<ui::Form&(Pozadi&)>;

    // Registers the screen of `code`; a later registration of the same code replaces it.
    void add(int code, Factory factory) { factories_[code] = std::move(factory); }
    bool has(int code) const { return factories_.count(code) != 0; }
    // Creates the screen of `code`; an unknown code opens nothing and gives nullptr.
    ui::Form* open(int code, Pozadi& env) const {
        auto it = factories_.find(code);
        return it == factories_.end() ? nullptr : &it->second(env);
    }

private:
    std::map<int, Factory> factories_;
};

} // namespace shell
