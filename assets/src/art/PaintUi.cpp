// Buttons, panels, fields and bars: the widgets' pictures.

#include "art/Painters.h"

#include <cmath>

namespace brindle::assets {

namespace {

using namespace palette;

// Draws a glossy rounded button body inside the canvas with room for its shadow.
void buttonBody(Canvas& c, double x, double y, double w, double h, double r, Rgba colour, bool pressed)
{
    const double rim = std::max(2.0, h * 0.07);
    auto face = [&](cairo_t* cr) { Canvas::roundRect(cr, x, y + (pressed ? rim : 0), w, h - rim, r); };
    auto base = [&](cairo_t* cr) { Canvas::roundRect(cr, x, y + rim, w, h - rim, r); };
    c.shadow(base, 0, rim * 0.6, rim * 1.6, withAlpha(darker(colour, 0.6), 0.45));
    c.fill(base, darker(colour, 0.35));
    c.fillVertical(face, lighter(colour, pressed ? 0.05 : 0.28), pressed ? darker(colour, 0.12) : colour,
        y, y + h - rim);
    const double inset = std::max(1.5, h * 0.025);
    c.gloss([&](cairo_t* cr) { Canvas::roundRect(cr, x + inset * 2, y + inset + (pressed ? rim : 0), w - inset * 4, (h - rim) * 0.5, r * 0.8); },
        y, y + (h - rim) * 0.55, pressed ? 0.18 : 0.42);
    c.stroke(face, withAlpha(darker(colour, 0.45), 0.9), std::max(1.5, h * 0.022));
}

// Line glyphs shown on round buttons.
void icon(Canvas& c, const std::string& name, double cx, double cy, double s, Rgba colour)
{
    const double lw = s * 0.18;
    auto line = [&](std::initializer_list<std::pair<double, double>> points) {
        c.stroke(
            [&](cairo_t* cr) {
                bool first = true;
                for (auto [px, py] : points) {
                    if (first) cairo_move_to(cr, cx + px * s, cy + py * s);
                    else cairo_line_to(cr, cx + px * s, cy + py * s);
                    first = false;
                }
            },
            colour, lw);
    };
    if (name == "back") {
        line({ { 0.15, -0.45 }, { -0.35, 0 }, { 0.15, 0.45 } });
        line({ { -0.3, 0 }, { 0.45, 0 } });
    } else if (name == "close" || name == "x") {
        line({ { -0.35, -0.35 }, { 0.35, 0.35 } });
        line({ { 0.35, -0.35 }, { -0.35, 0.35 } });
    } else if (name == "left") {
        line({ { 0.2, -0.45 }, { -0.25, 0 }, { 0.2, 0.45 } });
    } else if (name == "leftend") {
        line({ { 0.35, -0.45 }, { -0.05, 0 }, { 0.35, 0.45 } });
        line({ { -0.3, -0.45 }, { -0.3, 0.45 } });
    } else if (name == "down") {
        c.fill([&](cairo_t* cr) {
            cairo_move_to(cr, cx - 0.4 * s, cy - 0.2 * s);
            cairo_line_to(cr, cx + 0.4 * s, cy - 0.2 * s);
            cairo_line_to(cr, cx, cy + 0.3 * s);
            cairo_close_path(cr);
        }, colour);
    } else if (name == "plus") {
        line({ { -0.4, 0 }, { 0.4, 0 } });
        line({ { 0, -0.4 }, { 0, 0.4 } });
    } else if (name == "minus") {
        line({ { -0.4, 0 }, { 0.4, 0 } });
    } else if (name == "pause") {
        line({ { -0.18, -0.38 }, { -0.18, 0.38 } });
        line({ { 0.18, -0.38 }, { 0.18, 0.38 } });
    } else if (name == "play") {
        c.fill([&](cairo_t* cr) {
            cairo_move_to(cr, cx - 0.25 * s, cy - 0.42 * s);
            cairo_line_to(cr, cx + 0.45 * s, cy);
            cairo_line_to(cr, cx - 0.25 * s, cy + 0.42 * s);
            cairo_close_path(cr);
        }, colour);
    } else if (name == "check") {
        line({ { -0.4, 0 }, { -0.1, 0.32 }, { 0.42, -0.32 } });
    } else if (name == "star") {
        c.fill([&](cairo_t* cr) { Canvas::star(cr, cx, cy, s * 0.5, s * 0.22, 5); }, colour);
    } else if (name == "question") {
        TextStyle t;
        t.size = s * 1.1;
        t.fill = colour;
        c.text("?", cx, cy, t);
    }
}

void paintButton(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "radius", "label", "size", "pressed", "icon", "text" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double pad = std::max(2.0, c.height() * 0.05);
    const double h = c.height() - pad * 2, w = c.width() - pad * 2;
    const double r = line.number("radius", h * 0.45);
    buttonBody(c, pad, pad, w, h, r, colour, line.integer("pressed", 0) != 0);
    const double rim = std::max(2.0, h * 0.07);
    const double cy = pad + (h - rim) / 2 + (line.integer("pressed", 0) ? rim : 0);
    const std::string label = line.text("label", "");
    if (line.has("icon"))
        icon(c, line.text("icon", ""), label.empty() ? c.width() / 2.0 : pad + h * 0.55, cy, h * 0.5, fur);
    if (!label.empty()) {
        TextStyle t;
        t.size = line.number("size", h * 0.48);
        t.fill = argColour(line, "text", "#ffffff");
        t.outline = darker(colour, 0.5);
        t.outlineWidth = t.size * 0.08;
        t.maxWidth = line.has("icon") ? w - h * 1.15 : w - r;
        t.shadow = true;
        const double cx = line.has("icon") ? (pad + h + c.width() - pad) / 2 : c.width() / 2.0;
        c.text(label, cx, cy, t);
    }
}

void paintRoundButton(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "icon", "ring" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double pad = c.width() * 0.06;
    const double d = std::min(c.width(), c.height()) - pad * 2;
    buttonBody(c, (c.width() - d) / 2, (c.height() - d) / 2, d, d, d / 2, colour, false);
    if (line.integer("ring", 1))
        c.stroke([&](cairo_t* cr) { Canvas::ellipse(cr, c.width() / 2.0, c.height() / 2.0 - d * 0.035, d * 0.46, d * 0.43); },
            withAlpha(fur, 0.8), d * 0.04);
    icon(c, line.text("icon", "star"), c.width() / 2.0, c.height() / 2.0 - d * 0.035, d * 0.5, fur);
}

void paintPanel(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "border", "radius", "header", "inner", "shadow", "dots" });
    const Rgba body = argColour(line, "colour", "#fff5dc");
    const Rgba border = argColour(line, "border", "#ff9a2e");
    const double m = std::min(c.width(), c.height());
    const double pad = line.number("shadow", m * 0.04);
    const double r = line.number("radius", m * 0.12);
    const double bw = std::max(3.0, m * 0.035);
    auto outer = [&](cairo_t* cr) { Canvas::roundRect(cr, pad, pad * 0.6, c.width() - pad * 2, c.height() - pad * 2, r); };
    auto inner = [&](cairo_t* cr) {
        Canvas::roundRect(cr, pad + bw, pad * 0.6 + bw, c.width() - pad * 2 - bw * 2, c.height() - pad * 2 - bw * 2, r - bw);
    };
    if (pad > 0)
        c.shadow(outer, 0, pad * 0.5, pad, withAlpha(hex("#5a2e10"), 0.35));
    c.fillVertical(outer, lighter(border, 0.2), darker(border, 0.12), pad, c.height() - pad);
    c.fillVertical(inner, lighter(body, 0.5), body, pad, c.height() - pad);
    if (line.integer("dots", 0)) {
        for (double y = pad + bw * 3; y < c.height() - pad - bw * 2; y += m * 0.08)
            for (double x = pad + bw * 3 + (int(y / (m * 0.08)) % 2) * m * 0.04; x < c.width() - pad - bw * 2; x += m * 0.08)
                c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, x, y, m * 0.008, m * 0.008); }, withAlpha(darker(body, 0.1), 0.6));
    }
    if (line.integer("inner", 1)) {
        auto dash = [&](cairo_t* cr) {
            Canvas::roundRect(cr, pad + bw * 2.2, pad * 0.6 + bw * 2.2, c.width() - pad * 2 - bw * 4.4,
                c.height() - pad * 2 - bw * 4.4, std::max(1.0, r - bw * 2.2));
        };
        c.stroke(dash, withAlpha(border, 0.45), std::max(1.5, bw * 0.3));
    }
    const std::string header = line.text("header", "");
    if (!header.empty()) {
        TextStyle t;
        t.size = m * 0.09;
        t.fill = fur;
        t.outline = darker(border, 0.45);
        t.outlineWidth = t.size * 0.1;
        c.text(header, c.width() / 2.0, pad + m * 0.09, t);
    }
}

