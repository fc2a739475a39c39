#include "quiz/CPickLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

#include <cmath>
#include <random>
#include <utility>

USING_NS_CC;

namespace {
constexpr int kPieceColumns = 4;
constexpr int kSlotColumns = 3;
// The pieces of the top left block, in slot order.
constexpr int kSlotPieces[CPickLayer::kSlots] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
constexpr float kPiecesSide = 400, kTargetSide = 512;
constexpr float kPieceBox = 100;
constexpr GLubyte kTargetOpacity = 120;
constexpr float kShrunk = 0.1f;
} // namespace

CPickLayer* CPickLayer::create() {
    auto* layer = new CPickLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CPickLayer::Create Error!");
    delete layer;
    return nullptr;
}

CPickLayer::~CPickLayer() {
    if (m_picture) {
        m_picture->release();
    }
}

bool CPickLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

CCPoint CPickLayer::placeOf(int i) {
    return ccp(550 + static_cast<float>(i % kPieceColumns) * 102, 400 - static_cast<float>(i / kPieceColumns) * 102);
}

CCPoint CPickLayer::slotCentre(int i) {
    return ccp(123 + static_cast<float>(i % kSlotColumns) * 1159 / 9,
               380 - static_cast<float>(i / kSlotColumns) * 1150 / 9);
}

void CPickLayer::clearBoard() {
    removeAllChildrenWithCleanup(true);
    m_pieces.clear();
    m_slots.clear();
    m_target = nullptr;
    m_submitted = false;
    if (m_picture) {
        m_picture->release();
        m_picture = nullptr;
    }
}

void CPickLayer::showQuestion() {
    clearBoard();
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("Pick"));
    }
    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    m_img = image ? image->img : "";
    if (question == nullptr || question->answers.size() < static_cast<std::size_t>(kPieces) || m_img.empty()) {
        ClientLog::write("pick: the question needs a picture and %d piece labels (has %zu); no board, the clock "
                         "decides",
                         kPieces, question ? question->answers.size() : std::size_t{0});
        beginLoading(0, Cover::No);
        return;
    }
    beginLoading(1, Cover::Yes);
    CImageView* preview = CImageView::create(m_img, "", CCSizeMake(kPiecesSide, kPiecesSide), this,
                                             media_selector(CPickLayer::onPreviewLoaded),
                                             media_selector(CPickLayer::onPreviewFailed));
    if (preview == nullptr) {
        beginLoading(0, Cover::No);
        return;
    }
    preview->setPosition(ccp(110, 120));
    preview->setVisible(false);
    addChild(preview);
}

void CPickLayer::onPreviewFailed(const std::string& mediaName) {
    if (mediaName == m_img) {
        onPictureFailed(mediaName);
    }
}

void CPickLayer::onPreviewLoaded(const std::string& mediaName) {
    // A picture that comes after the wait gave up still gets its board; the clock already runs.
    if (mediaName != m_img || m_picture) {
        return;
    }
    onPictureLoaded(mediaName);
    buildBoard(QuizData::instance().string(mediaName));
}

