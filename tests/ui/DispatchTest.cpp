// Mouse and keyboard dispatch: hover, capture, clicks through disabled controls, z-order, shaped
// forms, forms freed by their own handlers, waits and posted work.
#include "Fixture.h"

#include "ui/Panel.h"
#include "ui/TextMetrics.h"

#include <SDL.h>
#include <functional>
#include <stdexcept>
#include <thread>

using namespace ui;

namespace {

// Records every event of the controls it is attached to, as "sender's name:event".
struct Recorder {
    std::vector<std::string> log;
    void attach(Control& c) {
        c.OnMouseEnter = [this](Control& s) { log.push_back(s.name() + ":enter"); };
        c.OnMouseLeave = [this](Control& s) { log.push_back(s.name() + ":leave"); };
        c.OnMouseDown = [this](Control& s, const MouseEvent& e) {
            log.push_back(s.name() + ":down" + (e.shift & ssDouble ? "2" : "") + "@" + std::to_string(e.x) +
                          "," + std::to_string(e.y));
        };
        c.OnMouseUp = [this](Control& s, const MouseEvent& e) {
            log.push_back(s.name() + ":up@" + std::to_string(e.x) + "," + std::to_string(e.y));
        };
        c.OnClick = [this](Control& s) { log.push_back(s.name() + ":click"); };
        c.OnDblClick = [this](Control& s) { log.push_back(s.name() + ":dblclick"); };
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

struct DispatchTest : UiTest {
    Form* form = nullptr;
    Panel* a = nullptr; // 0,0 100x100
    Panel* b = nullptr; // 50,50 100x100, above a
    Recorder rec;

    void SetUp() override {
        form = &screen();
        a = &placed<Panel>(*form, 0, 0, 100, 100);
        a->setName("a");
        b = &placed<Panel>(*form, 50, 50, 100, 100);
        b->setName("b");
        rec.attach(*a);
        rec.attach(*b);
        app.processMessages();
    }
};

} // namespace

TEST_F(DispatchTest, EnterAndLeaveFollowTheTopmostControlUnderTheMouse) {
    bot.moveTo({10, 10});
    bot.moveTo({20, 20}); // no change, no event
    bot.moveTo({60, 60}); // b lies over a here
    bot.moveTo({120, 120});
    bot.moveTo({300, 300}); // the bare form
    EXPECT_EQ(rec.take(), (Log{"a:enter", "a:leave", "b:enter", "b:leave"}));
    EXPECT_EQ(app.hovered(), form);
    bot.moveTo({700, 100}); // the black bar beside the canvas
    EXPECT_EQ(app.hovered(), nullptr);

    // A form shown under a still mouse takes the hover.
    bot.moveTo({10, 10});
    auto& top = app.create<Form>();
    top.setBounds(0, 0, 50, 50);
    top.show();
    app.processMessages();
    EXPECT_EQ(app.hovered(), &top);
    EXPECT_EQ(rec.take(), (Log{"a:enter", "a:leave"}));
}

TEST_F(DispatchTest, DisabledControlIsEnteredButItsClickReachesTheControlBeneath) {
    b->setEnabled(false);
    bot.click({60, 60});
    // a holds the mouse from the press to the release, so b is left meanwhile.
    EXPECT_EQ(rec.take(), (Log{"b:enter", "a:down@60,60", "b:leave", "a:click", "a:up@60,60", "b:enter"}));
    bot.moveTo({140, 140}); // only b here: the click goes to the form
    bot.click({140, 140});
    EXPECT_EQ(rec.take(), (Log{"b:leave", "b:enter"}));
}

TEST_F(DispatchTest, PressCapturesTheMouseUntilRelease) {
    bot.moveTo({10, 10});
    bot.press({10, 10});
    EXPECT_EQ(app.captured(), a);
    // Moving over b while captured: a is left, b is not entered, moves still go to a.
    std::vector<Point> moves;
    a->OnMouseMove = [&](Control&, const MouseEvent& e) { moves.push_back({e.x, e.y}); };
    bot.moveTo({120, 130});
    bot.moveTo({-1 + 10, 10}); // back inside a: entered again
    bot.moveTo({130, 130});
    EXPECT_EQ(moves, (std::vector<Point>{{120, 130}, {9, 10}, {130, 130}}));
    bot.release({130, 130}); // released outside a: no click; b is entered after the release
    EXPECT_EQ(app.captured(), nullptr);
    EXPECT_EQ(rec.take(),
              (Log{"a:enter", "a:down@10,10", "a:leave", "a:enter", "a:leave", "a:up@130,130", "b:enter"}));
}

TEST_F(DispatchTest, DoubleClickFollowsTheOriginalOrderOfEvents) {
    bot.doubleClick({10, 10});
    EXPECT_EQ(rec.take(), (Log{"a:enter", "a:down@10,10", "a:click", "a:up@10,10", "a:dblclick",
                               "a:down2@10,10", "a:up@10,10"}));
}

TEST_F(DispatchTest, BringingToFrontChangesWhoTakesTheClick) {
    a->bringToFront();
    bot.click({60, 60});
    EXPECT_EQ(rec.take(), (Log{"a:enter", "a:down@60,60", "a:click", "a:up@60,60"}));
    a->sendToBack();
    EXPECT_EQ(form->children().front().get(), a);
    bot.click({61, 61});
    EXPECT_EQ(rec.take(), (Log{"a:leave", "b:enter", "b:down@11,11", "b:click", "b:up@11,11"}));
}

// The pupil drags the window to any size: clicks and drags given in window pixels reach the control
// under them on the canvas, with their own coordinates.
TEST_F(DispatchTest, ClicksAndDragsMapFromTheWindowToTheCanvas) {
    // 1100x750: the canvas at 1.5625, 50 pixels in from bars left and right; a drag out over the bar
    // ends there (in window pixels still inside a: no click).
    display.resize({1100, 750});
    bot.drag({128, 78}, {20, 78}, 1);
    EXPECT_EQ(rec.take(), (Log{"a:enter", "a:down@49,49", "a:leave", "a:up@-20,49"}));
    // A click in the bar beside the canvas reaches nothing.
    bot.press({20, 300});
    bot.release({20, 300});
    EXPECT_EQ(rec.take(), Log{});
    EXPECT_EQ(app.captured(), nullptr);
}

TEST_F(DispatchTest, DestroyedControlsAreForgotten) {
    bot.moveTo({60, 60});
    bot.press({60, 60});
    b->setFocus();
    ASSERT_EQ(app.hovered(), b);
    form->remove(*b); // dropped at once
    EXPECT_EQ(app.hovered(), nullptr);
    EXPECT_EQ(app.captured(), nullptr);
    EXPECT_EQ(app.focused(), nullptr);
    bot.moveTo({61, 61});
    bot.release({61, 61});
    EXPECT_EQ(app.hovered(), a);
}

// Forms closed while a handler runs, its own or another closed by work posted during a wait of
// the handler, live until the handler ends.
TEST_F(DispatchTest, FormsClosedDuringAHandlerAreFreedWhenItEnds) {
    auto& dialog = app.create<Form>();
    dialog.setBounds(200, 200, 100, 100);
    auto& other = app.create<Form>();
    other.setBounds(300, 300, 50, 50);
    int destroyed = 0;
    for (Form* f : {&dialog, &other}) {
        f->OnDestroy = [&](Form&) { ++destroyed; };
        f->OnClose = [](Form&, CloseAction& action) { action = CloseAction::Free; };
    }
    auto& button = placed<Panel>(dialog, 10, 10, 50, 50);
    button.OnClick = [&](Control& self) {
        self.form()->close();
        self.setTag(7); // still alive after closing
        app.post([&] { other.close(); });
        app.wait(460); // like a button animation: 23 frames of 20 ms
        EXPECT_EQ(destroyed, 0);
        EXPECT_FALSE(other.visible());
        self.setTag(8);
    };
    other.show();
    dialog.show();
    bot.click({230, 230});
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(app.stack().size(), 1u);
    EXPECT_EQ(app.hovered(), form); // the form below takes the mouse
}

TEST_F(DispatchTest, ClosingTheMainFormEndsTheLoopAndCloseQueryCanRefuse) {
    app.setMainForm(*form);
    int asked = 0;
    form->OnCloseQuery = [&](Form&) { return ++asked > 1; };
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    app.processMessages();
    EXPECT_FALSE(app.terminated());
    SDL_PushEvent(&quit);
    app.run();
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(asked, 2);
}

TEST_F(DispatchTest, WaitsAdvanceTheFakeClockEndEarlyWhenTheConditionHoldsAndRunPostedWork) {
    std::uint32_t start = clock.ticks();
    app.wait(460);
    EXPECT_GE(clock.ticks() - start, 460u);
    bool flag = false;
    app.post([&] { flag = true; });
    start = clock.ticks();
    EXPECT_TRUE(app.waitUntil([&] { return flag; }, 10000));
    EXPECT_LT(clock.ticks() - start, 10000u);
    EXPECT_FALSE(app.waitUntil([] { return false; }, 10000));

    // Work posted from another thread runs on the loop.
    std::thread t([&] { app.postBringForward(); });
    t.join();
    EXPECT_EQ(display.broughtForward, 0);
    app.processMessages();
    EXPECT_EQ(display.broughtForward, 1);
}

TEST_F(DispatchTest, ExceptionsOfHandlersReachTheErrorHandler) {
    a->OnClick = [](Control&) { throw std::runtime_error("boom"); };
    EXPECT_THROW(bot.click({10, 10}), std::runtime_error); // no handler: it propagates
    std::string seen;
    app.setErrorHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& ex) {
            seen = ex.what();
        }
    });
    bot.click({10, 10});
    EXPECT_EQ(seen, "boom");
}

