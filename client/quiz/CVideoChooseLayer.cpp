#include "quiz/CVideoChooseLayer.h"

#include "quiz/CAddAnswerMenu.h"
#include "quiz/COneByOneSelect.h"

USING_NS_CC;

CVideoChooseLayer* CVideoChooseLayer::create() {
    auto* layer = new CVideoChooseLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CVideoChooseLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CVideoChooseLayer::init() { return CCLayer::init(); }

void CVideoChooseLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    resetVideo();
    const QuestionRecord* current = question();
    if (current == nullptr) {
        return;
    }
    if (current->seltype == 0) {
        if (CAddAnswerMenu* menu = CAddAnswerMenu::create(this, callfuncI_selector(CVideoChooseLayer::onOption), 2)) {
            addChild(menu);
        }
    } else if (current->seltype == 1) {
        // Beside the film as beside a picture: below the centre it would sit under the video window,
        // which is drawn over the whole scene.
        if (COneByOneSelect* select =
                COneByOneSelect::create(this, callfuncI_selector(CVideoChooseLayer::onOption), 0)) {
            addChild(select);
        }
    }
    fetchMedia(Cover::No);
}

void CVideoChooseLayer::onOption(int k) {
    const QuestionRecord* current = question();
    if (current == nullptr || k < 0 || k >= static_cast<int>(current->answers.size())) {
        return;
    }
    sendAnswer(current->answers[static_cast<std::size_t>(k)], k);
}
