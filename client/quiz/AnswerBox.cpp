#include "quiz/AnswerBox.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/Platform.h"
#include "app/SoundManager.h"
#include "data/AdStore.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "quiz/AddCarrot.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"
#include "widgets/Pictures.h"

#include "cocos-ext.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr float kBoxHeight = 640;
constexpr float kBoxWidth = 960;
constexpr float kInset = 50;
const ccColor3B kButtonTextColour = {250, 200, 50};

// The nine-slice background from a sheet frame or, failing that, a file of its own.
CCNode* bigBackground() {
    const char* name = "common_BigBg.png";
    CCScale9Sprite* panel = nullptr;
    if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name)) {
        const CCSize size = frame->getOriginalSize();
        panel = CCScale9Sprite::createWithSpriteFrame(
            frame, CCRectMake(kInset, kInset, size.width - 2 * kInset, size.height - 2 * kInset));
    } else if (CCSprite* probe = Pictures::sprite(name); probe->getTexture()) {
        const CCSize size = probe->getContentSize();
        panel = CCScale9Sprite::create(name, CCRectMake(0, 0, size.width, size.height),
                                       CCRectMake(kInset, kInset, size.width - 2 * kInset, size.height - 2 * kInset));
    }
    if (panel == nullptr) {
        ClientLog::write("answer box: %s is missing", name);
        return CCNode::create();
    }
    panel->setContentSize(CCSizeMake(kBoxWidth, kBoxHeight));
    return panel;
}

CCLabelBMFont* buttonLabel(const std::string& text, float x, float y) {
    CCLabelBMFont* label = CCLabelBMFont::create(text.c_str(), "Chinese.fnt");
    if (label) {
        label->setColor(kButtonTextColour);
        label->setPosition(ccp(x, y));
    }
    return label;
}

} // namespace

AnswerBox* AnswerBox::create(const std::string& title, CCObject* target, SEL_CallFunc onNext, SEL_CallFunc onOther) {
    auto* box = new AnswerBox;
    if (box->init(title, "", target, onOther, onNext)) {
        box->autorelease();
        return box;
    }
    CCLog("Fun AnswerBox::Create Error!");
    delete box;
    return nullptr;
}

bool AnswerBox::init(const std::string& title, const std::string&, CCObject* target, SEL_CallFunc onOther,
                     SEL_CallFunc onNext) {
    if (!CCLayer::init()) {
        return false;
    }
    m_target = target;
    m_onYes = onOther;
    m_onNo = onNext;
    m_titleText = title;
    const AnswerResult empty;
    const AnswerResult& result = QuizData::instance().lastResult ? *QuizData::instance().lastResult : empty;
    m_messageText = result.explain;
    m_adUrl = result.adurl;
    m_apkName = result.apkname;

    const float scale = 480 / kBoxHeight;
    m_background = bigBackground();
    m_background->setScale(scale);
    m_background->setPosition(ccp(0, -55));
    addChild(m_background, 0);
    CCSprite* icon = Pictures::sprite("common_greenIcon.png");
    icon->setScale(scale);
    icon->setPosition(ccp(-270, 145));
    addChild(icon, 2);
    m_titleBand = Pictures::sprite("common_titleBg.png");
    m_titleBand->setScale(scale);
    m_titleBand->setScaleY(0.6365f);
    m_titleBand->setPosition(ccp(0, -65));
    addChild(m_titleBand, 1);

    const float buttonX[2] = {-200, 200};
    for (int i = 0; i < 2; ++i) {
        CCSprite* button = Pictures::sprite("common_btn.png");
        button->setScale(0.4f);
        button->setScaleY(0.55f);
        button->setPosition(ccp(buttonX[i], -55));
        addChild(button, 2);
        (i == 0 ? m_yesButton : m_noButton) = button;
    }

    if (CCLabelBMFont* titleLabel = CCLabelBMFont::create(title.c_str(), "Chinese.fnt")) {
        titleLabel->setScale(1.5f);
        titleLabel->setPosition(ccp(30, 135));
        addChild(titleLabel, 3);
    }
    CCLabelTTF* explain = Pictures::label(result.explain, 35, CCSizeMake(630, 105), kCCTextAlignmentLeft);
    explain->setAnchorPoint(ccp(0, 1));
    explain->setColor(ccc3(60, 40, 20));
    explain->setPosition(ccp(-300, 100));
    addChild(explain, 3);

    LocalText& text = LocalText::instance();
    const bool noUserName = UserSession::instance().userName().empty();
    if (CCLabelBMFont* left = buttonLabel(text.text(noUserName ? "Registration" : "ReturnMain"), -200, -55)) {
        if (noUserName) left->setScale(1.2f);
        addChild(left, 3);
    }
    if (CCLabelBMFont* right = buttonLabel(text.text("NextQuestion"), 200, -55)) {
        addChild(right, 3);
    }

    buildAdBlock();
    setScale(1.0f);
    runAction(CCSequence::createWithTwoActions(CCScaleTo::create(0.1f, 1.2f), CCScaleTo::create(0.1f, 1.0f)));
    startRewards();
    return true;
}

