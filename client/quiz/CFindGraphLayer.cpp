#include "quiz/CFindGraphLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "app/TextFormat.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"
#include "widgets/CSSRect.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {
const ccColor3B kOutlineColour = {230, 30, 30};
constexpr float kOutlineWidth = 4;
} // namespace

CFindGraphLayer* CFindGraphLayer::create() {
    auto* layer = new CFindGraphLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CFindGraphLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CFindGraphLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

void CFindGraphLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_pictures[0] = m_pictures[1] = nullptr;
    m_rects.clear();
    m_found.clear();
    m_outlines.clear();
    m_leftToFind = 0;
    m_submitted = false;

    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    if (image) {
        for (const AnswerRect& r : image->rects) {
            // An empty or inverted box could never be hit; keeping it would make the question unwinnable.
            if (r.x1 < r.x2 && r.y1 < r.y2) {
                m_rects.push_back(r);
            } else {
                ClientLog::write("spot the difference: question %d has an empty difference (%g-%g, %g-%g); left out",
                                 question->questid, r.x1, r.x2, r.y1, r.y2);
            }
        }
    }
    if (question && m_rects.empty()) {
        ClientLog::write("spot the difference: question %d has no difference to find; the clock ends it",
                         question->questid);
    }
    m_found.assign(m_rects.size(), false);
    m_leftToFind = static_cast<int>(m_rects.size());
    showCount();

    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    const float y = window.height / 2 - 50;
    const CCSize side(kPictureSide, kPictureSide);
    beginLoading(2, Cover::Yes);
    // Over the pictures, which stand above everything else of the screen.
    if (CCNode* cover = getChildByTag(kCoverTag)) {
        reorderChild(cover, kCoverZ);
    }
    m_pictures[0] = addPicture(question ? question->question : "", side, ccp(window.width / 2 - 210, y), kPictureZ);
    m_pictures[1] = addPicture(image ? image->img : "", side, ccp(window.width / 2 + 210, y), kPictureZ);
}

void CFindGraphLayer::showCount() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(fillText(LocalText::instance().text("Find"), {std::to_string(m_leftToFind)}));
    }
}

CCSize CFindGraphLayer::sourceSize(int side) const {
    for (int s : {side, 1 - side}) {
        const CImageView* view = m_pictures[s];
        if (view && view->isLoaded() && view->picture()) {
            const CCSize size = view->picture()->getContentSize();
            if (size.width > 0 && size.height > 0) return size;
        }
    }
    return CCSize(kPictureSide, kPictureSide);
}

CCRect CFindGraphLayer::differenceOnScreen(int side, std::size_t k) const {
    const CImageView* view = m_pictures[side];
    if (view == nullptr || k >= m_rects.size()) {
        return CCRect();
    }
    // The differences are given on the picture's own pixels, counted from its top left corner; the
    // view stretches the picture to its box around its centre.
    const CCSize box = view->getContentSize();
    const CCSize source = sourceSize(side);
    const float scaleX = box.width / source.width, scaleY = box.height / source.height;
    const float left = view->getPositionX() - box.width / 2;
    const float top = view->getPositionY() + box.height / 2;
    const AnswerRect& r = m_rects[k];
    return CCRect(left + static_cast<float>(r.x1) * scaleX, top - static_cast<float>(r.y2) * scaleY,
                  static_cast<float>(r.x2 - r.x1) * scaleX, static_cast<float>(r.y2 - r.y1) * scaleY);
}

void CFindGraphLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CFindGraphLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void CFindGraphLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { handleTouch(convertTouchToNodeSpace(touch)); }

void CFindGraphLayer::handleTouch(const CCPoint& point) {
    if (!isVisible() || isAnswered() || m_submitted) {
        return;
    }
    for (int side = 0; side < 2; ++side) {
        if (m_pictures[side] == nullptr || !isInside(m_pictures[side], point)) continue;
        bool onDifference = false;
        for (std::size_t k = 0; k < m_rects.size(); ++k) {
            if (!differenceOnScreen(side, k).containsPoint(point)) continue;
            onDifference = true;
            if (!m_found[k]) {
                markFound(k);
                return;
            }
        }
        // A difference found before is neither counted again nor a miss.
        if (!onDifference) {
            showMiss(point);
        }
        return;
    }
}

void CFindGraphLayer::markFound(std::size_t k) {
    m_found[k] = true;
    m_leftToFind -= 1;
    for (int side = 0; side < 2; ++side) {
        if (m_pictures[side] == nullptr) continue;
        if (CSSRect* outline = CSSRect::create(differenceOnScreen(side, k), kOutlineColour, kOutlineWidth)) {
            addChild(outline, kOutlineZ);
            m_outlines.push_back(outline);
        }
    }
    SoundManager::instance().playEffect("Selected.mp3");
    showCount();
    if (m_leftToFind == 0) {
        m_submitted = true;
        CQuestionMission::instance()->submitAnswer("0", 0, 0, -1);
    }
}

void CFindGraphLayer::showMiss(const CCPoint& point) {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->timePenalty();
    }
    SoundManager::instance().playEffect("paint.mp3");
    CCSprite* mark = Pictures::sprite("common_X.png");
    mark->setPosition(point);
    addChild(mark, kMissZ);
    mark->runAction(CCSequence::create(CCDelayTime::create(kMissSeconds), CCRemoveSelf::create(), nullptr));
}
