#include "widgets/CSSRect.h"

#include "extensions/CCDrawNode.h"

USING_NS_CC;

CSSRect* CSSRect::create(const CCRect& rect, const ccColor3B& colour, float lineWidth) {
    auto* node = new CSSRect;
    if (node->initOutline(rect, colour, lineWidth)) {
        node->autorelease();
        return node;
    }
    CCLog("Fun CSSRect::Create Error!");
    delete node;
    return nullptr;
}

bool CSSRect::initOutline(const CCRect& rect, const ccColor3B& colour, float lineWidth) {
    if (!CCNode::init()) {
        return false;
    }
    m_rect = rect;
    setPosition(rect.origin);
    setContentSize(rect.size);
    CCDrawNode* lines = CCDrawNode::create();
    if (lines == nullptr) {
        return false;
    }
    const ccColor4F ink{colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f, 1.0f};
    const float radius = lineWidth / 2;
    const float w = rect.size.width, h = rect.size.height;
    const CCPoint corners[4] = {ccp(0, 0), ccp(w, 0), ccp(w, h), ccp(0, h)};
    for (int i = 0; i < 4; ++i) {
        lines->drawSegment(corners[i], corners[(i + 1) % 4], radius, ink);
    }
    addChild(lines);
    return true;
}
