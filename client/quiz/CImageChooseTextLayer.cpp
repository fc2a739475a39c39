#include "quiz/CImageChooseTextLayer.h"

#include "app/ClientLog.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/Pictures.h"

#include "extensions/CCClippingNode.h"

#include <algorithm>
#include <cmath>
#include <random>

USING_NS_CC;

namespace {
constexpr int kScratchPlayType = 13;
constexpr float kBrushScale = 0.3f;
constexpr float kAwardScale = 0.7f;
// The icon's centre keeps this share of its picture's size from the card's edges, so none of it
// shows beside the card.
constexpr float kAwardInset = 0.35f;
constexpr int kAwardZ = 5;
constexpr int kAwardLabelZ = 30;
const CCPoint kAwardTarget(890, 480);
const CCPoint kAwardLabelTarget(930, 480);
constexpr float kPrizeRaisedY = 530;
} // namespace

CImageChooseTextLayer* CImageChooseTextLayer::create() {
    auto* layer = new CImageChooseTextLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CImageChooseTextLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CImageChooseTextLayer::init() { return CCLayer::init(); }

void CImageChooseTextLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_card = nullptr;
    m_strokes = nullptr;
    m_awardIcon = nullptr;
    m_coverPoints.clear();
    m_scratchCount = 0;
    m_collectedAward = 0;
    m_awardToCollect = 0;
    m_awardCollected = false;
    m_submitted = false;
    setTouchEnabled(false);

    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    m_pictureCentre = ccp(visible.width * 0.25f, visible.height / 2 - 50);

    beginLoading(1, Cover::No);
    addPicture(image ? image->img : "", CCSizeMake(kPictureSide, kPictureSide), m_pictureCentre);
    if (question == nullptr) {
        return;
    }
    if (question->seltype == 0) {
        if (CAddAnswerMenu* menu =
                CAddAnswerMenu::create(this, callfuncI_selector(CImageChooseTextLayer::onOption), 3)) {
            addChild(menu);
        }
    } else if (question->seltype == 1) {
        if (COneByOneSelect* select =
                COneByOneSelect::create(this, callfuncI_selector(CImageChooseTextLayer::onOption), 0)) {
            addChild(select);
        }
    }
    m_scratchable = question->playtype == kScratchPlayType && image != nullptr;
    if (m_scratchable) {
        buildScratchCard(*image);
        setTouchEnabled(true);
        CPlayLayer* host = QuestionStage::instance().host();
        if (host && question->prizemoney > 0) {
            // Room for the carrot that flies to the header.
            if (CCNode* icon = host->getChildByTag(CQuestionMission::kPrizeIconTag)) {
                icon->setScale(0.5f);
                icon->setPositionY(kPrizeRaisedY);
            }
            if (CCNode* label = host->getChildByTag(CQuestionMission::kPrizeLabelTag)) {
                label->setPositionY(kPrizeRaisedY);
            }
        }
    }
}

