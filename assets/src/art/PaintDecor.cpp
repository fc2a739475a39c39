// Decorations and props: clouds, balloons, stars, lights, eggs, cards, tools, medals.

#include "art/Painters.h"

#include <cmath>

namespace brindle::assets {

namespace {

using namespace palette;

double minSide(Canvas& c) { return std::min(c.width(), c.height()); }

void paintCloud(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "variant" });
    const int v = line.integer("variant", 1);
    const double w = c.width(), h = c.height();
    auto cloud = [&](cairo_t* cr) {
        const double puffs[4][4][3] = {
            { { 0.3, 0.6, 0.22 }, { 0.5, 0.42, 0.3 }, { 0.72, 0.58, 0.22 }, { 0.5, 0.68, 0.2 } },
            { { 0.25, 0.62, 0.18 }, { 0.42, 0.45, 0.25 }, { 0.63, 0.4, 0.28 }, { 0.8, 0.62, 0.16 } },
            { { 0.3, 0.55, 0.25 }, { 0.55, 0.5, 0.3 }, { 0.75, 0.62, 0.2 }, { 0.45, 0.68, 0.2 } },
            { { 0.2, 0.65, 0.15 }, { 0.38, 0.5, 0.22 }, { 0.6, 0.45, 0.25 }, { 0.8, 0.6, 0.18 } },
        };
        const auto& p = puffs[(v - 1) & 3];
        // Puffs stay inside the picture (and its shadow blur) so no edge is cut flat.
        for (const auto& puff : p) {
            const double cy = puff[1] * h + h * 0.04;
            const double ry = std::min(puff[2] * w * 0.72, cy - h * 0.06);
            Canvas::ellipse(cr, puff[0] * w, cy, std::min(puff[2] * w * 0.9, ry * 1.35), ry);
        }
        Canvas::roundRect(cr, w * 0.12, h * 0.55, w * 0.76, h * 0.32, h * 0.16);
    };
    c.shadow(cloud, 0, h * 0.04, h * 0.08, withAlpha(hex("#6aa7d8"), 0.35));
    c.fillVertical(cloud, fur, hex("#e4f2fd"), h * 0.15, h * 0.9);
}

void paintBalloon(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "frame" });
    const Rgba colour = argColour(line, "colour", "#ef4b3f");
    const int frame = line.integer("frame", 1);
    const double w = c.width(), h = c.height();
    const double sway = frame == 2 ? w * 0.04 : -w * 0.04;
    const double cx = w / 2 + sway, cy = h * 0.36, rx = w * 0.4, ry = h * 0.33;
    c.stroke(
        [&](cairo_t* cr) {
            cairo_move_to(cr, cx, cy + ry + h * 0.04);
            cairo_curve_to(cr, cx - sway * 3, h * 0.8, w / 2 + sway * 2, h * 0.88, w / 2 - sway, h - 4);
        },
        hex("#8a6a50"), std::max(2.0, w * 0.015));
    auto knot = [&](cairo_t* cr) {
        cairo_move_to(cr, cx, cy + ry - 2);
        cairo_line_to(cr, cx - w * 0.05, cy + ry + h * 0.05);
        cairo_line_to(cr, cx + w * 0.05, cy + ry + h * 0.05);
        cairo_close_path(cr);
    };
    c.fill(knot, darker(colour, 0.2));
    auto body = [&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy, rx, ry); };
    c.fillRadial(body, cx - rx * 0.35, cy - ry * 0.4, rx * 1.6, lighter(colour, 0.35), darker(colour, 0.2));
    c.stroke(body, darker(colour, 0.35), std::max(2.0, w * 0.015));
    c.fill([&](cairo_t* cr) { Canvas::ellipse(cr, cx - rx * 0.42, cy - ry * 0.38, rx * 0.13, ry * 0.22); },
        withAlpha(fur, 0.7));
}

void paintStar(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "soft", "colour", "points" });
    const double s = minSide(c), cx = c.width() / 2.0, cy = c.height() / 2.0;
    const Rgba colour = argColour(line, "colour", "#ffd94a");
    if (line.integer("soft", 0)) {
        c.fillRadial([&](cairo_t* cr) { cairo_rectangle(cr, 0, 0, c.width(), c.height()); }, cx, cy, s / 2,
            withAlpha(fur, 0.9), withAlpha(fur, 0));
        c.fill([&](cairo_t* cr) { Canvas::star(cr, cx, cy, s * 0.48, s * 0.1, line.integer("points", 4)); },
            withAlpha(fur, 0.85));
        return;
    }
    auto star = [&](cairo_t* cr) { Canvas::star(cr, cx, cy + s * 0.03, s * 0.45, s * 0.2, 5); };
    c.shadow(star, 0, s * 0.03, s * 0.05, withAlpha(ink, 0.3));
    c.stroke(star, darker(colour, 0.4), s * 0.06);
    c.fillVertical(star, lighter(colour, 0.4), darker(colour, 0.08), cy - s * 0.45, cy + s * 0.45);
    c.gloss(star, cy - s * 0.45, cy, 0.4);
}

