#include "shell/ExerciseScreens.h"

#include "results/Table1.h"
#include "shell/Pozadi.h"

namespace shell {

// The run set-up from the setup screen, the results table screen with the results log, and the
// help and setup screens, for the exercise screens.
class ShellExercises final : public framework::RunSetup,
                             public framework::ResultsDesk,
                             public framework::Navigation {
public:
    explicit ShellExercises(Pozadi& env) : env_(env) {}
    Pozadi& env() const { return env_; }

    std::string pupilName() const override { return env_.Jmeno(); }
    int runLength() const override { return env_.PocetPrikladu(); }
    bool printMode() const override { return env_.RezimTisku(); }

    std::string hd(std::string_view relative) const override { return env_.hd(relative); }
    void openTable(const std::string& key) override {
        results::TTabulka1Form& table = env_.Tabulka();
        table.Cesta = env_.hd("\\P" + key + ".res");
        table.NactiSoubor();
    }
    // The table first, then the log; a failure of either is told on the table and does not stop
    // the other (see TTabulka1Form::ZaznamenejVysledek).
    void record(const std::string& pupilName, const std::string& title, int right, int wrong,
                int runLength) override {
        env_.Tabulka().ZaznamenejVysledek(env_.hd("\\Vysledky.dat"), pupilName, title, std::to_string(right),
                                          std::to_string(wrong), env_.ZnamkaZa(right, runLength));
    }
    void showTable(const std::string& key) override {
        results::TTabulka1Form& table = env_.Tabulka();
        table.NactiPozadi(env_.cd("\\Bitmap\\Tab\\" + key + ".bmp"));
        table.Ukaz();
    }

    void showHelp(const std::string& relativePicture) override { env_.ukazNapovedu(relativePicture); }
    void showSetup() override { env_.ukazSetup(); }

private:
    Pozadi& env_;
};

ExerciseScreens::ExerciseScreens() = default;
ExerciseScreens::~ExerciseScreens() = default;

ui::Form* ExerciseScreens::open(int code, Pozadi& env) {
    auto it = factories_.find(code);
    if (it == factories_.end()) return nullptr;
    ShellExercises* services = nullptr;
    for (const auto& s : services_)
        if (&s->env() == &env) services = s.get();
    if (!services) services = services_.emplace_back(std::make_unique<ShellExercises>(env)).get();
    const framework::ExerciseContext context{env.app(), env,       *services,
                                             *services, *services, env.libraries()};
    return &it->second(context);
}

} // namespace shell
