// The rabbit mascot and the carrots: the two things nearly every screen shows.

#include "art/Painters.h"

#include <cmath>

namespace brindle::assets {

namespace {

using namespace palette;

void rotatedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    Canvas::ellipse(cr, 0, 0, rx, ry);
    cairo_restore(cr);
}

// Filled shape with the sticker outline every character shares.
void sticker(Canvas& c, const Canvas::Path& path, Rgba top, Rgba bottom, double y0, double y1, double line)
{
    c.stroke(path, brown, line * 2);
    c.fillVertical(path, top, bottom, y0, y1);
}

void drawEar(Canvas& c, double x, double y, double rx, double ry, double angle, double line)
{
    auto outer = [&](cairo_t* cr) { rotatedEllipse(cr, x, y, rx, ry, angle); };
    auto inner = [&](cairo_t* cr) { rotatedEllipse(cr, x, y + ry * 0.12, rx * 0.52, ry * 0.72, angle); };
    sticker(c, outer, fur, furShade, y - ry, y + ry, line);
    c.fill(inner, withAlpha(pink, 0.9));
}

} // namespace

void drawRabbitHead(Canvas& c, double cx, double cy, double r, const RabbitLook& look, bool ears)
{
    const double u = r / 80.0;
    const double line = 4.5 * u;
    if (ears) {
        drawEar(c, cx - 34 * u, cy - 108 * u, 22 * u, 60 * u, -0.18, line);
        drawEar(c, cx + 34 * u, cy - 108 * u, 22 * u, 60 * u, 0.18, line);
    }
    auto head = [&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy, 88 * u, 76 * u); };
    sticker(c, head, fur, furShade, cy - 76 * u, cy + 76 * u, line);
    // Eyes with a glint, rosy cheeks, a small nose and a smile.
    for (int side : { -1, 1 }) {
        c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx + side * 31 * u, cy - 2 * u, 10 * u, 13 * u); }, ink);
        c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx + side * 31 * u - 3 * u, cy - 7 * u, 4 * u, 4 * u); },
            fur);
        c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx + side * 55 * u, cy + 20 * u, 15 * u, 9 * u); },
            withAlpha(pink, 0.75));
    }
    c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy + 14 * u, 8 * u, 5.5 * u); }, hex("#f06f8a"));
    c.stroke(
        [&](cairo_t* cr) {
            cairo_move_to(cr, cx - 13 * u, cy + 24 * u);
            cairo_curve_to(cr, cx - 9 * u, cy + 33 * u, cx - 2 * u, cy + 31 * u, cx, cy + 22 * u);
            cairo_curve_to(cr, cx + 2 * u, cy + 31 * u, cx + 9 * u, cy + 33 * u, cx + 13 * u, cy + 24 * u);
        },
        ink, 3.2 * u);

    if (look.hat == "grad") {
        c.fill([&](cairo_t* cr) { Canvas::roundRect(cr, cx - 42 * u, cy - 86 * u, 84 * u, 26 * u, 6 * u); },
            hex("#2f2f46"));
        c.fill(
            [&](cairo_t* cr) {
                cairo_move_to(cr, cx - 95 * u, cy - 92 * u);
                cairo_line_to(cr, cx, cy - 122 * u);
                cairo_line_to(cr, cx + 95 * u, cy - 92 * u);
                cairo_line_to(cr, cx, cy - 66 * u);
                cairo_close_path(cr);
            },
            hex("#3b3b58"));
        c.stroke(
            [&](cairo_t* cr) {
                cairo_move_to(cr, cx, cy - 94 * u);
                cairo_line_to(cr, cx + 70 * u, cy - 86 * u);
                cairo_line_to(cr, cx + 72 * u, cy - 50 * u);
            },
            gold, 4 * u);
    } else if (look.hat == "crown") {
        auto crown = [&](cairo_t* cr) {
            cairo_move_to(cr, cx - 50 * u, cy - 62 * u);
            cairo_line_to(cr, cx - 58 * u, cy - 118 * u);
            cairo_line_to(cr, cx - 28 * u, cy - 90 * u);
            cairo_line_to(cr, cx, cy - 128 * u);
            cairo_line_to(cr, cx + 28 * u, cy - 90 * u);
            cairo_line_to(cr, cx + 58 * u, cy - 118 * u);
            cairo_line_to(cr, cx + 50 * u, cy - 62 * u);
            cairo_close_path(cr);
        };
        sticker(c, crown, hex("#fff07a"), hex("#f5a300"), cy - 128 * u, cy - 62 * u, line * 0.8);
        c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy - 80 * u, 8 * u, 8 * u); }, red);
    } else if (look.hat == "glasses") {
        for (int side : { -1, 1 })
            c.stroke([&](cairo_t* cr) { Canvas::ellipse(cr, cx + side * 31 * u, cy - 2 * u, 20 * u, 18 * u); },
                ink, 4 * u);
        c.stroke(
            [&](cairo_t* cr) {
                cairo_move_to(cr, cx - 11 * u, cy - 4 * u);
                cairo_line_to(cr, cx + 11 * u, cy - 4 * u);
            },
            ink, 4 * u);
    } else if (look.hat == "headset") {
        c.stroke([&](cairo_t* cr) { cairo_arc(cr, cx, cy - 10 * u, 84 * u, M_PI * 1.05, M_PI * 1.95); }, hex("#3a4a6b"),
            9 * u);
        for (int side : { -1, 1 })
            c.fill([&](cairo_t* cr) { Canvas::roundRect(cr, cx + side * 86 * u - 14 * u, cy - 18 * u, 28 * u, 42 * u, 10 * u); },
                hex("#3a9bef"));
    } else if (look.hat == "band") {
        c.fill([&](cairo_t* cr) { Canvas::roundRect(cr, cx - 86 * u, cy - 60 * u, 172 * u, 20 * u, 10 * u); }, red);
        c.fill([&](cairo_t* cr) { Canvas::star(cr, cx, cy - 50 * u, 14 * u, 6 * u, 5); }, gold);
    } else if (look.hat == "cap") {
        auto cap = [&](cairo_t* cr) {
            cairo_move_to(cr, cx - 80 * u, cy - 40 * u);
            cairo_curve_to(cr, cx - 76 * u, cy - 110 * u, cx + 76 * u, cy - 110 * u, cx + 80 * u, cy - 40 * u);
            cairo_line_to(cr, cx + 130 * u, cy - 36 * u);
            cairo_curve_to(cr, cx + 120 * u, cy - 24 * u, cx + 90 * u, cy - 24 * u, cx + 80 * u, cy - 26 * u);
            cairo_close_path(cr);
        };
        sticker(c, cap, lighter(look.scarf, 0.2), darker(look.scarf, 0.15), cy - 100 * u, cy - 24 * u, line * 0.8);
    }
}

