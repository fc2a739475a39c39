// Menu emblems (drawn inside round buttons), cards, tabs, the logo and the stage.

#include "art/Painters.h"

#include <cmath>

namespace brindle::assets {

namespace {

using namespace palette;

void sticker(Canvas& c, const Canvas::Path& p, Rgba top, Rgba bottom, double y0, double y1, double line)
{
    c.stroke(p, brown, line * 2);
    c.fillVertical(p, top, bottom, y0, y1);
}

// An emblem centred at (cx, cy) about s across.
void emblem(Canvas& c, const std::string& name, double cx, double cy, double s)
{
    const double l = s * 0.03;
    if (name == "calendar") {
        auto page = [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.4, cy - s * 0.36, s * 0.8, s * 0.76, s * 0.1); };
        sticker(c, page, fur, hex("#f3ece2"), cy - s * 0.36, cy + s * 0.4, l);
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.4, cy - s * 0.36, s * 0.8, s * 0.2, s * 0.08); }, red);
        for (int side : { -1, 1 })
            c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx + side * s * 0.2 - s * 0.04, cy - s * 0.46, s * 0.08, s * 0.18, s * 0.04); }, brown);
        c.stroke([&](cairo_t* p) { cairo_move_to(p, cx - s * 0.18, cy + s * 0.08); cairo_line_to(p, cx - s * 0.04, cy + s * 0.22); cairo_line_to(p, cx + s * 0.2, cy - s * 0.04); },
            green, s * 0.08);
    } else if (name == "megaphone") {
        auto cone = [&](cairo_t* p) {
            cairo_move_to(p, cx - s * 0.3, cy - s * 0.1);
            cairo_line_to(p, cx + s * 0.3, cy - s * 0.35);
            cairo_line_to(p, cx + s * 0.3, cy + s * 0.35);
            cairo_line_to(p, cx - s * 0.3, cy + s * 0.1);
            cairo_close_path(p);
        };
        sticker(c, cone, hex("#ffe27a"), hex("#f0a000"), cy - s * 0.35, cy + s * 0.35, l);
        sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.42, cy - s * 0.14, s * 0.16, s * 0.28, s * 0.05); }, red, darker(red, 0.2), cy - s * 0.14, cy + s * 0.14, l);
        for (int i = 0; i < 5; ++i)
            c.fill([&](cairo_t* p) { Canvas::star(p, cx + s * (0.1 + 0.08 * i) - s * 0.1, cy - s * (0.42 - 0.2 * (i % 2)), s * 0.06, s * 0.025, 4); },
                i % 2 ? blue : green);
    } else if (name == "scroll") {
        auto paper = [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.3, cy - s * 0.36, s * 0.6, s * 0.72, s * 0.06); };
        sticker(c, paper, hex("#fffbe8"), hex("#f6e2b0"), cy - s * 0.36, cy + s * 0.36, l);
        for (double y : { -0.36, 0.36 })
            sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.38, cy + y * s - s * 0.06, s * 0.76, s * 0.12, s * 0.06); }, hex("#e0a060"), hex("#a8642a"), cy + y * s - s * 0.06, cy + y * s + s * 0.06, l);
        c.fill([&](cairo_t* p) { Canvas::star(p, cx, cy, s * 0.2, s * 0.09, 5); }, gold);
    } else if (name == "trophy") {
        auto cup = [&](cairo_t* p) {
            cairo_move_to(p, cx - s * 0.3, cy - s * 0.35);
            cairo_line_to(p, cx + s * 0.3, cy - s * 0.35);
            cairo_curve_to(p, cx + s * 0.3, cy + s * 0.05, cx + s * 0.15, cy + s * 0.12, cx, cy + s * 0.12);
            cairo_curve_to(p, cx - s * 0.15, cy + s * 0.12, cx - s * 0.3, cy + s * 0.05, cx - s * 0.3, cy - s * 0.35);
            cairo_close_path(p);
        };
        for (int side : { -1, 1 })
            c.stroke([&](cairo_t* p) { Canvas::ellipse(p, cx + side * s * 0.3, cy - s * 0.18, s * 0.12, s * 0.13); }, hex("#f0a000"), s * 0.06);
        sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.22, cy + s * 0.26, s * 0.44, s * 0.14, s * 0.04); }, hex("#c97a3a"), hex("#8a4a1a"), cy + s * 0.26, cy + s * 0.4, l);
        c.fill([&](cairo_t* p) { cairo_rectangle(p, cx - s * 0.05, cy + s * 0.1, s * 0.1, s * 0.18); }, hex("#f0a000"));
        sticker(c, cup, hex("#fff27a"), hex("#f0a000"), cy - s * 0.35, cy + s * 0.12, l);
        c.fill([&](cairo_t* p) { Canvas::star(p, cx, cy - s * 0.13, s * 0.12, s * 0.05, 5); }, fur);
    } else if (name == "shop") {
        sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.34, cy - s * 0.05, s * 0.68, s * 0.42, s * 0.05); }, hex("#ffe8c8"), hex("#f0c890"), cy - s * 0.05, cy + s * 0.37, l);
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.1, cy + s * 0.1, s * 0.2, s * 0.27, s * 0.03); }, hex("#c97a3a"));
        for (int i = 0; i < 5; ++i)
            c.fill([&](cairo_t* p) {
                const double x0 = cx - s * 0.42 + i * s * 0.168;
                cairo_move_to(p, x0, cy - s * 0.32);
                cairo_line_to(p, x0 + s * 0.168, cy - s * 0.32);
                cairo_line_to(p, x0 + s * 0.168, cy - s * 0.05);
                cairo_arc(p, x0 + s * 0.084, cy - s * 0.05, s * 0.084, 0, M_PI);
                cairo_close_path(p);
            }, i % 2 ? fur : red);
        c.stroke([&](cairo_t* p) { cairo_rectangle(p, cx - s * 0.42, cy - s * 0.32, s * 0.84, s * 0.27); }, brown, l * 1.5);
    } else if (name == "chest") {
        for (int i = 0; i < 3; ++i)
            sticker(c, [&](cairo_t* p) { Canvas::ellipse(p, cx - s * 0.15 + i * s * 0.15, cy - s * 0.22 - (i == 1) * s * 0.06, s * 0.1, s * 0.1); }, hex("#fff27a"), hex("#f0a000"), cy - s * 0.35, cy - s * 0.1, l * 0.7);
        sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.38, cy - s * 0.1, s * 0.76, s * 0.46, s * 0.06); }, hex("#c97a3a"), hex("#8a4a1a"), cy - s * 0.1, cy + s * 0.36, l);
        c.fill([&](cairo_t* p) { cairo_rectangle(p, cx - s * 0.38, cy + s * 0.02, s * 0.76, s * 0.07); }, gold);
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.07, cy - s * 0.0, s * 0.14, s * 0.16, s * 0.03); }, gold);
    } else if (name == "album") {
        sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.32, cy - s * 0.38, s * 0.64, s * 0.76, s * 0.06); }, hex("#5cc2f0"), hex("#2f7ac0"), cy - s * 0.38, cy + s * 0.38, l);
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.2, cy - s * 0.25, s * 0.4, s * 0.5, s * 0.05); }, fur);
        c.fill([&](cairo_t* p) { Canvas::star(p, cx, cy, s * 0.16, s * 0.07, 5); }, gold);
    } else if (name == "rabbit" || name == "guest") {
        RabbitLook look;
        drawRabbitHead(c, cx, cy + s * 0.16, s * 0.26, look, true);
        if (name == "guest") {
            c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, cy + s * 0.16, s * 0.3, s * 0.27); }, withAlpha(hex("#8a8a8a"), 0.55));
            TextStyle t;
            t.size = s * 0.45;
            t.fill = fur;
            t.outline = hex("#606060");
            t.outlineWidth = s * 0.03;
            c.text("?", cx, cy + s * 0.1, t);
        }
    } else if (name == "gift") {
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.3, cy - s * 0.15, s * 0.6, s * 0.5, s * 0.05); }, fur);
        c.fill([&](cairo_t* p) { cairo_rectangle(p, cx - s * 0.06, cy - s * 0.15, s * 0.12, s * 0.5); }, gold);
    } else if (name == "book") {
        for (int side : { -1, 1 }) {
            auto page = [&](cairo_t* p) {
                cairo_move_to(p, cx, cy - s * 0.28);
                cairo_curve_to(p, cx + side * s * 0.2, cy - s * 0.38, cx + side * s * 0.4, cy - s * 0.34, cx + side * s * 0.48, cy - s * 0.3);
                cairo_line_to(p, cx + side * s * 0.48, cy + s * 0.3);
                cairo_curve_to(p, cx + side * s * 0.4, cy + s * 0.26, cx + side * s * 0.2, cy + s * 0.24, cx, cy + s * 0.34);
                cairo_close_path(p);
            };
            sticker(c, page, fur, hex("#f3e6cc"), cy - s * 0.38, cy + s * 0.34, l);
            for (int i = 0; i < 4; ++i)
                c.stroke([&](cairo_t* p) { cairo_move_to(p, cx + side * s * 0.08, cy - s * (0.16 - i * 0.12)); cairo_line_to(p, cx + side * s * 0.4, cy - s * (0.2 - i * 0.12)); }, hex("#9fc6ef"), s * 0.025);
        }
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.5, cy + s * 0.3, s, s * 0.08, s * 0.04); }, hex("#3a9bef"));
    } else if (name == "magnifier") {
        c.stroke([&](cairo_t* p) { cairo_move_to(p, cx + s * 0.14, cy + s * 0.14); cairo_line_to(p, cx + s * 0.42, cy + s * 0.42); }, brown, s * 0.16);
        c.stroke([&](cairo_t* p) { cairo_move_to(p, cx + s * 0.16, cy + s * 0.16); cairo_line_to(p, cx + s * 0.4, cy + s * 0.4); }, hex("#c97a3a"), s * 0.1);
        auto glass = [&](cairo_t* p) { Canvas::ellipse(p, cx - s * 0.08, cy - s * 0.08, s * 0.3, s * 0.3); };
        c.fill(glass, withAlpha(hex("#bfe8ff"), 0.75));
        c.stroke(glass, hex("#ffb000"), s * 0.07);
        c.stroke(glass, brown, s * 0.015);
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx - s * 0.17, cy - s * 0.17, s * 0.07, s * 0.1); }, withAlpha(fur, 0.8));
    } else if (name == "pencil") {
        auto body = [&](cairo_t* p) { cairo_rectangle(p, cx - s * 0.1, cy - s * 0.45, s * 0.2, s * 0.7); };
        sticker(c, body, hex("#ffd54a"), hex("#f5a623"), cy - s * 0.45, cy + s * 0.25, l * 0.6);
        c.fill([&](cairo_t* p) { cairo_rectangle(p, cx - s * 0.1, cy - s * 0.45, s * 0.2, s * 0.1); }, hex("#ff8fa3"));
        auto tip = [&](cairo_t* p) { cairo_move_to(p, cx - s * 0.1, cy + s * 0.25); cairo_line_to(p, cx + s * 0.1, cy + s * 0.25); cairo_line_to(p, cx, cy + s * 0.48); cairo_close_path(p); };
        sticker(c, tip, hex("#f3d2a2"), hex("#e0b880"), cy + s * 0.25, cy + s * 0.48, l * 0.6);
        c.fill([&](cairo_t* p) { cairo_move_to(p, cx - s * 0.035, cy + s * 0.4); cairo_line_to(p, cx + s * 0.035, cy + s * 0.4); cairo_line_to(p, cx, cy + s * 0.48); cairo_close_path(p); }, ink);
    } else if (name == "swords") {
        for (int side : { -1, 1 })
            c.stroke([&](cairo_t* p) { cairo_move_to(p, cx - side * s * 0.3, cy + s * 0.3); cairo_line_to(p, cx + side * s * 0.3, cy - s * 0.3); }, fur, s * 0.09);
    }
}

