#include "widgets/playGuide.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/StoredSettings.h"
#include "widgets/Pictures.h"

#include <tinyxml.h>

#include <cmath>
#include <cstdio>

USING_NS_CC;

namespace {

const char* const kGuideNames[] = {"main", "store", "treasure", "sign", "register", "wall"};
constexpr int kSpotPoints = 200;

double real(const TiXmlElement* e, const char* name) {
    double value = 0;
    return e->QueryDoubleAttribute(name, &value) == TIXML_SUCCESS ? value : 0;
}

int integer(const TiXmlElement* e, const char* name) {
    int value = 0;
    return e->QueryIntAttribute(name, &value) == TIXML_SUCCESS ? value : 0;
}

CCPoint pointOf(const TiXmlElement* e) { return ccp(real(e, "pntX"), real(e, "pntY")); }

PlayGuaideAtt* readStep(const TiXmlElement* group) {
    PlayGuaideAtt* step = PlayGuaideAtt::create();
    for (const TiXmlElement* e = group->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string name = e->ValueStr();
        if (name == "Rect") {
            const CCPoint centre = pointOf(e);
            step->setSpot(CCRectMake(centre.x, centre.y, real(e, "radius"), 0));
        } else if (name == "LabelText") {
            const char* key = e->Attribute("key");
            step->setTextKey(key ? key : "");
            ClientLog::write("text %s", step->getTextKey().c_str());
        } else if (name == "Image") {
            step->setImagePoint(pointOf(e));
            step->setIsEnd(integer(e, "isEnd"));
        } else if (name == "Arrow") {
            step->setArrowPoint(pointOf(e));
            step->setDirection(integer(e, "direction"));
        } else if (name == "Pur") {
            step->setPurposePoint(pointOf(e));
        }
    }
    return step;
}

} // namespace

std::string playGuide::guideName(int guideIndex) {
    return guideIndex >= 1 && guideIndex <= 6 ? kGuideNames[guideIndex - 1] : "";
}

std::vector<PlayGuaideAtt*> playGuide::loadSteps(int guideIndex) {
    std::vector<PlayGuaideAtt*> steps;
    char file[32];
    std::snprintf(file, sizeof file, "guide%d.xml", guideIndex);
    const std::string path = CCFileUtils::sharedFileUtils()->fullPathForFilename(file);
    unsigned long size = 0;
    unsigned char* bytes = CCFileUtils::sharedFileUtils()->getFileData(path.c_str(), "rb", &size);
    if (!bytes) {
        ClientLog::write("guide: %s cannot be read", file);
        return steps;
    }
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    delete[] bytes;
    TiXmlDocument document;
    document.Parse(text.c_str());
    if (document.Error()) {
        ClientLog::write("guide: %s does not parse (%s)", file, document.ErrorDesc());
        return steps;
    }
    // Only the third top-level element matters: the first names the guide, the second its start.
    const TiXmlElement* top = document.FirstChildElement();
    for (int i = 0; i < 2 && top; ++i) top = top->NextSiblingElement();
    if (!top) {
        ClientLog::write("guide: %s has no steps", file);
        return steps;
    }
    for (const TiXmlElement* group = top->FirstChildElement(); group; group = group->NextSiblingElement()) {
        if (group->ValueStr() != "RectGroup") continue;
        PlayGuaideAtt* step = readStep(group);
        step->retain();
        steps.push_back(step);
    }
    return steps;
}

playGuide* playGuide::create(int guideIndex) {
    playGuide* guide = new playGuide;
    if (guide->initGuide(guideIndex)) {
        guide->autorelease();
        return guide;
    }
    delete guide;
    return nullptr;
}

playGuide::~playGuide() {
    for (PlayGuaideAtt* step : m_steps) step->release();
}

