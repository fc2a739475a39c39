#include "quiz/QuestionStage.h"

#include "app/ClientLog.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CChoiceLayer.h"
#include "quiz/CChoiceYesOrNoLayer.h"
#include "quiz/CChoiceSymbolLayer.h"
#include "quiz/CChooseImageLayer.h"
#include "quiz/CEliminateLayer.h"
#include "quiz/CFindGraphLayer.h"
#include "quiz/CGuessColorLayer.h"
#include "quiz/CGuessGraphLayer.h"
#include "quiz/CHitTxtLayer.h"
#include "quiz/CImageChooseTextLayer.h"
#include "quiz/CImageMoveLayer.h"
#include "quiz/CPickLayer.h"
#include "quiz/CPuzzleLayer.h"
#include "quiz/CSortTxtLayer.h"
#include "quiz/CSudokuLayer.h"
#include "quiz/CTextFindDiffLayer.h"
#include "quiz/ChoiceSamelayer.h"
#include "quiz/CVideoChooseLayer.h"
#include "quiz/CVideoFillLayer.h"
#include "quiz/CVoiceChooseLayer.h"
#include "quiz/CVoiceFillLayer.h"
#include "quiz/RakeLayer.h"

USING_NS_CC;

QuestionStage& QuestionStage::instance() {
    static QuestionStage* stage = new QuestionStage;
    return *stage;
}

template <class Render>
void QuestionStage::add(int gameType, int playType) {
    auto& slot = m_renderers[gameType - 1][playType];
    CCAssert(!slot, "a (game type, play type) pair is registered twice");
    slot = std::make_unique<Render>();
}

QuestionStage::QuestionStage() {
    add<CChoiceYNQuestionRender>(1, 1);
    add<CSudokuQuestionRender>(1, 2);
    add<CTextFindDiffQuestionRender>(1, 4);
    add<CHitTxtRender>(1, 3);
    add<CSortTxtRender>(1, 6);
    for (int playType : {7, 8, 9, 10, 11, 15}) {
        add<CChoiceQuestionRender>(1, playType);
    }
    add<CChoiceSymbolRender>(1, 13);
    add<CEliminateQuestionRender>(1, 14);

    add<CChooseImageRender>(2, 8);
    add<CChooseImageRender>(2, 9);
    add<CRakeCardRender>(2, 3);
    add<CChoiceSameRender>(2, 12);
    add<CChoiceNumRender>(2, 13);
    add<CGuessColorRender>(2, 5);
    add<CPuzzleRender>(2, 1);
    add<CPickRender>(2, 2);
    add<CGuessGraphRender>(2, 4);
    add<CGuessGraphRender>(2, 11);
    add<CChoiceNumRender>(2, 7);
    add<CFindGraphRender>(2, 6);
    add<CImageMoveRender>(2, 14);

    add<CVoiceRender>(3, 1);
    add<CVoiceFillRender>(3, 2);
    add<CVideoRender>(4, 1);
    add<CVideoFillRender>(4, 2);
}

CQuestionRender* QuestionStage::lookup(int gameType, int playType) {
    m_wantedGameType = gameType;
    m_wantedPlayType = playType;
    if (gameType < 1 || gameType > 4) {
        return nullptr;
    }
    auto found = m_renderers[gameType - 1].find(playType);
    return found == m_renderers[gameType - 1].end() ? nullptr : found->second.get();
}

void QuestionStage::reset() {
    m_host = nullptr;
    m_current = nullptr;
    m_shownGameType = m_shownPlayType = -1;
    m_wantedGameType = m_wantedPlayType = -1;
}

void QuestionStage::setAnswered(bool answered) {
    if (m_current) {
        m_current->setAnswered(answered);
    }
}

void QuestionStage::removeCurrent() {
    if (m_current) {
        m_current->removeFromParentAndCleanup(true);
        m_current = nullptr;
    }
}

void QuestionStage::presentScreen(const std::function<CQuestionLayer*()>& make) {
    const bool samePair = m_wantedGameType == m_shownGameType && m_wantedPlayType == m_shownPlayType;
    if (m_host) {
        m_host->refreshHeader();
    }
    if (samePair && m_current) {
        m_current->setVisible(true);
        m_current->showQuestion();
        return;
    }
    if (m_current) {
        m_current->removeFromParentAndCleanup(true);
        m_current = nullptr;
    }
    if (m_host == nullptr) {
        ClientLog::write("QuestionStage: no host for game type %d play type %d", m_wantedGameType,
                         m_wantedPlayType);
        return;
    }
    CQuestionLayer* screen = make();
    if (screen == nullptr) {
        // create has logged which screen failed; the clock must not run for a question nobody sees.
        m_host->stopClock();
        return;
    }
    m_host->addChild(screen);
    // Current before showQuestion: a screen may already ask the stage about itself while filling.
    m_current = screen;
    m_shownGameType = m_wantedGameType;
    m_shownPlayType = m_wantedPlayType;
    screen->showQuestion();
}

// The draw of each renderer.
void CChoiceYNQuestionRender::draw() { QuestionStage::instance().present<CChoiceYesOrNoLayer>(); }
void CSudokuQuestionRender::draw() { QuestionStage::instance().present<CSudokuLayer>(); }
void CHitTxtRender::draw() { QuestionStage::instance().present<CHitTxtLayer>(); }
void CTextFindDiffQuestionRender::draw() { QuestionStage::instance().present<CTextFindDiffLayer>(); }
void CSortTxtRender::draw() { QuestionStage::instance().present<CSortTxtLayer>(); }
void CChoiceQuestionRender::draw() { QuestionStage::instance().present<CChoiceLayer>(); }
void CChoiceSymbolRender::draw() { QuestionStage::instance().present<CChoiceSymbolLayer>(); }
void CEliminateQuestionRender::draw() { QuestionStage::instance().present<CEliminateLayer>(); }
void CPuzzleRender::draw() { QuestionStage::instance().present<CPuzzleLayer>(); }
void CPickRender::draw() { QuestionStage::instance().present<CPickLayer>(); }
void CRakeCardRender::draw() { QuestionStage::instance().present<RakeLayer>(); }
void CGuessGraphRender::draw() { QuestionStage::instance().present<CGuessGraphLayer>(); }
void CGuessColorRender::draw() { QuestionStage::instance().present<CGuessColorLayer>(); }
void CFindGraphRender::draw() { QuestionStage::instance().present<CFindGraphLayer>(); }
void CChoiceNumRender::draw() { QuestionStage::instance().present<CImageChooseTextLayer>(); }
void CChooseImageRender::draw() { QuestionStage::instance().present<CChooseImageLayer>(); }
void CChoiceSameRender::draw() { QuestionStage::instance().present<ChoiceSamelayer>(); }
void CImageMoveRender::draw() { QuestionStage::instance().present<CImageMoveLayer>(); }
void CVoiceRender::draw() { QuestionStage::instance().present<CVoiceChooseLayer>(); }
void CVoiceFillRender::draw() { QuestionStage::instance().present<CVoiceFillLayer>(); }
void CVideoRender::draw() { QuestionStage::instance().present<CVideoChooseLayer>(); }
void CVideoFillRender::draw() { QuestionStage::instance().present<CVideoFillLayer>(); }
