// One bone of a CCArmature: its file data, the pose the animation gives it and the node that shows
// its current display (a sprite or a particle system, child of the armature).
#pragma once

#include <string>
#include <vector>

#include "base/CCAffineTransform.h"
#include "base/CCObject.h"
#include "extensions/armature/ArmatureData.h"

namespace cocos2d {
class CCNode;
}

namespace cocos2d::extension {

class CCArmature;

class CCBone : public CCObject {
public:
    static CCBone* create(const BoneData* data, CCArmature* armature);
    ~CCBone() override;

    const std::string& getName() const { return m_data->name; }
    const BoneData* getBoneData() const { return m_data; }
    CCBone* getParentBone() const { return m_parentBone; }
    CCArmature* getArmature() const { return m_armature; }
    // The node showing the current display; null while the bone shows nothing.
    CCNode* getDisplayRenderNode() const;
    int getDisplayIndex() const { return m_displayIndex; }
    void changeDisplayByIndex(int index, bool force = false);

    // Animated offsets from the bone's own values (set by CCArmatureAnimation).
    ArmatureTransform tween;
    ArmatureColor tweenColor;
    int tweenZOrder = 0;

    // Recomputes the world (armature space) transform from the parent's; parents go first.
    void updateWorldTransform();
    const CCAffineTransform& worldTransform() const { return m_world; }
    // Places the display node by the world transform and its skin.
    void updateDisplay();

private:
    friend class CCArmature;
    CCBone() = default;
    bool init(const BoneData* data, CCArmature* armature);
    CCNode* createDisplay(const DisplayData& display);

    const BoneData* m_data = nullptr;
    CCArmature* m_armature = nullptr; // owns this bone
    CCBone* m_parentBone = nullptr;
    std::vector<CCNode*> m_displayNodes; // retained; null where a display could not be made
    int m_displayIndex = -1;
    CCAffineTransform m_world{1, 0, 0, 1, 0, 0};
};

} // namespace cocos2d::extension
