#include "gallery/ContactPage.h"

#include "core/FileUtil.h"
#include "core/PngWriter.h"

#include <algorithm>

namespace brindle::assets {

ContactPage::ContactPage(int width, int height, const std::string& title)
    : m_canvas(width, height)
{
    cairo_t* cr = m_canvas.cr();
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.24);
    cairo_paint(cr);
    TextStyle t;
    t.face = Face::Sans;
    t.size = 26;
    m_canvas.text(title, width / 2.0, 28, t);
}

bool ContactPage::add(cairo_surface_t* picture, const std::string& label, int cellWidth, int cellHeight)
{
    if (m_x + cellWidth > m_canvas.width() - 10) {
        m_x = 10;
        m_y += m_rowHeight + 10;
        m_rowHeight = 0;
    }
    const int labelHeight = 18;
    if (m_y + cellHeight + labelHeight > m_canvas.height())
        return false;
    cairo_t* cr = m_canvas.cr();
    // Checkerboard so transparent edges are visible.
    for (int y = 0; y < cellHeight; y += 10)
        for (int x = 0; x < cellWidth; x += 10) {
            const bool dark = ((x + y) / 10) % 2;
            cairo_set_source_rgb(cr, dark ? 0.55 : 0.7, dark ? 0.55 : 0.7, dark ? 0.58 : 0.72);
            cairo_rectangle(cr, m_x + x, m_y + y, std::min(10, cellWidth - x), std::min(10, cellHeight - y));
            cairo_fill(cr);
        }
    const int w = cairo_image_surface_get_width(picture), h = cairo_image_surface_get_height(picture);
    const double scale = std::min({ 1.0, double(cellWidth) / w, double(cellHeight) / h });
    cairo_save(cr);
    cairo_translate(cr, m_x + (cellWidth - w * scale) / 2, m_y + (cellHeight - h * scale) / 2);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    TextStyle t;
    t.face = Face::Sans;
    t.size = 12;
    t.maxWidth = cellWidth;
    m_canvas.text(label, m_x + cellWidth / 2.0, m_y + cellHeight + 9, t);
    m_x += cellWidth + 10;
    m_rowHeight = std::max(m_rowHeight, double(cellHeight + labelHeight));
    return true;
}

void ContactPage::save(const std::filesystem::path& path)
{
    writeFileIfChanged(path, PngWriter::encode(m_canvas.surface()));
}

} // namespace brindle::assets
