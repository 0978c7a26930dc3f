// Frames present only the areas that changed. The fake display keeps a picture made of the presented
// areas alone; after every change it must equal what a full redraw paints.
#include "Fixture.h"

#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <SDL.h>
#include <functional>
#include <vector>

using namespace ui;

namespace {

std::vector<Uint32> pixelsOf(SDL_Surface* s) {
    std::vector<Uint32> out;
    for (int y = 0; y < s->h; ++y) {
        auto row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        out.insert(out.end(), row, row + s->w);
    }
    return out;
}

// A picture where every pixel differs from its neighbours, so that a stale area shows.
Bitmap pattern(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; y += 4)
        b.fill({0, y, w, 2}, Color::rgb(y % 256, (y * 7) % 256, 90));
    for (int x = 0; x < w; x += 6)
        b.fill({x, 0, 3, h}, Color::rgb(200, x % 256, (x * 3) % 256));
    return b;
}

struct RedrawTest : UiTest {
    void SetUp() override {
        app.openWindow(false);
        Form& f = screen();
        background = &placed<Image>(f, 0, 0, 640, 480);
        background->setPicture(pattern(640, 480));
        inside = &placed<Panel>(f, 100, 100, 50, 40);
        across = &placed<Panel>(f, 610, 450, 100, 100); // 30x30 of it on the canvas
        outside = &placed<Panel>(f, 700, 500, 40, 40);
        label = &placed<Label>(f, 300, 300, 100, 20);
        label->setText("Mama");
        app.processMessages();
    }

    // Processes the change, then compares the shown picture with a full redraw; returns the number
    // of pixels presented.
    long long presentChange(const char* what) {
        app.processMessages();
        const std::vector<Uint32> shown = pixelsOf(display.shown());
        long long area = 0;
        for (const SDL_Rect& r : display.lastChanged)
            area += (long long)r.w * r.h;
        const bool whole = display.lastWhole;
        app.invalidateAll();
        app.paintNow();
        const std::vector<Uint32> full = pixelsOf(app.canvas());
        std::size_t differing = 0;
        for (std::size_t i = 0; i < full.size(); ++i)
            differing += shown[i] != full[i];
        EXPECT_EQ(differing, 0u) << what;
        display.lastWhole = whole;
        return area;
    }

    Image* background = nullptr;
    Panel* inside = nullptr;
    Panel* across = nullptr;
    Panel* outside = nullptr;
    Label* label = nullptr;
};

TEST_F(RedrawTest, OnlyTheChangedAreasArePresentedAndTheWindowShowsAFullRedraw) {
    ASSERT_NE(display.shown(), nullptr);
    struct Case {
        const char* what;
        std::function<void()> change;
        long long maxArea; // pixels presented at most
    };
    const Case cases[] = {
        {"inside: a new colour", [&] { inside->setColor(colors::Red); }, 50 * 40},
        {"inside: moved away (old and new place)", [&] { inside->setLeft(400); }, 2 * 50 * 40},
        {"inside: two distant changes in one frame",
         [&] {
             inside->setColor(colors::Blue);
             label->setText("Ema");
         },
         50 * 40 + 100 * 20},
        {"across the canvas edge", [&] { across->setColor(colors::Red); }, 30 * 30},
        {"outside into the canvas", [&] { outside->setBounds(10, 10, 40, 40); }, 40 * 40},
        {"a picture taken away", [&] { background->clearPicture(); }, 640 * 480},
    };
    for (const Case& c : cases) {
        c.change();
        const long long area = presentChange(c.what);
        EXPECT_LE(area, c.maxArea) << c.what;
        EXPECT_GT(area, 0) << c.what;
        EXPECT_FALSE(display.lastWhole) << c.what;
    }
}

TEST_F(RedrawTest, AChangeOutsideTheCanvasPresentsNothing) {
    const int presents = display.presents;
    outside->setColor(colors::Red);
    outside->setLeft(800);
    app.processMessages();
    EXPECT_EQ(display.presents, presents);
    EXPECT_TRUE(app.invalidAreas().empty());
}

TEST_F(RedrawTest, ExposeAndResizeRedrawTheWholeWindowThenSmallChangesAgain) {
    for (Uint8 event : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_SIZE_CHANGED, SDL_WINDOWEVENT_RESTORED}) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = event;
        SDL_PushEvent(&e);
        presentChange("window event");
        EXPECT_TRUE(display.lastWhole) << int(event);
        inside->setColor(inside->color() == colors::Red ? colors::Blue : colors::Red);
        EXPECT_LE(presentChange("after the window event"), 50 * 40);
        EXPECT_FALSE(display.lastWhole);
    }
}

TEST_F(RedrawTest, ManyScatteredChangesAreMergedIntoAFewAreasThatStillCoverThem) {
    Form& f = *app.activeForm();
    std::vector<Panel*> dots;
    for (int i = 0; i < 20; ++i)
        dots.push_back(&placed<Panel>(f, 20 + (i % 5) * 120, 20 + (i / 5) * 110, 8, 8));
    app.processMessages();
    for (Panel* p : dots)
        p->setColor(colors::Red);
    EXPECT_LE(app.invalidAreas().size(), 8u);
    presentChange("twenty dots");
    EXPECT_LE(display.lastChanged.size(), 8u);
}

} // namespace