void AnswerBox::buildAdBlock() {
    const AnswerResult empty;
    const AnswerResult& result = QuizData::instance().lastResult ? *QuizData::instance().lastResult : empty;
    if (!result.adicon.empty()) {
        if (CImageView* icon = CImageView::create(result.adicon, "progress.png", CCSizeMake(128, 128))) {
            icon->setPosition(ccp(-268, -200));
            addChild(icon, 3);
        }
        m_hasAd = true;
    }
    if (!result.adname.empty()) {
        CCLabelTTF* name = Pictures::label(result.adname, 24, CCSizeMake(330, 80), kCCTextAlignmentLeft);
        name->setAnchorPoint(ccp(0, 1));
        name->setColor(ccc3(60, 40, 20));
        name->setPosition(ccp(-150, -170));
        addChild(name, 3);
        m_hasAd = true;
    }
    if (!result.adinfo.empty()) {
        CCLabelTTF* info = Pictures::label(result.adinfo, 24, CCSizeMake(480, 30), kCCTextAlignmentLeft);
        info->setAnchorPoint(ccp(0, 0));
        info->setColor(ccc3(90, 70, 50));
        info->setPosition(ccp(-150, -155));
        addChild(info, 3);
        m_hasAd = true;
    }
    if (!result.adurl.empty()) {
        CCMenuItemSprite* item = CCMenuItemSprite::create(Pictures::sprite("btn_dianwo.png"),
                                                          Pictures::sprite("btn_dianwo.png"), this,
                                                          menu_selector(AnswerBox::openAd));
        item->setScale(0.9f);
        item->setPosition(ccp(180, -255));
        m_adMenu = CCMenu::createWithItem(item);
        m_adMenu->setPosition(CCPointZero);
        m_adMenu->setTouchPriority(kAdButtonPriority);
        addChild(m_adMenu, 4);
        m_hasAd = true;
        ClientLog::write("----------getgetget apkname == %s", m_apkName.c_str());
    }
    if (!m_hasAd) {
        // Nothing below the buttons: a shorter panel without the band.
        m_titleBand->setVisible(false);
        m_background->setScaleX(480 / kBoxHeight);
        m_background->setScaleY(400 / kBoxHeight);
        m_background->setPositionY(-10);
    }
}

void AnswerBox::setJumpLink(const std::string& url, const std::string& apkName) {
    m_adUrl = url;
    m_apkName = apkName;
}

void AnswerBox::openAd(CCObject*) {
    SoundManager::instance().playEffect("buttonT.mp3");
    AdStore::instance().setTouchByName("Ad", m_apkName, "1");
    if (!m_adUrl.empty()) {
        Platform::current().openUrl(m_adUrl);
    }
}

void AnswerBox::startRewards() {
    const AnswerResult* result = QuizData::instance().lastResult.get();
    CPlayLayer* host = QuestionStage::instance().host();
    if (result == nullptr || host == nullptr) {
        return;
    }
    std::vector<AddCarrot*> flying;
    auto fly = [&](int amount, int kind, CCLabelBMFont* label) {
        if (amount < 1 || label == nullptr) return;
        AddCarrot* carrot = AddCarrot::create(amount, kind, label);
        if (carrot == nullptr) return;
        addChild(carrot, 10);
        flying.push_back(carrot);
        m_lastRewardKind = kind;
    };
    fly(result->addmoney, AddCarrot::kMoneyCarrot, host->moneyLabel());
    fly(result->addscore + result->awardScore, AddCarrot::kScoreCarrot, host->scoreLabel());
    fly(result->awardMoney, AddCarrot::kMoneyCount, host->moneyLabel());
    if (flying.size() == 2) {
        flying[0]->setPositionX(-30);
        flying[1]->setPositionX(30);
    }
    if (m_lastRewardKind == AddCarrot::kScoreCarrot || m_lastRewardKind == AddCarrot::kMoneyCount) {
        runAction(CCSequence::createWithTwoActions(CCDelayTime::create(1.0f),
                                                   CCCallFunc::create(this, callfunc_selector(AnswerBox::playRewardSound))));
    }
}

void AnswerBox::playRewardSound() {
    SoundManager::instance().playEffect(m_lastRewardKind == AddCarrot::kScoreCarrot ? "Carrot.mp3" : "addScore.mp3");
}
