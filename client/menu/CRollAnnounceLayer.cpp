#include "menu/CRollAnnounceLayer.h"

#include "app/ClientLog.h"

USING_NS_CC;

CRollAnnounceLayer* CRollAnnounceLayer::create() {
    CRollAnnounceLayer* layer = new CRollAnnounceLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CRollAnnounceLayer::Create Error!");
    return nullptr;
}

CRollAnnounceLayer::~CRollAnnounceLayer() {
    if (m_labels) m_labels->release();
}

bool CRollAnnounceLayer::init() {
    if (!CCLayer::init()) return false;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    CCLayerColor* band = CCLayerColor::create(ccc4(0, 0, 0, 58), size.width, kBandHeight);
    addChild(band, 1, kBandTag);
    m_labels = CCArray::create();
    m_labels->retain();
    schedule(schedule_selector(CRollAnnounceLayer::scroll));
    m_offset = 0;
    return true;
}

void CRollAnnounceLayer::addMessage(const std::string& text) {
    CCLabelTTF* label = CCLabelTTF::create(text.c_str(), "simhei.ttf", 35);
    if (!label) return;
    label->ignoreAnchorPointForPosition(true);
    addChild(label, 2);
    m_labels->addObject(label);
    m_widths.push_back(static_cast<int>(label->getContentSize().width));
}

void CRollAnnounceLayer::start() {
    m_offset = 0;
    placeLabels();
}

void CRollAnnounceLayer::placeLabels() {
    CCNode* band = getChildByTag(kBandTag);
    const float bandWidth = band ? band->getContentSize().width : 0;
    int before = 0;
    for (unsigned i = 0; i < m_labels->count() && i < m_widths.size(); ++i) {
        auto* label = static_cast<CCLabelTTF*>(m_labels->objectAtIndex(i));
        label->setTextureRect(CCRectMake(m_offset - (before + bandWidth), 0, bandWidth, kBandHeight));
        before += m_widths[i];
    }
}

void CRollAnnounceLayer::scroll(float) {
    m_offset += 2;
    placeLabels();
    CCNode* band = getChildByTag(kBandTag);
    const float bandWidth = band ? band->getContentSize().width : 0;
    int total = 0;
    for (int width : m_widths) total += width;
    if (total + bandWidth < m_offset) {
        m_offset = 0;
        // Keep this band alive until the scheduler is done with this call.
        retain();
        removeFromParent();
        autorelease();
    }
}

void CRollAnnounceLayer::onExit() {
    for (unsigned i = 0; i < m_labels->count(); ++i) {
        static_cast<CCNode*>(m_labels->objectAtIndex(i))->removeFromParent();
    }
    m_labels->removeAllObjects();
    m_widths.clear();
    unschedule(schedule_selector(CRollAnnounceLayer::scroll));
    CCLayer::onExit();
}
