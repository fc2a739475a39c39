#include "SpotCheck.h"

#include "quiz/BankLoader.h"

#include <cairo.h>

#include <cstdlib>
#include <cstring>

namespace mediagen {

namespace {

struct Rect {
    double x1, x2, y1, y2;
    bool holds(int x, int y, double slack) const
    {
        return x >= x1 - slack && x <= x2 + slack && y >= y1 - slack && y <= y2 + slack;
    }
};

bool differs(const unsigned char* a, const unsigned char* b)
{
    for (int c = 0; c < 3; ++c)
        if (std::abs(a[c] - b[c]) > 24)
            return true;
    return false;
}

} // namespace

std::vector<std::string> SpotCheck::run(const std::string& bankFolder, const std::string& mediaFolder)
{
    std::vector<std::string> problems;
    const auto load = server::quiz::BankLoader::loadFolder(bankFolder, "");
    for (const auto& e : load.errors)
        problems.push_back(e.toString());
    for (const auto& entry : load.entries) {
        if (entry.gameType != 2 || entry.playType != 6)
            continue;
        const auto where = entry.file + ":" + std::to_string(entry.line) + ": ";
        const auto leftPath = mediaFolder + "/" + entry.body["question"].asString();
        const auto rightPath = mediaFolder + "/" + entry.body["img"].asString();
        cairo_surface_t* left = cairo_image_surface_create_from_png(leftPath.c_str());
        cairo_surface_t* right = cairo_image_surface_create_from_png(rightPath.c_str());
        const int w = cairo_image_surface_get_width(left), h = cairo_image_surface_get_height(left);
        if (cairo_surface_status(left) || cairo_surface_status(right) || w != cairo_image_surface_get_width(right) ||
            h != cairo_image_surface_get_height(right)) {
            problems.push_back(where + "the two pictures are missing or differ in size");
        } else {
            std::vector<Rect> rects;
            for (const auto& r : entry.body["answer"])
                rects.push_back({r["x1"].asDouble(), r["x2"].asDouble(), r["y1"].asDouble(), r["y2"].asDouble()});
            std::vector<int> hits(rects.size(), 0);
            int stray = 0;
            const int stride = cairo_image_surface_get_stride(left);
            const auto* a = cairo_image_surface_get_data(left);
            const auto* b = cairo_image_surface_get_data(right);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const auto offset = static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4;
                    if (!differs(a + offset, b + offset))
                        continue;
                    bool inside = false;
                    for (std::size_t k = 0; k < rects.size(); ++k)
                        if (rects[k].holds(x, y, 1.0)) {
                            ++hits[k];
                            inside = true;
                        }
                    stray += !inside;
                }
            if (stray > 0)
                problems.push_back(where + std::to_string(stray) + " changed pixels lie outside every rectangle");
            for (std::size_t k = 0; k < rects.size(); ++k)
                if (hits[k] < 50)
                    problems.push_back(where + "rectangle " + std::to_string(k) + " frames no visible change");
            for (const auto& r : rects)
                if (r.x2 > w || r.y2 > h)
                    problems.push_back(where + "a rectangle reaches outside the picture");
        }
        cairo_surface_destroy(left);
        cairo_surface_destroy(right);
    }
    return problems;
}

} // namespace mediagen
