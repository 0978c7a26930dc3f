#pragma once
// Simple vector icons, each centred on (cx, cy) and about `s` pixels across.
#include "canvas.h"

namespace assets::icons {

void check(cairo_t* cr, double cx, double cy, double s, Rgb c);
void cross(cairo_t* cr, double cx, double cy, double s, Rgb c);
void renew(cairo_t* cr, double cx, double cy, double s, Rgb c); // two circling arrows
void trophy(cairo_t* cr, double cx, double cy, double s, Rgb c);
void back(cairo_t* cr, double cx, double cy, double s, Rgb c); // arrow turning back
void exitDoor(cairo_t* cr, double cx, double cy, double s, Rgb c);
void printer(cairo_t* cr, double cx, double cy, double s, Rgb c, Rgb paper);
void eraser(cairo_t* cr, double cx, double cy, double s, double angle);
void pencil(cairo_t* cr, double cx, double cy, double s, Rgb tip);
void question(cairo_t* cr, double cx, double cy, double r, Rgb disc, Rgb mark);
void triangleDown(cairo_t* cr, double cx, double cy, double s, Rgb c);
void triangleRight(cairo_t* cr, double cx, double cy, double s, Rgb c);
// A loudspeaker; `on` adds two sound waves, off a cross beside it.
void speaker(cairo_t* cr, double cx, double cy, double s, Rgb c, bool on);
void star(cairo_t* cr, double cx, double cy, double r, Rgb c);

} // namespace assets::icons
