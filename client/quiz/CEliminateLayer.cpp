#include "quiz/CEliminateLayer.h"

#include "app/ClientLog.h"
#include "net/CCMask.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include <algorithm>

USING_NS_CC;

CEliminateLayer* CEliminateLayer::create() {
    auto* layer = new CEliminateLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CEliminateLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CEliminateLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

void CEliminateLayer::clear() {
    stopAllActions();
    if (getChildByTag(kMaskTag)) removeChildByTag(kMaskTag, true);
    for (CTxtCell* cell : m_cells) cell->removeFromParentAndCleanup(true);
    m_cells.clear();
    m_touched = nullptr;
    m_keep = 0;
    m_closing = m_submitted = false;
}

void CEliminateLayer::showQuestion() {
    clear();
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr) {
        return;
    }
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(question->question);
    }
    const auto* choice = std::get_if<ChoiceQuestion>(&question->details);
    m_right = choice ? choice->right : "";
    const std::vector<std::string> row =
        CFillCellLayer::splitCharacters(question->answers.empty() ? "" : question->answers.front());
    if (row.empty()) {
        ClientLog::write("eliminate: no characters in the row; nothing to play");
        return;
    }
    m_mask = m_right.substr(0, std::min(m_right.size(), row.size()));
    m_keep = static_cast<int>(std::count_if(m_mask.begin(), m_mask.end(), [](char c) { return c != '0'; }));

    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    const float x0 = visible.width / 2 - kPitch * static_cast<float>(row.size() - 1) / 2;
    for (std::size_t i = 0; i < row.size(); ++i) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) continue;
        cell->setText(row[i]);
        cell->setPosition(ccp(x0 + kPitch * static_cast<float>(i), visible.height / 2));
        addChild(cell, 0, kCellTagBase + static_cast<int>(i));
        m_cells.push_back(cell);
    }
}

bool CEliminateLayer::mustGo(CTxtCell* cell) const {
    const auto index = static_cast<std::size_t>(cell->getTag() - kCellTagBase);
    return index >= m_mask.size() || m_mask[index] == '0';
}

CTxtCell* CEliminateLayer::cellAt(const CCPoint& point) const {
    for (CTxtCell* cell : m_cells) {
        if (cell->contains(point.x, point.y)) return cell;
    }
    return nullptr;
}

void CEliminateLayer::highlightOnly(CTxtCell* chosen) {
    for (CTxtCell* cell : m_cells) cell->setState(cell == chosen ? CTxtCell::kDark : CTxtCell::kNormal);
}

void CEliminateLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CEliminateLayer::ccTouchBegan(CCTouch* touch, CCEvent*) {
    if (!isVisible() || isAnswered() || m_closing || m_submitted) {
        return false;
    }
    m_touched = nullptr;
    ccTouchMoved(touch, nullptr);
    return true;
}

void CEliminateLayer::ccTouchMoved(CCTouch* touch, CCEvent*) {
    if (CTxtCell* cell = cellAt(convertTouchToNodeSpace(touch))) {
        m_touched = cell;
        highlightOnly(cell);
    }
}

void CEliminateLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    CTxtCell* cell = cellAt(convertTouchToNodeSpace(touch));
    CTxtCell* touched = m_touched;
    m_touched = nullptr;
    highlightOnly(nullptr);
    if (cell == nullptr || cell != touched || isAnswered() || m_closing || m_submitted) {
        return;
    }
    if (!mustGo(cell)) {
        m_submitted = true;
        CQuestionMission::instance()->submitAnswer("-1", 0, 0, -1);
        return;
    }
    m_cells.erase(std::find(m_cells.begin(), m_cells.end(), cell));
    cell->removeFromParentAndCleanup(true);
    if (static_cast<int>(m_cells.size()) <= m_keep) {
        closeRow();
    }
}

void CEliminateLayer::closeRow() {
    m_closing = true;
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    const float x0 = visible.width / 2 - kPitch * static_cast<float>(static_cast<int>(m_cells.size()) - 1) / 2;
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        m_cells[i]->runAction(
            CCMoveTo::create(kCloseSeconds, ccp(x0 + kPitch * static_cast<float>(i), m_cells[i]->getPositionY())));
    }
    if (CCMask* cover = CCMask::create(-100000, false)) {
        addChild(cover, kMaskTag, kMaskTag);
    }
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->stopClock();
    }
    runAction(CCSequence::create(CCDelayTime::create(kSendDelay),
                                 CCCallFunc::create(this, callfunc_selector(CEliminateLayer::sendRight)), nullptr));
}

void CEliminateLayer::sendRight() {
    if (getChildByTag(kMaskTag)) removeChildByTag(kMaskTag, true);
    if (m_submitted) return;
    m_submitted = true;
    CQuestionMission::instance()->submitAnswer(m_right, 0, 0, -1);
}
