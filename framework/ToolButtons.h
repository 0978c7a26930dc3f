#pragma once
// Tool buttons (subject, predicate, erase ...): pictures from an image list, three frames per
// tool (normal, lit, selected), the state in each button's Tag (0 normal, 1 selected, 2 locked)
// and the current tool.
#include "framework/ExerciseContext.h"
#include "framework/WordMarks.h"

#include <controls/Obrazek.h>
#include <ui/ImageList.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace framework {

class ToolButtons {
public:
    static constexpr int kNormal = 0, kSelected = 1, kLocked = 2;

    struct Tool {
        std::string name; // the button's name ("IPodmet")
        ui::Rect bounds;
        std::int32_t code;                 // the mark it gives, or kEraseTool
        std::vector<std::string> pictures; // normal, lit, selected (relative to the CD root)
    };

    ToolButtons(const ScreenServices& env, int frameWidth, int frameHeight)
        : env_(env), frames_(frameWidth, frameHeight) {}

    // Creates the buttons on `parent`; `beforeClick` runs first on every click (the focus step).
    void create(ui::Control& parent, std::vector<Tool> tools, std::function<void()> beforeClick = {});
    // Loads the pictures into the image list and shows the normal frames (creation).
    void loadPictures();

    std::int32_t current() const { return current_; }
    controls::TObrazek& button(int i) const { return *buttons_.at(std::size_t(i)); }
    int count() const { return int(buttons_.size()); }

    void click(int i);
    void enter(int i);
    void leave(int i);
    // After the check: no tool reacts until reset.
    void lock();
    // New examples and continue: every tool normal, no current tool.
    void reset();

private:
    void showFrame(int i, int offset);

    const ScreenServices& env_;
    ui::ImageList frames_;
    std::vector<Tool> tools_;
    std::vector<controls::TObrazek*> buttons_;
    std::function<void()> beforeClick_;
    std::int32_t current_ = kNoTool;
};

} // namespace framework
