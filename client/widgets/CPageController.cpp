#include "widgets/CPageController.h"

#include "app/ClientLog.h"
#include "widgets/Pictures.h"

#include <algorithm>
#include <cstdio>

USING_NS_CC;

CPageController* CPageController::create() {
    CPageController* bar = new CPageController;
    if (bar->init()) {
        bar->autorelease();
        return bar;
    }
    delete bar;
    ClientLog::write("Fun CPageController::Create Error!");
    return nullptr;
}

bool CPageController::init() {
    if (!CCLayer::init()) return false;
    setContentSize(CCSizeMake(400, 67));
    struct Button {
        float x;
        const char* arrow;
        bool turned;
        SEL_MenuHandler handler;
    };
    const Button buttons[] = {{0, "common_leftEndBtn.png", false, menu_selector(CPageController::first)},
                              {130, "common_leftBtn.png", false, menu_selector(CPageController::previous)},
                              {470, "common_leftBtn.png", true, menu_selector(CPageController::next)},
                              {600, "common_leftEndBtn.png", true, menu_selector(CPageController::last)}};
    CCMenu* menu = CCMenu::create();
    for (const Button& b : buttons) {
        CCMenuItemSprite* item = CCMenuItemSprite::create(Pictures::sprite("common_greyBtn.png"),
                                                          Pictures::sprite("common_greyBtn.png"), this, b.handler);
        item->setAnchorPoint(CCPointZero);
        item->setPosition(ccp(b.x, 0));
        CCSprite* arrow = Pictures::sprite(b.arrow);
        arrow->setScale(2.5f);
        arrow->setPosition(ccp(60, 65));
        if (b.turned) arrow->setRotation(180);
        item->addChild(arrow);
        menu->addChild(item);
    }
    menu->setPosition(ccp(110, -130));
    menu->setScale(0.5f);
    addChild(menu, 1);

    CCNode* holder = CCNode::create();
    holder->setPosition(ccp(500, 30));
    CCSprite* field = Pictures::sprite("common_textField.png");
    field->setScale(0.5f);
    holder->addChild(field);
    m_label = CCLabelBMFont::create("", "Chinese.fnt");
    if (m_label) {
        m_label->setScale(1.5f);
        holder->addChild(m_label, 1);
    }
    addChild(holder, 1);
    refresh();
    return true;
}

std::string CPageController::labelText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", m_pageCount == 0 ? 0 : m_currentPage + 1, m_pageCount);
    return text;
}

void CPageController::refresh() {
    if (m_label) m_label->setString(labelText().c_str());
}

void CPageController::setCurrentPage(int page) {
    m_currentPage = std::min(page, m_pageCount);
    refresh();
}

void CPageController::setPageCount(int count) {
    m_pageCount = count;
    refresh();
}

void CPageController::report() {
    if (m_delegate) m_delegate->onPageChanged(m_currentPage, m_pageCount);
    m_currentPage = std::min(m_currentPage, m_pageCount);
    refresh();
}

void CPageController::previous(CCObject*) {
    if (m_currentPage > 0) m_currentPage -= 1;
    report();
}

void CPageController::next(CCObject*) {
    if (m_currentPage < m_pageCount - 1) m_currentPage += 1;
    report();
}

void CPageController::first(CCObject*) {
    m_currentPage = 0;
    report();
}

void CPageController::last(CCObject*) {
    m_currentPage = m_pageCount - 1;
    report();
}
