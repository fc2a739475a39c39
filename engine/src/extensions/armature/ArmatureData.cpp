#include "extensions/armature/ArmatureData.h"

namespace cocos2d::extension {

const BoneData* ArmatureData::findBone(const std::string& boneName) const
{
    for (const auto& bone : bones)
        if (bone.name == boneName)
            return &bone;
    return nullptr;
}

const MovementBoneData* MovementData::findBone(const std::string& boneName) const
{
    for (const auto& bone : bones)
        if (bone.name == boneName)
            return &bone;
    return nullptr;
}

const MovementData* AnimationData::findMovement(const std::string& movementName) const
{
    for (const auto& movement : movements)
        if (movement.name == movementName)
            return &movement;
    return nullptr;
}

} // namespace cocos2d::extension
