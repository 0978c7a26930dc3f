#pragma once
// The full-screen help picture; a click anywhere hides it. Lives until the end of the program.
#include "ui/Bitmap.h"
#include "ui/Form.h"

#include <string>

namespace shell {

class Pozadi;

class THelpForm : public ui::Form {
public:
    THelpForm(ui::Application& app, Pozadi& env);

    // Full path of the picture to show; read each time the window is shown.
    std::string Cesta;

    // Shows the picture at `path` above the other screens and paints it at once.
    void Ukaz(const std::string& path);

    const ui::Bitmap& picture() const { return picture_; }

private:
    void FormShow();

    ui::Bitmap picture_;
};

} // namespace shell