TEST_F(DispatchTest, TooltipAppearsAfterAPauseWithItsLinesAndGoesOnLeaving) {
    a->setHint("one\r\ntwo");
    a->setShowHint(true);
    bot.moveTo({10, 10});
    EXPECT_FALSE(app.tooltipShown());
    bot.advance(500);
    ASSERT_TRUE(app.tooltipShown());
    EXPECT_EQ(app.tooltipText(), "one\r\ntwo");
    EXPECT_GT(app.tooltipRect().height, 2 * measureText("", 9).height);
    bot.moveTo({200, 200});
    EXPECT_FALSE(app.tooltipShown());
}

TEST_F(DispatchTest, KeysGoToTheFocusedControlThenItsFormAndF11TogglesFullScreen) {
    std::vector<std::int32_t> keys;
    form->OnKeyDown = [&](Control&, const KeyEvent& k) { keys.push_back(k.key); };
    a->setFocus();
    bot.key(SDLK_a);
    EXPECT_EQ(keys, std::vector<std::int32_t>{SDLK_a});
    bool before = display.isFullscreen();
    bot.key(SDLK_F11);
    EXPECT_NE(display.isFullscreen(), before);
    bot.key(SDLK_RETURN, KMOD_LALT);
    EXPECT_EQ(display.isFullscreen(), before);
    EXPECT_EQ(keys.size(), 1u);
}

