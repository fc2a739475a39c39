#include "quiz/CVoiceChooseLayer.h"

USING_NS_CC;

CVoiceChooseLayer* CVoiceChooseLayer::create() {
    auto* layer = new CVoiceChooseLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CVoiceChooseLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CVoiceChooseLayer::init() { return CCLayer::init(); }

void CVoiceChooseLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    resetVoice();
    const QuestionRecord* current = question();
    if (current == nullptr) {
        return;
    }
    addOptions(*current, 1, 2);
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    addButtons(0.5f, ccp(visible.width / 2, visible.height / 2 + 80));
    fetchMedia(Cover::No);
}
