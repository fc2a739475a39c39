#include "gallery/GalleryPages.h"

#include "core/FileUtil.h"
#include "gallery/ContactPage.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace brindle::assets {

namespace {

struct Char {
    int x, y, w, h, xo, yo, adv;
};

int field(const std::string& line, const std::string& key)
{
    const size_t at = line.find(" " + key + "=");
    return at == std::string::npos ? 0 : std::stoi(line.substr(at + key.size() + 2));
}

// Sets a line of text with a bitmap font the way the game's label does, at (x, baseline-top y).
void drawLine(cairo_t* cr, cairo_surface_t* page, const std::map<uint32_t, Char>& chars, const std::u32string& text,
    double x, double y, double scale)
{
    for (char32_t ch : text) {
        auto it = chars.find(uint32_t(ch));
        if (it == chars.end())
            continue;
        const Char& c = it->second;
        cairo_save(cr);
        cairo_translate(cr, x + c.xo * scale, y + c.yo * scale);
        cairo_scale(cr, scale, scale);
        cairo_rectangle(cr, 0, 0, c.w, c.h);
        cairo_clip(cr);
        cairo_set_source_surface(cr, page, -c.x, -c.y);
        cairo_paint(cr);
        cairo_restore(cr);
        x += c.adv * scale;
    }
}

} // namespace

void GalleryPages::fonts(const std::filesystem::path& resources, const std::filesystem::path& out)
{
    ContactPage sheet(1600, 1200, "fonts");
    cairo_t* cr = sheet.canvas().cr();
    double y = 80;
    const struct {
        const char* fnt;
        const char* png;
        std::u32string sample;
    } fonts[] = {
        { "Chinese.fnt", "Chinese.png", U"确定 提示 暂停 返回主菜单 下一题 我的收藏 123/456" },
        { "NumFont.fnt", "NumFont.png", U"0123456789 +15 -3 12:30 7/10 98.5%" },
    };
    for (const auto& f : fonts) {
        std::map<uint32_t, Char> chars;
        std::istringstream in(readFile(resources / "fonts" / f.fnt));
        std::string line;
        while (std::getline(in, line))
            if (line.rfind("char id=", 0) == 0)
                chars[uint32_t(field(line, "id"))] = { field(line, "x"), field(line, "y"), field(line, "width"),
                    field(line, "height"), field(line, "xoffset"), field(line, "yoffset"), field(line, "xadvance") };
        cairo_surface_t* page = cairo_image_surface_create_from_png((resources / "fonts" / f.png).c_str());
        if (cairo_surface_status(page) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "asset-gallery: cannot read %s\n", f.png);
            cairo_surface_destroy(page);
            continue;
        }
        TextStyle label;
        label.face = Face::Sans;
        label.size = 18;
        sheet.canvas().text(std::string(f.fnt) + " (" + std::to_string(chars.size()) + " characters)", 300, y, label);
        y += 20;
        for (double scale : { 0.8, 1.0, 1.5 }) {
            drawLine(cr, page, chars, f.sample, 20, y, scale);
            y += 60 * scale;
        }
        cairo_surface_destroy(page);
        y += 30;
    }
    // The TrueType faces through Pango, as the picture painters use them.
    TextStyle sans;
    sans.face = Face::Sans;
    sans.size = 30;
    sheet.canvas().text("simhei.ttf: 快乐答题，赢取金萝卜！ 0123456789", 500, y + 20, sans);
    TextStyle display;
    display.size = 40;
    display.fill = hex("#ffd060");
    display.outline = hex("#7a3f17");
    display.outlineWidth = 3;
    sheet.canvas().text("STHUPO.TTF: 萌兔战队 胜利 平局", 500, y + 90, display);
    sheet.save(out / "fonts.png");
}

} // namespace brindle::assets
