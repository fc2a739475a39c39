// The main menu's moving ornaments: bobbing sign button, button lights, drifting clouds, star bursts
// and balloons. A node of its own under the menu, so its timers end with the menu.
#pragma once

#include "cocos2d.h"

namespace cocos2d::extension {
class UILayer;
class UIWidget;
} // namespace cocos2d::extension

class CMainDecorations : public cocos2d::CCNode {
public:
    // host: the main layer the ornaments are added to; ui: the layer holding the menu layout.
    static CMainDecorations* create(cocos2d::CCNode* host, cocos2d::extension::UILayer* ui);
    ~CMainDecorations() override;

    // The sign, treasure and task lights; the user light only for a registered account.
    void startLights(bool userLight);
    // Stars now and every 5.3 s, a cloud now and every 10 s, the balloons.
    void startAmbient();
    void stopTaskLight();
    void stopUserLight();

    cocos2d::CCSprite* taskLight() const { return m_taskLight; }
    cocos2d::CCSprite* userLight() const { return m_userLight; }
    cocos2d::CCArray* stars() const { return m_stars; }

    void emitStars(float dt);
    void launchCloud(float waitAfter);
    void onStarsDone();

private:
    CMainDecorations(cocos2d::CCNode* host, cocos2d::extension::UILayer* ui) : m_host(host), m_ui(ui) {}
    cocos2d::extension::UIWidget* widget(const char* name) const;
    void scheduledCloud(float dt) { launchCloud(dt); }
    cocos2d::CCSprite* addLight(const char* first, const char* family, std::initializer_list<int> frames,
                                float unit, const cocos2d::CCPoint& at, int z);
    void addBalloons();

    cocos2d::CCNode* m_host;
    cocos2d::extension::UILayer* m_ui;
    cocos2d::CCSprite* m_taskLight = nullptr;
    cocos2d::CCSprite* m_userLight = nullptr;
    cocos2d::CCArray* m_stars = nullptr;
};
