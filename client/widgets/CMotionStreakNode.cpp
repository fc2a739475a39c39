#include "widgets/CMotionStreakNode.h"

#include "extensions/CCMotionStreak.h"

USING_NS_CC;

CMotionStreakNode* CMotionStreakNode::create() {
    auto* node = new (std::nothrow) CMotionStreakNode;
    if (node == nullptr || !node->init()) {
        CCLog("Fun CMotionStreakNode::Create Error!");
        delete node;
        return nullptr;
    }
    node->autorelease();
    node->schedule(schedule_selector(CMotionStreakNode::tick), 0.01f);
    return node;
}

void CMotionStreakNode::tick(float) {
    CCNode* parent = getParent();
    if (parent == nullptr) {
        return;
    }
    if (auto* streak = dynamic_cast<CCMotionStreak*>(parent->getChildByTag(kStreakTag))) {
        streak->setPosition(parent->convertToNodeSpace(convertToWorldSpace(CCPointZero)));
        return;
    }
    if (m_created) {
        return;
    }
    m_created = true;
    CCMotionStreak* streak = CCMotionStreak::create(1.5f, 3, 10, ccc3(0, 255, 0), "64.png");
    if (streak == nullptr) {
        CCLog("CMotionStreakNode: the trail could not be made");
        return;
    }
    parent->addChild(streak, 1, kStreakTag);
    const ccColor3B colours[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {0, 255, 255},
                                 {255, 255, 0}, {255, 0, 255}, {255, 255, 255}};
    CCArray* tints = CCArray::create();
    for (const ccColor3B& c : colours) {
        tints->addObject(CCTintTo::create(0.1f, c.r, c.g, c.b));
    }
    streak->runAction(CCRepeatForever::create(CCSequence::create(tints)));
}

void CMotionStreakNode::onExit() {
    if (CCNode* parent = getParent()) {
        parent->removeChildByTag(kStreakTag);
    }
    CCNode::onExit();
}
