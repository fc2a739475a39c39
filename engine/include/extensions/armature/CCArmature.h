// A skeleton built from registered armature data, posed by its CCArmatureAnimation every frame.
// The data origin (0,0) sits at the node's position. Bones draw their displays as children of the
// armature, ordered by bone z. Colour and opacity cascade to the displays.
#pragma once

#include <string>
#include <vector>

#include "extensions/armature/CCArmatureAnimation.h"
#include "extensions/armature/CCBone.h"
#include "nodes/CCNodeRGBA.h"

namespace cocos2d::extension {

class CCArmature : public CCNodeRGBA {
public:
    // Null (logged) when no file registered the name.
    static CCArmature* create(const char* name);
    ~CCArmature() override;
    using CCNodeRGBA::init;
    virtual bool init(const char* name);

    CCArmatureAnimation* getAnimation() const { return m_animation; }
    CCBone* getBone(const char* name) const;
    const std::vector<CCBone*>& getBones() const { return m_bones; }
    const std::string& getName() const { return m_name; }
    const ArmatureData* getArmatureData() const { return m_data; }

    void onEnter() override;
    void onExit() override;
    void update(float dt) override;
    // Re-poses the bones from their tween values (the animation calls it after changing them).
    void updateBones();

private:
    CCArmature() = default;

    std::string m_name;
    const ArmatureData* m_data = nullptr;
    std::vector<CCBone*> m_bones; // retained, parents before children
    CCArmatureAnimation* m_animation = nullptr;
};

} // namespace cocos2d::extension
