#include "gallery/ArmaturePreview.h"

#include "core/FileUtil.h"
#include "core/JsonOut.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace brindle::assets {

namespace {

struct Pose {
    double x = 0, y = 0, kX = 0, kY = 0, cX = 1, cY = 1, alpha = 1;
    int display = 0, z = 0;
};

Pose poseAt(const Json::Value& frames, double frame)
{
    Pose p;
    if (!frames.isArray() || frames.empty())
        return p;
    auto read = [](const Json::Value& f) {
        Pose q;
        q.x = f["x"].asDouble();
        q.y = f["y"].asDouble();
        q.kX = f["kX"].asDouble();
        q.kY = f["kY"].asDouble();
        q.cX = f.isMember("cX") ? f["cX"].asDouble() : 1;
        q.cY = f.isMember("cY") ? f["cY"].asDouble() : 1;
        q.alpha = f["color"].isArray() && !f["color"].empty() ? f["color"][0]["a"].asDouble() / 255.0 : 1;
        q.display = f.isMember("dI") ? f["dI"].asInt() : 0;
        q.z = f["z"].asInt();
        return q;
    };
    Json::ArrayIndex i = 0;
    while (i + 1 < frames.size() && frames[i + 1]["fi"].asDouble() <= frame)
        ++i;
    const Pose a = read(frames[i]);
    if (i + 1 >= frames.size() || !frames[i]["tweenFrame"].asBool())
        return a;
    const Pose b = read(frames[i + 1]);
    const double f0 = frames[i]["fi"].asDouble(), f1 = frames[i + 1]["fi"].asDouble();
    const double t = f1 > f0 ? std::clamp((frame - f0) / (f1 - f0), 0.0, 1.0) : 0;
    auto mix = [t](double u, double v) { return u + (v - u) * t; };
    p = a;
    p.x = mix(a.x, b.x);
    p.y = mix(a.y, b.y);
    p.kX = mix(a.kX, b.kX);
    p.kY = mix(a.kY, b.kY);
    p.cX = mix(a.cX, b.cX);
    p.cY = mix(a.cY, b.cY);
    p.alpha = mix(a.alpha, b.alpha);
    return p;
}

// The engine's node matrix from position, skews and scales (y up).
cairo_matrix_t nodeMatrix(double x, double y, double kX, double kY, double cX, double cY)
{
    cairo_matrix_t m;
    cairo_matrix_init(&m, cX * std::cos(kY), cX * std::sin(kY), cY * std::sin(kX), cY * std::cos(kX), x, y);
    return m;
}

} // namespace

ArmaturePreview::ArmaturePreview(const std::filesystem::path& exportJson, const std::filesystem::path& plist)
{
    try {
        m_armature = parseJson(readFile(exportJson), exportJson.string());
    } catch (const std::exception&) {
    }
    m_atlas.addSheet(plist);
}

int ArmaturePreview::movementCount() const
{
    return int(m_armature["animation_data"][0]["mov_data"].size());
}

cairo_surface_t* ArmaturePreview::render(int index, double progress, int width, int height) const
{
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
    cairo_paint(cr);
    // The whole design screen fits the cell, the armature's origin at its centre.
    const double fit = std::min(width / 960.0, height / 640.0);
    cairo_translate(cr, width / 2.0, height * 0.5);
    cairo_scale(cr, fit, -fit);
    const Json::Value& movement = m_armature["animation_data"][0]["mov_data"][Json::ArrayIndex(index)];
    const double frame = progress * movement["dr"].asDouble();
    std::map<std::string, const Json::Value*> tracks;
    for (const auto& track : movement["mov_bone_data"])
        tracks[track["name"].asString()] = &track;

    struct Placed {
        cairo_matrix_t world;
        Pose pose;
        const Json::Value* bone;
    };
    std::map<std::string, Placed> placed;
    std::vector<const Placed*> order;
    const Json::Value& bones = m_armature["armature_data"][0]["bone_data"];
    // Parents come first in the description; a few passes settle any other order.
    for (int pass = 0; pass < 4 && placed.size() < bones.size(); ++pass) {
        for (const auto& bone : bones) {
            const std::string name = bone["name"].asString(), parent = bone["parent"].asString();
            if (placed.count(name) || (!parent.empty() && !placed.count(parent)))
                continue;
            auto track = tracks.find(name);
            const Pose tw = track == tracks.end() ? Pose {} : poseAt((*track->second)["frame_data"], frame);
            cairo_matrix_t local = nodeMatrix(bone["x"].asDouble() + tw.x, bone["y"].asDouble() + tw.y,
                bone["kX"].asDouble() + tw.kX, bone["kY"].asDouble() + tw.kY,
                (bone.isMember("cX") ? bone["cX"].asDouble() : 1) * tw.cX, (bone.isMember("cY") ? bone["cY"].asDouble() : 1) * tw.cY);
            Placed p { local, tw, &bone };
            if (!parent.empty())
                cairo_matrix_multiply(&p.world, &local, &placed[parent].world);
            order.push_back(&(placed[name] = p));
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Placed* a, const Placed* b) { return a->pose.z < b->pose.z; });
    for (const Placed* p : order) {
        const Json::Value& displays = (*p->bone)["display_data"];
        if (p->pose.display < 0 || Json::ArrayIndex(p->pose.display) >= displays.size())
            continue;
        const Json::Value& display = displays[Json::ArrayIndex(p->pose.display)];
        cairo_surface_t* pic = m_atlas.cut(display["name"].asString());
        if (!pic)
            continue;
        const Json::Value& skin = display["skin_data"][0];
        // A bone scaled to nothing is invisible, and its matrix would put cairo in an error state.
        if (std::abs(p->world.xx * p->world.yy - p->world.xy * p->world.yx) < 1e-9 || p->pose.alpha <= 0) {
            cairo_surface_destroy(pic);
            continue;
        }
        cairo_save(cr);
        cairo_transform(cr, &p->world);
        const cairo_matrix_t skinMatrix = nodeMatrix(skin["x"].asDouble(), skin["y"].asDouble(), skin["kX"].asDouble(),
            skin["kY"].asDouble(), skin.isMember("cX") ? skin["cX"].asDouble() : 1, skin.isMember("cY") ? skin["cY"].asDouble() : 1);
        cairo_transform(cr, &skinMatrix);
        const int w = cairo_image_surface_get_width(pic), h = cairo_image_surface_get_height(pic);
        cairo_translate(cr, -w / 2.0, h / 2.0);
        cairo_scale(cr, 1, -1);
        cairo_set_source_surface(cr, pic, 0, 0);
        cairo_paint_with_alpha(cr, p->pose.alpha);
        cairo_restore(cr);
        cairo_surface_destroy(pic);
    }
    cairo_destroy(cr);
    return out;
}

} // namespace brindle::assets