// Round glossy button with an emblem or a word, and an optional caption plate.
void paintIconButton(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "emblem", "caption", "label", "leaf", "size" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double s = std::min(c.width(), c.height()), cx = c.width() / 2.0;
    const bool leaf = line.integer("leaf", 0) != 0;
    const double r = s * (leaf ? 0.4 : 0.44), cy = c.height() / 2.0 + (leaf ? s * 0.06 : 0);
    if (leaf)
        for (auto [a, h] : { std::pair { -0.5, 0.8 }, { 0.5, 0.8 }, { 0.0, 1.0 } })
            sticker(c, [&](cairo_t* p) { cairo_save(p); cairo_translate(p, cx + std::sin(a) * s * 0.08, cy - r - s * 0.04); cairo_rotate(p, a); Canvas::ellipse(p, 0, -s * 0.05 * h, s * 0.045, s * 0.1 * h); cairo_restore(p); },
                hex("#7ad65a"), palette::leaf, 0, s, s * 0.012);
    auto disc = [&](cairo_t* p) { Canvas::ellipse(p, cx, cy, r, r); };
    c.shadow(disc, 0, s * 0.03, s * 0.05, withAlpha(ink, 0.4));
    c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, cy + s * 0.02, r, r); }, darker(colour, 0.35));
    c.fillVertical(disc, lighter(colour, 0.35), darker(colour, 0.05), cy - r, cy + r);
    c.stroke([&](cairo_t* p) { Canvas::ellipse(p, cx, cy, r * 0.9, r * 0.9); }, withAlpha(fur, 0.85), s * 0.025);
    c.gloss([&](cairo_t* p) { Canvas::ellipse(p, cx, cy - r * 0.45, r * 0.75, r * 0.42); }, cy - r, cy, 0.45);
    const std::string caption = line.text("caption", "");
    const double emblemY = caption.empty() ? cy : cy - r * 0.16;
    if (line.has("emblem"))
        emblem(c, line.text("emblem", ""), cx, emblemY, r * (caption.empty() ? 1.1 : 0.95));
    if (line.has("label")) {
        TextStyle t;
        t.size = line.number("size", r * 0.42);
        t.fill = fur;
        t.outline = darker(colour, 0.5);
        t.outlineWidth = t.size * 0.09;
        t.maxWidth = r * 1.6;
        t.shadow = true;
        c.text(line.text("label", ""), cx, emblemY, t);
    }
    if (!caption.empty()) {
        auto plate = [&](cairo_t* p) { Canvas::roundRect(p, cx - r * 0.85, cy + r * 0.5, r * 1.7, r * 0.42, r * 0.21); };
        c.fillVertical(plate, fur, hex("#fff0d0"), cy + r * 0.5, cy + r * 0.92);
        c.stroke(plate, darker(colour, 0.35), s * 0.015);
        TextStyle t;
        t.size = r * 0.3;
        t.fill = darker(colour, 0.45);
        t.maxWidth = r * 1.5;
        c.text(caption, cx, cy + r * 0.71, t);
    }
}

