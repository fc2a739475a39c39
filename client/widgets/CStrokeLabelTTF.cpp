#include "widgets/CStrokeLabelTTF.h"

#include "extensions/CCRenderTexture.h"

#include <cmath>

USING_NS_CC;

CStrokeLabelTTF* CStrokeLabelTTF::create(const std::string& text, const std::string& fontName, float fontSize) {
    auto* label = new CStrokeLabelTTF;
    if (label->initLabel(text, fontName, fontSize)) {
        label->autorelease();
        return label;
    }
    CCLog("Fun CStrokeLabelTTF::Create Error!");
    delete label;
    return nullptr;
}

CStrokeLabelTTF::~CStrokeLabelTTF() {
    if (m_label) m_label->release();
}

bool CStrokeLabelTTF::initLabel(const std::string& text, const std::string& fontName, float fontSize) {
    if (!CCNode::init()) {
        return false;
    }
    m_strokeSize = 1.5f;
    m_label = CCLabelTTF::create(text.c_str(), fontName.c_str(), fontSize, CCSizeZero, kCCTextAlignmentCenter,
                                 kCCVerticalTextAlignmentTop);
    if (m_label == nullptr) {
        return false;
    }
    m_label->retain();
    render();
    return true;
}

void CStrokeLabelTTF::setString(const std::string& text) {
    if (text != m_label->getString()) {
        m_label->setString(text.c_str());
        render();
    }
}

void CStrokeLabelTTF::setColor(const ccColor3B& colour) {
    const ccColor3B current = m_label->getColor();
    if (current.r != colour.r || current.g != colour.g || current.b != colour.b) {
        m_label->setColor(colour);
        render();
    }
}

void CStrokeLabelTTF::setAnchorPoint(const CCPoint& point) {
    m_anchor = point;
    if (m_label) {
        render();
    }
}

void CStrokeLabelTTF::render() {
    m_renders += 1;
    if (m_sprite) {
        m_sprite->removeFromParentAndCleanup(true);
        m_sprite = nullptr;
    }
    if (m_label->getParent() == this) {
        removeChild(m_label, true);
    }
    const CCSize labelSize = m_label->getContentSize();
    const float width = labelSize.width + 2 * m_strokeSize;
    const float height = labelSize.height + 2 * m_strokeSize;
    CCRenderTexture* texture = CCRenderTexture::create(static_cast<int>(std::ceil(width)),
                                                       static_cast<int>(std::ceil(height)));
    if (texture == nullptr) {
        m_label->setAnchorPoint(m_anchor);
        m_label->setPosition(CCPointZero);
        addChild(m_label);
        setContentSize(labelSize);
        return;
    }
    const ccColor3B fill = m_label->getColor();
    const ccBlendFunc blend = m_label->getBlendFunc();
    m_label->setColor(m_strokeColour);
    m_label->setBlendFunc(ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE});
    m_label->setAnchorPoint(ccp(0.5f, 0.5f));

    texture->beginWithClear(0, 0, 0, 0);
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const float radians = CC_DEGREES_TO_RADIANS(static_cast<float>(degrees));
        m_label->setPosition(ccp(width / 2 + m_strokeSize * std::sin(radians),
                                 height / 2 + m_strokeSize * std::cos(radians)));
        m_label->visit();
    }
    m_label->setColor(fill);
    m_label->setBlendFunc(blend);
    m_label->setPosition(ccp(width / 2, height / 2));
    m_label->visit();
    texture->end();

    CCSprite* drawn = texture->getSprite();
    if (drawn && drawn->getTexture()) {
        drawn->getTexture()->setAliasTexParameters();
    }
    m_sprite = CCSprite::createWithTexture(drawn ? drawn->getTexture() : nullptr);
    if (m_sprite == nullptr) {
        m_label->setAnchorPoint(m_anchor);
        m_label->setPosition(CCPointZero);
        addChild(m_label);
        setContentSize(labelSize);
        return;
    }
    m_sprite->setFlipY(true);
    m_sprite->setAnchorPoint(m_anchor);
    m_sprite->setPosition(CCPointZero);
    addChild(m_sprite);
    setContentSize(m_sprite->getContentSize());
}
