// Colours of the media recipes ("#RRGGBB") and the shading the drawings use for outlines.
#pragma once

#include <cairo.h>

#include <string>

namespace mediagen {

struct Colour {
    double r = 0, g = 0, b = 0;

    static Colour parse(const std::string& text, Colour fallback); // fallback for a malformed text
    Colour darker(double amount = 0.3) const { return {r * (1 - amount), g * (1 - amount), b * (1 - amount)}; }
    Colour lighter(double amount = 0.3) const
    {
        return {r + (1 - r) * amount, g + (1 - g) * amount, b + (1 - b) * amount};
    }
    void use(cairo_t* cr) const { cairo_set_source_rgb(cr, r, g, b); }
};

} // namespace mediagen
