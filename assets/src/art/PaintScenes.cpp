// Full-screen backgrounds, level titles and badges, the busy spinner and figure scenes.

#include "art/Painters.h"

#include <cmath>

namespace brindle::assets {

namespace {

using namespace palette;

void hills(Canvas& c, double top, Rgba near, Rgba far)
{
    const double w = c.width(), h = c.height();
    c.fillVertical([&](cairo_t* p) {
        cairo_move_to(p, 0, h);
        cairo_line_to(p, 0, top + h * 0.05);
        cairo_curve_to(p, w * 0.25, top - h * 0.08, w * 0.45, top + h * 0.06, w * 0.62, top);
        cairo_curve_to(p, w * 0.8, top - h * 0.06, w * 0.92, top, w, top - h * 0.02);
        cairo_line_to(p, w, h);
        cairo_close_path(p);
    }, lighter(far, 0.1), far, top - h * 0.1, h);
    c.fillVertical([&](cairo_t* p) {
        cairo_move_to(p, 0, h);
        cairo_line_to(p, 0, top + h * 0.16);
        cairo_curve_to(p, w * 0.3, top + h * 0.06, w * 0.6, top + h * 0.2, w, top + h * 0.1);
        cairo_line_to(p, w, h);
        cairo_close_path(p);
    }, lighter(near, 0.15), darker(near, 0.1), top, h);
}

void headerBand(Canvas& c, Rgba colour)
{
    const double w = c.width();
    auto band = [&](cairo_t* p) { cairo_rectangle(p, 0, 0, w, 150); };
    c.shadow([&](cairo_t* p) { cairo_rectangle(p, -20, 0, w + 40, 150); }, 0, 8, 16, withAlpha(ink, 0.35));
    c.fillVertical(band, lighter(colour, 0.2), darker(colour, 0.1), 0, 150);
    c.fill([&](cairo_t* p) { cairo_rectangle(p, 0, 142, w, 8); }, withAlpha(darker(colour, 0.35), 0.8));
    c.gloss(band, 0, 70, 0.25);
}

void sprinkle(Canvas& c, Rgba colour, double top)
{
    const double w = c.width(), h = c.height();
    for (double y = top + 30; y < h; y += 90)
        for (double x = 40 + (int(y / 90) % 2) * 60; x < w; x += 120) {
            const double a = (int(x + y) % 3 - 1) * 0.5;
            c.fill([&](cairo_t* p) { cairo_save(p); cairo_translate(p, x, y); cairo_rotate(p, a); Canvas::ellipse(p, 0, 0, 7, 16); cairo_restore(p); }, colour);
        }
}

void rabbitHouse(Canvas& c, double cx, double bottom, double s)
{
    auto wall = [&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.5, bottom - s * 0.6, s, s * 0.6, s * 0.06); };
    c.shadow(wall, 0, s * 0.03, s * 0.05, withAlpha(ink, 0.3));
    c.stroke(wall, brown, s * 0.02);
    c.fillVertical(wall, hex("#fff1d6"), hex("#f0d2a0"), bottom - s * 0.6, bottom);
    auto roof = [&](cairo_t* p) {
        cairo_move_to(p, cx - s * 0.62, bottom - s * 0.56);
        cairo_curve_to(p, cx - s * 0.3, bottom - s * 0.95, cx + s * 0.3, bottom - s * 0.95, cx + s * 0.62, bottom - s * 0.56);
        cairo_close_path(p);
    };
    c.stroke(roof, brown, s * 0.02);
    c.fillVertical(roof, hex("#ffa23a"), hex("#e8591a"), bottom - s * 0.9, bottom - s * 0.56);
    c.fill([&](cairo_t* p) { Canvas::roundRect(p, cx - s * 0.12, bottom - s * 0.34, s * 0.24, s * 0.34, s * 0.1); }, hex("#a8642a"));
    for (int side : { -1, 1 }) {
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx + side * s * 0.3, bottom - s * 0.36, s * 0.08, s * 0.08); }, hex("#8fd8ff"));
        c.stroke([&](cairo_t* p) { Canvas::ellipse(p, cx + side * s * 0.3, bottom - s * 0.36, s * 0.08, s * 0.08); }, brown, s * 0.015);
    }
    drawCarrot(c, cx + s * 0.5, bottom - s * 0.12, s * 0.25, 0.3, false);
}

void flowers(Canvas& c, double top)
{
    const double w = c.width(), h = c.height();
    const Rgba petals[] = { hex("#ff7ab0"), hex("#ffd24a"), hex("#ffffff"), hex("#a45ce0") };
    for (int i = 0; i < 26; ++i) {
        const double x = std::fmod(i * 197.0 + 40, w), y = top + std::fmod(i * 131.0, h - top - 20) + 10;
        if (y > h * 0.45 && y < h * 0.75 && x > w * 0.2 && x < w * 0.8)
            continue; // keep the lawn open for the wandering figures
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            c.fill([&](cairo_t* p) { Canvas::ellipse(p, x + std::cos(a) * 9, y + std::sin(a) * 9, 7, 7); }, petals[i % 4]);
        }
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, x, y, 6, 6); }, hex("#ffb000"));
    }
}

