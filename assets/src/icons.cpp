#include "icons.h"

#include <cmath>

namespace assets::icons {

namespace {
void strokeStyle(cairo_t* cr, Rgb c, double width) {
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

// A filled arrow head whose tip is at (x, y), pointing in direction `angle`.
void arrowHead(cairo_t* cr, double x, double y, double angle, double size, Rgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, -size, -size * 0.62);
    cairo_line_to(cr, -size * 0.72, 0);
    cairo_line_to(cr, -size, size * 0.62);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
    cairo_restore(cr);
}
} // namespace

void check(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    strokeStyle(cr, c, s * 0.16);
    cairo_move_to(cr, cx - s * 0.36, cy + s * 0.02);
    cairo_line_to(cr, cx - s * 0.1, cy + s * 0.28);
    cairo_line_to(cr, cx + s * 0.38, cy - s * 0.26);
    cairo_stroke(cr);
}

void cross(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    strokeStyle(cr, c, s * 0.16);
    const double d = s * 0.27;
    cairo_move_to(cr, cx - d, cy - d);
    cairo_line_to(cr, cx + d, cy + d);
    cairo_move_to(cr, cx + d, cy - d);
    cairo_line_to(cr, cx - d, cy + d);
    cairo_stroke(cr);
}

void renew(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    const double r = s * 0.34;
    const double w = s * 0.11;
    strokeStyle(cr, c, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int half = 0; half < 2; ++half) {
        const double a0 = half * pi + 0.35;
        const double a1 = a0 + pi - 0.75;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_stroke(cr);
        const double tx = cx + r * std::cos(a1), ty = cy + r * std::sin(a1);
        arrowHead(cr, tx + std::cos(a1 + pi / 2) * w * 0.9, ty + std::sin(a1 + pi / 2) * w * 0.9, a1 + pi / 2,
                  s * 0.26, c);
    }
}

void trophy(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    setColour(cr, c);
    // cup
    const double top = cy - s * 0.4, cupW = s * 0.5;
    cairo_move_to(cr, cx - cupW / 2, top);
    cairo_line_to(cr, cx + cupW / 2, top);
    cairo_curve_to(cr, cx + cupW / 2, top + s * 0.38, cx + s * 0.1, top + s * 0.46, cx, top + s * 0.46);
    cairo_curve_to(cr, cx - s * 0.1, top + s * 0.46, cx - cupW / 2, top + s * 0.38, cx - cupW / 2, top);
    cairo_close_path(cr);
    cairo_fill(cr);
    // handles
    strokeStyle(cr, c, s * 0.07);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - cupW / 2, top + s * 0.13, s * 0.11, pi / 2, 3 * pi / 2);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + cupW / 2, top + s * 0.13, s * 0.11, -pi / 2, pi / 2);
    cairo_stroke(cr);
    // stem and base
    cairo_rectangle(cr, cx - s * 0.05, top + s * 0.44, s * 0.1, s * 0.2);
    cairo_fill(cr);
    roundedRect(cr, {cx - s * 0.22, top + s * 0.64, s * 0.44, s * 0.13}, s * 0.03);
    cairo_fill(cr);
}

void back(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    const double w = s * 0.13;
    strokeStyle(cr, c, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // from the lower right up, round to the left
    cairo_move_to(cr, cx + s * 0.32, cy + s * 0.3);
    cairo_line_to(cr, cx + s * 0.32, cy);
    cairo_arc_negative(cr, cx + s * 0.08, cy, s * 0.24, 0, -pi / 2);
    cairo_line_to(cr, cx - s * 0.18, cy - s * 0.24);
    cairo_stroke(cr);
    arrowHead(cr, cx - s * 0.42, cy - s * 0.24, pi, s * 0.34, c);
}

void speaker(cairo_t* cr, double cx, double cy, double s, Rgb c, bool on) {
    // the box and the cone, left of the centre
    const double x = cx - s * 0.42;
    cairo_move_to(cr, x, cy - s * 0.13);
    cairo_line_to(cr, x + s * 0.18, cy - s * 0.13);
    cairo_line_to(cr, x + s * 0.42, cy - s * 0.36);
    cairo_line_to(cr, x + s * 0.42, cy + s * 0.36);
    cairo_line_to(cr, x + s * 0.18, cy + s * 0.13);
    cairo_line_to(cr, x, cy + s * 0.13);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
    strokeStyle(cr, c, s * 0.08);
    if (on) {
        for (double r : {0.2, 0.36}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx + s * 0.02, cy, s * r, -pi / 4, pi / 4);
            cairo_stroke(cr);
        }
    } else {
        const double m = cx + s * 0.26, d = s * 0.14;
        cairo_move_to(cr, m - d, cy - d);
        cairo_line_to(cr, m + d, cy + d);
        cairo_move_to(cr, m + d, cy - d);
        cairo_line_to(cr, m - d, cy + d);
        cairo_stroke(cr);
    }
}