void paintGlow(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "rays", "frame", "ring", "strength" });
    const double s = minSide(c), cx = c.width() / 2.0, cy = c.height() / 2.0;
    const Rgba colour = argColour(line, "colour", "#fff2a0");
    const int rays = line.integer("rays", 0);
    const double turn = line.integer("frame", 0) * M_PI / std::max(1, rays) / 3.0;
    const double strength = line.number("strength", 0.9);
    if (rays > 0) {
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_new_path(cr);
        for (int i = 0; i < rays; ++i) {
            const double a = turn + i * 2 * M_PI / rays, da = M_PI / rays * 0.45;
            cairo_move_to(cr, cx, cy);
            cairo_arc(cr, cx, cy, s / 2, a - da, a + da);
            cairo_close_path(cr);
        }
        cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, s / 2);
        cairo_pattern_add_color_stop_rgba(p, 0, colour.r, colour.g, colour.b, strength);
        cairo_pattern_add_color_stop_rgba(p, 1, colour.r, colour.g, colour.b, 0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    c.fillRadial([&](cairo_t* cr) { cairo_rectangle(cr, 0, 0, c.width(), c.height()); }, cx, cy, s * 0.42,
        withAlpha(lighter(colour, 0.6), strength * (rays ? 0.8 : 1.0)), withAlpha(colour, 0));
    if (line.integer("ring", 0))
        c.stroke([&](cairo_t* cr) { Canvas::ellipse(cr, cx, cy, s * 0.44, s * 0.44); }, withAlpha(colour, 0.85), s * 0.03);
}

void paintEgg(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "frame" });
    const int frame = line.integer("frame", 1);
    const double w = c.width(), h = c.height();
    const double cx = w / 2, cy = h * 0.55, rx = w * 0.4, ry = h * 0.42;
    auto egg = [&](cairo_t* cr) {
        cairo_move_to(cr, cx, cy - ry);
        cairo_curve_to(cr, cx + rx * 0.95, cy - ry, cx + rx * 1.05, cy + ry * 0.2, cx + rx, cy + ry * 0.35);
        cairo_curve_to(cr, cx + rx * 0.9, cy + ry, cx - rx * 0.9, cy + ry, cx - rx, cy + ry * 0.35);
        cairo_curve_to(cr, cx - rx * 1.05, cy + ry * 0.2, cx - rx * 0.95, cy - ry, cx, cy - ry);
        cairo_close_path(cr);
    };
    if (frame >= 4) {
        // Opened: light pours out of the broken shell.
        c.fillRadial([&](cairo_t* cr) { cairo_rectangle(cr, 0, 0, w, h); }, cx, cy - ry * 0.3, w * 0.55,
            withAlpha(hex("#fff6b0"), frame == 5 ? 1.0 : 0.7), withAlpha(hex("#fff6b0"), 0));
    }
    c.shadow(egg, 0, h * 0.02, h * 0.04, withAlpha(ink, 0.3));
    cairo_t* cr = c.cr();
    cairo_save(cr);
    if (frame >= 4) {
        // Keep only the lower shell below a zigzag.
        cairo_new_path(cr);
        cairo_move_to(cr, 0, h);
        const double zy = cy - ry * (frame == 4 ? 0.1 : -0.1);
        for (int i = 0; i <= 8; ++i)
            cairo_line_to(cr, w * i / 8.0, zy + (i % 2 ? -h * 0.05 : h * 0.05));
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        cairo_clip(cr);
    }
    c.stroke(egg, hex("#b86b00"), w * 0.025);
    c.fillRadial(egg, cx - rx * 0.3, cy - ry * 0.4, rx * 2.0, hex("#fff59a"), hex("#f0a000"));
    c.gloss([&](cairo_t* p) { Canvas::ellipse(p, cx - rx * 0.35, cy - ry * 0.45, rx * 0.2, ry * 0.28); }, cy - ry, cy, 0.8);
    // Decoration band of little stars.
    for (int i = -1; i <= 1; ++i)
        c.fill([&](cairo_t* p) { Canvas::star(p, cx + i * rx * 0.55, cy + ry * 0.15, rx * 0.16, rx * 0.07, 5); },
            hex("#ff7a1a"));
    cairo_restore(cr);
    if (frame == 2 || frame == 3) {
        c.stroke(
            [&](cairo_t* p) {
                cairo_move_to(p, cx - rx * 0.1, cy - ry * 0.95);
                cairo_line_to(p, cx + rx * 0.1, cy - ry * 0.6);
                cairo_line_to(p, cx - rx * 0.15, cy - ry * 0.35);
                cairo_line_to(p, cx + rx * 0.12, cy - ry * 0.05);
                if (frame == 3) {
                    cairo_move_to(p, cx + rx * 0.1, cy - ry * 0.6);
                    cairo_line_to(p, cx + rx * 0.5, cy - ry * 0.5);
                    cairo_move_to(p, cx - rx * 0.15, cy - ry * 0.35);
                    cairo_line_to(p, cx - rx * 0.6, cy - ry * 0.2);
                }
            },
            hex("#8a4a00"), w * 0.022);
    }
    if (frame >= 4) {
        for (int i = 0; i < (frame == 5 ? 6 : 3); ++i) {
            const double a = -M_PI / 2 + (i - 2.5) * 0.45;
            c.fill([&](cairo_t* p) { Canvas::star(p, cx + std::cos(a) * rx * 0.9, cy - ry * 0.3 + std::sin(a) * ry * 0.8, w * 0.07, w * 0.025, 4); },
                fur);
        }
    }
}

