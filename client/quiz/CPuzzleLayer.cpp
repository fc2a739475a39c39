#include "quiz/CPuzzleLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

#include <random>
#include <utility>

USING_NS_CC;

namespace {
constexpr int kColumns = 3;
constexpr float kStep = 134.33333f;
constexpr float kLeftX = 380, kTopY = 400;
// A piece's touch box, in whole points around its centre.
constexpr int kBoxHalf = 66, kBoxSide = 133;
constexpr GLubyte kSelectedOpacity = 100;
} // namespace

CPuzzleLayer* CPuzzleLayer::create() {
    auto* layer = new CPuzzleLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CPuzzleLayer::Create Error!");
    delete layer;
    return nullptr;
}

CPuzzleLayer::~CPuzzleLayer() {
    if (m_picture) {
        m_picture->release();
    }
}

bool CPuzzleLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

CCPoint CPuzzleLayer::squareCentre(int square) {
    return ccp(kLeftX + static_cast<float>(square % kColumns) * kStep,
               kTopY - static_cast<float>(square / kColumns) * kStep);
}

void CPuzzleLayer::clearBoard() {
    removeAllChildrenWithCleanup(true);
    m_pieces.clear();
    m_preview = nullptr;
    m_selected = -1;
    m_swapping = -1;
    m_busy = false;
    m_solved = false;
    m_slots.clear();
    if (m_picture) {
        m_picture->release();
        m_picture = nullptr;
    }
}

void CPuzzleLayer::showQuestion() {
    clearBoard();
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        // Set here, not only on entering: a reused screen follows other screens' tips.
        host->showTip(LocalText::instance().text("ToRightLocation"));
    }
    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    if (question == nullptr || question->question.size() < static_cast<std::size_t>(kSquares)) {
        ClientLog::write("puzzle: the question text \"%s\" holds fewer than %d labels; no board, the clock decides",
                         question ? question->question.c_str() : "", kSquares);
        m_img.clear();
        beginLoading(0, Cover::No);
        return;
    }
    m_img = image ? image->img : "";
    if (m_img.empty()) {
        ClientLog::write("puzzle: the question names no picture; no board, the clock decides");
        beginLoading(0, Cover::No);
        return;
    }
    beginLoading(1, Cover::Yes);
    // Our own handlers on the view: the board is cut from the file once it is on disk.
    m_preview = CImageView::create(m_img, "", CCSizeMake(kBoardSide, kBoardSide), this,
                                   media_selector(CPuzzleLayer::onPreviewLoaded),
                                   media_selector(CPuzzleLayer::onPreviewFailed));
    if (m_preview == nullptr) {
        beginLoading(0, Cover::No);
        return;
    }
    m_preview->setPosition(ccp(515, 318));
    m_preview->setVisible(false);
    addChild(m_preview);
}

void CPuzzleLayer::onPreviewFailed(const std::string& mediaName) {
    if (mediaName != m_img) {
        return;
    }
    // The wait ends and the clock runs: the question ends by time-out rather than hanging.
    onPictureFailed(mediaName);
}

void CPuzzleLayer::onPreviewLoaded(const std::string& mediaName) {
    // A picture that comes after the wait gave up still gets its board; the clock already runs.
    if (mediaName != m_img || m_picture) {
        return;
    }
    onPictureLoaded(mediaName);
    buildBoard(QuizData::instance().string(mediaName));
}

