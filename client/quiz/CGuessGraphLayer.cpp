#include "quiz/CGuessGraphLayer.h"

#include "app/ClientLog.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

USING_NS_CC;

namespace {
const CCPoint kPictureCentre(240, 240);
constexpr int kCellLayout = 4;
constexpr int kCellColumns = 6;
} // namespace

CGuessGraphLayer* CGuessGraphLayer::create() {
    auto* layer = new CGuessGraphLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CGuessGraphLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CGuessGraphLayer::init() { return CCLayer::init(); }

void CGuessGraphLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_picture = nullptr;
    m_cells = nullptr;
    m_submitted = false;

    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    beginLoading(1, Cover::Yes);
    if (question && QuestionStage::instance().host()) {
        QuestionStage::instance().host()->showTip(question->question);
    }
    m_picture = addPicture(image ? image->img : "", CCSizeMake(kPictureSide, kPictureSide), kPictureCentre);
    if (image == nullptr) {
        ClientLog::write("guess the picture: question %d carries no picture details; no cells shown",
                         question ? question->questid : 0);
        return;
    }

    // A question the cells cannot be filled for is shown without them: the clock ends it, and the
    // player can still leave through the pause menu.
    const std::string candidates = question->answers.empty() ? std::string() : question->answers.front();
    const auto characters = CFillCellLayer::splitCharacters(candidates);
    if (image->answerlength < 1 || image->answerlength > CFillCellLayer::kMaxAnswerLength) {
        ClientLog::write("guess the picture: question %d wants %d answer cells, the widget holds 1 to %d; refused",
                         question->questid, image->answerlength, CFillCellLayer::kMaxAnswerLength);
        return;
    }
    if (static_cast<int>(characters.size()) < CFillCellLayer::kCandidateCount) {
        ClientLog::write("guess the picture: question %d offers %d candidate characters instead of %d; refused",
                         question->questid, static_cast<int>(characters.size()), CFillCellLayer::kCandidateCount);
        return;
    }
    m_cells = CFillCellLayer::create(image->answerlength, candidates, this, kCellLayout, kCellColumns);
    if (m_cells) {
        addChild(m_cells);
    }
}

void CGuessGraphLayer::onFillCellComplete(const std::string& text) {
    if (m_submitted || isAnswered()) {
        return;
    }
    m_submitted = true;
    CQuestionMission::instance()->submitAnswer(text, 0, 0, -1);
}