// An emblem on its own, filling the picture (bone pictures and props).
void paintEmblem(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "emblem" });
    const double s = std::min(c.width(), c.height());
    // Tall pictures (a pencil) use their height as the emblem size.
    const double size = line.text("emblem", "") == "pencil" ? c.height() : s;
    emblem(c, line.text("emblem", ""), c.width() / 2.0, c.height() / 2.0, size * 0.95);
}

void paintCard(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "colour", "label", "scene" });
    const Rgba colour = argColour(line, "colour", "#ff8a1f");
    const double w = c.width(), h = c.height(), s = std::min(w, h);
    auto card = [&](cairo_t* p) { Canvas::roundRect(p, s * 0.04, s * 0.03, w - s * 0.08, h - s * 0.08, s * 0.1); };
    c.shadow(card, 0, s * 0.02, s * 0.05, withAlpha(ink, 0.4));
    c.fill(card, fur);
    auto inner = [&](cairo_t* p) { Canvas::roundRect(p, s * 0.08, s * 0.07, w - s * 0.16, h - s * 0.16, s * 0.07); };
    c.fillVertical(inner, lighter(colour, 0.45), colour, 0, h);
    c.fillRadial(inner, w / 2, h * 0.6, h * 0.45, withAlpha(hex("#fff6c0"), 0.8), withAlpha(hex("#fff6c0"), 0));
    const std::string scene = line.text("scene", "");
    RabbitLook look;
    const double fig = h * 0.42, base = h * 0.86;
    if (scene == "vs") {
        look.scarf = blue;
        look.pose = "cheer";
        drawRabbit(c, w * 0.3, base, fig, look);
        look.scarf = red;
        look.mirror = true;
        drawRabbit(c, w * 0.7, base, fig, look);
        c.fill([&](cairo_t* p) { Canvas::star(p, w / 2, h * 0.55, s * 0.12, s * 0.05, 8); }, hex("#fff27a"));
    } else if (scene == "team") {
        c.stroke([&](cairo_t* p) { cairo_move_to(p, w * 0.5, base - fig * 1.25); cairo_line_to(p, w * 0.5, h * 0.3); }, brown, s * 0.02);
        c.fill([&](cairo_t* p) { cairo_move_to(p, w * 0.5, h * 0.3); cairo_line_to(p, w * 0.7, h * 0.34); cairo_line_to(p, w * 0.5, h * 0.38); cairo_close_path(p); }, red);
        for (int i : { 0, 2, 1 }) {
            look.scarf = i == 0 ? blue : i == 1 ? green : orange;
            drawRabbit(c, w * (0.25 + 0.25 * i), base + (i == 1 ? 0 : -h * 0.02), fig * (i == 1 ? 0.9 : 0.8), look);
        }
    } else if (scene == "challenge") {
        sticker(c, [&](cairo_t* p) { Canvas::roundRect(p, w * 0.25, base - h * 0.06, w * 0.5, h * 0.1, s * 0.03); }, gold, hex("#f0a000"), base - h * 0.06, base + h * 0.04, s * 0.01);
        look.hat = "crown";
        look.pose = "cheer";
        drawRabbit(c, w / 2, base - h * 0.05, fig, look);
    } else if (scene == "exam") {
        auto paper = [&](cairo_t* p) { Canvas::roundRect(p, w * 0.22, h * 0.36, w * 0.56, h * 0.48, s * 0.03); };
        sticker(c, paper, fur, hex("#f6efe0"), h * 0.36, h * 0.84, s * 0.008);
        for (int i = 0; i < 5; ++i)
            c.stroke([&](cairo_t* p) { cairo_move_to(p, w * 0.3, h * (0.46 + i * 0.07)); cairo_line_to(p, w * (i == 4 ? 0.5 : 0.7), h * (0.46 + i * 0.07)); }, hex("#9fc6ef"), s * 0.015);
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, w * 0.68, h * 0.76, s * 0.08, s * 0.08); }, red);
    }
    auto band = [&](cairo_t* p) { Canvas::roundRect(p, s * 0.12, s * 0.12, w - s * 0.24, h * 0.15, s * 0.06); };
    c.fillVertical(band, lighter(colour, 0.1), darker(colour, 0.25), s * 0.12, s * 0.12 + h * 0.15);
    c.stroke(band, fur, s * 0.015);
    TextStyle t;
    t.size = h * 0.09;
    t.fill = fur;
    t.outline = darker(colour, 0.5);
    t.outlineWidth = t.size * 0.08;
    t.maxWidth = w - s * 0.3;
    c.text(line.text("label", ""), w / 2, s * 0.12 + h * 0.075, t);
}