void drawRabbit(Canvas& c, double cx, double bottom, double height, const RabbitLook& look)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    if (look.mirror) {
        cairo_translate(cr, 2 * cx, 0);
        cairo_scale(cr, -1, 1);
    }
    const double u = height / 360.0;
    const double line = 4.5 * u;
    const double bodyY = bottom - 72 * u;
    const double headY = bottom - 178 * u;
    const bool run = look.pose == "run1" || look.pose == "run2";
    const double lean = run ? (look.pose == "run1" ? 10 * u : -10 * u) : 0;

    // Feet and body first, the head on top.
    for (int side : { -1, 1 }) {
        const double step = run ? side * (look.pose == "run1" ? 12 : -12) * u : 0;
        sticker(c, [&](cairo_t* p) { Canvas::ellipse(p, cx + side * 34 * u + step, bottom - 14 * u, 30 * u, 14 * u); },
            fur, furShade, bottom - 28 * u, bottom, line);
    }
    auto body = [&](cairo_t* p) { Canvas::ellipse(p, cx + lean * 0.3, bodyY, 60 * u, 66 * u); };
    sticker(c, body, fur, furShade, bodyY - 66 * u, bodyY + 66 * u, line);
    c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx + lean * 0.3, bodyY + 10 * u, 34 * u, 40 * u); },
        withAlpha(hex("#fff9f2"), 1));

    // Arms by pose: angles measured from hanging straight down.
    double left = 0.35, right = -0.35;
    if (look.pose == "wave") right = -2.5;
    if (look.pose == "cheer") { left = 2.6; right = -2.6; }
    if (look.pose == "hold") { left = -0.9; right = 0.9; }
    if (look.pose == "think") right = -2.0;
    if (run) { left = look.pose == "run1" ? 0.9 : -0.5; right = -left; }
    for (int side : { -1, 1 }) {
        const double a = side < 0 ? left : right;
        const double sx = cx + side * 48 * u, sy = bodyY - 30 * u;
        const double ex = sx - std::sin(a) * 34 * u * (side < 0 ? 1 : 1), ey = sy + std::cos(a) * 34 * u;
        sticker(c, [&](cairo_t* p) { rotatedEllipse(p, ex, ey, 17 * u, 30 * u, -a); }, fur, furShade, ey - 30 * u,
            ey + 30 * u, line);
    }
    if (look.pose == "hold")
        drawCarrot(c, cx, bodyY + 4 * u, 110 * u, -0.5, false);

    // Scarf: a band at the neck with a tail.
    c.stroke([&](cairo_t* p) { Canvas::roundRect(p, cx - 58 * u, headY + 60 * u, 116 * u, 24 * u, 12 * u); }, brown,
        line * 2);
    c.fillVertical([&](cairo_t* p) { Canvas::roundRect(p, cx - 58 * u, headY + 60 * u, 116 * u, 24 * u, 12 * u); },
        lighter(look.scarf, 0.15), darker(look.scarf, 0.1), headY + 60 * u, headY + 84 * u);
    auto tail = [&](cairo_t* p) { Canvas::roundRect(p, cx + 22 * u, headY + 72 * u, 22 * u, 50 * u, 9 * u); };
    c.stroke(tail, brown, line * 2);
    c.fill(tail, darker(look.scarf, 0.05));

    drawRabbitHead(c, cx + lean, headY, 80 * u, look, true);
    cairo_restore(cr);
}

