#include "art/Canvas.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brindle::assets {

Rgba hex(const std::string& text)
{
    auto part = [&](size_t at) { return std::stoi(text.substr(at, 2), nullptr, 16) / 255.0; };
    if ((text.size() != 7 && text.size() != 9) || text[0] != '#')
        return { 1, 0, 1, 1 };
    try {
        return { part(1), part(3), part(5), text.size() == 9 ? part(7) : 1.0 };
    } catch (...) {
        return { 1, 0, 1, 1 };
    }
}

Rgba mix(Rgba a, Rgba b, double t)
{
    return { a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t };
}

Rgba lighter(Rgba c, double t) { return mix(c, { 1, 1, 1, c.a }, t); }
Rgba darker(Rgba c, double t) { return mix(c, { 0, 0, 0, c.a }, t); }
Rgba withAlpha(Rgba c, double a) { return { c.r, c.g, c.b, a }; }

Canvas::Canvas(int width, int height)
    : m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
    , m_cr(cairo_create(m_surface))
    , m_width(width)
    , m_height(height)
{
    cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas()
{
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
}

void Canvas::roundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({ r, w / 2, h / 2 });
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Canvas::ellipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Canvas::star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double angle = -M_PI / 2 + turn + i * M_PI / points;
        const double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    cairo_close_path(cr);
}

void Canvas::fill(const Path& path, Rgba c)
{
    cairo_new_path(m_cr);
    path(m_cr);
    cairo_set_source_rgba(m_cr, c.r, c.g, c.b, c.a);
    cairo_fill(m_cr);
}