void paintTab(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "on" });
    const bool on = line.integer("on", 0) != 0;
    const double w = c.width(), h = c.height();
    const Rgba colour = on ? hex("#ff8a1f") : hex("#ffd3a0");
    auto tab = [&](cairo_t* p) {
        cairo_move_to(p, 3, h - 2);
        cairo_line_to(p, 3, h * 0.35);
        cairo_arc(p, h * 0.3 + 3, h * 0.35, h * 0.3, M_PI, 1.5 * M_PI);
        cairo_arc(p, w - h * 0.3 - 3, h * 0.35, h * 0.3, 1.5 * M_PI, 2 * M_PI);
        cairo_line_to(p, w - 3, h - 2);
        cairo_close_path(p);
    };
    c.fillVertical(tab, lighter(colour, 0.25), colour, 0, h);
    c.stroke(tab, darker(colour, 0.3), 2.5);
    c.gloss(tab, 0, h * 0.5, 0.35);
    if (on)
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, w * 0.2, h - 12, w * 0.6, 7, 3.5); }, fur);
}

void paintLogo(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "label", "sub" });
    const double w = c.width(), h = c.height();
    // Rabbit ears behind the first character.
    for (int side : { -1, 1 }) {
        auto ear = [&](cairo_t* p) { cairo_save(p); cairo_translate(p, w * 0.2 + side * w * 0.035, h * 0.2); cairo_rotate(p, side * 0.25); Canvas::ellipse(p, 0, 0, w * 0.028, h * 0.2); cairo_restore(p); };
        sticker(c, ear, fur, furShade, 0, h * 0.4, h * 0.015);
        c.fill([&](cairo_t* p) { cairo_save(p); cairo_translate(p, w * 0.2 + side * w * 0.035, h * 0.22); cairo_rotate(p, side * 0.25); Canvas::ellipse(p, 0, 0, w * 0.014, h * 0.13); cairo_restore(p); }, pink);
    }
    TextStyle t;
    t.size = h * 0.5;
    t.fill = hex("#ffd060");
    t.fillBottom = hex("#ff6a10");
    t.outline = fur;
    t.outlineWidth = h * 0.05;
    t.maxWidth = w * 0.96;
    t.shadow = true;
    c.text(line.text("label", ""), w / 2, h * 0.5, t);
    TextStyle sub;
    sub.size = h * 0.16;
    sub.fill = hex("#8a3b0e");
    sub.outline = fur;
    sub.outlineWidth = h * 0.02;
    c.text(line.text("sub", ""), w / 2, h * 0.88, sub);
}