void paintHammer(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({});
    const double w = c.width(), h = c.height();
    auto handle = [&](cairo_t* cr) { Canvas::roundRect(cr, w * 0.44, h * 0.3, w * 0.12, h * 0.66, w * 0.06); };
    c.stroke(handle, brown, w * 0.03);
    c.fillVertical(handle, hex("#d9964a"), hex("#9a5a22"), h * 0.3, h);
    auto head = [&](cairo_t* cr) { Canvas::roundRect(cr, w * 0.1, h * 0.06, w * 0.8, h * 0.3, h * 0.08); };
    c.shadow(head, 0, h * 0.02, h * 0.03, withAlpha(ink, 0.3));
    c.stroke(head, brown, w * 0.03);
    c.fillVertical(head, hex("#ffe27a"), hex("#e89a00"), h * 0.06, h * 0.36);
    c.gloss(head, h * 0.06, h * 0.2, 0.6);
    c.fill([&](cairo_t* cr) { Canvas::star(cr, w / 2, h * 0.21, h * 0.08, h * 0.035, 5); }, hex("#ff7a1a"));
}

void paintCardBack(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double w = c.width(), h = c.height(), s = minSide(c);
    auto card = [&](cairo_t* cr) { Canvas::roundRect(cr, s * 0.05, s * 0.04, w - s * 0.1, h - s * 0.1, s * 0.1); };
    c.shadow(card, 0, s * 0.02, s * 0.04, withAlpha(ink, 0.35));
    c.fill(card, fur);
    auto inner = [&](cairo_t* cr) { Canvas::roundRect(cr, s * 0.11, s * 0.1, w - s * 0.22, h - s * 0.22, s * 0.07); };
    c.fillVertical(inner, lighter(colour, 0.2), darker(colour, 0.1), 0, h);
    for (double y = s * 0.2; y < h - s * 0.1; y += s * 0.16)
        for (double x = s * 0.2 + (int(y / (s * 0.16)) % 2) * s * 0.08; x < w - s * 0.12; x += s * 0.16)
            c.fill([&](cairo_t* cr) { Canvas::star(cr, x, y, s * 0.035, s * 0.015, 4); }, withAlpha(fur, 0.35));
    RabbitLook look;
    drawRabbitHead(c, w / 2, h * 0.56, s * 0.22, look, true);
}

void paintTable(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({});
    const double w = c.width(), h = c.height();
    auto top = [&](cairo_t* cr) { Canvas::roundRect(cr, 6, h * 0.1, w - 12, h * 0.4, h * 0.12); };
    for (double x : { w * 0.12, w * 0.84 })
        c.fillVertical([&](cairo_t* cr) { Canvas::roundRect(cr, x, h * 0.4, w * 0.04, h * 0.58, 6); }, hex("#b06a2e"),
            hex("#7a4218"), h * 0.4, h);
    c.shadow(top, 0, h * 0.05, h * 0.06, withAlpha(ink, 0.35));
    c.stroke(top, brown, 4);
    c.fillVertical(top, hex("#e2a05a"), hex("#b8702e"), h * 0.1, h * 0.5);
    c.fill([&](cairo_t* cr) { Canvas::roundRect(cr, 14, h * 0.14, w - 28, h * 0.08, h * 0.04); }, withAlpha(fur, 0.25));
}

