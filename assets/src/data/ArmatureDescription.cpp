#include "data/ArmatureDescription.h"

#include "core/SourceError.h"

#include <set>

namespace brindle::assets {

namespace {

std::pair<double, double> pair(const DescriptionLine& line, const std::string& key, std::pair<double, double> fallback)
{
    if (!line.has(key))
        return fallback;
    const std::string text = line.text(key, "");
    const size_t comma = text.find(',');
    if (comma == std::string::npos)
        line.fail(key + " must be x,y");
    return { parseNumber(line, text.substr(0, comma), key), parseNumber(line, text.substr(comma + 1), key) };
}

ArmatureKey parseKey(const DescriptionLine& line, const ArmatureKey* previous)
{
    line.allowOnly({ "x", "y", "scale", "sx", "sy", "rotation", "alpha", "ease", "tween", "hide" });
    ArmatureKey key = previous ? *previous : ArmatureKey {};
    key.frame = int(parseNumber(line, line.word(2, "frame number"), "frame"));
    key.x = line.number("x", key.x);
    key.y = line.number("y", key.y);
    if (line.has("scale"))
        key.scaleX = key.scaleY = line.number("scale", 1);
    key.scaleX = line.number("sx", key.scaleX);
    key.scaleY = line.number("sy", key.scaleY);
    key.rotation = line.number("rotation", key.rotation);
    key.alpha = line.integer("alpha", key.alpha);
    key.easing = line.integer("ease", previous ? previous->easing : 0);
    key.tween = line.integer("tween", 1) != 0;
    if (line.integer("hide", 0) != 0) {
        key.scaleX = key.scaleY = 0;
        key.alpha = 0;
    }
    if (key.alpha < 0 || key.alpha > 255)
        line.fail("alpha must lie in 0..255");
    return key;
}

} // namespace

PartSizes ArmatureDescription::parseParts(const std::vector<DescriptionLine>& lines)
{
    PartSizes sizes;
    for (const DescriptionLine& line : lines) {
        int width = 0, height = 0;
        line.size(2, width, height);
        sizes[line.word(1, "picture name")] = { width, height };
    }
    return sizes;
}

ArmatureDocument ArmatureDescription::parse(const std::vector<DescriptionLine>& lines, const PartSizes& parts)
{
    ArmatureDocument doc;
    std::set<std::string> bones;
    ArmatureMovement* movement = nullptr;
    for (const DescriptionLine& line : lines) {
        const std::string& kind = line.words[0];
        if (kind == "armature") {
            doc.name = line.word(1, "armature name");
        } else if (kind == "sheet") {
            doc.sheets.push_back(line.word(1, "sheet"));
        } else if (kind == "pair") {
            doc.otherPairs.push_back(line.word(1, "sheet"));
        } else if (kind == "bone") {
            line.allowOnly({ "picture", "parent", "pivot", "z" });
            ArmatureBone bone;
            bone.name = line.word(1, "bone name");
            bone.parent = line.text("parent", "");
            bone.picture = line.text("picture", "");
            auto size = parts.find(bone.picture);
            if (size == parts.end())
                line.fail("picture '" + bone.picture + "' is not in armature-parts.txt");
            bone.pictureWidth = size->second.first;
            bone.pictureHeight = size->second.second;
            std::tie(bone.pivotX, bone.pivotY) = pair(line, "pivot", { 0.5, 0.5 });
            bone.z = line.integer("z", int(doc.bones.size()));
            if (!bone.parent.empty() && !bones.count(bone.parent))
                line.fail("parent bone '" + bone.parent + "' must be declared before its children");
            if (!bones.insert(bone.name).second)
                line.fail("bone '" + bone.name + "' is declared twice");
            doc.bones.push_back(std::move(bone));
        } else if (kind == "movement") {
            line.allowOnly({ "duration", "loop", "to", "easing" });
            ArmatureMovement m;
            m.name = line.word(1, "movement name");
            m.duration = line.integer("duration", 0);
            m.loop = line.integer("loop", 1) != 0;
            m.blendFrames = line.integer("to", 0);
            m.easing = line.integer("easing", 0);
            if (m.duration <= 0)
                line.fail("a movement needs duration > 0, or it never reports an event");
            doc.movements.push_back(std::move(m));
            movement = &doc.movements.back();
        } else if (kind == "key") {
            if (!movement)
                line.fail("a key needs a movement line above it");
            const std::string bone = line.word(1, "bone name");
            if (!bones.count(bone))
                line.fail("unknown bone '" + bone + "'");
            auto& keys = movement->keys[bone];
            ArmatureKey key = parseKey(line, keys.empty() ? nullptr : &keys.back());
            if (!keys.empty() && key.frame <= keys.back().frame)
                line.fail("keys of a bone must come in increasing frame order");
            if (key.frame < 0 || key.frame > movement->duration)
                line.fail("key frame lies outside the movement (0.." + std::to_string(movement->duration) + ")");
            keys.push_back(key);
        } else {
            line.fail("expected armature, sheet, pair, bone, movement or key");
        }
    }
    if (doc.name.empty())
        throw SourceError(lines.empty() ? "armature" : lines.front().file, 1, "no 'armature NAME' line");
    if (doc.movements.empty())
        throw SourceError(lines.front().file, 1, "an armature needs at least one movement");
    return doc;
}

} // namespace brindle::assets
