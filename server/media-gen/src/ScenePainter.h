// Draws one recipe's background and items at a moment of its clip (pictures use moment 0).
//
// An item is {"draw": kind, "x", "y", "size"} plus, as needed: "color", "missing" (a grey blank
// in place of the main colour), "w" and "h" (rectangles), "width" (rainbow bands), "text";
// and for clips "t0"/"t1" (seconds it is on screen) with "tx"/"ty" (where it has moved to at t1).
#pragma once

#include <cairo.h>
#include <json/value.h>

#include <string>

namespace mediagen {

class ScenePainter {
public:
    // false (with why) for an item the painter does not know; nothing is drawn then.
    static bool check(const Json::Value& recipe, std::string& why);
    static void paint(cairo_t* cr, const Json::Value& recipe, double seconds);

    static constexpr const char* kFont = "WenQuanYi Micro Hei Bold";
};

} // namespace mediagen