void paintPen(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "kind" });
    const double s = minSide(c), w = c.width(), h = c.height();
    cairo_t* cr = c.cr();
    if (line.text("kind", "pen") == "paper") {
        auto sheet = [&](cairo_t* p) {
            cairo_move_to(p, w * 0.2, h * 0.12);
            cairo_line_to(p, w * 0.68, h * 0.12);
            cairo_line_to(p, w * 0.82, h * 0.26);
            cairo_line_to(p, w * 0.82, h * 0.88);
            cairo_line_to(p, w * 0.2, h * 0.88);
            cairo_close_path(p);
        };
        c.shadow(sheet, 0, s * 0.02, s * 0.04, withAlpha(ink, 0.3));
        c.stroke(sheet, hex("#c9a77a"), s * 0.03);
        c.fill(sheet, hex("#fffdf4"));
        for (int i = 0; i < 5; ++i)
            c.stroke([&](cairo_t* p) { cairo_move_to(p, w * 0.3, h * (0.35 + i * 0.1)); cairo_line_to(p, w * (i == 4 ? 0.55 : 0.72), h * (0.35 + i * 0.1)); },
                hex("#9fc6ef"), s * 0.025);
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, M_PI / 4);
    const double L = s * 0.95, W = s * 0.18;
    auto body = [&](cairo_t* p) { cairo_rectangle(p, -W / 2, -L / 2, W, L * 0.72); };
    c.stroke(body, brown, s * 0.025);
    c.fillVertical(body, hex("#ffd54a"), hex("#f5a623"), -L / 2, L * 0.22);
    c.fill([&](cairo_t* p) { cairo_rectangle(p, -W / 2, -L / 2, W, L * 0.1); }, hex("#ff8fa3"));
    auto tip = [&](cairo_t* p) { cairo_move_to(p, -W / 2, L * 0.22); cairo_line_to(p, W / 2, L * 0.22); cairo_line_to(p, 0, L * 0.48); cairo_close_path(p); };
    c.stroke(tip, brown, s * 0.025);
    c.fill(tip, hex("#f3d2a2"));
    c.fill([&](cairo_t* p) { cairo_move_to(p, -W * 0.17, L * 0.4); cairo_line_to(p, W * 0.17, L * 0.4); cairo_line_to(p, 0, L * 0.48); cairo_close_path(p); }, ink);
    cairo_restore(cr);
}

// Zodiac figures and other animals: one chubby body, per-animal features.
struct Animal {
    const char* name;
    const char* body;
    const char* belly;
    const char* ears; // round, pointed, long, horns, none, floppy, comb
    const char* mark; // the zodiac character (names the animal; not drawn, see the belly heart)
};

const Animal kAnimals[] = {
    { "mouse", "#b9b3c6", "#f1ecf6", "biground", "鼠" },
    { "Cattle", "#c98a52", "#f6dcc0", "horns", "牛" },
    { "tiger", "#ffa033", "#fff1d8", "round", "虎" },
    { "rabbit", "#ffffff", "#ffeef2", "long", "兔" },
    { "Loong", "#4cc37a", "#e3f7c8", "antler", "龙" },
    { "snake", "#8fd14f", "#f1f9c8", "none", "蛇" },
    { "Horse", "#b8743e", "#f3d8b6", "pointed", "马" },
    { "Sheep", "#f6f1e6", "#fffdf6", "curl", "羊" },
    { "Monkey", "#a86a3c", "#f6d8b0", "side", "猴" },
    { "Chicken", "#fff3d6", "#ffffff", "comb", "鸡" },
    { "dog", "#e0b07a", "#fff1dc", "floppy", "狗" },
    { "pig", "#ffb3c1", "#ffe4ea", "pointed", "猪" },
};