void Canvas::fillVertical(const Path& path, Rgba top, Rgba bottom, double y0, double y1)
{
    cairo_new_path(m_cr);
    path(m_cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(m_cr, p);
    cairo_fill(m_cr);
    cairo_pattern_destroy(p);
}

void Canvas::fillRadial(const Path& path, double cx, double cy, double radius, Rgba inner, Rgba outer)
{
    cairo_new_path(m_cr);
    path(m_cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(m_cr, p);
    cairo_fill(m_cr);
    cairo_pattern_destroy(p);
}

void Canvas::stroke(const Path& path, Rgba c, double width)
{
    cairo_new_path(m_cr);
    path(m_cr);
    cairo_set_source_rgba(m_cr, c.r, c.g, c.b, c.a);
    cairo_set_line_width(m_cr, width);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(m_cr);
}

namespace {

// Three box passes approximate a gaussian; works on an A8 mask in place.
void blurMask(cairo_surface_t* mask, int radius)
{
    if (radius < 1)
        return;
    cairo_surface_flush(mask);
    const int w = cairo_image_surface_get_width(mask);
    const int h = cairo_image_surface_get_height(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    unsigned char* data = cairo_image_surface_get_data(mask);
    std::vector<int> line(size_t(std::max(w, h)));
    auto pass = [&](int count, int length, auto at) {
        for (int k = 0; k < count; ++k) {
            for (int i = 0; i < length; ++i)
                line[size_t(i)] = *at(k, i);
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += line[size_t(std::clamp(i, 0, length - 1))];
            const int span = 2 * radius + 1;
            for (int i = 0; i < length; ++i) {
                *at(k, i) = static_cast<unsigned char>(sum / span);
                sum += line[size_t(std::min(i + radius + 1, length - 1))];
                sum -= line[size_t(std::max(i - radius, 0))];
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(h, w, [&](int y, int x) { return data + size_t(y) * size_t(stride) + size_t(x); });
        pass(w, h, [&](int x, int y) { return data + size_t(y) * size_t(stride) + size_t(x); });
    }
    cairo_surface_mark_dirty(mask);
}

} // namespace

void Canvas::shadow(const Path& path, double dx, double dy, double blur, Rgba c)
{
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, m_width, m_height);
    cairo_t* mc = cairo_create(mask);
    cairo_translate(mc, dx, dy);
    path(mc);
    cairo_set_source_rgba(mc, 0, 0, 0, 1);
    cairo_fill(mc);
    cairo_destroy(mc);
    blurMask(mask, int(std::lround(blur / 2)));
    cairo_set_source_rgba(m_cr, c.r, c.g, c.b, c.a);
    cairo_mask_surface(m_cr, mask, 0, 0);
    cairo_surface_destroy(mask);
}

void Canvas::gloss(const Path& path, double y0, double y1, double strength)
{
    cairo_save(m_cr);
    cairo_new_path(m_cr);
    path(m_cr);
    cairo_clip(m_cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(m_cr, p);
    cairo_rectangle(m_cr, 0, y0, m_width, y1 - y0);
    cairo_fill(m_cr);
    cairo_pattern_destroy(p);
    cairo_restore(m_cr);
}

double Canvas::text(const std::string& utf8, double cx, double cy, const TextStyle& style)
{
    return textOn(m_cr, utf8, cx, cy, style);
}

double Canvas::textOn(cairo_t* m_cr, const std::string& utf8, double cx, double cy, const TextStyle& style)
{
    PangoLayout* layout = pango_cairo_create_layout(m_cr);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font,
        style.face == Face::Display ? "Noto Sans CJK SC,WenQuanYi Zen Hei" : "WenQuanYi Micro Hei");
    pango_font_description_set_weight(font, style.face == Face::Display ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    pango_layout_set_text(layout, utf8.c_str(), -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double scale = 1;
    if (style.maxWidth > 0 && logical.width + style.outlineWidth * 2 > style.maxWidth)
        scale = style.maxWidth / (logical.width + style.outlineWidth * 2);

    cairo_save(m_cr);
    cairo_translate(m_cr, cx, cy);
    cairo_scale(m_cr, scale, scale);
    // Centre on the ink's vertical middle so CJK and Latin sit alike in a box.
    cairo_translate(m_cr, -logical.x - logical.width / 2.0, -ink.y - ink.height / 2.0);
    cairo_new_path(m_cr);
    pango_cairo_layout_path(m_cr, layout);
    cairo_path_t* outline = cairo_copy_path(m_cr);
    if (style.shadow) {
        cairo_save(m_cr);
        cairo_translate(m_cr, 0, style.size * 0.06);
        cairo_new_path(m_cr);
        cairo_append_path(m_cr, outline);
        cairo_set_source_rgba(m_cr, 0, 0, 0, 0.25);
        cairo_set_line_width(m_cr, style.outlineWidth * 2 + 2);
        cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(m_cr);
        cairo_fill(m_cr);
        cairo_restore(m_cr);
    }
    if (style.outlineWidth > 0) {
        cairo_new_path(m_cr);
        cairo_append_path(m_cr, outline);
        cairo_set_source_rgba(m_cr, style.outline.r, style.outline.g, style.outline.b, style.outline.a);
        cairo_set_line_width(m_cr, style.outlineWidth * 2);
        cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(m_cr);
    }
    cairo_new_path(m_cr);
    cairo_append_path(m_cr, outline);
    if (style.fillBottom.r >= 0) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, ink.y, 0, ink.y + ink.height);
        cairo_pattern_add_color_stop_rgba(p, 0, style.fill.r, style.fill.g, style.fill.b, style.fill.a);
        cairo_pattern_add_color_stop_rgba(p, 1, style.fillBottom.r, style.fillBottom.g, style.fillBottom.b,
            style.fillBottom.a);
        cairo_set_source(m_cr, p);
        cairo_fill(m_cr);
        cairo_pattern_destroy(p);
    } else {
        cairo_set_source_rgba(m_cr, style.fill.r, style.fill.g, style.fill.b, style.fill.a);
        cairo_fill(m_cr);
    }
    cairo_path_destroy(outline);
    cairo_restore(m_cr);
    pango_font_description_free(font);
    g_object_unref(layout);
    return logical.width * scale;
}

} // namespace brindle::assets