bool playGuide::initGuide(int guideIndex) {
    if (!CCLayerColor::initWithColor(ccc4(0, 0, 0, 0))) return false;
    m_index = guideIndex;
    m_spot = CCDrawNode::create();
    m_clip = CCClippingNode::create(m_spot);
    m_clip->setInverted(true);
    m_clip->addChild(CCLayerColor::create(ccc4(0, 0, 0, 110)));
    addChild(m_clip, 0, kClipTag);

    m_dialog = Pictures::sprite("common_alertBg.png");
    m_dialog->setScaleX(0.6f);
    m_dialog->setScaleY(0.2f);
    addChild(m_dialog);
    m_label = CCLabelTTF::create("", "simhei.ttf", 24, CCSizeMake(450, 0), kCCTextAlignmentLeft,
                                 kCCVerticalTextAlignmentTop);
    m_label->setColor(ccc3(214, 68, 6));
    m_label->setAnchorPoint(ccp(0, 0.5f));
    m_label->setScaleX(1.6667f);
    m_label->setScaleY(5.0f);
    m_dialog->addChild(m_label);

    m_rabbit = Pictures::sprite("Newbie guide_tuzi.png");
    m_rabbit->setScale(0.7f);
    m_decoration = Pictures::sprite("Newbie guide_zhaungshi.png");
    m_decoration->setScale(0.6f);
    m_pointer = Pictures::sprite("Newbie guide_chuizi.png");
    m_pointer->setScale(0.3f);
    addChild(m_decoration);
    addChild(m_rabbit);
    addChild(m_pointer);

    m_steps = loadSteps(guideIndex);
    if (m_steps.empty()) {
        ClientLog::write("guide %d: no steps, not shown", guideIndex);
        return false;
    }
    m_step = 0;
    showStep();
    return true;
}

void playGuide::showStep() {
    const PlayGuaideAtt* step = m_steps[m_step];
    const std::string text = LocalText::instance().text(step->getTextKey());
    ClientLog::write("msg %s", text.c_str());
    m_label->setString(text.c_str());

    const CCRect& spot = step->getSpot();
    const float radius = spot.size.width;
    CCPoint circle[kSpotPoints];
    for (int i = 0; i < kSpotPoints; ++i) {
        const float angle = 2.0f * static_cast<float>(M_PI) * i / kSpotPoints;
        circle[i] = ccp(radius * std::cos(angle), radius * std::sin(angle));
    }
    m_spot->clear();
    m_spot->drawPolygon(circle, kSpotPoints, ccc4f(1, 1, 1, 1), 0, ccc4f(0, 0, 0, 0));
    m_spot->setPosition(spot.origin);
    m_spot->stopAllActions();
    m_spot->setScale(1);
    m_spot->runAction(CCRepeatForever::create(
        CCSequence::create(CCScaleTo::create(0.05f, 0.95f), CCScaleTo::create(0.125f, 1.0f), nullptr)));
    m_pointer->setPosition(ccp(spot.origin.x + radius, spot.origin.y - 20));

    m_dialog->setPosition(step->getImagePoint());
    m_rabbit->setPosition(step->getArrowPoint());
    ClientLog::write("x %.2f, y %.2f", step->getArrowPoint().x, step->getArrowPoint().y);
    m_decoration->setPosition(step->getPurposePoint());
    const float turn = step->getDirection() == 0 ? 0 : 180;
    for (CCNode* node : {static_cast<CCNode*>(m_dialog), static_cast<CCNode*>(m_label),
                         static_cast<CCNode*>(m_rabbit), static_cast<CCNode*>(m_decoration)}) {
        node->setRotationY(turn);
    }
    m_label->setPosition(step->getDirection() == 0 ? ccp(350, 600) : ccp(1200, 600));
}

void playGuide::onEnter() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
    CCLayerColor::onEnter();
}

void playGuide::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayerColor::onExit();
}

bool playGuide::ccTouchBegan(CCTouch*, CCEvent*) { return true; }

void playGuide::ccTouchEnded(CCTouch*, CCEvent*) { advance(); }

void playGuide::advance() {
    if (m_steps[m_step]->getIsEnd() == 1 || m_step + 1 >= stepCount()) {
        // A file whose last step lacks the end mark ends there too, rather than reading past it.
        finish();
        return;
    }
    m_step += 1;
    showStep();
}

void playGuide::finish() {
    StoredSettings::writeBool(StoredSettings::guideKey(guideName(m_index)).c_str(), true);
    retain();
    removeFromParent();
    autorelease();
}