void paintField(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "border" });
    const Rgba body = argColour(line, "colour", "#ffffff");
    const Rgba border = argColour(line, "border", "#f0b46a");
    // Corners stay inside 30 % of the height so the field survives nine-slice stretching
    // with caps of about a third.
    const double h = c.height(), pad = std::max(2.0, h * 0.04);
    auto box = [&](cairo_t* cr) { Canvas::roundRect(cr, pad, pad, c.width() - pad * 2, h - pad * 2, h * 0.24); };
    c.fill(box, border);
    auto inner = [&](cairo_t* cr) {
        Canvas::roundRect(cr, pad + h * 0.05, pad + h * 0.05, c.width() - pad * 2 - h * 0.1, h - pad * 2 - h * 0.1, h * 0.2);
    };
    c.fillVertical(inner, darker(body, 0.06), body, pad, pad + h * 0.3);
}

void paintBar(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "gloss" });
    const Rgba colour = argColour(line, "colour", "#ffc933");
    const double h = c.height(), pad = std::max(1.0, h * 0.08);
    auto bar = [&](cairo_t* cr) { Canvas::roundRect(cr, pad, pad, c.width() - 2 * pad, h - 2 * pad, (h - 2 * pad) / 2); };
    c.fillVertical(bar, lighter(colour, 0.25), darker(colour, 0.15), pad, h - pad);
    c.stroke(bar, darker(colour, 0.35), std::max(1.5, h * 0.07));
    if (line.integer("gloss", 1))
        c.gloss(bar, pad, h / 2, 0.45);
}