void paintBackground(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "scene", "header" });
    const std::string scene = line.text("scene", "common");
    const bool header = line.integer("header", 0) != 0;
    const double w = c.width(), h = c.height();
    auto all = [&](cairo_t* p) { cairo_rectangle(p, 0, 0, w, h); };
    if (scene == "main" || scene == "logo") {
        c.fillVertical(all, hex("#62c2ff"), hex("#dff6ff"), 0, h * 0.7);
        c.fillRadial(all, w * 0.85, h * 0.12, h * 0.4, withAlpha(hex("#fff7c0"), 0.95), withAlpha(hex("#fff7c0"), 0));
        for (auto [x, y, r] : { std::tuple { 0.12, 0.52, 0.07 }, { 0.33, 0.55, 0.05 }, { 0.7, 0.5, 0.06 }, { 0.9, 0.54, 0.05 } })
            c.fill([&](cairo_t* p) {
                for (int k = -1; k <= 1; ++k) Canvas::ellipse(p, w * (x + k * r * 0.9), h * y - (k == 0) * h * r * 0.5, w * r, h * r * 1.1);
            }, withAlpha(fur, 0.85));
        hills(c, h * 0.6, hex("#7fd35a"), hex("#a8e27a"));
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 10; ++i) {
                const double y = h * (0.84 + row * 0.055);
                const double x = w * (0.04 + i * 0.105 + (row % 2) * 0.05);
                if (std::abs(x - w * 0.51) < w * 0.12)
                    continue;
                for (double a : { -0.5, 0.0, 0.5 })
                    c.fill([&](cairo_t* p) { cairo_save(p); cairo_translate(p, x, y); cairo_rotate(p, a); Canvas::ellipse(p, 0, -h * 0.018, w * 0.006, h * 0.022); cairo_restore(p); },
                        hex("#3e9e36"));
                c.fill([&](cairo_t* p) { Canvas::ellipse(p, x, y + h * 0.004, w * 0.012, h * 0.008); }, hex("#ff8a1f"));
            }
        if (scene == "main")
            rabbitHouse(c, w * 0.51, h * 0.84, h * 0.3);
        else
            c.fill(all, withAlpha(hex("#ffb347"), 0.3));
        return;
    }
    if (scene == "treasure") {
        c.fillVertical(all, hex("#bfe9a0"), hex("#7ccc5a"), 0, h);
        for (int i = 0; i < 7; ++i) {
            const double x = w * (i / 6.0), y = h * 0.24;
            c.fill([&](cairo_t* p) { for (int k = 0; k < 3; ++k) Canvas::ellipse(p, x + (k - 1) * 55, y - (k == 1) * 25, 80, 60); }, i % 2 ? hex("#5cb84a") : hex("#4aa83a"));
        }
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, w / 2, h * 0.62, w * 0.36, h * 0.2); }, withAlpha(hex("#d8f0a0"), 0.6));
        flowers(c, h * 0.3);
        headerBand(c, hex("#5cb84a"));
        return;
    }
    if (scene == "contest") {
        c.fillVertical(all, hex("#ffa050"), hex("#d8432a"), 0, h);
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_new_path(cr);
        for (int i = 0; i < 24; ++i) {
            const double a = i * M_PI / 12;
            cairo_move_to(cr, w / 2, h / 2);
            cairo_arc(cr, w / 2, h / 2, w, a, a + M_PI / 24);
            cairo_close_path(cr);
        }
        cairo_set_source_rgba(cr, 1, 0.92, 0.6, 0.16);
        cairo_fill(cr);
        cairo_restore(cr);
        headerBand(c, hex("#b8321e"));
        return;
    }
    if (scene == "play") {
        c.fillVertical(all, hex("#d8f7e8"), hex("#fff6dc"), 0, h);
        c.fill([&](cairo_t* p) { Canvas::roundRect(p, 40, 175, w - 80, 545, 40); }, withAlpha(hex("#3e8a5a"), 0.1));
        c.stroke([&](cairo_t* p) { Canvas::roundRect(p, 40, 175, w - 80, 545, 40); }, withAlpha(hex("#3e8a5a"), 0.18), 6);
        hills(c, h * 0.86, hex("#8fd96a"), hex("#b6e88a"));
        headerBand(c, hex("#ff8a1f"));
        return;
    }
    c.fillVertical(all, hex("#fff3dc"), hex("#ffc99a"), 0, h);
    sprinkle(c, withAlpha(hex("#ffffff"), 0.35), header ? 150 : 0);
    if (header)
        headerBand(c, hex("#ff8a1f"));
}