void drawCarrot(Canvas& c, double cx, double cy, double length, double angle, bool gold)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    const double L = length, W = length * 0.36;
    // Drawn with its top at -L/2 (leaves above) and tip at +L/2.
    const double top = -L * 0.30, tip = L * 0.5;
    auto leafShape = [&](double a, double s) {
        return [=](cairo_t* p) { rotatedEllipse(p, std::sin(a) * L * 0.13, top - L * 0.13 * s, L * 0.07, L * 0.17 * s, a); };
    };
    const Rgba leafTop = gold ? hex("#9be36a") : hex("#7ad65a"), leafBottom = palette::leaf;
    for (auto [a, s] : { std::pair { -0.55, 0.85 }, { 0.55, 0.85 }, { 0.0, 1.05 } }) {
        c.stroke(leafShape(a, s), brown, L * 0.035);
        c.fillVertical(leafShape(a, s), leafTop, leafBottom, top - L * 0.3, top);
    }
    auto body = [&](cairo_t* p) {
        cairo_move_to(p, -W / 2, top + W * 0.2);
        cairo_curve_to(p, -W / 2, top - W * 0.25, W / 2, top - W * 0.25, W / 2, top + W * 0.2);
        cairo_curve_to(p, W * 0.42, top + L * 0.35, W * 0.12, tip - L * 0.05, 0, tip);
        cairo_curve_to(p, -W * 0.12, tip - L * 0.05, -W * 0.42, top + L * 0.35, -W / 2, top + W * 0.2);
        cairo_close_path(p);
    };
    c.stroke(body, brown, L * 0.04);
    if (gold)
        c.fillVertical(body, hex("#fff27a"), hex("#f0a400"), top, tip);
    else
        c.fillVertical(body, hex("#ffa23a"), hex("#f26a12"), top, tip);
    // Ridges and a shine.
    for (int i = 0; i < 3; ++i) {
        const double y = top + L * (0.18 + i * 0.14);
        const double half = W * (0.38 - i * 0.09);
        c.stroke(
            [&](cairo_t* p) {
                cairo_move_to(p, (i % 2 ? 0.05 : -0.35) * half * 2, y);
                cairo_line_to(p, (i % 2 ? 0.45 : -0.05) * half * 2, y + L * 0.015);
            },
            withAlpha(gold ? hex("#c97f00") : hex("#c2470b"), 0.8), L * 0.022);
    }
    c.fill([&](cairo_t* p) { rotatedEllipse(p, -W * 0.18, top + L * 0.18, W * 0.08, L * 0.14, 0.15); },
        withAlpha(fur, 0.55));
    if (gold) {
        for (auto [x, y, s] : { std::tuple { W * 0.55, top + L * 0.05, 1.0 }, { -W * 0.6, top + L * 0.45, 0.7 } })
            c.fill([&](cairo_t* p) { Canvas::star(p, x, y, L * 0.08 * s, L * 0.02 * s, 4); }, fur);
    }
    cairo_restore(cr);
}

