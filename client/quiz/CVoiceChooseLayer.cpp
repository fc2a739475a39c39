#include "quiz/CVoiceChooseLayer.h"

#include "quiz/CAddAnswerMenu.h"
#include "quiz/COneByOneSelect.h"

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
    if (current->seltype == 0) {
        if (CAddAnswerMenu* menu = CAddAnswerMenu::create(this, callfuncI_selector(CVoiceChooseLayer::onOption), 1)) {
            addChild(menu);
        }
    } else if (current->seltype == 1) {
        if (COneByOneSelect* select =
                COneByOneSelect::create(this, callfuncI_selector(CVoiceChooseLayer::onOption), 2)) {
            addChild(select);
        }
    }
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    addButtons(0.5f, ccp(visible.width / 2, visible.height / 2 + 80));
    fetchMedia(Cover::No);
}

void CVoiceChooseLayer::onOption(int k) {
    const QuestionRecord* current = question();
    if (current == nullptr || k < 0 || k >= static_cast<int>(current->answers.size())) {
        return;
    }
    sendAnswer(current->answers[static_cast<std::size_t>(k)], k);
}
