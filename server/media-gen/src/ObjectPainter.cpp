#include "ObjectPainter.h"

#include "PaintKit.h"

#include <cmath>

namespace mediagen {

namespace kit {

Colour hex(unsigned v) { return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0}; }

// Fills the current path and outlines it a shade darker; a missing fill is a grey blank with a
// dashed edge so the player sees exactly which part lost its colour.
void finish(cairo_t* cr, const Fill& fill)
{
    if (fill.missing) {
        hex(0xEEEEEE).use(cr);
        cairo_fill_preserve(cr);
        const double dash[] = {4.0, 3.0};
        cairo_set_dash(cr, dash, 2, 0);
        hex(0x9E9E9E).use(cr);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        return;
    }
    // Outline first, twice as wide, then the fill over it: overlapping parts (the puffs of a
    // cloud, the petals of a flower) merge into one shape with one outer edge.
    fill.colour.darker(0.35).use(cr);
    cairo_set_line_width(cr, 5.0);
    cairo_stroke_preserve(cr);
    fill.colour.use(cr);
    cairo_fill(cr);
}

void solid(cairo_t* cr, unsigned colour) { finish(cr, Fill{hex(colour), false}); }

void circle(cairo_t* cr, double x, double y, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

void roundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void shine(cairo_t* cr, double x, double y, double r)
{
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    circle(cr, x, y, r);
    cairo_fill(cr);
}

void star(cairo_t* cr, double r, int points)
{
    for (int i = 0; i < points * 2; ++i) {
        const double a = -kPi / 2 + i * kPi / points;
        const double rr = i % 2 ? r * 0.45 : r;
        i == 0 ? cairo_move_to(cr, rr * std::cos(a), rr * std::sin(a)) : cairo_line_to(cr, rr * std::cos(a), rr * std::sin(a));
    }
    cairo_close_path(cr);
}

} // namespace kit

namespace {

using namespace kit;

const std::map<std::string, std::pair<unsigned, Drawing>>& drawings()
{
    static const std::map<std::string, std::pair<unsigned, Drawing>> table = {
        {"apple", {0xE53935, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 0, -28);
             cairo_curve_to(cr, 30, -48, 52, -18, 40, 14);
             cairo_curve_to(cr, 32, 38, 12, 46, 0, 38);
             cairo_curve_to(cr, -12, 46, -32, 38, -40, 14);
             cairo_curve_to(cr, -52, -18, -30, -48, 0, -28);
             finish(cr, f);
             cairo_move_to(cr, 0, -28);
             cairo_curve_to(cr, 0, -38, 4, -44, 8, -48);
             hex(0x6D4C41).use(cr);
             cairo_set_line_width(cr, 4);
             cairo_stroke(cr);
             cairo_move_to(cr, 4, -38);
             cairo_curve_to(cr, 14, -50, 28, -46, 30, -40);
             cairo_curve_to(cr, 20, -34, 10, -34, 4, -38);
             solid(cr, 0x66BB6A);
             shine(cr, -20, -10, 7);
         }}},
        {"orange", {0xFB8C00, [](cairo_t* cr, const Fill& f) {
             circle(cr, 0, 4, 40);
             finish(cr, f);
             cairo_move_to(cr, 0, -36);
             cairo_curve_to(cr, 10, -48, 22, -46, 24, -42);
             cairo_curve_to(cr, 14, -34, 6, -34, 0, -36);
             solid(cr, 0x66BB6A);
             shine(cr, -16, -10, 6);
         }}},
        {"banana", {0xFDD835, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, -40, -30);
             cairo_curve_to(cr, -30, 20, 20, 40, 44, 10);
             cairo_curve_to(cr, 30, 26, -10, 22, -30, -34);
             cairo_close_path(cr);
             finish(cr, f);
             cairo_move_to(cr, -40, -30);
             cairo_line_to(cr, -38, -40);
             hex(0x6D4C41).use(cr);
             cairo_set_line_width(cr, 5);
             cairo_stroke(cr);
         }}},
        {"watermelon", {0x43A047, [](cairo_t* cr, const Fill& f) {
             cairo_arc(cr, 0, -10, 46, 0, kPi);
             cairo_close_path(cr);
             finish(cr, f);
             cairo_arc(cr, 0, -10, 38, 0, kPi);
             cairo_close_path(cr);
             solid(cr, 0xEF5350);
             hex(0x212121).use(cr);
             for (int i = -2; i <= 2; ++i) {
                 circle(cr, i * 12, 4 + std::abs(i) * -2 + 8, 2.5);
                 cairo_fill(cr);
             }
         }}},
        {"sun", {0xFFB300, [](cairo_t* cr, const Fill& f) {
             for (int i = 0; i < 12; ++i) {
                 const double a = i * kPi / 6;
                 cairo_move_to(cr, 32 * std::cos(a), 32 * std::sin(a));
                 cairo_line_to(cr, 48 * std::cos(a), 48 * std::sin(a));
             }
             (f.missing ? hex(0xBDBDBD) : f.colour).use(cr);
             cairo_set_line_width(cr, 6);
             cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
             cairo_stroke(cr);
             circle(cr, 0, 0, 28);
             finish(cr, f);
             shine(cr, -10, -10, 6);
         }}},
        {"moon", {0xFFF176, [](cairo_t* cr, const Fill& f) {
             cairo_arc(cr, 0, 0, 40, kPi * 0.35, kPi * 1.65);
             cairo_arc_negative(cr, 18, -6, 32, kPi * 1.45, kPi * 0.6);
             cairo_close_path(cr);
             finish(cr, f);
         }}},
        {"star", {0xFDD835, [](cairo_t* cr, const Fill& f) {
             star(cr, 46);
             finish(cr, f);
         }}},
        {"cloud", {0xFFFFFF, [](cairo_t* cr, const Fill& f) {
             circle(cr, -22, 6, 20);
             circle(cr, 0, -8, 26);
             circle(cr, 24, 4, 20);
             roundRect(cr, -40, 4, 80, 22, 11);
             finish(cr, f);
         }}},
        {"raincloud", {0x90A4AE, [](cairo_t* cr, const Fill& f) {
             hex(0x1E88E5).use(cr);
             cairo_set_line_width(cr, 4);
             cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
             for (int i = -2; i <= 2; ++i) {
                 cairo_move_to(cr, i * 16, 22);
                 cairo_line_to(cr, i * 16 - 6, 42);
             }
             cairo_stroke(cr);
             circle(cr, -22, -6, 20);
             circle(cr, 0, -20, 26);
             circle(cr, 24, -8, 20);
             roundRect(cr, -40, -8, 80, 24, 12);
             finish(cr, f);
         }}},
        {"tree", {0x43A047, [](cairo_t* cr, const Fill& f) {
             cairo_rectangle(cr, -8, 10, 16, 38);
             solid(cr, 0x8D6E63);
             circle(cr, 0, -14, 30);
             circle(cr, -22, 4, 20);
             circle(cr, 22, 4, 20);
             finish(cr, f);
             shine(cr, -10, -26, 6);
         }}},
        {"flower", {0xE91E63, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 0, 10);
             cairo_line_to(cr, 0, 48);
             hex(0x43A047).use(cr);
             cairo_set_line_width(cr, 5);
             cairo_stroke(cr);
             for (int i = 0; i < 6; ++i) {
                 const double a = i * kPi / 3;
                 circle(cr, 20 * std::cos(a), -12 + 20 * std::sin(a), 14);
             }
             finish(cr, f);
             circle(cr, 0, -12, 11);
             solid(cr, 0xFFD54F);
         }}},
        {"house", {0xFFCC80, [](cairo_t* cr, const Fill& f) {
             cairo_rectangle(cr, -34, -6, 68, 52);
             finish(cr, f);
             cairo_move_to(cr, -46, -4);
             cairo_line_to(cr, 0, -44);
             cairo_line_to(cr, 46, -4);
             cairo_close_path(cr);
             solid(cr, 0xE53935);
             cairo_rectangle(cr, -10, 18, 20, 28);
             solid(cr, 0x8D6E63);
             cairo_rectangle(cr, 16, 4, 12, 12);
             solid(cr, 0x81D4FA);
             cairo_rectangle(cr, -28, 4, 12, 12);
             solid(cr, 0x81D4FA);
         }}},
        {"fish", {0xFB8C00, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 24, 0);
             cairo_curve_to(cr, 10, -30, -30, -26, -34, 0);
             cairo_curve_to(cr, -30, 26, 10, 30, 24, 0);
             cairo_close_path(cr);
             cairo_move_to(cr, 20, 0);
             cairo_line_to(cr, 46, -20);
             cairo_line_to(cr, 46, 20);
             cairo_close_path(cr);
             finish(cr, f);
             hex(0xFFFFFF).use(cr);
             circle(cr, -20, -6, 6);
             cairo_fill(cr);
             hex(0x212121).use(cr);
             circle(cr, -21, -6, 3);
             cairo_fill(cr);
         }}},
        {"cat", {0xFFB74D, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, -36, -12);
             cairo_line_to(cr, -30, -46);
             cairo_line_to(cr, -8, -30);
             cairo_line_to(cr, 8, -30);
             cairo_line_to(cr, 30, -46);
             cairo_line_to(cr, 36, -12);
             cairo_close_path(cr);
             finish(cr, f);
             cairo_save(cr);
             cairo_scale(cr, 1.0, 0.85);
             circle(cr, 0, 6, 40);
             cairo_restore(cr);
             finish(cr, f);
             hex(0x212121).use(cr);
             circle(cr, -14, -2, 4.5);
             circle(cr, 14, -2, 4.5);
             cairo_fill(cr);
             cairo_move_to(cr, -4, 8);
             cairo_line_to(cr, 4, 8);
             cairo_line_to(cr, 0, 13);
             cairo_close_path(cr);
             solid(cr, 0xF06292);
             hex(0x5D4037).use(cr);
             cairo_set_line_width(cr, 1.5);
             for (int side : {-1, 1})
                 for (int k = -1; k <= 1; ++k) {
                     cairo_move_to(cr, side * 10, 14 + k * 2);
                     cairo_line_to(cr, side * 34, 10 + k * 6);
                 }
             cairo_stroke(cr);
         }}},
        {"car", {0x1E88E5, [](cairo_t* cr, const Fill& f) {
             roundRect(cr, -46, -6, 92, 28, 8);
             cairo_move_to(cr, -26, -6);
             cairo_line_to(cr, -16, -28);
             cairo_line_to(cr, 18, -28);
             cairo_line_to(cr, 30, -6);
             cairo_close_path(cr);
             finish(cr, f);
             cairo_move_to(cr, -18, -8);
             cairo_line_to(cr, -11, -23);
             cairo_line_to(cr, 14, -23);
             cairo_line_to(cr, 22, -8);
             cairo_close_path(cr);
             solid(cr, 0xB3E5FC);
             circle(cr, -24, 22, 11);
             circle(cr, 24, 22, 11);
             solid(cr, 0x424242);
             circle(cr, -24, 22, 4);
             circle(cr, 24, 22, 4);
             solid(cr, 0xBDBDBD);
         }}},
        {"balloon", {0xE53935, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 0, 22);
             cairo_curve_to(cr, -8, 32, 8, 40, 0, 50);
             hex(0x616161).use(cr);
             cairo_set_line_width(cr, 2);
             cairo_stroke(cr);
             cairo_save(cr);
             cairo_scale(cr, 0.85, 1.0);
             circle(cr, 0, -12, 34);
             cairo_restore(cr);
             finish(cr, f);
             cairo_move_to(cr, 0, 22);
             cairo_line_to(cr, -5, 28);
             cairo_line_to(cr, 5, 28);
             cairo_close_path(cr);
             finish(cr, f);
             shine(cr, -10, -26, 6);
         }}},
        {"heart", {0xE53935, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 0, 40);
             cairo_curve_to(cr, -60, 0, -36, -50, 0, -20);
             cairo_curve_to(cr, 36, -50, 60, 0, 0, 40);
             cairo_close_path(cr);
             finish(cr, f);
             shine(cr, -18, -14, 6);
         }}},
        {"umbrella", {0x8E24AA, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 0, -6);
             cairo_line_to(cr, 0, 36);
             cairo_arc_negative(cr, 8, 36, 8, kPi, 0);
             hex(0x5D4037).use(cr);
             cairo_set_line_width(cr, 4);
             cairo_stroke(cr);
             cairo_move_to(cr, -46, -4);
             cairo_arc(cr, 0, -4, 46, kPi, 2 * kPi);
             cairo_close_path(cr);
             finish(cr, f);
         }}},
        {"leaf", {0x43A047, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, -40, 36);
             cairo_curve_to(cr, -44, -20, 10, -44, 42, -40);
             cairo_curve_to(cr, 40, 10, 0, 44, -40, 36);
             cairo_close_path(cr);
             finish(cr, f);
             cairo_move_to(cr, -40, 36);
             cairo_curve_to(cr, -10, 10, 10, -10, 36, -34);
             (f.missing ? hex(0xBDBDBD) : f.colour.darker(0.4)).use(cr);
             cairo_set_line_width(cr, 2.5);
             cairo_stroke(cr);
         }}},
        {"flame", {0xFF7043, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 0, -46);
             cairo_curve_to(cr, 30, -16, 38, 10, 30, 26);
             cairo_curve_to(cr, 20, 46, -20, 46, -30, 26);
             cairo_curve_to(cr, -38, 8, -22, -6, -12, -20);
             cairo_curve_to(cr, -8, -6, -2, -4, 0, -46);
             cairo_close_path(cr);
             finish(cr, f);
             cairo_move_to(cr, 0, -6);
             cairo_curve_to(cr, 14, 8, 18, 20, 12, 30);
             cairo_curve_to(cr, 6, 40, -8, 40, -12, 30);
             cairo_curve_to(cr, -18, 18, -6, 8, 0, -6);
             solid(cr, 0xFFEB3B);
         }}},
        {"boat", {0x8D6E63, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, 2, -44);
             cairo_line_to(cr, 2, 10);
             cairo_line_to(cr, 36, 10);
             cairo_close_path(cr);
             solid(cr, 0xFFFFFF);
             cairo_move_to(cr, -4, -36);
             cairo_line_to(cr, -4, 10);
             cairo_line_to(cr, -30, 10);
             cairo_close_path(cr);
             solid(cr, 0xFFCDD2);
             cairo_move_to(cr, -46, 14);
             cairo_line_to(cr, 46, 14);
             cairo_line_to(cr, 32, 36);
             cairo_line_to(cr, -32, 36);
             cairo_close_path(cr);
             finish(cr, f);
         }}},
    };
    return table;
}

// The question pictures' things first, then the store's goods.
const std::pair<unsigned, Drawing>* lookUp(const std::string& kind)
{
    for (const auto* table : {&drawings(), &goodsDrawings()}) {
        const auto found = table->find(kind);
        if (found != table->end())
            return &found->second;
    }
    return nullptr;
}

} // namespace

bool ObjectPainter::knows(const std::string& kind) { return lookUp(kind) != nullptr; }

bool ObjectPainter::paint(cairo_t* cr, const std::string& kind, double x, double y, double size,
                          const std::optional<Fill>& main)
{
    const auto* found = lookUp(kind);
    if (!found)
        return false;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 100.0, size / 100.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // A soft shadow under everything but the sky.
    if (kind != "cloud" && kind != "sun" && kind != "moon" && kind != "star") {
        cairo_save(cr);
        cairo_scale(cr, 1.0, 0.18);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
        kit::circle(cr, 0, 50 / 0.18, 38);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    found->second(cr, main.value_or(Fill{kit::hex(found->first), false}));
    cairo_restore(cr);
    return true;
}

} // namespace mediagen
