// Every text the program draws in a box of fixed size fits that box, measured with the toolkit's
// own metrics: the program is driven from its menu through every exercise it offers (whatever
// screens the build has), and at each step every label of every form is measured in the font it is
// drawn in. Fixed-size labels (list items, choosers, table cells, the page label) must hold their
// text at their own size or one point less; texts in a window sized for them (the correct-answer
// windows) must lie inside it; every tooltip must fit the canvas. With BREVION_SHOTS_DIR set it
// also writes screenshots of each exercise's open list and chosen items.
#include "../exercises/ExerciseFixture.h"

#include "shell/Select.h"

#include <ui/Label.h>
#include <ui/TextMetrics.h>

#include <SDL_keycode.h>
#include <cstdlib>
#include <filesystem>
#include <set>

void registerAllScreens(shell::ExerciseScreens& screens);

namespace {

// A fitted text may step down this many points; more means the text should be shorter.
constexpr int kMaxSizeStep = 1;

std::string pathOf(const ui::Control& c) {
    std::string path = c.name().empty() ? "?" : c.name();
    for (const ui::Control* p = c.parent(); p; p = p->parent())
        path = (p->name().empty() ? "?" : p->name()) + "/" + path;
    return path;
}

// What does not fit in the tree under `c`, one line each.
void collectMisfits(const ui::Control& c, std::vector<std::string>& misfits) {
    if (c.showHint() && !c.hint().empty()) {
        const ui::TextSize box = ui::Application::tooltipSize(c.hint());
        if (box.width > 640 || box.height > 480)
            misfits.push_back(pathOf(c) + ": tooltip \"" + c.hint() + "\" " + std::to_string(box.width) +
                              "x" + std::to_string(box.height));
    }
    const auto* label = dynamic_cast<const ui::Label*>(&c);
    if (label && label->visible() && !label->text().empty()) {
        const ui::FittedFont font = label->drawnFont();
        const int width = ui::measureText(label->text(), font.points, label->bold(), font.narrow).width;
        const int room = label->width() - 2 * label->indent();
        const std::string what = pathOf(c) + ": \"" + label->text() + "\" ";
        if (width > room) misfits.push_back(what + std::to_string(width) + " px in " + std::to_string(room));
        if (font.points < label->fontSize() - kMaxSizeStep)
            misfits.push_back(what + "needs " + std::to_string(font.points) + " points instead of " +
                              std::to_string(label->fontSize()));
        const ui::Control* parent = c.parent();
        if (parent && (c.left() < 0 || c.left() + c.width() > parent->width()))
            misfits.push_back(what + "runs out of its window (" + std::to_string(c.left()) + " + " +
                              std::to_string(c.width()) + " in " + std::to_string(parent->width()) + ")");
    }
    for (const auto& child : c.children())
        collectMisfits(*child, misfits);
}

struct TextFitTest : ExerciseTest {
    std::set<std::string> seen; // each misfit reported once
    int checks = 0;

    // Measures every label of every form, visible or not (a hidden list's items, a hidden
    // screen's texts are drawn as they are once shown).
    void checkAll(const std::string& step) {
        app().processMessages();
        ++checks;
        std::vector<std::string> misfits;
        for (ui::Form* form : app().stack())
            collectMisfits(*form, misfits);
        for (const std::string& m : misfits)
            if (seen.insert(m).second) ADD_FAILURE() << step << ": " << m;
    }

    void shot(const std::string& name) {
        if (const char* folder = std::getenv("BREVION_SHOTS_DIR"))
            bot->screenshot((std::filesystem::path(folder) / (name + ".bmp")).string());
    }

    ui::Form& top() { return *app().activeForm(); }

    // Opens the list of row 1's chooser and chooses every item in turn.
    void chooseEveryItem(ui::Form& screen, const std::string& key) {
        ui::Control* chooser = screen.findByName("Volba1");
        ui::Control* list = screen.findByName("Seznam");
        if (!chooser || !list || !chooser->visible()) return;
        for (int i = 1;; ++i) {
            bot->click(*chooser);
            ASSERT_TRUE(list->visible()) << key;
            if (i == 1) shot(key + "_list");
            ui::Control* item = list->findByName("Polozka" + std::to_string(i));
            if (!item) {
                bot->key(SDLK_ESCAPE);
                break;
            }
            bot->click(*item);
            checkAll(key + " item " + std::to_string(i));
            shot(key + "_item" + std::to_string(i));
        }
    }

    // The exercise screen: its first page, the results table, every list item chosen, then the
    // check and every correct-answer window.
    void exercise(const std::string& key) {
        ui::Form& screen = top();
        checkAll(key + " page");
        bot->click(*screen.findByName("ITabulka"));
        checkAll(key + " table");
        bot->click(*top().findByName("IZpet"));
        chooseEveryItem(screen, key);
        bot->click(*screen.findByName("IKontr"));
        checkAll(key + " checked");
        for (int r = 1; r <= 10; ++r) {
            ui::Control* verdict = screen.findByName("Hodnoceni" + std::to_string(r));
            if (!verdict || !verdict->visible()) continue;
            bot->click(*verdict);
            checkAll(key + " answer " + std::to_string(r));
            if (r == 1) shot(key + "_answer");
        }
        bot->click(*screen.findByName("IZpet"));
    }
};

TEST_F(TextFitTest, EveryTextOfEveryScreenFitsItsBox) {
    registerAllScreens(screens);
    writeGoodIni();
    for (const auto& file : std::filesystem::directory_iterator(BREVION_HD_DIR))
        if (file.path().extension() == ".dat" && file.path().filename() != "Znamky.dat")
            std::filesystem::copy_file(file.path(), hd.path / file.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(start());
    checkAll("menu");
    std::set<std::string> opened;
    for (int category = 1; category <= 5; ++category) {
        for (int slot = 1; slot <= 4; ++slot) {
            bot->click("ILeft" + std::to_string(category));
            ui::Control* right = menuForm()->findByName("IRight" + std::to_string(slot));
            if (!right || !right->visible()) break;
            openSetup(category, slot);
            const std::string key = shell::KlicHry(menuForm()->KodHry);
            ui::Form& setup = top();
            checkAll(key + " setup");
            bot->type("Ema");
            bot->click("I10");
            ui::Control& go = *setup.findByName("IPokracuj");
            if (go.enabled()) {
                bot->click(go);
                ASSERT_NE(&top(), &setup) << key;
                opened.insert(key);
                exercise(key);
            }
            ASSERT_EQ(&top(), &setup) << key;
            bot->click(*setup.findByName("IZpet"));
        }
    }
    // Every screen the build has was reached from the menu and measured.
    EXPECT_GE(opened.size(), 16u);
    EXPECT_GT(checks, 100);
}

} // namespace
