#include "quiz/CVideoChooseLayer.h"

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
    // One at a time beside the film as beside a picture: below the centre it would sit under the
    // video window, which is drawn over the whole scene.
    addOptions(*current, 2, 0);
    fetchMedia(Cover::No);
}
