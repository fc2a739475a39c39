// What a CocoStudio armature file (.ExportJson) says: skeletons, their movements and texture pivots.
// Plain values, filled by ArmatureDataReader and shared by every CCArmature built from them.
#pragma once

#include <string>
#include <vector>

namespace cocos2d::extension {

// Easing ids of the files (2.2.3 numbering); 10000 means "the movement's own easing".
enum CCTweenType {
    TWEEN_EASING_MIN = -1,
    Linear = 0,
    Sine_EaseIn, Sine_EaseOut, Sine_EaseInOut,
    Quad_EaseIn, Quad_EaseOut, Quad_EaseInOut,
    Cubic_EaseIn, Cubic_EaseOut, Cubic_EaseInOut,
    Quart_EaseIn, Quart_EaseOut, Quart_EaseInOut,
    Quint_EaseIn, Quint_EaseOut, Quint_EaseInOut,
    Expo_EaseIn, Expo_EaseOut, Expo_EaseInOut,
    Circ_EaseIn, Circ_EaseOut, Circ_EaseInOut,
    Elastic_EaseIn, Elastic_EaseOut, Elastic_EaseInOut,
    Back_EaseIn, Back_EaseOut, Back_EaseInOut,
    Bounce_EaseIn, Bounce_EaseOut, Bounce_EaseInOut,
    TWEEN_EASING_MAX = 10000
};

// Position, skews (radians) and scale of a bone, a key frame or a skin.
struct ArmatureTransform {
    float x = 0, y = 0;
    float skewX = 0, skewY = 0;
    float scaleX = 1, scaleY = 1;
};

struct ArmatureColor {
    int a = 255, r = 255, g = 255, b = 255;
};

enum class DisplayType { Sprite = 0, Armature = 1, Particle = 2 };

struct DisplayData {
    DisplayType type = DisplayType::Sprite;
    std::string name;  // sprite: frame name with ".png"; armature: its name
    std::string plist; // particle file, relative to the armature file
    ArmatureTransform skin;
};

struct BoneData {
    std::string name;
    std::string parent; // empty for a top bone
    ArmatureTransform transform;
    int zOrder = 0;
    ArmatureColor color;
    std::vector<DisplayData> displays;
};

struct ArmatureData {
    std::string name;
    float version = 0;
    std::vector<BoneData> bones;
    const BoneData* findBone(const std::string& name) const;
};

struct FrameData {
    int frameIndex = 0; // "fi", or the running sum of "dr" in the oldest files
    int duration = 0;
    int displayIndex = 0; // -1 hides the bone
    ArmatureTransform transform;
    int zOrder = 0;
    int tweenEasing = Linear;
    bool tween = true; // false: hold this key until the next one
    bool hasColor = false;
    ArmatureColor color;
    std::string event;
    std::vector<float> easingParams;
};

struct MovementBoneData {
    std::string name;
    float delay = 0;
    float scale = 1;
    int duration = 0; // index of the last key frame
    std::vector<FrameData> frames;
};

struct MovementData {
    std::string name;
    int duration = 0;      // "dr", frames
    bool loop = true;      // "lp"
    int durationTo = 0;    // "to"
    int durationTween = 0; // "drTW"
    int tweenEasing = Linear;
    float scale = 1; // "sc"
    std::vector<MovementBoneData> bones;
    const MovementBoneData* findBone(const std::string& name) const;
};

struct AnimationData {
    std::string name;
    std::vector<MovementData> movements; // file order = play index
    const MovementData* findMovement(const std::string& name) const;
};

struct TextureData {
    std::string name;
    float width = 0, height = 0;
    float pivotX = 0.5f, pivotY = 0.5f;
};

struct ArmatureFileData {
    float contentScale = 1;
    std::vector<ArmatureData> armatures;
    std::vector<AnimationData> animations;
    std::vector<TextureData> textures;
    std::vector<std::string> configFilePaths;
};

} // namespace cocos2d::extension