void paintZodiac(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "animal", "frame" });
    const std::string name = line.text("animal", "");
    const Animal* animal = nullptr;
    for (const auto& a : kAnimals)
        if (name == a.name)
            animal = &a;
    if (!animal)
        line.fail("unknown animal '" + name + "'");
    const int frame = line.integer("frame", 1);
    const double s = minSide(c), u = s / 300.0;
    const double cx = c.width() / 2.0;
    const double bob = frame == 2 ? -8 * u : 0;
    const double step = frame == 1 ? 12 * u : frame == 3 ? -12 * u : 0;
    const Rgba body = hex(animal->body), belly = hex(animal->belly);
    const double line_ = 4.5 * u;
    const std::string ears = animal->ears;
    auto sticker = [&](const Canvas::Path& p, Rgba top, Rgba bottom, double y0, double y1) {
        c.stroke(p, brown, line_ * 2);
        c.fillVertical(p, top, bottom, y0, y1);
    };
    const double footY = 270 * u, bodyY = 205 * u + bob, headY = 120 * u + bob;
    // A little sway from side to side makes the walk cycle read at a glance.
    cairo_t* tilt = c.cr();
    cairo_save(tilt);
    cairo_translate(tilt, cx, footY);
    cairo_rotate(tilt, frame == 1 ? -0.07 : frame == 3 ? 0.07 : 0);
    cairo_translate(tilt, -cx, -footY);
    // Ground shadow, legs, tail, body, head.
    c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, 282 * u, 90 * u, 12 * u); }, withAlpha(ink, 0.18));
    if (name == "snake") {
        auto coil = [&](cairo_t* p) { Canvas::ellipse(p, cx, 240 * u, 105 * u, 38 * u); };
        sticker(coil, lighter(body, 0.2), darker(body, 0.1), 200 * u, 280 * u);
        auto neck = [&](cairo_t* p) { Canvas::roundRect(p, cx - 35 * u + step * 0.5, 150 * u + bob, 70 * u, 100 * u, 35 * u); };
        sticker(neck, lighter(body, 0.2), body, 150 * u, 250 * u);
        for (int i = 0; i < 4; ++i)
            c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx - 60 * u + i * 40 * u, 238 * u, 9 * u, 6 * u); }, darker(body, 0.2));
    } else {
        for (int side : { -1, 1 })
            sticker([&](cairo_t* p) { Canvas::roundRect(p, cx + side * 42 * u - 18 * u + side * step, 235 * u, 36 * u, 45 * u, 16 * u); },
                darker(body, 0.05), darker(body, 0.15), 235 * u, footY);
        if (name == "Chicken")
            for (int side : { -1, 1 })
                c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx + side * 42 * u - 18 * u + side * step, 262 * u, 36 * u, 18 * u, 8 * u); }, hex("#ffa21f"));
        // Tails.
        if (name == "tiger" || name == "mouse" || name == "Monkey" || name == "Loong")
            c.stroke([&](cairo_t* p) { cairo_move_to(p, cx + 70 * u, bodyY + 10 * u); cairo_curve_to(p, cx + 130 * u, bodyY, cx + 120 * u, bodyY - 70 * u, cx + 100 * u, bodyY - 60 * u); },
                darker(body, name == "mouse" ? 0.1 : 0.0), 12 * u);
        auto torso = [&](cairo_t* p) { Canvas::ellipse(p, cx, bodyY, 78 * u, 62 * u); };
        sticker(torso, lighter(body, 0.15), darker(body, 0.08), bodyY - 62 * u, bodyY + 62 * u);
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, bodyY + 10 * u, 46 * u, 40 * u); }, belly);
        if (name == "Chicken")
            for (int side : { -1, 1 })
                sticker([&](cairo_t* p) { Canvas::ellipse(p, cx + side * 70 * u, bodyY, 22 * u, 38 * u); }, fur, hex("#ffe6b0"), bodyY - 38 * u, bodyY + 38 * u);
    }
    // A heart rather than the animal's character: the treasure screen mirrors the figures to face
    // the way they walk, and a mirrored character reads wrong where a heart stays a heart.
    if (name != "snake") {
        const Rgba markColour = darker(body, name == "Sheep" || name == "Chicken" || name == "rabbit" ? 0.45 : 0.35);
        const double my = bodyY + 12 * u, r = 16 * u;
        c.fill([&](cairo_t* p) {
            cairo_move_to(p, cx, my + r * 1.1);
            cairo_curve_to(p, cx - r * 1.6, my + r * 0.1, cx - r * 1.1, my - r * 1.2, cx, my - r * 0.45);
            cairo_curve_to(p, cx + r * 1.1, my - r * 1.2, cx + r * 1.6, my + r * 0.1, cx, my + r * 1.1);
            cairo_close_path(p);
        }, withAlpha(markColour, 0.8));
    }

    // Ears and horns behind the head.
    const double hx = cx + step * 0.3;
    auto ear = [&](double x, double y, double rx, double ry, double a, Rgba col, Rgba inner) {
        auto shape = [&](cairo_t* p) { cairo_save(p); cairo_translate(p, x, y); cairo_rotate(p, a); Canvas::ellipse(p, 0, 0, rx, ry); cairo_restore(p); };
        sticker(shape, col, darker(col, 0.08), y - ry, y + ry);
        auto in = [&](cairo_t* p) { cairo_save(p); cairo_translate(p, x, y); cairo_rotate(p, a); Canvas::ellipse(p, 0, ry * 0.1, rx * 0.55, ry * 0.65); cairo_restore(p); };
        c.fill(in, inner);
    };
    for (int side : { -1, 1 }) {
        const double sx = side;
        if (ears == "biground") ear(hx + sx * 62 * u, headY - 55 * u, 38 * u, 38 * u, 0, body, pink);
        else if (ears == "round") ear(hx + sx * 55 * u, headY - 55 * u, 22 * u, 22 * u, 0, body, belly);
        else if (ears == "pointed") ear(hx + sx * 52 * u, headY - 60 * u, 18 * u, 30 * u, sx * 0.4, body, pink);
        else if (ears == "long") ear(hx + sx * 28 * u, headY - 95 * u, 18 * u, 52 * u, sx * 0.15, body, pink);
        else if (ears == "floppy") ear(hx + sx * 72 * u, headY - 5 * u, 20 * u, 40 * u, sx * -0.35, darker(body, 0.25), darker(body, 0.25));
        else if (ears == "side") ear(hx + sx * 78 * u, headY, 22 * u, 24 * u, 0, body, belly);
        else if (ears == "curl") {
            c.stroke([&](cairo_t* p) { cairo_arc(p, hx + sx * 68 * u, headY - 25 * u, 24 * u, 0, 2 * M_PI); }, brown, line_ * 2 + 12 * u);
            c.stroke([&](cairo_t* p) { cairo_arc(p, hx + sx * 68 * u, headY - 25 * u, 24 * u, 0, 2 * M_PI); }, hex("#d9b48a"), 12 * u);
        } else if (ears == "horns" || ears == "antler") {
            auto horn = [&](cairo_t* p) {
                cairo_move_to(p, hx + sx * 40 * u, headY - 50 * u);
                cairo_curve_to(p, hx + sx * 70 * u, headY - 70 * u, hx + sx * 80 * u, headY - 95 * u, hx + sx * 70 * u, headY - 115 * u);
                cairo_curve_to(p, hx + sx * 95 * u, headY - 95 * u, hx + sx * 90 * u, headY - 55 * u, hx + sx * 55 * u, headY - 35 * u);
                cairo_close_path(p);
            };
            sticker(horn, ears == "antler" ? hex("#ffe07a") : hex("#fff3d6"), ears == "antler" ? hex("#f0b000") : hex("#d8c0a0"), headY - 115 * u, headY - 35 * u);
            if (ears == "horns") ear(hx + sx * 80 * u, headY - 20 * u, 22 * u, 14 * u, sx * 0.3, body, pink);
        }
    }
    auto head = [&](cairo_t* p) { Canvas::ellipse(p, hx, headY, 80 * u, 68 * u); };
    sticker(head, lighter(body, 0.18), darker(body, 0.05), headY - 68 * u, headY + 68 * u);
    if (name == "tiger") {
        for (int side : { -1, 1 })
            for (int i = 0; i < 2; ++i)
                c.stroke([&](cairo_t* p) { cairo_move_to(p, hx + side * 78 * u, headY - 10 * u + i * 22 * u); cairo_line_to(p, hx + side * 55 * u, headY - 5 * u + i * 22 * u); }, ink, 6 * u);
        c.stroke([&](cairo_t* p) { cairo_move_to(p, hx - 14 * u, headY - 55 * u); cairo_line_to(p, hx, headY - 40 * u); cairo_line_to(p, hx + 14 * u, headY - 55 * u); }, ink, 6 * u);
    }
    if (name == "Horse")
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx, headY - 62 * u, 28 * u, 20 * u); }, hex("#6b3a1f"));
    if (name == "Monkey")
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx, headY + 8 * u, 58 * u, 50 * u); }, belly);
    if (name == "Chicken") {
        for (int i = -1; i <= 1; ++i)
            sticker([&](cairo_t* p) { Canvas::ellipse(p, hx + i * 18 * u, headY - 68 * u - (i == 0 ? 10 * u : 0), 14 * u, 18 * u); }, hex("#ff5a4a"), hex("#e23a2a"), headY - 90 * u, headY - 50 * u);
    }
    if (name == "Loong")
        for (int side : { -1, 1 })
            c.stroke([&](cairo_t* p) { cairo_move_to(p, hx + side * 30 * u, headY + 30 * u); cairo_curve_to(p, hx + side * 70 * u, headY + 40 * u, hx + side * 90 * u, headY + 10 * u, hx + side * 110 * u, headY + 25 * u); }, hex("#ffb000"), 5 * u);
    // Face.
    for (int side : { -1, 1 }) {
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx + side * 28 * u, headY - 4 * u, 9 * u, 12 * u); }, ink);
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx + side * 28 * u - 3 * u, headY - 9 * u, 3.5 * u, 3.5 * u); }, fur);
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx + side * 52 * u, headY + 18 * u, 13 * u, 8 * u); }, withAlpha(pink, 0.7));
    }
    if (name == "pig" || name == "Cattle" || name == "Horse") {
        auto snout = [&](cairo_t* p) { Canvas::ellipse(p, hx, headY + 26 * u, 30 * u, 20 * u); };
        sticker(snout, lighter(pink, name == "pig" ? 0.0 : 0.3), darker(pink, 0.1), headY + 6 * u, headY + 46 * u);
        for (int side : { -1, 1 })
            c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx + side * 10 * u, headY + 26 * u, 5 * u, 7 * u); }, darker(pink, 0.45));
    } else if (name == "Chicken") {
        sticker([&](cairo_t* p) { cairo_move_to(p, hx - 14 * u, headY + 14 * u); cairo_line_to(p, hx + 14 * u, headY + 14 * u); cairo_line_to(p, hx, headY + 36 * u); cairo_close_path(p); },
            hex("#ffc233"), hex("#ff9a1f"), headY + 14 * u, headY + 36 * u);
    } else {
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, hx, headY + 14 * u, 9 * u, 6 * u); }, name == "dog" ? ink : hex("#f06f8a"));
        c.stroke([&](cairo_t* p) {
            cairo_move_to(p, hx - 12 * u, headY + 24 * u);
            cairo_curve_to(p, hx - 8 * u, headY + 32 * u, hx - 2 * u, headY + 30 * u, hx, headY + 22 * u);
            cairo_curve_to(p, hx + 2 * u, headY + 30 * u, hx + 8 * u, headY + 32 * u, hx + 12 * u, headY + 24 * u);
        }, ink, 3 * u);
        if (name == "snake")
            c.stroke([&](cairo_t* p) { cairo_move_to(p, hx, headY + 30 * u); cairo_line_to(p, hx, headY + 48 * u); cairo_line_to(p, hx - 6 * u, headY + 56 * u); cairo_move_to(p, hx, headY + 48 * u); cairo_line_to(p, hx + 6 * u, headY + 56 * u); }, red, 3 * u);
    }
    cairo_restore(tilt);
}