void paintTile(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "pressed", "glow" });
    const Rgba colour = argColour(line, "colour", "#4aa8ef");
    const bool pressed = line.integer("pressed", 0) != 0;
    const double s = std::min(c.width(), c.height());
    if (line.integer("glow", 0)) {
        c.fillRadial([&](cairo_t* cr) { cairo_rectangle(cr, 0, 0, c.width(), c.height()); }, c.width() / 2.0,
            c.height() / 2.0, s / 2, withAlpha(colour, 0.0), withAlpha(colour, 0.0));
        c.stroke([&](cairo_t* cr) { Canvas::roundRect(cr, s * 0.08, s * 0.08, c.width() - s * 0.16, c.height() - s * 0.16, s * 0.18); },
            colour, s * 0.08);
        c.stroke([&](cairo_t* cr) { Canvas::roundRect(cr, s * 0.08, s * 0.08, c.width() - s * 0.16, c.height() - s * 0.16, s * 0.18); },
            withAlpha(fur, 0.8), s * 0.025);
        return;
    }
    buttonBody(c, s * 0.04, s * 0.04, c.width() - s * 0.08, c.height() - s * 0.08, s * 0.2, colour, pressed);
    c.fill([&](cairo_t* cr) { Canvas::roundRect(cr, s * 0.16, s * 0.14 + (pressed ? s * 0.06 : 0), c.width() - s * 0.32, c.height() - s * 0.38, s * 0.12); },
        withAlpha(fur, 0.9));
}

