#include "widgets/CTxtCell.h"

#include "app/ClientLog.h"

#include <cmath>

USING_NS_CC;

namespace {
const char* const kTileFrames[3] = {"wenda_zitibeijinglanzhenvgchang.png", "wenda_zitibeijinglananxia.png",
                                    "wenda_zitibeijingjinse.png"};
} // namespace

CTxtCell* CTxtCell::create() {
    auto* cell = new CTxtCell;
    if (cell->init()) {
        cell->autorelease();
        return cell;
    }
    CCLog("Fun CTxtCell::Create Error!");
    delete cell;
    return nullptr;
}

CTxtCell::~CTxtCell() {
    for (CCSpriteFrame* frame : m_frames) {
        if (frame) frame->release();
    }
}

bool CTxtCell::init() {
    if (!CCNode::init()) {
        return false;
    }
    CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
    for (int i = 0; i < 3; ++i) {
        m_frames[i] = cache->spriteFrameByName(kTileFrames[i]);
        if (m_frames[i]) {
            m_frames[i]->retain();
        } else {
            ClientLog::write("text cell tile %s is missing", kTileFrames[i]);
        }
    }
    m_tile = m_frames[kNormal] ? CCSprite::createWithSpriteFrame(m_frames[kNormal]) : CCSprite::create();
    m_label = CCLabelTTF::create("", "simhei.ttf", 35);
    if (m_tile == nullptr || m_label == nullptr) {
        return false;
    }
    m_label->setHorizontalAlignment(kCCTextAlignmentLeft);
    m_label->setAnchorPoint(ccp(0.5f, 0.5f));
    m_label->setColor(ccc3(200, 20, 200));
    m_label->setPosition(CCPointZero);
    addChild(m_tile);
    addChild(m_label);
    return true;
}

void CTxtCell::setState(int state) {
    if (state < kNormal || state > kGold) {
        return;
    }
    m_state = state;
    if (m_frames[state]) {
        m_tile->setDisplayFrame(m_frames[state]);
    }
}

void CTxtCell::setText(const std::string& text) {
    m_text = text == "&" ? "&&" : text;
    refreshLabel();
}

void CTxtCell::setTextShown(bool shown) {
    m_textShown = shown;
    refreshLabel();
}

void CTxtCell::showTextLater(bool shown, float delay) {
    m_textShown = shown;
    runAction(CCSequence::create(CCDelayTime::create(delay),
                                 CCCallFunc::create(this, callfunc_selector(CTxtCell::refreshLabelLater)), nullptr));
}

void CTxtCell::refreshLabelLater() { refreshLabel(); }

void CTxtCell::refreshLabel() { m_label->setString(m_textShown ? m_text.c_str() : ""); }

bool CTxtCell::contains(float x, float y) const {
    const float left = std::trunc(getPosition().x - 37);
    const float top = std::trunc(getPosition().y + 37);
    return left <= x && x <= left + kSize && top - kSize <= y && y <= top;
}

void markTxtCell(CTxtCell*& marked, CTxtCell* cell, CCNode* highlight) {
    if (marked && marked != cell) {
        marked->setState(CTxtCell::kNormal);
    }
    marked = cell;
    cell->setState(CTxtCell::kDark);
    highlight->setPosition(cell->getPosition());
    highlight->setVisible(true);
}

void reopenTxtCell(CTxtCell*& marked, CTxtCell* cell, CCNode* highlight, const std::vector<CTxtCell*>& candidates) {
    if (marked != cell) {
        markTxtCell(marked, cell, highlight);
    }
    const std::string takenOut = cell->text();
    if (takenOut.empty()) {
        return;
    }
    cell->setText("");
    for (CTxtCell* candidate : candidates) {
        if (candidate->text() == takenOut) candidate->setVisible(true);
    }
}
