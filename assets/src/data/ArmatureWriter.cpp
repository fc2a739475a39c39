#include "data/ArmatureWriter.h"

#include <cmath>
#include <numbers>
#include <set>

namespace brindle::assets {

namespace {

// Bone pictures are drawn at 1.5 x their design size.
constexpr double kPictureToDesign = 2.0 / 3.0;

Json::Value colourList(int alpha)
{
    Json::Value colour(Json::objectValue);
    colour["a"] = alpha;
    colour["r"] = 255;
    colour["g"] = 255;
    colour["b"] = 255;
    Json::Value list(Json::arrayValue);
    list.append(colour);
    return list;
}

std::string stem(const std::string& picture)
{
    const size_t dot = picture.rfind('.');
    return dot == std::string::npos ? picture : picture.substr(0, dot);
}

Json::Value frame(const ArmatureBone& bone, const ArmatureKey& key)
{
    // Top bones carry the picture-to-design factor; children inherit it from their parent,
    // so their offsets are given back in the parent's picture units.
    const bool top = bone.parent.empty();
    const double scale = top ? kPictureToDesign : 1.0;
    const double offset = top ? 1.0 : 1.0 / kPictureToDesign;
    const double radians = key.rotation * std::numbers::pi / 180.0;
    Json::Value f(Json::objectValue);
    f["fi"] = key.frame;
    f["dI"] = 0;
    f["x"] = key.x * offset;
    f["y"] = key.y * offset;
    f["z"] = bone.z;
    f["cX"] = key.scaleX * scale;
    f["cY"] = key.scaleY * scale;
    f["kX"] = radians;
    f["kY"] = -radians;
    f["twE"] = key.easing;
    f["tweenFrame"] = key.tween;
    f["color"] = colourList(key.alpha);
    return f;
}

Json::Value boneData(const ArmatureBone& bone)
{
    Json::Value b(Json::objectValue);
    b["name"] = bone.name;
    b["parent"] = bone.parent;
    b["x"] = 0.0;
    b["y"] = 0.0;
    b["z"] = bone.z;
    b["cX"] = 1.0;
    b["cY"] = 1.0;
    b["kX"] = 0.0;
    b["kY"] = 0.0;
    b["arrow_x"] = 0.0;
    b["arrow_y"] = 0.0;
    b["effectbyskeleton"] = false;
    b["color"] = colourList(255);
    // The skin offset puts the pivot of the picture on the bone's origin.
    Json::Value skin(Json::objectValue);
    skin["x"] = (0.5 - bone.pivotX) * bone.pictureWidth;
    skin["y"] = (0.5 - bone.pivotY) * bone.pictureHeight;
    skin["cX"] = 1.0;
    skin["cY"] = 1.0;
    skin["kX"] = 0.0;
    skin["kY"] = 0.0;
    Json::Value display(Json::objectValue);
    display["name"] = bone.picture;
    display["displayType"] = 0;
    display["skin_data"] = Json::Value(Json::arrayValue);
    display["skin_data"].append(skin);
    b["display_data"] = Json::Value(Json::arrayValue);
    b["display_data"].append(display);
    return b;
}

Json::Value movementData(const ArmatureDocument& doc, const ArmatureMovement& movement)
{
    Json::Value m(Json::objectValue);
    m["name"] = movement.name;
    m["dr"] = movement.duration;
    m["lp"] = movement.loop;
    m["to"] = movement.blendFrames;
    m["drTW"] = movement.duration;
    m["twE"] = movement.easing;
    m["sc"] = 1.0;
    m["mov_bone_data"] = Json::Value(Json::arrayValue);
    for (const ArmatureBone& bone : doc.bones) {
        std::vector<ArmatureKey> keys;
        auto it = movement.keys.find(bone.name);
        if (it != movement.keys.end())
            keys = it->second;
        if (keys.empty()) {
            // A bone the movement does not use stays out of sight rather than frozen in
            // whatever pose the previous movement left.
            ArmatureKey hidden;
            hidden.scaleX = hidden.scaleY = 0;
            hidden.alpha = 0;
            keys.push_back(hidden);
        }
        if (keys.front().frame != 0) {
            ArmatureKey first = keys.front();
            first.frame = 0;
            keys.insert(keys.begin(), first);
        }
        if (keys.back().frame != movement.duration) {
            ArmatureKey last = keys.back();
            last.frame = movement.duration;
            keys.push_back(last);
        }
        Json::Value boneMovement(Json::objectValue);
        boneMovement["name"] = bone.name;
        boneMovement["dl"] = 0.0;
        boneMovement["frame_data"] = Json::Value(Json::arrayValue);
        for (const ArmatureKey& key : keys)
            boneMovement["frame_data"].append(frame(bone, key));
        m["mov_bone_data"].append(boneMovement);
    }
    return m;
}

} // namespace

Json::Value ArmatureWriter::write(const ArmatureDocument& doc)
{
    Json::Value root(Json::objectValue);
    root["content_scale"] = 1.0;

    Json::Value armature(Json::objectValue);
    armature["name"] = doc.name;
    armature["strVersion"] = "1.1.0.0";
    armature["version"] = 1.1;
    armature["bone_data"] = Json::Value(Json::arrayValue);
    for (const ArmatureBone& bone : doc.bones)
        armature["bone_data"].append(boneData(bone));
    root["armature_data"] = Json::Value(Json::arrayValue);
    root["armature_data"].append(armature);

    Json::Value animation(Json::objectValue);
    animation["name"] = doc.name;
    animation["mov_data"] = Json::Value(Json::arrayValue);
    for (const ArmatureMovement& movement : doc.movements)
        animation["mov_data"].append(movementData(doc, movement));
    root["animation_data"] = Json::Value(Json::arrayValue);
    root["animation_data"].append(animation);

    root["texture_data"] = Json::Value(Json::arrayValue);
    std::set<std::string> pictures;
    for (const ArmatureBone& bone : doc.bones) {
        if (!pictures.insert(bone.picture).second)
            continue;
        Json::Value texture(Json::objectValue);
        texture["name"] = stem(bone.picture);
        texture["width"] = double(bone.pictureWidth);
        texture["height"] = double(bone.pictureHeight);
        texture["pX"] = 0.5;
        texture["pY"] = 0.5;
        texture["plistFile"] = "";
        root["texture_data"].append(texture);
    }

    root["config_file_path"] = Json::Value(Json::arrayValue);
    root["config_png_path"] = Json::Value(Json::arrayValue);
    for (const std::string& sheet : doc.sheets) {
        root["config_file_path"].append(sheet);
        root["config_png_path"].append(stem(sheet) + ".png");
    }
    return root;
}

} // namespace brindle::assets
