// The little library of things the question pictures are made of: fruit, weather, animals,
// toys. Each is drawn centred on (x, y) within a square of the given size, in the casual style
// of the game: flat bright fills with a darker outline and a soft highlight.
#pragma once

#include "Colour.h"

#include <cairo.h>

#include <optional>
#include <string>

namespace mediagen {

struct Fill {
    Colour colour;
    bool missing = false; // drawn as a grey, dashed blank: the colour the player must find
};

class ObjectPainter {
public:
    // false for an unknown kind. main: the colour of the object's main part (its default when
    // the recipe names none).
    static bool paint(cairo_t* cr, const std::string& kind, double x, double y, double size,
                      const std::optional<Fill>& main);
    static bool knows(const std::string& kind);
};

} // namespace mediagen
