#include "extensions/armature/CCArmature.h"

#include <functional>
#include <map>

#include "base/CCConsole.h"
#include "extensions/armature/CCArmatureDataManager.h"

namespace cocos2d::extension {

CCArmature* CCArmature::create(const char* name)
{
    auto* armature = new CCArmature();
    if (armature->init(name)) {
        armature->autorelease();
        return armature;
    }
    delete armature;
    return nullptr;
}

CCArmature::~CCArmature()
{
    // Bones hand their display nodes back before the node tree goes.
    for (CCBone* bone : m_bones)
        bone->release();
    CC_SAFE_RELEASE(m_animation);
}

bool CCArmature::init(const char* name)
{
    if (!CCNodeRGBA::init())
        return false;
    auto* manager = CCArmatureDataManager::sharedArmatureDataManager();
    m_name = name ? name : "";
    m_data = manager->getArmatureData(m_name);
    if (!m_data) {
        CCLog("CCArmature::create: no armature \"%s\" registered (addArmatureFileInfo first)", m_name.c_str());
        return false;
    }
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);

    // Parents before children; a parent that does not exist (or a cycle) makes a top bone.
    std::map<std::string, const BoneData*> byName;
    for (const auto& bone : m_data->bones)
        byName[bone.name] = &bone;
    std::map<std::string, CCBone*> made;
    std::function<CCBone*(const BoneData*, int)> build = [&](const BoneData* data, int depth) -> CCBone* {
        if (auto it = made.find(data->name); it != made.end())
            return it->second;
        CCBone* parent = nullptr;
        if (!data->parent.empty() && data->parent != data->name && depth < 64) {
            if (auto p = byName.find(data->parent); p != byName.end())
                parent = build(p->second, depth + 1);
            else
                CCLog("CCArmature %s: bone \"%s\" names a missing parent \"%s\"", m_name.c_str(),
                      data->name.c_str(), data->parent.c_str());
        }
        if (auto it = made.find(data->name); it != made.end())
            return it->second;
        CCBone* bone = CCBone::create(data, this);
        bone->retain();
        bone->m_parentBone = parent;
        made[data->name] = bone;
        m_bones.push_back(bone);
        return bone;
    };
    for (const auto& bone : m_data->bones)
        build(&bone, 0);

    m_animation = CCArmatureAnimation::create(this);
    m_animation->retain();
    m_animation->setAnimationData(manager->getAnimationData(m_name));
    for (CCBone* bone : m_bones)
        bone->changeDisplayByIndex(bone->getBoneData()->displays.empty() ? -1 : 0);
    // The bones start in the first frame of the first movement.
    if (const AnimationData* animation = m_animation->getAnimationData(); animation && !animation->movements.empty())
        m_animation->applyPose(animation->movements.front(), 0, false);
    updateBones();
    return true;
}

CCBone* CCArmature::getBone(const char* name) const
{
    for (CCBone* bone : m_bones)
        if (name && bone->getName() == name)
            return bone;
    return nullptr;
}

void CCArmature::onEnter()
{
    CCNodeRGBA::onEnter();
    scheduleUpdate();
}

void CCArmature::onExit()
{
    unscheduleUpdate();
    CCNodeRGBA::onExit();
}

void CCArmature::update(float dt)
{
    retain(); // a movement callback may remove this armature
    m_animation->update(dt);
    release();
}

void CCArmature::updateBones()
{
    for (CCBone* bone : m_bones) {
        bone->updateWorldTransform();
        bone->updateDisplay();
    }
}

} // namespace cocos2d::extension