void CPickLayer::buildBoard(const std::string& path) {
    m_picture = path.empty() ? nullptr : CCTextureCache::sharedTextureCache()->addImage(path.c_str());
    if (m_picture == nullptr || m_picture->getContentSize().width <= 0 || m_picture->getContentSize().height <= 0) {
        ClientLog::write("pick: %s is no picture we can cut; no board, the clock decides", path.c_str());
        m_picture = nullptr;
        return;
    }
    m_picture->retain();
    const std::vector<std::string>& labels = QuizData::instance().current->answers;
    const CCSize size = m_picture->getContentSize();
    const float partWidth = size.width / kPieceColumns, partHeight = size.height / kPieceColumns;
    auto part = [&](int k) {
        return CCRect(static_cast<float>(k % kPieceColumns) * partWidth,
                      static_cast<float>(k / kPieceColumns) * partHeight, partWidth, partHeight);
    };

    m_target = CCSprite::createWithTexture(m_picture, CCRect(0, 0, partWidth * kSlotColumns, partHeight * kSlotColumns));
    if (m_target) {
        m_target->setOpacity(kTargetOpacity);
        m_target->setScaleX(kTargetSide / size.width);
        m_target->setScaleY(kTargetSide / size.height);
        m_target->setAnchorPoint(ccp(0, 1));
        m_target->setPosition(ccp(60, 445));
        addChild(m_target);
    }
    for (int i = 0; i < kSlots; ++i) {
        CCSprite* sprite = CCSprite::createWithTexture(m_picture, part(kSlotPieces[i]));
        if (sprite == nullptr) {
            continue;
        }
        sprite->setScaleX(kTargetSide / size.width);
        sprite->setScaleY(kTargetSide / size.height);
        sprite->setPosition(slotCentre(i));
        sprite->setVisible(false);
        addChild(sprite);
        m_slots.push_back({sprite, labels[static_cast<std::size_t>(kSlotPieces[i])], false});
    }
    for (int k = 0; k < kPieces; ++k) {
        CCSprite* sprite = CCSprite::createWithTexture(m_picture, part(k));
        if (sprite == nullptr) {
            continue;
        }
        sprite->setScaleX(kPiecesSide / size.width);
        sprite->setScaleY(kPiecesSide / size.height);
        addChild(sprite);
        m_pieces.push_back({sprite, labels[static_cast<std::size_t>(k)], false});
    }
    static std::mt19937 random{std::random_device{}()};
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        std::swap(m_pieces[i], m_pieces[random() % m_pieces.size()]);
    }
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        m_pieces[i].sprite->setPosition(placeOf(static_cast<int>(i)));
    }
}

void CPickLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CPickLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void CPickLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (isAnswered() || m_submitted || isLoading()) {
        return;
    }
    const CCPoint point = convertTouchToNodeSpace(touch);
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        const Piece& piece = m_pieces[i];
        if (piece.taken) {
            continue;
        }
        const CCPoint at = piece.sprite->getPosition();
        if (std::abs(point.x - at.x) <= kPieceBox / 2 && std::abs(point.y - at.y) <= kPieceBox / 2) {
            pick(i);
            return;
        }
    }
}

void CPickLayer::pick(std::size_t index) {
    Piece& piece = m_pieces[index];
    Slot* slot = nullptr;
    for (Slot& candidate : m_slots) {
        if (!candidate.filled && candidate.label == piece.label) {
            slot = &candidate;
            break;
        }
    }
    if (slot == nullptr) {
        if (CPlayLayer* host = QuestionStage::instance().host()) {
            host->timePenalty();
        }
        SoundManager::instance().playEffect("paint.mp3");
        return;
    }
    // Taken at once, so a second tap during the flight cannot fill another slot.
    piece.taken = true;
    slot->filled = true;
    piece.sprite->runAction(CCSequence::create(
        CCSpawn::create(CCScaleTo::create(kFlySeconds, kShrunk), CCFadeOut::create(kFlySeconds), nullptr),
        CCHide::create(), nullptr));
    CCSprite* shown = slot->sprite;
    const float scaleX = shown->getScaleX(), scaleY = shown->getScaleY();
    shown->setScaleX(scaleX * kShrunk);
    shown->setScaleY(scaleY * kShrunk);
    shown->setOpacity(0);
    shown->setVisible(true);
    shown->runAction(
        CCSpawn::create(CCScaleTo::create(kFlySeconds, scaleX, scaleY), CCFadeIn::create(kFlySeconds), nullptr));
    SoundManager::instance().playEffect("Selected.mp3");

    std::string answer;
    for (const Slot& each : m_slots) {
        if (!each.filled) {
            return;
        }
        answer += each.label;
    }
    if (m_slots.size() == static_cast<std::size_t>(kSlots)) {
        m_submitted = true;
        CQuestionMission::instance()->submitAnswer(answer, 0, 0, -1);
    }
}
