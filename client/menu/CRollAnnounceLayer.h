// The announcement band across the bottom of the main menu: its texts scroll through once from the
// right, then the band leaves the scene.
#pragma once

#include "cocos2d.h"

#include <string>
#include <vector>

class CRollAnnounceLayer : public cocos2d::CCLayer {
public:
    static CRollAnnounceLayer* create();
    bool init() override;
    void addMessage(const std::string& text);
    void start();
    void scroll(float dt);
    void onExit() override;

    float offset() const { return m_offset; }
    const std::vector<int>& widths() const { return m_widths; }
    cocos2d::CCArray* labels() const { return m_labels; }
    ~CRollAnnounceLayer() override;

    static constexpr int kBandTag = 49;
    static constexpr float kBandHeight = 35;

private:
    void placeLabels();

    cocos2d::CCArray* m_labels = nullptr;
    std::vector<int> m_widths;
    float m_offset = 0;
};
