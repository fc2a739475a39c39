#pragma once
// One gallery page: a grid of labelled cells on a checkerboard (transparency shows).

#include "art/Canvas.h"

#include <filesystem>
#include <memory>
#include <string>

namespace brindle::assets {

class ContactPage {
public:
    ContactPage(int width, int height, const std::string& title);

    // Draws the picture scaled down to fit a cell of the given size at the next grid
    // place; returns false when the page is full.
    bool add(cairo_surface_t* picture, const std::string& label, int cellWidth, int cellHeight);
    Canvas& canvas() { return m_canvas; }
    void save(const std::filesystem::path& path);

private:
    Canvas m_canvas;
    double m_x = 10;
    double m_y = 60;
    double m_rowHeight = 0;
};

} // namespace brindle::assets
