#include "menu/CMainDecorations.h"

#include "app/ClientLog.h"
#include "widgets/Pictures.h"

#include "cocos-ext.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

const int kStarTags[] = {178, 179, 180, 181, 192, 193, 1378, 182};
const CCPoint kStarPath[] = {{-100, 0}, {0, 50},  {200, 0}, {0, -50}, {-200, 0},
                             {0, 50},   {200, 0}, {0, -50}, {-200, 0}};
constexpr int kStarCount = 6;

struct Balloon {
    const char* colour;
    CCPoint at;
};
const Balloon kBalloons[] = {{"red", {424, 359}},    {"green", {427, 381}},  {"blue", {433, 400}},
                             {"red", {475, 442}},    {"yellow", {530, 448}}, {"purple", {569, 408}}};

std::string framed(const char* format, int n) {
    char name[96];
    std::snprintf(name, sizeof name, format, n);
    return name;
}

// The frames that exist; a missing one is logged once by the caller's picture lookup.
CCAnimation* animationOf(const char* format, std::initializer_list<int> frames, float delay) {
    CCArray* list = CCArray::create();
    for (int n : frames) {
        if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(framed(format, n).c_str())) {
            list->addObject(frame);
        }
    }
    if (list->count() == 0) return nullptr;
    return CCAnimation::createWithSpriteFrames(list, delay);
}

CCAction* forever(CCActionInterval* action) { return CCRepeatForever::create(action); }

} // namespace

CMainDecorations* CMainDecorations::create(CCNode* host, UILayer* ui) {
    CMainDecorations* node = new CMainDecorations(host, ui);
    if (node->init()) {
        node->autorelease();
        node->m_stars = CCArray::create();
        node->m_stars->retain();
        return node;
    }
    delete node;
    ClientLog::write("Fun CMainDecorations::Create Error!");
    return nullptr;
}

CMainDecorations::~CMainDecorations() {
    if (m_stars) m_stars->release();
}

UIWidget* CMainDecorations::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

CCSprite* CMainDecorations::addLight(const char* first, const char* family, std::initializer_list<int> frames,
                                     float unit, const CCPoint& at, int z) {
    CCSprite* light = Pictures::sprite(first);
    light->setPosition(at);
    light->setScale(0.67f);
    if (CCAnimation* animation = animationOf(family, frames, 0.8f * unit)) {
        light->runAction(forever(CCAnimate::create(animation)));
    }
    m_host->addChild(light, z);
    return light;
}

void CMainDecorations::startLights(bool userLight) {
    UIWidget* sign = widget("signbtn");
    if (sign) {
        for (UIWidget* bobbing : {widget("signtitle"), sign}) {
            if (!bobbing) continue;
            bobbing->runAction(forever(CCSequence::create(CCMoveBy::create(2, ccp(0, -20)),
                                                          CCMoveBy::create(2, ccp(0, 20)), nullptr)));
        }
        const CCPoint at = sign->getWorldPosition();
        addLight("main_toSignBtnLight1.png", "main_toSignBtnLight%d.png", {1, 2, 3, 2}, 0.2f, ccp(at.x, at.y + 60), 1);
    }
    if (UIWidget* shop = widget("shopbtn")) {
        CCSprite* light = Pictures::sprite("TreasureLight.png");
        const CCPoint at = shop->getWorldPosition();
        light->setPosition(ccp(at.x - 10, at.y + 40));
        light->runAction(forever(CCRotateBy::create(4, 360)));
        m_host->addChild(light, 0);
    }
    if (UIWidget* task = widget("achievementbtn")) {
        m_taskLight = addLight("main_toTaskBtn.png", "main_toTaskBtn%d.png", {1, 2, 3, 4, 5, 6}, 0.3f,
                               task->getWorldPosition(), 0);
    }
    if (userLight) {
        if (UIWidget* user = widget("userinfobtn")) {
            m_userLight = addLight("main_toUserBtn.png", "main_toUserBtn%d.png", {1, 2, 3}, 0.8f,
                                   user->getWorldPosition(), 0);
        }
    }
}

void CMainDecorations::stopTaskLight() {
    if (!m_taskLight) return;
    m_taskLight->stopAllActions();
    m_taskLight->setVisible(false);
}

void CMainDecorations::stopUserLight() {
    if (!m_userLight) return;
    m_userLight->stopAllActions();
    m_userLight->setVisible(false);
}

void CMainDecorations::startAmbient() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    emitStars(0);
    schedule(schedule_selector(CMainDecorations::emitStars), 5.3f);
    launchCloud(0);
    schedule(schedule_selector(CMainDecorations::scheduledCloud), 10.0f);
    addBalloons();
}

void CMainDecorations::launchCloud(float waitAfter) {
    const int r = std::rand();
    const int picture = r % 4 + 1;
    CCSprite* cloud = Pictures::sprite(framed("common_cloud%d.png", picture));
    if (picture == 2 || picture == 3) cloud->setRotationY(180);
    cloud->setScale(0.67f);
    const float width = CCDirector::sharedDirector()->getWinSize().width;
    const float height = 400 + r % 200;
    cloud->setPosition(ccp(width, height));
    cloud->runAction(CCSequence::create(CCMoveTo::create(20, ccp(-100, height)), CCDelayTime::create(waitAfter),
                                        CCCallFunc::create(cloud, callfunc_selector(CCNode::removeFromParent)),
                                        nullptr));
    m_host->addChild(cloud, 100);
}

void CMainDecorations::emitStars(float) {
    if (!m_ui || m_stars->count() > 0) return; // the last burst is still under way
    UIWidget* from = m_ui->getWidgetByTag(kStarTags[std::rand() % 8]);
    if (!from) return;
    const CCPoint start = from->getWorldPosition();
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage("stars.png");
    for (int i = 0; i < kStarCount; ++i) {
        CCParticleFlower* emitter = CCParticleFlower::create();
        if (!emitter) continue;
        if (texture) emitter->setTexture(texture);
        emitter->setSpeedVar(0);
        emitter->setStartSize(15);
        emitter->setLife(0.5f);
        emitter->setPosition(start);
        CCArray* steps = CCArray::create();
        steps->addObject(CCDelayTime::create(0.3f * i));
        for (const CCPoint& step : kStarPath) steps->addObject(CCMoveBy::create(0.5f, step));
        if (i == 0) steps->addObject(CCCallFunc::create(this, callfunc_selector(CMainDecorations::onStarsDone)));
        emitter->runAction(CCSequence::create(steps));
        m_host->addChild(emitter, 5);
        m_stars->addObject(emitter);
    }
}

void CMainDecorations::onStarsDone() {
    for (unsigned i = 0; i < m_stars->count(); ++i) {
        static_cast<CCNode*>(m_stars->objectAtIndex(i))->removeFromParent();
    }
    m_stars->removeAllObjects();
}

void CMainDecorations::addBalloons() {
    for (const Balloon& balloon : kBalloons) {
        char first[64];
        std::snprintf(first, sizeof first, "%s%d.png", balloon.colour, 1);
        CCSprite* sprite = Pictures::sprite(first);
        sprite->setScale(0.3f);
        sprite->setPosition(balloon.at);
        const std::string family = std::string(balloon.colour) + "%d.png";
        if (CCAnimation* animation = animationOf(family.c_str(), {1, 2}, 0.2f)) {
            sprite->runAction(forever(CCAnimate::create(animation)));
        }
        m_host->addChild(sprite, 2);
    }
}
