// The store's goods: a phone for telephone credit, a card for the credit of other services, and
// the things that come by post.
#include "PaintKit.h"

#include <cmath>

namespace mediagen {

namespace {

using namespace kit;

void line(cairo_t* cr, unsigned colour, double width)
{
    hex(colour).use(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void ellipse(cairo_t* cr, double x, double y, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    circle(cr, 0, 0, 1);
    cairo_restore(cr);
}

void pencil(cairo_t* cr, const Fill& f, double angle)
{
    cairo_save(cr);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -30, -7, 52, 14);
    finish(cr, f);
    cairo_rectangle(cr, -40, -7, 10, 14);
    solid(cr, 0xF48FB1);
    cairo_rectangle(cr, -32, -7.5, 6, 15);
    solid(cr, 0xB0BEC5);
    cairo_move_to(cr, 22, -7);
    cairo_line_to(cr, 42, 0);
    cairo_line_to(cr, 22, 7);
    cairo_close_path(cr);
    solid(cr, 0xFFE0B2);
    cairo_move_to(cr, 35, -2.5);
    cairo_line_to(cr, 42, 0);
    cairo_line_to(cr, 35, 2.5);
    cairo_close_path(cr);
    solid(cr, 0x424242);
    cairo_restore(cr);
}

} // namespace

const std::map<std::string, std::pair<unsigned, Drawing>>& goodsDrawings()
{
    static const std::map<std::string, std::pair<unsigned, Drawing>> table = {
        {"phone", {0x37474F, [](cairo_t* cr, const Fill& f) {
             roundRect(cr, -27, -46, 54, 92, 10);
             finish(cr, f);
             roundRect(cr, -21, -36, 42, 66, 3);
             solid(cr, 0x4FC3F7);
             // Two chat bubbles on the screen say "this is a phone", not a box.
             roundRect(cr, -16, -28, 24, 12, 4);
             solid(cr, 0xFFFFFF);
             roundRect(cr, -6, -10, 22, 12, 4);
             solid(cr, 0xC5E1A5);
             roundRect(cr, -16, 8, 20, 12, 4);
             solid(cr, 0xFFFFFF);
             circle(cr, 0, 38, 4);
             solid(cr, 0x90A4AE);
             cairo_move_to(cr, -7, -41);
             cairo_line_to(cr, 7, -41);
             line(cr, 0x90A4AE, 2.5);
             cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
             cairo_move_to(cr, 6, -36);
             cairo_line_to(cr, 21, -36);
             cairo_line_to(cr, 21, -10);
             cairo_close_path(cr);
             cairo_fill(cr);
         }}},
        {"card", {0x7E57C2, [](cairo_t* cr, const Fill& f) {
             roundRect(cr, -46, -30, 92, 60, 8);
             finish(cr, f);
             cairo_save(cr);
             roundRect(cr, -46, -30, 92, 60, 8);
             cairo_clip(cr);
             cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
             circle(cr, 34, -26, 30);
             cairo_fill(cr);
             circle(cr, 46, 20, 20);
             cairo_fill(cr);
             cairo_restore(cr);
             roundRect(cr, -36, -14, 18, 14, 3);
             solid(cr, 0xFFD54F);
             cairo_move_to(cr, -36, 14);
             cairo_line_to(cr, 2, 14);
             cairo_move_to(cr, -36, 21);
             cairo_line_to(cr, -12, 21);
             cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
             cairo_set_line_width(cr, 3);
             cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
             cairo_stroke(cr);
             cairo_save(cr);
             cairo_translate(cr, 28, 10);
             star(cr, 11);
             solid(cr, 0xFFF176);
             cairo_restore(cr);
         }}},
        {"book", {0x1E88E5, [](cairo_t* cr, const Fill& f) {
             roundRect(cr, -30, -42, 66, 86, 4);
             solid(cr, 0xFAFAFA);
             roundRect(cr, -36, -46, 66, 88, 5);
             finish(cr, f);
             cairo_rectangle(cr, -36, -46, 10, 88);
             (f.missing ? hex(0xBDBDBD) : f.colour.darker(0.25)).use(cr);
             cairo_fill(cr);
             roundRect(cr, -18, -32, 38, 20, 3);
             solid(cr, 0xFFF8E1);
             cairo_move_to(cr, -12, -22);
             cairo_line_to(cr, 14, -22);
             line(cr, 0x8D6E63, 2.5);
             cairo_save(cr);
             cairo_translate(cr, 2, 14);
             star(cr, 12);
             solid(cr, 0xFFD54F);
             cairo_restore(cr);
         }}},
        {"notebook", {0x26A69A, [](cairo_t* cr, const Fill& f) {
             roundRect(cr, -30, -44, 64, 88, 5);
             finish(cr, f);
             roundRect(cr, -12, -30, 36, 22, 3);
             solid(cr, 0xFFFFFF);
             for (int i = 0; i < 2; ++i) {
                 cairo_move_to(cr, -6, -23 + i * 8);
                 cairo_line_to(cr, 18, -23 + i * 8);
             }
             line(cr, 0x90A4AE, 2);
             for (int i = 0; i < 8; ++i) {
                 cairo_new_sub_path(cr);
                 cairo_arc(cr, -30, -36 + i * 10.5, 5, kPi / 2, 3 * kPi / 2);
             }
             line(cr, 0x607D8B, 2.5);
             cairo_move_to(cr, 8, 24);
             cairo_line_to(cr, 26, 24);
             line(cr, 0xFFFFFF, 3);
         }}},
        {"mug", {0xFF7043, [](cairo_t* cr, const Fill& f) {
             cairo_new_sub_path(cr);
             cairo_arc(cr, 26, 2, 15, -kPi / 2, kPi / 2);
             (f.missing ? hex(0xBDBDBD) : f.colour.darker(0.35)).use(cr);
             cairo_set_line_width(cr, 11);
             cairo_stroke_preserve(cr);
             (f.missing ? hex(0xEEEEEE) : f.colour).use(cr);
             cairo_set_line_width(cr, 6);
             cairo_stroke(cr);
             roundRect(cr, -34, -24, 60, 64, 9);
             finish(cr, f);
             ellipse(cr, -4, -24, 30, 6);
             solid(cr, 0x6D4C41);
             // Steam.
             for (int i = -1; i <= 1; ++i) {
                 cairo_move_to(cr, -4 + i * 12, -34);
                 cairo_curve_to(cr, -10 + i * 12, -40, 2 + i * 12, -44, -4 + i * 12, -50);
             }
             line(cr, 0xB0BEC5, 3);
             // A carrot on the side, the game's own.
             cairo_move_to(cr, -14, 0);
             cairo_curve_to(cr, -6, -6, 6, -6, 10, 0);
             cairo_line_to(cr, -4, 24);
             cairo_close_path(cr);
             solid(cr, 0xFFA726);
             cairo_move_to(cr, -2, -3);
             cairo_line_to(cr, -6, -12);
             cairo_move_to(cr, 0, -3);
             cairo_line_to(cr, 4, -12);
             line(cr, 0x43A047, 3);
             shine(cr, -24, -10, 4);
         }}},
        {"giftbox", {0xE53935, [](cairo_t* cr, const Fill& f) {
             // The bow above the lid.
             ellipse(cr, -13, -30, 14, 9);
             ellipse(cr, 13, -30, 14, 9);
             solid(cr, 0xFFD54F);
             cairo_rectangle(cr, -36, -10, 72, 52);
             finish(cr, f);
             cairo_rectangle(cr, -42, -24, 84, 16);
             finish(cr, f);
             cairo_rectangle(cr, -7, -24, 14, 66);
             solid(cr, 0xFFD54F);
             circle(cr, 0, -28, 6);
             solid(cr, 0xFFB300);
             shine(cr, -28, -17, 3);
         }}},
        {"headphones", {0x455A64, [](cairo_t* cr, const Fill& f) {
             cairo_new_sub_path(cr);
             cairo_arc(cr, 0, 4, 36, kPi, 2 * kPi);
             (f.missing ? hex(0xBDBDBD) : f.colour.darker(0.35)).use(cr);
             cairo_set_line_width(cr, 12);
             cairo_stroke_preserve(cr);
             (f.missing ? hex(0xEEEEEE) : f.colour).use(cr);
             cairo_set_line_width(cr, 7);
             cairo_stroke(cr);
             for (int side : {-1, 1}) {
                 roundRect(cr, side * 38 - 11, -4, 22, 40, 9);
                 finish(cr, f);
                 roundRect(cr, side * 30 - 4, 0, 8, 32, 4);
                 solid(cr, 0xEF5350);
             }
         }}},
        {"rabbit", {0xFFFFFF, [](cairo_t* cr, const Fill& f) {
             ellipse(cr, -14, -30, 8, 20);
             ellipse(cr, 14, -30, 8, 20);
             ellipse(cr, 0, 26, 26, 22);
             circle(cr, 0, -2, 24);
             finish(cr, f);
             ellipse(cr, -14, -30, 3.5, 13);
             ellipse(cr, 14, -30, 3.5, 13);
             solid(cr, 0xF8BBD0);
             hex(0x212121).use(cr);
             circle(cr, -9, -6, 3.5);
             circle(cr, 9, -6, 3.5);
             cairo_fill(cr);
             circle(cr, -15, 4, 4);
             circle(cr, 15, 4, 4);
             cairo_set_source_rgba(cr, 0.96, 0.56, 0.69, 0.6);
             cairo_fill(cr);
             cairo_move_to(cr, -3, 2);
             cairo_line_to(cr, 3, 2);
             cairo_line_to(cr, 0, 6);
             cairo_close_path(cr);
             solid(cr, 0xF06292);
             // The carrot in its arms.
             cairo_move_to(cr, -12, 20);
             cairo_curve_to(cr, -6, 14, 8, 14, 12, 20);
             cairo_line_to(cr, 0, 44);
             cairo_close_path(cr);
             solid(cr, 0xFFA726);
             cairo_move_to(cr, -2, 17);
             cairo_line_to(cr, -8, 8);
             cairo_move_to(cr, 2, 17);
             cairo_line_to(cr, 7, 8);
             line(cr, 0x43A047, 3.5);
         }}},
        {"pencil", {0xFDD835, [](cairo_t* cr, const Fill& f) { pencil(cr, f, -kPi / 5); }}},
        {"pencils", {0x42A5F5, [](cairo_t* cr, const Fill& f) {
             const unsigned colours[] = {0xE53935, 0xFDD835, 0x43A047};
             for (int i = 0; i < 3; ++i) {
                 cairo_save(cr);
                 cairo_translate(cr, 0, -20 + i * 12);
                 pencil(cr, Fill{hex(colours[i]), false}, -kPi / 2 + (i - 1) * 0.25);
                 cairo_restore(cr);
             }
             roundRect(cr, -34, 4, 68, 40, 6);
             finish(cr, f);
             cairo_move_to(cr, -20, 24);
             cairo_line_to(cr, 20, 24);
             line(cr, 0xFFFFFF, 3);
         }}},
        {"carrot", {0xFFA726, [](cairo_t* cr, const Fill& f) {
             cairo_move_to(cr, -4, -26);
             cairo_curve_to(cr, -14, -40, -22, -44, -24, -46);
             cairo_move_to(cr, 2, -26);
             cairo_line_to(cr, 4, -48);
             cairo_move_to(cr, 6, -26);
             cairo_curve_to(cr, 14, -38, 22, -42, 24, -44);
             line(cr, 0x43A047, 7);
             cairo_move_to(cr, -20, -24);
             cairo_curve_to(cr, -8, -34, 16, -34, 22, -22);
             cairo_curve_to(cr, 18, 0, 8, 30, 0, 46);
             cairo_curve_to(cr, -8, 30, -20, 0, -20, -24);
             cairo_close_path(cr);
             finish(cr, f);
             for (int i = 0; i < 3; ++i) {
                 cairo_move_to(cr, -14 + i * 3, -8 + i * 14);
                 cairo_line_to(cr, -6 + i * 3, -8 + i * 14);
             }
             line(cr, 0xE65100, 2.5);
             shine(cr, -10, -18, 4);
         }}},
    };
    return table;
}

} // namespace mediagen
