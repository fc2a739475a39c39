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

void paintBackground(Canvas& c, const DescriptionLine& line)
{
    line.allowOnly({ "scene" });
    const std::string scene = line.text("scene", "soft");
    const double w = c.width(), h = c.height();
    auto all = [&](cairo_t* p) { cairo_rectangle(p, 0, 0, w, h); };
    if (scene == "main" || scene == "treasure" || scene == "logo") {
        c.fillVertical(all, hex("#6cc8ff"), hex("#d8f3ff"), 0, h * 0.7);
        c.fillRadial(all, w * 0.82, h * 0.16, h * 0.35, withAlpha(hex("#fff7c0"), 0.9), withAlpha(hex("#fff7c0"), 0));
        hills(c, h * (scene == "treasure" ? 0.42 : 0.6), hex("#7fd35a"), hex("#a8e27a"));
        // Carrot rows in the field.
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 9; ++i) {
                const double y = h * (0.8 + row * 0.07);
                const double x = w * (0.06 + i * 0.115 + (row % 2) * 0.05);
                for (double a : { -0.5, 0.0, 0.5 })
                    c.fill([&](cairo_t* p) { cairo_save(p); cairo_translate(p, x, y); cairo_rotate(p, a); Canvas::ellipse(p, 0, -h * 0.02, w * 0.006, h * 0.025); cairo_restore(p); },
                        hex("#3e9e36"));
                c.fill([&](cairo_t* p) { Canvas::ellipse(p, x, y + h * 0.004, w * 0.012, h * 0.008); }, hex("#ff8a1f"));
            }
        if (scene == "logo") {
            c.fill(all, withAlpha(hex("#ffb347"), 0.35));
        }
        return;
    }
    Rgba top = hex("#ffe7b3"), bottom = hex("#ffc27a");
    if (scene == "pk") { top = hex("#ff9a4a"); bottom = hex("#d8432a"); }
    if (scene == "play") { top = hex("#bfe9ff"); bottom = hex("#fff1cc"); }
    if (scene == "store") { top = hex("#ffd6e0"); bottom = hex("#ffb38a"); }
    c.fillVertical(all, top, bottom, 0, h);
    if (scene == "pk") {
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_new_path(cr);
        for (int i = 0; i < 24; ++i) {
            const double a = i * M_PI / 12;
            cairo_move_to(cr, w / 2, h / 2);
            cairo_arc(cr, w / 2, h / 2, w, a, a + M_PI / 24);
            cairo_close_path(cr);
        }
        cairo_set_source_rgba(cr, 1, 0.9, 0.6, 0.18);
        cairo_fill(cr);
        cairo_restore(cr);
        return;
    }
    // Soft polka dots and a few paw prints keep large areas from looking flat.
    for (double y = h * 0.04; y < h; y += h * 0.09)
        for (double x = w * 0.03 + (int(y / (h * 0.09)) % 2) * w * 0.04; x < w; x += w * 0.08)
            c.fill([&](cairo_t* p) { Canvas::ellipse(p, x, y, h * 0.012, h * 0.012); }, withAlpha(fur, 0.35));
    if (scene == "play")
        hills(c, h * 0.82, hex("#8fd96a"), hex("#b6e88a"));
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