void paintRibbon(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "label", "text", "size", "band" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    // A ribbon may fill only the top rows of a taller, otherwise clear picture: the tip box centres its
    // title at a fixed point, and the clear rows lift the ribbon above the box's text.
    const double w = c.width(), h = std::min<double>(c.height(), line.number("band", c.height()));
    const double tail = h * 0.5, bandTop = h * 0.12, bandH = h * 0.7;
    // Folded ends behind the band.
    for (int side : { -1, 1 }) {
        auto end = [&](cairo_t* cr) {
            const double x0 = side < 0 ? 2 : w - 2, x1 = side < 0 ? tail * 1.4 : w - tail * 1.4;
            cairo_move_to(cr, x0, bandTop + bandH * 0.3);
            cairo_line_to(cr, x1, bandTop + bandH * 0.3);
            cairo_line_to(cr, x1, h - 3);
            cairo_line_to(cr, x0, h - 3);
            cairo_line_to(cr, x0 + side * -tail * 0.5, bandTop + bandH * 0.3 + (h - 3 - bandTop - bandH * 0.3) / 2);
            cairo_close_path(cr);
        };
        c.fill(end, darker(colour, 0.25));
    }
    auto band = [&](cairo_t* cr) { Canvas::roundRect(cr, tail * 0.9, bandTop, w - tail * 1.8, bandH, h * 0.12); };
    c.shadow(band, 0, h * 0.04, h * 0.06, withAlpha(ink, 0.35));
    c.fillVertical(band, lighter(colour, 0.25), darker(colour, 0.05), bandTop, bandTop + bandH);
    c.gloss(band, bandTop, bandTop + bandH * 0.5, 0.35);
    c.stroke(band, darker(colour, 0.4), std::max(2.0, h * 0.03));
    TextStyle t;
    t.size = line.number("size", bandH * 0.62);
    t.fill = argColour(line, "text", "#ffffff");
    t.fillBottom = mix(t.fill, gold, 0.35);
    t.outline = darker(colour, 0.55);
    t.outlineWidth = t.size * 0.09;
    t.maxWidth = w - tail * 2.4;
    c.text(line.text("label", ""), w / 2, bandTop + bandH / 2, t);
}

void paintWord(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "label", "colour", "bottom", "outline", "size", "face" });
    TextStyle t;
    t.face = line.text("face", "display") == "sans" ? Face::Sans : Face::Display;
    t.size = line.number("size", c.height() * 0.72);
    t.fill = argColour(line, "colour", "#fff3b0");
    t.fillBottom = argColour(line, "bottom", "#ffa21f");
    t.outline = argColour(line, "outline", "#8a3b0e");
    t.outlineWidth = t.size * 0.1;
    t.maxWidth = c.width() - 4;
    t.shadow = true;
    c.text(line.text("label", ""), c.width() / 2.0, c.height() / 2.0, t);
}

void paintMark(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "kind", "disc" });
    const std::string kind = line.text("kind", "right");
    const double s = std::min(c.width(), c.height());
    const Rgba colour = kind == "right" ? green : red;
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    if (kind == "stamp") {
        // A signed calendar day: a see-through tile over the whole cell, so the number stays
        // readable under it.
        const double inset = s * 0.05;
        auto tile = [&](cairo_t* cr) {
            Canvas::roundRect(cr, inset, inset, c.width() - 2 * inset, c.height() - 2 * inset, s * 0.25);
        };
        c.fill(tile, withAlpha(green, 0.32));
        c.stroke(tile, withAlpha(darker(green, 0.15), 0.9), s * 0.05);
        return;
    }
    if (line.integer("disc", 1)) {
        auto disc = [&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy, s * 0.44, s * 0.44); };
        c.shadow(disc, 0, s * 0.02, s * 0.05, withAlpha(ink, 0.35));
        c.fillVertical(disc, lighter(colour, 0.3), darker(colour, 0.1), cy - s * 0.44, cy + s * 0.44);
        c.stroke(disc, fur, s * 0.04);
        c.gloss(disc, cy - s * 0.44, cy, 0.35);
        icon(c, kind == "right" ? "check" : "close", cx, cy, s * 0.6, fur);
    } else {
        // Bare mark: a white rim under the coloured stroke keeps it readable anywhere.
        icon(c, kind == "right" ? "check" : "close", cx, cy, s * 0.85, fur);
        icon(c, kind == "right" ? "check" : "close", cx, cy, s * 0.72, kind == "right" ? deepOrange : darker(red, 0.1));
    }
}

