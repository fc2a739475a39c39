#pragma once
// An armature description (assets/armatures/NAME.armature):
//   armature NAME
//   sheet Armature.plist                       (image pair named in the file)
//   pair Armature1.plist                       (another pair a screen loads it with)
//   bone NAME picture=P.png [parent=B] [pivot=px,py] [z=N]
//   movement NAME duration=F [loop=0|1] [to=F] [easing=N]
//     key BONE FRAME [x= y= scale= sx= sy= rotation=degrees alpha=0..255 ease=N tween=0|1 hide=1]
// Movements are played by index, so their order in the file is what the screens rely on.
// Positions and scales are design units: scale 1 shows a picture at its design size (it is
// drawn at 1.5 x). A key leaves out what stays as in the bone's previous key.
#include "core/Description.h"

#include <map>
#include <string>
#include <vector>

namespace brindle::assets {

struct ArmatureKey {
    int frame = 0;
    double x = 0, y = 0;
    double scaleX = 1, scaleY = 1;
    double rotation = 0; // degrees, clockwise
    int alpha = 255;
    int easing = 0;
    bool tween = true;
};

struct ArmatureBone {
    std::string name;
    std::string parent;
    std::string picture;
    int pictureWidth = 0;
    int pictureHeight = 0;
    double pivotX = 0.5, pivotY = 0.5;
    int z = 0;
};

struct ArmatureMovement {
    std::string name;
    int duration = 0;
    bool loop = true;
    int blendFrames = 0;
    int easing = 0;
    std::map<std::string, std::vector<ArmatureKey>> keys; // bone -> keys by frame
};

struct ArmatureDocument {
    std::string name;
    std::vector<std::string> sheets;
    std::vector<std::string> otherPairs; // checked to hold every bone picture, not written
    std::vector<ArmatureBone> bones;
    std::vector<ArmatureMovement> movements;
};

// Picture sizes from the bone picture list (assets/armature-parts.txt).
using PartSizes = std::map<std::string, std::pair<int, int>>;

class ArmatureDescription {
public:
    static PartSizes parseParts(const std::vector<DescriptionLine>& lines);

    // Fails with SourceError on unknown bones or pictures, keys out of order or beyond the
    // movement's duration, and movements without a positive duration (they send no events).
    static ArmatureDocument parse(const std::vector<DescriptionLine>& lines, const PartSizes& parts);
};

} // namespace brindle::assets