struct Band {
    const char* title;
    const char* colour;
    const char* hat;
};

const Band kBands[] = {
    { "光腚兔", "#c98a52", "" }, { "小屁兔", "#7fc8f0", "band" }, { "青年兔", "#5cc24a", "cap" },
    { "文艺兔", "#c77ddf", "glasses" }, { "强力兔", "#ef4b3f", "headset" }, { "学究兔", "#3a6bd8", "grad" },
    { "超级兔", "#ffb400", "crown" },
};

const Band& bandOf(const DescriptionLine& line)
{
    const int band = line.integer("band", 1);
    if (band < 1 || band > 7)
        line.fail("band must be 1..7");
    return kBands[band - 1];
}

void paintLevelTitle(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "band" });
    const Band& band = bandOf(line);
    const Rgba colour = hex(band.colour);
    const double s = std::min(c.width(), c.height());
    auto disc = [&](cairo_t* p) { Canvas::ellipse(p, s / 2, s * 0.42, s * 0.38, s * 0.38); };
    c.shadow(disc, 0, s * 0.02, s * 0.04, withAlpha(ink, 0.3));
    c.fillVertical(disc, lighter(colour, 0.45), colour, s * 0.04, s * 0.8);
    c.stroke(disc, fur, s * 0.035);
    RabbitLook look;
    look.hat = band.hat;
    look.scarf = colour;
    drawRabbitHead(c, s / 2, s * 0.5, s * 0.2, look, true);
    auto plate = [&](cairo_t* p) { Canvas::roundRect(p, s * 0.04, s * 0.68, s * 0.92, s * 0.28, s * 0.12); };
    c.fillVertical(plate, lighter(colour, 0.15), darker(colour, 0.2), s * 0.68, s * 0.96);
    c.stroke(plate, fur, s * 0.03);
    TextStyle t;
    t.size = s * 0.22;
    t.fill = fur;
    t.outline = darker(colour, 0.5);
    t.outlineWidth = s * 0.02;
    t.maxWidth = s * 0.86;
    c.text(band.title, s / 2, s * 0.82, t);
}

void paintBadge(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "band" });
    const Band& band = bandOf(line);
    const Rgba colour = hex(band.colour);
    const double s = std::min(c.width(), c.height()), cx = c.width() / 2.0;
    // Scalloped medal rim.
    auto rim = [&](cairo_t* p) { Canvas::star(p, cx, s * 0.46, s * 0.45, s * 0.41, 18); };
    c.shadow(rim, 0, s * 0.02, s * 0.04, withAlpha(ink, 0.35));
    c.fillVertical(rim, hex("#ffe27a"), hex("#f0a000"), 0, s);
    auto disc = [&](cairo_t* p) { Canvas::ellipse(p, cx, s * 0.46, s * 0.36, s * 0.36); };
    c.fillVertical(disc, lighter(colour, 0.55), lighter(colour, 0.1), s * 0.1, s * 0.82);
    c.stroke(disc, fur, s * 0.025);
    RabbitLook look;
    look.hat = band.hat;
    look.scarf = colour;
    drawRabbitHead(c, cx, s * 0.55, s * 0.17, look, true);
    auto ribbon = [&](cairo_t* p) { Canvas::roundRect(p, s * 0.08, s * 0.76, s * 0.84, s * 0.2, s * 0.06); };
    c.fillVertical(ribbon, lighter(colour, 0.1), darker(colour, 0.2), s * 0.76, s * 0.96);
    c.stroke(ribbon, darker(colour, 0.45), s * 0.02);
    TextStyle t;
    t.size = s * 0.14;
    t.fill = fur;
    t.outline = darker(colour, 0.5);
    t.outlineWidth = s * 0.015;
    t.maxWidth = s * 0.76;
    c.text(band.title, cx, s * 0.86, t);
}

void paintSpinner(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "frame" });
    const int frame = line.integer("frame", 1);
    const double s = std::min(c.width(), c.height()), cx = c.width() / 2.0;
    RabbitLook look;
    look.pose = frame == 2 ? "run2" : "run1";
    const double hop = frame == 2 ? s * 0.08 : frame == 3 ? s * 0.03 : 0;
    c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx, s * 0.93, s * 0.28 - hop, s * 0.04); }, withAlpha(ink, 0.2));
    drawRabbit(c, cx, s * 0.92 - hop, s * 0.84, look);
    for (int i = 0; i < 3; ++i)
        c.fill([&](cairo_t* p) { Canvas::ellipse(p, cx + s * 0.36, s * (0.2 + i * 0.0), s * 0.0, s * 0.0); }, fur);
}

} // namespace

BRINDLE_PAINTER("background", paintBackground)
BRINDLE_PAINTER("leveltitle", paintLevelTitle)
BRINDLE_PAINTER("badge", paintBadge)
BRINDLE_PAINTER("spinner", paintSpinner)

} // namespace brindle::assets