void paintLetter(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "label", "colour" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double s = std::min(c.width(), c.height());
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    auto disc = [&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy, s * 0.44, s * 0.44); };
    c.shadow(disc, 0, s * 0.03, s * 0.05, withAlpha(ink, 0.35));
    c.fillVertical(disc, lighter(colour, 0.3), darker(colour, 0.12), cy - s * 0.44, cy + s * 0.44);
    c.stroke(disc, fur, s * 0.05);
    c.gloss(disc, cy - s * 0.44, cy, 0.4);
    TextStyle t;
    t.size = s * 0.6;
    t.fill = fur;
    t.outline = darker(colour, 0.45);
    t.outlineWidth = s * 0.03;
    c.text(line.text("label", "A"), cx, cy, t);
}

void paintTag(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "label", "colour" });
    const Rgba colour = argColour(line, "colour", "#ef4b3f");
    const double w = c.width(), h = c.height();
    auto tag = [&](cairo_t* cr) {
        cairo_move_to(cr, h * 0.35, h * 0.1);
        cairo_line_to(cr, w - 4, h * 0.1);
        cairo_line_to(cr, w - 4, h * 0.85);
        cairo_line_to(cr, h * 0.35, h * 0.85);
        cairo_line_to(cr, 4, h * 0.475);
        cairo_close_path(cr);
    };
    c.shadow(tag, 0, 2, 4, withAlpha(ink, 0.3));
    c.fillVertical(tag, lighter(colour, 0.25), colour, 0, h);
    c.stroke(tag, fur, h * 0.05);
    c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, h * 0.33, h * 0.475, h * 0.07, h * 0.07); }, fur);
    TextStyle t;
    t.size = h * 0.5;
    t.fill = fur;
    t.maxWidth = w - h * 0.6;
    c.text(line.text("label", "HOT"), (h * 0.45 + w) / 2, h * 0.475, t);
}

void paintProgress(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double s = std::min(c.width(), c.height());
    const double cx = c.width() / 2.0, cy = c.height() / 2.0;
    for (int i = 0; i < 10; ++i) {
        const double a = i * M_PI / 5;
        const double alpha = 0.15 + 0.85 * i / 9.0;
        c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx + std::cos(a) * s * 0.36, cy + std::sin(a) * s * 0.36, s * (0.05 + 0.04 * i / 9.0), s * (0.05 + 0.04 * i / 9.0)); },
            withAlpha(colour, alpha));
    }
}

void paintCheck(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "on", "round" });
    const double s = std::min(c.width(), c.height());
    const bool round = line.integer("round", 0) != 0;
    auto box = [&](cairo_t* cr) {
        if (round) Canvas::ellipse(cr, c.width() / 2.0, c.height() / 2.0, s * 0.42, s * 0.42);
        else Canvas::roundRect(cr, s * 0.08, s * 0.08, s * 0.84, s * 0.84, s * 0.2);
    };
    c.fill(box, fur);
    c.stroke(box, orange, s * 0.08);
    if (line.integer("on", 0)) {
        if (round) c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, c.width() / 2.0, c.height() / 2.0, s * 0.24, s * 0.24); }, deepOrange);
        else icon(c, "check", c.width() / 2.0, c.height() / 2.0, s * 0.75, deepOrange);
    }
}

} // namespace

BRINDLE_PAINTER("button", paintButton)
BRINDLE_PAINTER("roundbtn", paintRoundButton)
BRINDLE_PAINTER("panel", paintPanel)
BRINDLE_PAINTER("field", paintField)
BRINDLE_PAINTER("bar", paintBar)
BRINDLE_PAINTER("tile", paintTile)
BRINDLE_PAINTER("ribbon", paintRibbon)
BRINDLE_PAINTER("word", paintWord)
BRINDLE_PAINTER("mark", paintMark)
BRINDLE_PAINTER("letter", paintLetter)
BRINDLE_PAINTER("tag", paintTag)
BRINDLE_PAINTER("progress", paintProgress)
BRINDLE_PAINTER("check", paintCheck)

} // namespace brindle::assets
