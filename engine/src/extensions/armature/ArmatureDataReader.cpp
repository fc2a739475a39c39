#include "extensions/armature/ArmatureDataReader.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "../json/JsonFields.h"
#include "base/CCConsole.h"

namespace cocos2d::extension {

namespace {

// From this version on, key frames are offsets from the bone's own values.
constexpr float kVersionCombined = 0.3f;
// From this version on, angles are continuous across key frames.
constexpr float kVersionRotationRange = 1.0f;

template <typename Each>
void forEachObject(const JsonFields& fields, const char* key, Each each)
{
    const Json::Value* list = fields.array(key);
    if (!list)
        return;
    for (Json::ArrayIndex i = 0; i < list->size(); ++i) {
        const Json::Value& item = (*list)[i];
        std::string where = fields.path(key) + "[" + std::to_string(i) + "]";
        if (!item.isObject()) {
            CCLog("%s: member \"%s\" is not an object, skipped", fields.file().c_str(), where.c_str());
            continue;
        }
        each(JsonFields(item, fields.file(), where));
    }
}

ArmatureTransform readTransform(const JsonFields& f, float contentScale)
{
    ArmatureTransform t;
    t.x = f.number("x", 0) * contentScale;
    t.y = f.number("y", 0) * contentScale;
    t.skewX = f.number("kX", 0);
    t.skewY = f.number("kY", 0);
    t.scaleX = f.number("cX", 1);
    t.scaleY = f.number("cY", 1);
    return t;
}

ArmatureColor readColorObject(const JsonFields& f)
{
    ArmatureColor c;
    c.a = std::clamp(f.integer("a", 255), 0, 255);
    c.r = std::clamp(f.integer("r", 255), 0, 255);
    c.g = std::clamp(f.integer("g", 255), 0, 255);
    c.b = std::clamp(f.integer("b", 255), 0, 255);
    return c;
}

// Older files wrap the colour in a one-element array, newer ones give the object: accept both.
bool readColor(const JsonFields& f, ArmatureColor& out)
{
    const Json::Value* value = f.raw("color");
    if (!value)
        return false;
    if (value->isArray() && value->size() > 0)
        value = &(*value)[0];
    if (!value->isObject()) {
        f.complain("color", "a colour object");
        return false;
    }
    out = readColorObject(JsonFields(*value, f.file(), f.path("color")));
    return true;
}

DisplayData readDisplay(const JsonFields& f, float contentScale)
{
    DisplayData d;
    int type = f.integer("displayType", 0);
    d.type = (type == 1) ? DisplayType::Armature : (type == 2) ? DisplayType::Particle : DisplayType::Sprite;
    d.name = f.string("name");
    d.plist = f.string("plist");
    if (d.type == DisplayType::Sprite && !d.name.empty()) {
        // Frames are looked up as ".png" whatever the editor's source picture was.
        std::size_t dot = d.name.find_last_of('.');
        std::size_t slash = d.name.find_last_of('/');
        if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
            d.name.erase(dot);
        d.name += ".png";
    }
    if (const Json::Value* skins = f.array("skin_data"); skins && skins->size() > 0 && (*skins)[0].isObject())
        d.skin = readTransform(JsonFields((*skins)[0], f.file(), f.path("skin_data") + "[0]"), contentScale);
    return d;
}

BoneData readBone(const JsonFields& f, float contentScale)
{
    BoneData b;
    b.name = f.string("name");
    b.parent = f.string("parent");
    b.transform = readTransform(f, contentScale);
    b.zOrder = f.integer("z", 0);
    readColor(f, b.color);
    forEachObject(f, "display_data", [&](const JsonFields& d) { b.displays.push_back(readDisplay(d, contentScale)); });
    return b;
}

FrameData readFrame(const JsonFields& f, float contentScale)
{
    FrameData fr;
    fr.duration = std::max(0, f.integer("dr", 0));
    fr.frameIndex = std::max(0, f.integer("fi", 0));
    fr.displayIndex = f.integer("dI", 0);
    fr.transform = readTransform(f, contentScale);
    fr.zOrder = f.integer("z", 0);
    fr.tweenEasing = f.integer("twE", Linear);
    fr.tween = f.boolean("tweenFrame", true);
    fr.hasColor = readColor(f, fr.color);
    fr.event = f.string("evt");
    if (const Json::Value* params = f.array("twEP"))
        for (const auto& p : *params)
            if (p.isNumeric())
                fr.easingParams.push_back(p.asFloat());
    return fr;
}

MovementBoneData readMovementBone(const JsonFields& f, float contentScale)
{
    MovementBoneData mb;
    mb.name = f.string("name");
    mb.delay = f.number("dl", 0);
    mb.scale = f.number("sc", 1);
    bool hasFrameIndex = true;
    int runningIndex = 0;
    forEachObject(f, "frame_data", [&](const JsonFields& frame) {
        FrameData fr = readFrame(frame, contentScale);
        // The oldest files give only per-frame durations: key frames then follow one another.
        if (!frame.has("fi")) {
            hasFrameIndex = false;
            fr.frameIndex = runningIndex;
            runningIndex += fr.duration;
        }
        mb.frames.push_back(std::move(fr));
    });
    std::stable_sort(mb.frames.begin(), mb.frames.end(),
                     [](const FrameData& a, const FrameData& b) { return a.frameIndex < b.frameIndex; });
    if (!mb.frames.empty())
        mb.duration = hasFrameIndex ? mb.frames.back().frameIndex : runningIndex;
    return mb;
}

MovementData readMovement(const JsonFields& f, float contentScale)
{
    MovementData m;
    m.name = f.string("name");
    m.duration = std::max(0, f.integer("dr", 0));
    m.loop = f.boolean("lp", true);
    m.durationTo = std::max(0, f.integer("to", 0));
    m.durationTween = std::max(0, f.integer("drTW", 0));
    m.tweenEasing = f.integer("twE", Linear);
    m.scale = f.number("sc", 1);
    forEachObject(f, "mov_bone_data",
                  [&](const JsonFields& b) { m.bones.push_back(readMovementBone(b, contentScale)); });
    return m;
}

// Files of before 0.3 give key frames as absolute values; we keep offsets from the bone only.
void makeFramesRelative(const ArmatureData& armature, AnimationData& animation)
{
    for (auto& movement : animation.movements)
        for (auto& boneTrack : movement.bones) {
            const BoneData* bone = armature.findBone(boneTrack.name);
            if (!bone)
                continue;
            for (auto& frame : boneTrack.frames) {
                frame.transform.x -= bone->transform.x;
                frame.transform.y -= bone->transform.y;
                frame.transform.skewX -= bone->transform.skewX;
                frame.transform.skewY -= bone->transform.skewY;
                frame.transform.scaleX -= bone->transform.scaleX - 1;
                frame.transform.scaleY -= bone->transform.scaleY - 1;
            }
        }
}

// Before 1.0 the editor wrapped angles into -pi..pi; unwrap so a tween never takes the long way round.
void unwrapSkews(AnimationData& animation)
{
    constexpr float kPi = 3.14159265358979f;
    for (auto& movement : animation.movements)
        for (auto& track : movement.bones)
            for (std::size_t i = track.frames.size(); i-- > 1;) {
                auto& previous = track.frames[i - 1].transform;
                const auto& current = track.frames[i].transform;
                float dx = current.skewX - previous.skewX;
                if (dx < -kPi || dx > kPi)
                    previous.skewX += dx < 0 ? -2 * kPi : 2 * kPi;
                float dy = current.skewY - previous.skewY;
                if (dy < -kPi || dy > kPi)
                    previous.skewY += dy < 0 ? -2 * kPi : 2 * kPi;
            }
}

} // namespace

bool ArmatureDataReader::readText(const std::string& text, const std::string& fileName, ArmatureFileData& out)
{
    Json::Value root;
    if (!parseEditorJson(text, fileName, root))
        return false;
    JsonFields top(root, fileName, "");
    out = ArmatureFileData{};
    out.contentScale = top.number("content_scale", 1);
    if (out.contentScale <= 0)
        out.contentScale = 1;
    const float scale = out.contentScale;

    forEachObject(top, "armature_data", [&](const JsonFields& a) {
        ArmatureData armature;
        armature.name = a.string("name");
        armature.version = a.number("version", 0);
        forEachObject(a, "bone_data", [&](const JsonFields& b) { armature.bones.push_back(readBone(b, scale)); });
        out.armatures.push_back(std::move(armature));
    });
    forEachObject(top, "animation_data", [&](const JsonFields& a) {
        AnimationData animation;
        animation.name = a.string("name");
        forEachObject(a, "mov_data", [&](const JsonFields& m) { animation.movements.push_back(readMovement(m, scale)); });
        out.animations.push_back(std::move(animation));
    });
    forEachObject(top, "texture_data", [&](const JsonFields& t) {
        TextureData texture;
        texture.name = t.string("name");
        texture.width = t.number("width", 0);
        texture.height = t.number("height", 0);
        texture.pivotX = t.number("pX", 0.5f);
        texture.pivotY = t.number("pY", 0.5f);
        out.textures.push_back(std::move(texture));
    });
    if (const Json::Value* paths = top.array("config_file_path"))
        for (const auto& p : *paths)
            if (p.isString())
                out.configFilePaths.push_back(p.asString());

    for (const auto& armature : out.armatures)
        for (auto& animation : out.animations) {
            if (animation.name != armature.name)
                continue;
            if (armature.version < kVersionCombined)
                makeFramesRelative(armature, animation);
            if (armature.version < kVersionRotationRange)
                unwrapSkews(animation);
        }
    if (out.armatures.empty()) {
        CCLog("%s: member \"armature_data\" holds no armature", fileName.c_str());
        return false;
    }
    return true;
}

bool ArmatureDataReader::readFile(const std::string& path, ArmatureFileData& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CCLog("%s: cannot open the armature file", path.c_str());
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return readText(text.str(), path, out);
}

} // namespace cocos2d::extension