namespace {

void paintRabbit(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "scarf", "pose", "hat", "mirror", "fill" });
    RabbitLook look;
    look.scarf = argColour(line, "scarf", "#ff8a1f");
    look.pose = line.text("pose", "stand");
    look.hat = line.text("hat", "");
    look.mirror = line.integer("mirror", 0) != 0;
    const double fill = line.number("fill", 0.94);
    // Figure proportions are 300 x 360; fit and centre.
    const double h = std::min(c.height() * fill, c.width() * fill * 360.0 / 300.0);
    drawRabbit(c, c.width() / 2.0, c.height() - (c.height() - h) / 2.0, h, look);
}

void paintRabbitHead(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "scarf", "hat", "ears" });
    RabbitLook look;
    look.scarf = argColour(line, "scarf", "#ff8a1f");
    look.hat = line.text("hat", "");
    const bool ears = line.integer("ears", 1) != 0;
    const double r = ears ? std::min(c.width() / 2.3, c.height() / 3.1) : std::min(c.width() / 2.3, c.height() / 2.1);
    drawRabbitHead(c, c.width() / 2.0, ears ? c.height() - r * 1.05 : c.height() / 2.0, r, look, ears);
}

// Separate bones of the mascot for the armatures: each fills its picture, pivot as
// armature-parts.txt says.
void paintRabbitPart(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "part", "scarf", "side" });
    const std::string part = line.text("part", "body");
    const Rgba scarfColour = argColour(line, "scarf", "#ff8a1f");
    const double w = c.width(), h = c.height();
    if (part == "ear") {
        const double lw = std::min(w, h) * 0.06;
        drawEar(c, w / 2, h / 2, w / 2 - lw * 1.5, h / 2 - lw * 1.5, 0, lw);
        return;
    }
    if (part == "arm") {
        const double lw = w * 0.07;
        sticker(c, [&](cairo_t* p) { Canvas::ellipse(p, w / 2, h / 2, w / 2 - lw * 1.5, h / 2 - lw * 1.5); }, fur, furShade, 0, h, lw);
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, w / 2, h * 0.8, w * 0.18, h * 0.08); }, withAlpha(pink, 0.7));
        return;
    }
    // Body with feet and scarf, no head or arms; drawn to the 200 x 220 proportions.
    const double u = std::min(w / 200.0, h / 220.0);
    const double cx = w / 2, bottom = h - 4 * u, line_ = 4.5 * u * 1.4;
    for (int side : { -1, 1 })
        sticker(c, [&](cairo_t* p) { Canvas::ellipse(p, cx + side * 45 * u, bottom - 18 * u, 40 * u, 18 * u); }, fur, furShade, bottom - 36 * u, bottom, line_);
    const double bodyY = bottom - 100 * u;
    auto body = [&](cairo_t* p) { Canvas::ellipse(p, cx, bodyY, 82 * u, 90 * u); };
    sticker(c, body, fur, furShade, bodyY - 90 * u, bodyY + 90 * u, line_);
    c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, bodyY + 14 * u, 48 * u, 55 * u); }, hex("#fff9f2"));
    auto scarf = [&](cairo_t* p) { Canvas::roundRect(p, cx - 72 * u, bodyY - 92 * u, 144 * u, 32 * u, 16 * u); };
    c.stroke(scarf, brown, line_ * 2);
    c.fillVertical(scarf, lighter(scarfColour, 0.15), darker(scarfColour, 0.1), bodyY - 92 * u, bodyY - 60 * u);
    auto tail = [&](cairo_t* p) { Canvas::roundRect(p, cx + 26 * u, bodyY - 76 * u, 28 * u, 64 * u, 12 * u); };
    c.stroke(tail, brown, line_ * 2);
    c.fill(tail, darker(scarfColour, 0.05));
}

void paintCarrot(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "gold", "angle" });
    const double L = std::min(c.height() * 0.86, c.width() * 1.4);
    drawCarrot(c, c.width() / 2.0, c.height() / 2.0 + L * 0.08, L, line.number("angle", 0),
        line.integer("gold", 0) != 0);
}

} // namespace

BRINDLE_PAINTER("rabbit", paintRabbit)
BRINDLE_PAINTER("rabbithead", paintRabbitHead)
BRINDLE_PAINTER("carrot", paintCarrot)
BRINDLE_PAINTER("rabbitpart", paintRabbitPart)

} // namespace brindle::assets