void exitDoor(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    // door frame open on the right, an arrow leaving through it
    strokeStyle(cr, c, s * 0.09);
    const double l = cx - s * 0.36, t = cy - s * 0.38, b = cy + s * 0.38, r = cx + s * 0.02;
    cairo_move_to(cr, r, t + s * 0.18);
    cairo_line_to(cr, r, t);
    cairo_line_to(cr, l, t);
    cairo_line_to(cr, l, b);
    cairo_line_to(cr, r, b);
    cairo_line_to(cr, r, b - s * 0.18);
    cairo_stroke(cr);
    strokeStyle(cr, c, s * 0.12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, cx - s * 0.16, cy);
    cairo_line_to(cr, cx + s * 0.2, cy);
    cairo_stroke(cr);
    arrowHead(cr, cx + s * 0.44, cy, 0, s * 0.3, c);
}

void printer(cairo_t* cr, double cx, double cy, double s, Rgb c, Rgb paperColour) {
    // sheet coming out on top
    cairo_rectangle(cr, cx - s * 0.24, cy - s * 0.42, s * 0.48, s * 0.3);
    setColour(cr, paperColour);
    cairo_fill(cr);
    // body
    fillRounded(cr, {cx - s * 0.45, cy - s * 0.16, s * 0.9, s * 0.4}, s * 0.08, c);
    // output sheet
    cairo_rectangle(cr, cx - s * 0.26, cy + s * 0.08, s * 0.52, s * 0.34);
    setColour(cr, paperColour);
    cairo_fill(cr);
    setColour(cr, c);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, cx - s * 0.17, cy + s * (0.2 + 0.1 * i) + 0.5);
        cairo_line_to(cr, cx + s * 0.17, cy + s * (0.2 + 0.1 * i) + 0.5);
    }
    cairo_stroke(cr);
}

void eraser(cairo_t* cr, double cx, double cy, double s, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    const double w = s, h = s * 0.46;
    Box body{-w / 2, -h / 2, w, h};
    fillRounded(cr, {body.x + 1, body.y + 2, body.w, body.h}, h * 0.22, {0, 0, 0}, 0.25);
    fillRounded(cr, body, h * 0.22, hex(0xF27EA6));
    // the sleeve
    cairo_save(cr);
    roundedRect(cr, body, h * 0.22);
    cairo_clip(cr);
    cairo_rectangle(cr, body.x + w * 0.42, body.y, w * 0.58, h);
    setColour(cr, hex(0x3E8EDB));
    cairo_fill(cr);
    cairo_rectangle(cr, body.x, body.y, w, h * 0.28);
    setColour(cr, {1, 1, 1}, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    strokeRounded(cr, body, h * 0.22, hex(0x7A2E4A), 1.0, 0.6);
    cairo_restore(cr);
}

void pencil(cairo_t* cr, double cx, double cy, double s, Rgb tip) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -pi / 4);
    const double len = s, th = s * 0.26;
    cairo_rectangle(cr, -len / 2, -th / 2, len * 0.7, th);
    setColour(cr, hex(0xFFC94A));
    cairo_fill(cr);
    cairo_rectangle(cr, -len / 2 - th * 0.5, -th / 2, th * 0.5, th);
    setColour(cr, hex(0xF27EA6));
    cairo_fill(cr);
    cairo_move_to(cr, len * 0.2, -th / 2);
    cairo_line_to(cr, len / 2, 0);
    cairo_line_to(cr, len * 0.2, th / 2);
    cairo_close_path(cr);
    setColour(cr, hex(0xF3D9B1));
    cairo_fill(cr);
    cairo_move_to(cr, len * 0.38, -th * 0.2);
    cairo_line_to(cr, len / 2, 0);
    cairo_line_to(cr, len * 0.38, th * 0.2);
    cairo_close_path(cr);
    setColour(cr, tip);
    cairo_fill(cr);
    cairo_restore(cr);
}

void question(cairo_t* cr, double cx, double cy, double r, Rgb disc, Rgb mark) {
    fillCircle(cr, cx, cy, r, disc);
    drawText(cr, "?", {cx - r, cy - r, 2 * r, 2 * r},
             {.size = r * 1.45,
              .bold = true,
              .colour = mark,
              .align = Align::Centre,
              .valign = VAlign::Middle,
              .wrap = false});
}

void triangleDown(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    cairo_move_to(cr, cx - s / 2, cy - s * 0.28);
    cairo_line_to(cr, cx + s / 2, cy - s * 0.28);
    cairo_line_to(cr, cx, cy + s * 0.32);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

void triangleRight(cairo_t* cr, double cx, double cy, double s, Rgb c) {
    cairo_move_to(cr, cx - s * 0.28, cy - s / 2);
    cairo_line_to(cr, cx + s * 0.32, cy);
    cairo_line_to(cr, cx - s * 0.28, cy + s / 2);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

void star(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    for (int i = 0; i < 10; ++i) {
        const double a = -pi / 2 + i * pi / 5;
        const double rr = i % 2 == 0 ? r : r * 0.45;
        if (i == 0)
            cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else
            cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

} // namespace assets::icons
