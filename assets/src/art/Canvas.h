#pragma once
// The drawing vocabulary every picture is made of: rounded shapes, gradients, soft
// shadows, stars and outlined text, on one cairo image surface of the picture's size.

#include <cairo.h>

#include <functional>
#include <string>

namespace brindle::assets {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
};

// "#rrggbb" or "#rrggbbaa"; unknown text gives magenta so mistakes show.
Rgba hex(const std::string& text);
Rgba mix(Rgba a, Rgba b, double t);
Rgba lighter(Rgba c, double t);
Rgba darker(Rgba c, double t);
Rgba withAlpha(Rgba c, double a);

enum class Face { Sans, Display };

struct TextStyle {
    Face face = Face::Display;
    double size = 40;          // pixel height of the em
    Rgba fill { 1, 1, 1, 1 };
    Rgba fillBottom { -1, 0, 0, 0 }; // r < 0: flat fill
    Rgba outline { 0, 0, 0, 0 };
    double outlineWidth = 0;
    double maxWidth = 0;       // > 0: text shrinks to fit
    bool shadow = false;
};

class Canvas {
public:
    using Path = std::function<void(cairo_t*)>;

    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() { return m_cr; }
    cairo_surface_t* surface() { return m_surface; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Paths (callers fill or stroke them).
    static void roundRect(cairo_t* cr, double x, double y, double w, double h, double r);
    static void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
    static void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);

    void fill(const Path& path, Rgba colour);
    void fillVertical(const Path& path, Rgba top, Rgba bottom, double y0, double y1);
    void fillRadial(const Path& path, double cx, double cy, double radius, Rgba inner, Rgba outer);
    void stroke(const Path& path, Rgba colour, double width);
    // Blurred copy of the path's fill, offset, under whatever is drawn next.
    void shadow(const Path& path, double dx, double dy, double blur, Rgba colour);
    // Soft white glint on the upper half of a shape (gives buttons their gloss).
    void gloss(const Path& path, double y0, double y1, double strength);

    // Text centred at (cx, cy); returns the drawn width.
    double text(const std::string& utf8, double cx, double cy, const TextStyle& style);
    // The same on any cairo context (used by the gallery's layout preview).
    static double textOn(cairo_t* cr, const std::string& utf8, double cx, double cy, const TextStyle& style);

private:
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
    int m_width;
    int m_height;
};

} // namespace brindle::assets
