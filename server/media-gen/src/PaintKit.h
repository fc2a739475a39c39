// The pen strokes every drawing shares (fills with outlines, rounded boxes, highlights), and the
// drawings of the store's goods, which live apart from the question pictures' things.
#pragma once

#include "ObjectPainter.h"

#include <functional>
#include <map>
#include <string>
#include <utility>

namespace mediagen {

constexpr double kPi = 3.14159265358979323846;

namespace kit {

Colour hex(unsigned v);
// Fills the current path with an outline a shade darker (or the grey dashed blank of a missing fill).
void finish(cairo_t* cr, const Fill& fill);
void solid(cairo_t* cr, unsigned colour);
void circle(cairo_t* cr, double x, double y, double r);
void roundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void shine(cairo_t* cr, double x, double y, double r);
void star(cairo_t* cr, double r, int points = 5);

} // namespace kit

// A drawing on a 100 x 100 box centred on the origin, with its default main colour.
using Drawing = std::function<void(cairo_t*, const Fill&)>;
const std::map<std::string, std::pair<unsigned, Drawing>>& goodsDrawings();

} // namespace mediagen