void paintStage(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({});
    const double w = c.width(), h = c.height();
    for (int side : { -1, 1 })
        c.fill([&](cairo_t* p) { cairo_move_to(p, w / 2 + side * w * 0.45, 0); cairo_line_to(p, w / 2 + side * w * 0.05, h * 0.75); cairo_line_to(p, w / 2 + side * w * 0.3, h * 0.75); cairo_line_to(p, w / 2 + side * w * 0.48, 0); cairo_close_path(p); },
            withAlpha(hex("#fff6c0"), 0.25));
    auto top = [&](cairo_t* p) { Canvas::ellipse(p, w / 2, h * 0.7, w * 0.45, h * 0.14); };
    c.fillVertical([&](cairo_t* p) { cairo_rectangle(p, w * 0.05, h * 0.7, w * 0.9, h * 0.16); Canvas::ellipse(p, w / 2, h * 0.86, w * 0.45, h * 0.12); },
        hex("#c23a2a"), hex("#8a1e14"), h * 0.7, h);
    c.fillVertical(top, hex("#ffd060"), hex("#f0a000"), h * 0.56, h * 0.84);
    c.stroke(top, hex("#8a3b0e"), 4);
    c.stroke([&](cairo_t* p) { Canvas::ellipse(p, w / 2, h * 0.7, w * 0.38, h * 0.1); }, withAlpha(fur, 0.6), 3);
}