void paintMedal(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "label", "icon", "ribbon" });
    const Rgba colour = argColour(line, "colour", "#ffc933");
    const double s = minSide(c), cx = c.width() / 2.0;
    const double cy = line.integer("ribbon", 1) ? c.height() * 0.56 : c.height() / 2.0;
    const double r = line.integer("ribbon", 1) ? s * 0.36 : s * 0.44;
    if (line.integer("ribbon", 1))
        for (int side : { -1, 1 })
            c.fill([&](cairo_t* p) {
                cairo_move_to(p, cx + side * s * 0.05, cy);
                cairo_line_to(p, cx + side * s * 0.32, s * 0.02);
                cairo_line_to(p, cx + side * s * 0.14, s * 0.02);
                cairo_line_to(p, cx - side * s * 0.1, cy);
                cairo_close_path(p);
            }, side < 0 ? red : blue);
    auto disc = [&](cairo_t* p) { Canvas::ellipse(p, cx, cy, r, r); };
    c.shadow(disc, 0, s * 0.02, s * 0.04, withAlpha(ink, 0.35));
    c.fillVertical(disc, lighter(colour, 0.35), darker(colour, 0.2), cy - r, cy + r);
    c.stroke(disc, darker(colour, 0.4), s * 0.03);
    c.stroke([&](cairo_t* p) { Canvas::ellipse(p, cx, cy, r * 0.8, r * 0.8); }, withAlpha(fur, 0.7), s * 0.02);
    c.gloss(disc, cy - r, cy, 0.4);
    const std::string iconName = line.text("icon", "");
    if (iconName == "rabbit") {
        RabbitLook look;
        drawRabbitHead(c, cx, cy + r * 0.22, r * 0.42, look, true);
    } else if (iconName == "carrot" || iconName == "gold") {
        drawCarrot(c, cx, cy, r * 1.3, 0.6, iconName == "gold");
    } else if (iconName == "star") {
        c.fill([&](cairo_t* p) { Canvas::star(p, cx, cy, r * 0.6, r * 0.26, 5); }, fur);
    } else {
        TextStyle t;
        t.size = r * 0.8;
        t.fill = fur;
        t.outline = darker(colour, 0.5);
        t.outlineWidth = r * 0.06;
        t.maxWidth = r * 1.5;
        c.text(line.text("label", ""), cx, cy, t);
    }
}