void CImageChooseTextLayer::buildScratchCard(const ImageQuestion& image) {
    m_strokes = CCNode::create();
    m_card = CCClippingNode::create(m_strokes);
    m_card->setInverted(true);
    m_card->setAlphaThreshold(0.05f);
    CCSprite* cover = Pictures::sprite("common_pictureBg.png");
    const CCSize coverSize = cover->getContentSize();
    if (coverSize.width > 0 && coverSize.height > 0) {
        cover->setScaleX(kPictureSide / coverSize.width);
        cover->setScaleY(kPictureSide / coverSize.height);
    }
    cover->setPosition(m_pictureCentre);
    m_card->addChild(cover);
    addChild(m_card, kCardZ, kCardTag);

    const float left = m_pictureCentre.x - kPictureSide / 2;
    const float top = m_pictureCentre.y + kPictureSide / 2;
    for (int row = 0; row < kGridSide; ++row) {
        for (int column = 0; column < kGridSide; ++column) {
            m_coverPoints.push_back(ccp(left + kGridStep * static_cast<float>(column),
                                        top - kGridStep * static_cast<float>(row)));
        }
    }

    const char* awardPicture = image.awardtype == 1 ? "common_huluobo.png"
                               : image.awardtype == 2 ? "common_jinluobo.png"
                                                      : nullptr;
    if (awardPicture == nullptr) {
        return;
    }
    m_awardIcon = Pictures::sprite(awardPicture);
    m_awardIcon->setScale(kAwardScale);
    const CCSize iconSize = m_awardIcon->getContentSize();
    const float insetX = std::min(kAwardInset * iconSize.width, kPictureSide / 2);
    const float insetY = std::min(kAwardInset * iconSize.height, kPictureSide / 2);
    static std::mt19937 random{std::random_device{}()};
    const float x = std::uniform_real_distribution<float>(left + insetX, left + kPictureSide - insetX)(random);
    const float y = std::uniform_real_distribution<float>(top - kPictureSide + insetY, top - insetY)(random);
    m_awardIcon->setPosition(ccp(x, y));
    addChild(m_awardIcon, kAwardZ);
    m_awardToCollect = image.awardnum;
}

void CImageChooseTextLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addStandardDelegate(this, 0);
}

void CImageChooseTextLayer::ccTouchesMoved(CCSet* touches, CCEvent*) {
    for (CCObject* object : *touches) {
        scratchAt(convertTouchToNodeSpace(static_cast<CCTouch*>(object)));
    }
}

void CImageChooseTextLayer::ccTouchesEnded(CCSet*, CCEvent*) { measureScratch(); }

void CImageChooseTextLayer::scratchAt(const CCPoint& point) {
    if (!m_scratchable || m_strokes == nullptr || isAnswered()) {
        return;
    }
    CCSprite* brush = Pictures::sprite("common_greyBtn.png");
    brush->setScale(kBrushScale);
    brush->setPosition(point);
    m_strokes->addChild(brush);
    const CCRect reach = brush->boundingBox();
    std::erase_if(m_coverPoints, [&](const CCPoint& p) { return reach.containsPoint(p); });

    if (m_awardIcon && !m_awardCollected && m_awardIcon->boundingBox().containsPoint(point)) {
        m_awardCollected = true;
        m_collectedAward = m_awardToCollect;
        m_awardIcon->runAction(CCSequence::create(
            CCDelayTime::create(0.5f),
            CCSpawn::create(CCMoveTo::create(0.5f, kAwardTarget),
                            CCSequence::create(CCScaleTo::create(0.25f, 2.0f), CCScaleTo::create(0.25f, 0.5f),
                                               nullptr),
                            nullptr),
            nullptr));
        char number[16];
        std::snprintf(number, sizeof(number), "%d", m_collectedAward);
        if (CCLabelBMFont* label = CCLabelBMFont::create(number, "NumFont.fnt")) {
            label->setPosition(m_awardIcon->getPosition());
            label->runAction(CCSequence::create(CCDelayTime::create(0.5f),
                                                CCMoveTo::create(0.5f, kAwardLabelTarget), nullptr));
            addChild(label, kAwardLabelZ);
        } else {
            ClientLog::write("award label of %d could not be made", m_collectedAward);
        }
    }
}

void CImageChooseTextLayer::measureScratch() {
    if (!m_scratchable) {
        return;
    }
    const int points = kGridSide * kGridSide;
    const int left = static_cast<int>(m_coverPoints.size());
    const double measured = std::trunc(static_cast<double>(points - left) / 10.0 - 1.0);
    m_scratchCount = static_cast<int>(std::clamp(measured, 0.0, 9.0));
}

void CImageChooseTextLayer::onOption(int k) {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (isAnswered() || m_submitted || question == nullptr || k < 0 ||
        k >= static_cast<int>(question->answers.size())) {
        return;
    }
    m_submitted = true;
    CQuestionMission::instance()->submitAnswer(question->answers[static_cast<std::size_t>(k)], m_scratchCount,
                                               m_collectedAward, k);
}