void paintHeadBand(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({});
    const double w = c.width(), h = c.height();
    c.fillVertical([&](cairo_t* p) { cairo_move_to(p, 0, 0); cairo_line_to(p, w / 2 - h * 0.2, 0); cairo_line_to(p, w / 2 - h * 0.45, h * 0.85); cairo_line_to(p, 0, h * 0.85); cairo_close_path(p); },
        hex("#ffb050"), hex("#ff7a10"), 0, h);
    c.fillVertical([&](cairo_t* p) { cairo_move_to(p, w, 0); cairo_line_to(p, w / 2 + h * 0.45, 0); cairo_line_to(p, w / 2 + h * 0.2, h * 0.85); cairo_line_to(p, w, h * 0.85); cairo_close_path(p); },
        hex("#70c0ff"), hex("#2f7ad0"), 0, h);
    c.fill([&](cairo_t* p) { cairo_rectangle(p, 0, h * 0.85, w, h * 0.05); }, withAlpha(ink, 0.25));
    TextStyle t;
    t.size = h * 0.55;
    t.fill = hex("#fff27a");
    t.fillBottom = hex("#ff5a1f");
    t.outline = hex("#8a1e0e");
    t.outlineWidth = h * 0.05;
    c.text("VS", w / 2, h * 0.42, t);
}

void paintClock(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({});
    const double s = std::min(c.width(), c.height()), cx = c.width() / 2.0, cy = c.height() * 0.55;
    for (int side : { -1, 1 })
        sticker(c, [&](cairo_t* p) { Canvas::ellipse(p, cx + side * s * 0.28, cy - s * 0.34, s * 0.12, s * 0.09); }, hex("#ffd060"), hex("#f0a000"), 0, s, s * 0.012);
    auto face = [&](cairo_t* p) { Canvas::ellipse(p, cx, cy, s * 0.4, s * 0.4); };
    c.shadow(face, 0, s * 0.02, s * 0.04, withAlpha(ink, 0.35));
    c.fill(face, hex("#ff8a1f"));
    c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, cy, s * 0.33, s * 0.33); }, fur);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx + std::cos(a) * s * 0.28, cy + std::sin(a) * s * 0.28, s * 0.015, s * 0.015); }, hex("#d0b090"));
    }
}

} // namespace

BRINDLE_PAINTER("iconbtn", paintIconButton)
BRINDLE_PAINTER("card", paintCard)
BRINDLE_PAINTER("emblem", paintEmblem)
BRINDLE_PAINTER("tab", paintTab)
BRINDLE_PAINTER("logo", paintLogo)
BRINDLE_PAINTER("stage", paintStage)
BRINDLE_PAINTER("headband", paintHeadBand)
BRINDLE_PAINTER("clock", paintClock)

} // namespace brindle::assets
