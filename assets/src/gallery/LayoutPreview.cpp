#include "gallery/LayoutPreview.h"

#include "art/Canvas.h"
#include "core/FileUtil.h"
#include "core/JsonOut.h"

#include <cmath>

namespace brindle::assets {

namespace fs = std::filesystem;

LayoutPreview::LayoutPreview(const fs::path& imagesDir)
    : m_dir(imagesDir)
{
    for (const auto& e : fs::directory_iterator(m_dir))
        if (e.path().extension() == ".plist")
            m_atlas.addSheet(e.path());
}

cairo_surface_t* LayoutPreview::picture(const Json::Value& data, int& w, int& h)
{
    if (!data.isObject() || data["path"].asString().empty())
        return nullptr;
    const std::string path = data["path"].asString();
    if (data["resourceType"].asInt() == 1) {
        cairo_surface_t* frame = m_atlas.cut(path);
        if (frame) {
            w = cairo_image_surface_get_width(frame);
            h = cairo_image_surface_get_height(frame);
        }
        return frame;
    }
    cairo_surface_t* s = cairo_image_surface_create_from_png((m_dir / path).c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    w = cairo_image_surface_get_width(s);
    h = cairo_image_surface_get_height(s);
    return s;
}

void LayoutPreview::drawNode(cairo_t* cr, const Json::Value& node, double, double)
{
    const Json::Value& o = node["options"];
    if (o.isMember("visible") && !o["visible"].asBool())
        return;
    const std::string cls = node["classname"].asString();
    int pw = 0, ph = 0;
    cairo_surface_t* pic = nullptr;
    if (cls == "ImageView") pic = picture(o["fileNameData"], pw, ph);
    else if (cls == "Button") pic = picture(o["normalData"], pw, ph);
    else if (cls == "Panel") pic = picture(o["backGroundImageData"], pw, ph);
    const bool stretch = o["scale9Enable"].asBool() || cls == "Panel";
    double w = o["width"].asDouble(), h = o["height"].asDouble();
    if (pic && !stretch) { w = pw; h = ph; }
    if (stretch && o.isMember("scale9Width") && o["scale9Enable"].asBool()) { w = o["scale9Width"].asDouble(); h = o["scale9Height"].asDouble(); }

    cairo_save(cr);
    cairo_translate(cr, o["x"].asDouble(), o["y"].asDouble());
    cairo_rotate(cr, -o["rotation"].asDouble() * M_PI / 180);
    cairo_scale(cr, o.isMember("scaleX") ? o["scaleX"].asDouble() : 1, o.isMember("scaleY") ? o["scaleY"].asDouble() : 1);
    const double ax = o.isMember("anchorPointX") ? o["anchorPointX"].asDouble() : 0.5;
    const double ay = o.isMember("anchorPointY") ? o["anchorPointY"].asDouble() : 0.5;
    cairo_translate(cr, -ax * w, -ay * h);
    const double alpha = o.isMember("opacity") ? o["opacity"].asDouble() / 255.0 : 1.0;

    if (cls == "Panel" && o["bgColorOpacity"].asInt() > 0 && o["colorType"].asInt() == 1) {
        cairo_set_source_rgba(cr, o["bgColorR"].asInt() / 255.0, o["bgColorG"].asInt() / 255.0, o["bgColorB"].asInt() / 255.0,
            o["bgColorOpacity"].asInt() / 255.0);
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
    }
    const bool nine = o["scale9Enable"].asBool() || (cls == "Panel" && o["backGroundScale9Enable"].asBool());
    if (pic && nine) {
        // Corners keep their size, edges stretch one way, the centre both (as the engine does).
        double cx = o["capInsetsX"].asDouble(), cy = o["capInsetsY"].asDouble();
        double cw = o["capInsetsWidth"].asDouble(), ch = o["capInsetsHeight"].asDouble();
        if (cw <= 0 || ch <= 0) { cx = pw / 3.0; cy = ph / 3.0; cw = pw / 3.0; ch = ph / 3.0; }
        const double sx[4] = { 0, cx, cx + cw, double(pw) }, sy[4] = { 0, cy, cy + ch, double(ph) };
        const double dx[4] = { 0, cx, w - (pw - cx - cw), w }, dy[4] = { 0, cy, h - (ph - cy - ch), h };
        cairo_save(cr);
        cairo_translate(cr, 0, h);
        cairo_scale(cr, 1, -1);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const double srcW = sx[i + 1] - sx[i], srcH = sy[j + 1] - sy[j];
                const double dstW = dx[i + 1] - dx[i], dstH = dy[j + 1] - dy[j];
                if (srcW <= 0 || srcH <= 0 || dstW <= 0 || dstH <= 0)
                    continue;
                cairo_save(cr);
                cairo_rectangle(cr, dx[i], dy[j], dstW, dstH);
                cairo_clip(cr);
                cairo_translate(cr, dx[i], dy[j]);
                cairo_scale(cr, dstW / srcW, dstH / srcH);
                cairo_set_source_surface(cr, pic, -sx[i], -sy[j]);
                cairo_paint_with_alpha(cr, alpha);
                cairo_restore(cr);
            }
        cairo_restore(cr);
        cairo_surface_destroy(pic);
    } else if (pic) {
        cairo_save(cr);
        cairo_translate(cr, 0, h);
        cairo_scale(cr, w / pw, -h / ph);
        cairo_set_source_surface(cr, pic, 0, 0);
        cairo_paint_with_alpha(cr, alpha);
        cairo_restore(cr);
        cairo_surface_destroy(pic);
    }
    const std::string text = o["text"].asString();
    if (!text.empty() && (cls == "Label" || cls == "Button")) {
        cairo_save(cr);
        cairo_translate(cr, 0, h);
        cairo_scale(cr, 1, -1);
        TextStyle t;
        t.face = Face::Sans;
        t.size = o.isMember("fontSize") ? o["fontSize"].asDouble() : 20;
        if (cls == "Label")
            t.fill = { o["colorR"].asInt() / 255.0, o["colorG"].asInt() / 255.0, o["colorB"].asInt() / 255.0, 1 };
        else
            t.fill = { o["textColorR"].asInt() / 255.0, o["textColorG"].asInt() / 255.0, o["textColorB"].asInt() / 255.0, 1 };
        t.maxWidth = o["areaWidth"].asDouble() > 0 ? o["areaWidth"].asDouble() : 0;
        Canvas::textOn(cr, text, w / 2, h / 2, t);
        cairo_restore(cr);
    }
    for (const auto& child : node["children"])
        drawNode(cr, child, w, h);
    cairo_restore(cr);
}

cairo_surface_t* LayoutPreview::render(const fs::path& layoutFile)
{
    Json::Value layout;
    try {
        layout = parseJson(readFile(layoutFile), layoutFile.string());
    } catch (const std::exception&) {
        return nullptr;
    }
    if (!layout.isMember("widgetTree"))
        return nullptr;
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 960, 640);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.18);
    cairo_paint(cr);
    // Design space is y-up.
    cairo_translate(cr, 0, 640);
    cairo_scale(cr, 1, -1);
    drawNode(cr, layout["widgetTree"], 960, 640);
    cairo_destroy(cr);
    return out;
}

} // namespace brindle::assets