void paintGiftBox(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "part", "colour" });
    const Rgba colour = argColour(line, "colour", "#ef4b3f");
    const double w = c.width(), h = c.height();
    const std::string part = line.text("part", "box");
    if (part == "whole") {
        // Box and lid stacked, as a gift standing on its own.
        auto body = [&](cairo_t* p) { Canvas::roundRect(p, w * 0.14, h * 0.42, w * 0.72, h * 0.52, h * 0.05); };
        auto top = [&](cairo_t* p) { Canvas::roundRect(p, w * 0.08, h * 0.3, w * 0.84, h * 0.16, h * 0.05); };
        for (int side : { -1, 1 })
            c.stroke([&](cairo_t* p) { Canvas::ellipse(p, w / 2 + side * w * 0.13, h * 0.2, w * 0.12, h * 0.1); }, gold, h * 0.05);
        c.shadow(body, 0, h * 0.02, h * 0.04, withAlpha(ink, 0.35));
        for (const auto& shape : { Canvas::Path(body), Canvas::Path(top) }) {
            c.stroke(shape, darker(colour, 0.45), h * 0.02);
            c.fillVertical(shape, lighter(colour, 0.2), darker(colour, 0.12), h * 0.3, h);
        }
        c.fillVertical([&](cairo_t* p) { cairo_rectangle(p, w * 0.44, h * 0.3, w * 0.12, h * 0.64); }, hex("#ffe27a"), hex("#f0b000"), 0, h);
        c.gloss(top, h * 0.3, h * 0.4, 0.4);
        return;
    }
    const bool lid = part == "lid";
    auto box = [&](cairo_t* p) {
        if (lid) Canvas::roundRect(p, w * 0.04, h * 0.45, w * 0.92, h * 0.5, h * 0.1);
        else Canvas::roundRect(p, w * 0.06, h * 0.04, w * 0.88, h * 0.9, h * 0.06);
    };
    if (lid)
        for (int side : { -1, 1 })
            c.stroke([&](cairo_t* p) { Canvas::ellipse(p, w / 2 + side * w * 0.12, h * 0.28, w * 0.11, h * 0.2); }, gold, h * 0.09);
    c.shadow(box, 0, h * 0.02, h * 0.04, withAlpha(ink, 0.3));
    c.stroke(box, darker(colour, 0.45), std::max(3.0, h * 0.03));
    c.fillVertical(box, lighter(colour, 0.2), darker(colour, 0.12), 0, h);
    c.fillVertical([&](cairo_t* p) { cairo_rectangle(p, w * 0.43, lid ? h * 0.45 : h * 0.04, w * 0.14, lid ? h * 0.5 : h * 0.9); },
        hex("#ffe27a"), hex("#f0b000"), 0, h);
    c.gloss(box, 0, h * 0.4, 0.3);
}

} // namespace

BRINDLE_PAINTER("cloud", paintCloud)
BRINDLE_PAINTER("balloon", paintBalloon)
BRINDLE_PAINTER("star", paintStar)
BRINDLE_PAINTER("glow", paintGlow)
BRINDLE_PAINTER("egg", paintEgg)
BRINDLE_PAINTER("hammer", paintHammer)
BRINDLE_PAINTER("cardback", paintCardBack)
BRINDLE_PAINTER("table", paintTable)
BRINDLE_PAINTER("pen", paintPen)
BRINDLE_PAINTER("zodiac", paintZodiac)
BRINDLE_PAINTER("medal", paintMedal)
BRINDLE_PAINTER("giftbox", paintGiftBox)

} // namespace brindle::assets

namespace brindle::assets {

namespace {

// Soft ground shadow: an ellipse faded at its rim (glow would stay circular in a flat picture).
void paintShadow(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "strength" });
    const double w = c.width(), h = c.height();
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 2, h / 2);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    const double a = line.number("strength", 0.45);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.35, 0.18, 0.06, a);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.35, 0.18, 0.06, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

} // namespace

BRINDLE_PAINTER("shadow", paintShadow)

} // namespace brindle::assets