void CPuzzleLayer::buildBoard(const std::string& path) {
    m_picture = path.empty() ? nullptr : CCTextureCache::sharedTextureCache()->addImage(path.c_str());
    if (m_picture == nullptr || m_picture->getContentSize().width <= 0 || m_picture->getContentSize().height <= 0) {
        ClientLog::write("puzzle: %s is no picture we can cut; no board, the clock decides", path.c_str());
        m_picture = nullptr;
        return;
    }
    m_picture->retain();
    const std::string& text = QuizData::instance().current->question;
    m_slots = text.substr(0, kSquares);

    const CCSize size = m_picture->getContentSize();
    const float partWidth = size.width / kColumns, partHeight = size.height / kColumns;
    for (int i = 0; i < kSquares; ++i) {
        const CCRect part(static_cast<float>(i % kColumns) * partWidth, static_cast<float>(i / kColumns) * partHeight,
                          partWidth, partHeight);
        CCSprite* sprite = CCSprite::createWithTexture(m_picture, part);
        if (sprite == nullptr) {
            ClientLog::write("puzzle: piece %d of %s could not be made", i, path.c_str());
            continue;
        }
        sprite->setScaleX(kBoardSide / size.width);
        sprite->setScaleY(kBoardSide / size.height);
        addChild(sprite);
        m_pieces.push_back({sprite, m_slots[static_cast<std::size_t>(i)]});
    }
    static std::mt19937 random{std::random_device{}()};
    // A deal that happens to come out solved would answer for the player: deal again (a few
    // times at most, since a text with repeated labels is solved however it is dealt).
    for (int deal = 0; deal < 8 && (deal == 0 || isInOrder()); ++deal) {
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            std::swap(m_pieces[i], m_pieces[random() % m_pieces.size()]);
        }
    }
    layout();
    checkSolved();
}

void CPuzzleLayer::layout() {
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        m_pieces[i].sprite->setPosition(squareCentre(static_cast<int>(i)));
    }
}

void CPuzzleLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CPuzzleLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_solved; }

int CPuzzleLayer::pieceAt(const CCPoint& point) const {
    const int x = static_cast<int>(point.x), y = static_cast<int>(point.y);
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        const CCPoint at = m_pieces[i].sprite->getPosition();
        const int left = static_cast<int>(at.x) - kBoxHalf;
        const int top = static_cast<int>(at.y) + kBoxHalf;
        if (x >= left && x <= left + kBoxSide && y >= top - kBoxSide && y <= top) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CPuzzleLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (m_busy || isAnswered() || m_solved || isLoading()) {
        return;
    }
    const int touched = pieceAt(convertTouchToNodeSpace(touch));
    if (touched < 0) {
        return;
    }
    if (m_selected < 0) {
        m_selected = touched;
        m_pieces[static_cast<std::size_t>(touched)].sprite->setOpacity(kSelectedOpacity);
        return;
    }
    m_pieces[static_cast<std::size_t>(m_selected)].sprite->setOpacity(255);
    if (touched == m_selected) {
        m_selected = -1;
        layout();
        return;
    }
    swapWith(touched);
}

void CPuzzleLayer::swapWith(int other) {
    m_busy = true;
    m_swapping = other;
    CCSprite* first = m_pieces[static_cast<std::size_t>(m_selected)].sprite;
    CCSprite* second = m_pieces[static_cast<std::size_t>(other)].sprite;
    const CCPoint firstAt = squareCentre(m_selected), secondAt = squareCentre(other);
    first->runAction(CCSequence::create(CCMoveTo::create(kSwapSeconds, secondAt),
                                        CCCallFunc::create(this, callfunc_selector(CPuzzleLayer::swapDone)), nullptr));
    second->runAction(CCMoveTo::create(kSwapSeconds, firstAt));
    SoundManager::instance().playEffect("buttonT.mp3");
}

void CPuzzleLayer::swapDone() {
    if (m_selected >= 0 && m_swapping >= 0) {
        // The partner's move may still have its last frame to go; the layout below puts it in place,
        // and a move left running would carry it past.
        m_pieces[static_cast<std::size_t>(m_swapping)].sprite->stopAllActions();
        std::swap(m_pieces[static_cast<std::size_t>(m_selected)], m_pieces[static_cast<std::size_t>(m_swapping)]);
    }
    m_selected = -1;
    m_swapping = -1;
    m_busy = false;
    layout();
    checkSolved();
}

bool CPuzzleLayer::isInOrder() const {
    if (m_pieces.size() != static_cast<std::size_t>(kSquares)) {
        return false;
    }
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        if (m_pieces[i].label != m_slots[i]) {
            return false;
        }
    }
    return true;
}

void CPuzzleLayer::checkSolved() {
    if (m_solved || !isInOrder()) {
        return;
    }
    m_solved = true;
    CQuestionMission::instance()->submitAnswer(m_slots, 0, 0, -1);
}
