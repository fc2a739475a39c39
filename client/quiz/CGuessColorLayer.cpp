#include "quiz/CGuessColorLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

USING_NS_CC;

namespace {
constexpr float kPictureSide = 320;
const CCPoint kPictureCentre(480, 320);
// A second row of squares lifts the first one above it; the pictures then shrink into the room
// left between the squares and the tip line.
constexpr float kTwoRowPictureSide = 250;
const CCPoint kTwoRowPictureCentre(480, 385);
constexpr float kSquaresLeft = 100;
constexpr float kSquaresBottom = 50;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

CGuessColorLayer* CGuessColorLayer::create() {
    auto* layer = new CGuessColorLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CGuessColorLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CGuessColorLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

bool CGuessColorLayer::parseColour(const std::string& code, ccColor3B& colour) {
    if (code.size() != 6) {
        return false;
    }
    GLubyte channels[3];
    for (int c = 0; c < 3; ++c) {
        const int high = hexDigit(code[static_cast<std::size_t>(2 * c)]);
        const int low = hexDigit(code[static_cast<std::size_t>(2 * c + 1)]);
        if (high < 0 || low < 0) return false;
        channels[c] = static_cast<GLubyte>(high * 16 + low);
    }
    colour = ccc3(channels[0], channels[1], channels[2]);
    return true;
}

void CGuessColorLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_blank = m_whole = nullptr;
    m_squares.clear();
    m_submitted = false;

    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("FindMissingColor"));
    }
    int count = question ? static_cast<int>(question->answers.size()) : 0;
    if (count > kMaxSquares) {
        ClientLog::write("missing colour: question %d offers %d colours, only the first %d fit the screen",
                         question->questid, count, kMaxSquares);
        count = kMaxSquares;
    }
    const int rows = (count + kSquaresPerRow - 1) / kSquaresPerRow;
    const float side = rows > 1 ? kTwoRowPictureSide : kPictureSide;
    const CCPoint centre = rows > 1 ? kTwoRowPictureCentre : kPictureCentre;

    beginLoading(2, Cover::Yes);
    m_blank = addPicture(question ? question->question : "", CCSizeMake(side, side), centre);
    m_whole = addPicture(image ? image->img : "", CCSizeMake(side, side), centre);
    if (m_whole) {
        m_whole->setVisible(false);
    }

    for (int k = 0; k < count; ++k) {
        const std::string& code = question->answers[static_cast<std::size_t>(k)];
        ccColor3B colour;
        if (!parseColour(code, colour)) {
            ClientLog::write("missing colour: answer %d of question %d (\"%s\") is no colour code; its square is left out",
                             k, question->questid, code.c_str());
            m_squares.push_back(nullptr);
            continue;
        }
        CCLayerColor* square = CCLayerColor::create(ccc4(colour.r, colour.g, colour.b, 255), kSquareSide, kSquareSide);
        const int column = k % kSquaresPerRow, row = k / kSquaresPerRow;
        // Lower left corner; the last row stands on the screen's bottom margin.
        square->setPosition(ccp(kSquaresLeft + static_cast<float>(kSquareStep * column),
                                kSquaresBottom + static_cast<float>(kSquareStep * (rows - 1 - row))));
        addChild(square);
        m_squares.push_back(square);
    }
}

void CGuessColorLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CGuessColorLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void CGuessColorLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (isAnswered() || m_submitted) {
        return;
    }
    const CCPoint point = convertTouchToNodeSpace(touch);
    for (std::size_t k = 0; k < m_squares.size(); ++k) {
        CCLayerColor* square = m_squares[k];
        if (square == nullptr || !square->boundingBox().containsPoint(point)) continue;
        const QuestionRecord* question = QuizData::instance().current.get();
        if (question == nullptr || k >= question->answers.size()) return;
        m_submitted = true;
        if (m_blank) m_blank->setVisible(false);
        if (m_whole) m_whole->setVisible(true);
        CQuestionMission::instance()->submitAnswer(question->answers[k], 0, 0, static_cast<int>(k));
        return;
    }
}