// Under a still mouse, every change of place, visibility, stacking or shape hands the hover on;
// nothing else makes the toolkit look for the control under the mouse again.
TEST_F(DispatchTest, AStillMouseFollowsEveryChangeOfWhatLiesUnderIt) {
    bot.moveTo({10, 10});
    rec.take();
    struct Step {
        const char* what;
        std::function<void()> change;
        Log expected;
    };
    const Step steps[] = {
        {"b moves under the mouse", [&] { b->setBounds(0, 0, 30, 30); }, {"a:leave", "b:enter"}},
        {"b is hidden", [&] { b->hide(); }, {"b:leave", "a:enter"}},
        {"b is shown again", [&] { b->show(); }, {"a:leave", "b:enter"}},
        {"a comes to the front", [&] { a->bringToFront(); }, {"b:leave", "a:enter"}},
        {"a's shape leaves the point out",
         [&] {
             a->setRegion({{50, 0}, {100, 0}, {100, 100}, {50, 100}});
         },
         {"a:leave", "b:enter"}},
        {"a's shape is cleared", [&] { a->clearRegion(); }, {"b:leave", "a:enter"}},
        {"a is removed",
         [&] {
             form->remove(*a).reset();
             a = nullptr;
         },
         {"b:enter"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        app.processMessages();
        EXPECT_EQ(rec.take(), step.expected);
    }
    EXPECT_EQ(app.hovered(), b);
}
