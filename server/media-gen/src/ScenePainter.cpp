#include "ScenePainter.h"

#include "ObjectPainter.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <set>

namespace mediagen {

namespace {

constexpr double kPi = 3.14159265358979323846;
const std::set<std::string> kPrimitives = {"rect", "circle", "band", "text"};

Fill fillOf(const Json::Value& item, Colour fallback)
{
    return Fill{Colour::parse(item["color"].asString(), fallback), item["missing"].asBool()};
}

void outline(cairo_t* cr, const Fill& fill)
{
    if (fill.missing) {
        cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
        cairo_fill_preserve(cr);
        const double dash[] = {8.0, 6.0};
        cairo_set_dash(cr, dash, 2, 0);
        cairo_set_source_rgb(cr, 0.62, 0.62, 0.62);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        return;
    }
    fill.colour.use(cr);
    cairo_fill_preserve(cr);
    fill.colour.darker(0.3).use(cr);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void text(cairo_t* cr, const Json::Value& item, double x, double y)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string(ScenePainter::kFont);
    pango_font_description_set_absolute_size(font, item["size"].asDouble() * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, item["text"].asCString(), -1);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    cairo_move_to(cr, x - w / 2.0, y - h / 2.0);
    pango_cairo_layout_path(cr, layout);
    const auto colour = Colour::parse(item["color"].asString(), {0.2, 0.2, 0.2});
    colour.use(cr);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    pango_font_description_free(font);
    g_object_unref(layout);
}

void item(cairo_t* cr, const Json::Value& it, double x, double y)
{
    const auto kind = it["draw"].asString();
    const double size = it["size"].asDouble();
    if (kind == "rect") {
        const double w = it["w"].asDouble(), h = it["h"].asDouble();
        cairo_rectangle(cr, x - w / 2, y - h / 2, w, h);
        outline(cr, fillOf(it, {0.5, 0.5, 0.5}));
    } else if (kind == "circle") {
        cairo_arc(cr, x, y, size / 2, 0, 2 * kPi);
        outline(cr, fillOf(it, {0.5, 0.5, 0.5}));
    } else if (kind == "band") {
        // One arch of a rainbow: a half ring standing on (x, y).
        const double width = it["width"].asDouble();
        const auto fill = fillOf(it, {0.5, 0.5, 0.5});
        cairo_arc(cr, x, y, size / 2, kPi, 2 * kPi);
        cairo_arc_negative(cr, x, y, size / 2 - width, 2 * kPi, kPi);
        cairo_close_path(cr);
        if (fill.missing) {
            outline(cr, fill);
        } else {
            fill.colour.use(cr);
            cairo_fill(cr);
        }
    } else if (kind == "text") {
        text(cr, it, x, y);
    } else {
        std::optional<Fill> main;
        if (it.isMember("color") || it.isMember("missing"))
            main = fillOf(it, {0.5, 0.5, 0.5});
        if (main && !it.isMember("color"))
            main->colour = {0.5, 0.5, 0.5};
        ObjectPainter::paint(cr, kind, x, y, size, main);
    }
}

} // namespace

bool ScenePainter::check(const Json::Value& recipe, std::string& why)
{
    for (const auto& it : recipe["items"]) {
        const auto kind = it["draw"].asString();
        if (!kPrimitives.count(kind) && !ObjectPainter::knows(kind)) {
            why = "unknown drawing \"" + kind + "\"";
            return false;
        }
    }
    return true;
}

void ScenePainter::paint(cairo_t* cr, const Json::Value& recipe, double seconds)
{
    const double w = recipe["w"].asDouble(), h = recipe["h"].asDouble();
    const auto bg = Colour::parse(recipe["bg"].asString(), {1, 1, 1});
    // A gentle top-to-bottom gradient keeps flat backgrounds from looking dull.
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, h);
    const auto top = bg.lighter(0.35);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bg.r, bg.g, bg.b);
    cairo_set_source(cr, gradient);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);

    for (const auto& it : recipe["items"]) {
        const double t0 = it.get("t0", 0.0).asDouble();
        const double t1 = it.get("t1", 1e9).asDouble();
        if (seconds < t0 || seconds >= t1)
            continue;
        double x = it["x"].asDouble(), y = it["y"].asDouble();
        if (it.isMember("tx") && t1 > t0) {
            const double k = (seconds - t0) / (t1 - t0);
            x += (it["tx"].asDouble() - x) * k;
            y += (it["ty"].asDouble() - y) * k;
        }
        item(cr, it, x, y);
    }
}

} // namespace mediagen
