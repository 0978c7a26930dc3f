// Times laying out and drawing one page of exercise 01: ten sentences of the shipped sentence file
// fitted and placed into the word rows of a 640x480 form over the exercise's background, then the
// whole canvas painted. Prints the median and the spread of many pages.
//
//   build/tests/framework/framework_layout_bench [pages]
#include "exercises/01/Sentences01.h"
#include "framework/WordRows.h"

#include <platform/clock.h>
#include <platform/display.h>
#include <platform/paths.h>
#include <platform/sound.h>
#include <ui/Application.h>
#include <ui/Image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const int pages = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    platform::FakeDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    ui::Application app(display, clock, sound);
    app.openWindow(false);
    ui::Form& form = app.create<ui::Form>();
    form.setColor(9526306);
    ui::Image& background = form.add<ui::Image>();
    background.setBounds(0, 0, 640, 480);
    background.loadPicture(platform::joinPath(BREVION_CD_DIR, "\\Bitmap\\Games\\01bckg.bmp"));
    framework::WordRows rows(form, framework::WordRowGeometry{});
    form.show();

    const framework::SentenceTable table =
        framework::readSentenceFile(ex01::format(), platform::joinPath(BREVION_HD_DIR, "\\01.dat"));
    std::vector<double> ms;
    for (int page = 0; page < pages; ++page) {
        const auto start = std::chrono::steady_clock::now();
        for (int r = 1; r <= 10; ++r) {
            rows.clear(r);
            rows.layout(r, table.sentence(1 + (page * 10 + r) % table.count));
        }
        app.invalidateAll();
        app.paintNow();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (display.presents < pages)
        std::printf("only %d of %d pages reached the display\n", display.presents, pages);
    std::sort(ms.begin(), ms.end());
    std::printf(
        "%d pages from %d sentences: median %.3f ms, 10th percentile %.3f ms, 90th percentile %.3f ms\n",
        pages, table.count, ms[ms.size() / 2], ms[ms.size() / 10], ms[ms.size() * 9 / 10]);
    return 0;
}
