#include "quiz/AddCarrot.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "net/GameData.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <string>

USING_NS_CC;

namespace {

struct Step {
    int above, score, money;
};
// By what is still to count, largest first.
constexpr Step kSteps[] = {
    {100000, 11113, 11113}, {10000, 1113, 1113}, {1000, 113, 113}, {500, 63, 53},
    {100, 33, 23},          {50, 13, 6},         {20, 3, 3},       {0, 2, 1},
};

// The prize-money question outlives the carrot that asked it.
class PrizeMoneyLink : public CCObject {
public:
    static PrizeMoneyLink* instance() {
        static PrizeMoneyLink* link = new PrizeMoneyLink;
        return link;
    }
    void open() { SceneDirector::instance().showReceiveMoney(); }
};

} // namespace

int AddCarrot::scoreStep(int counter) {
    for (const Step& step : kSteps) {
        if (counter > step.above) return step.score;
    }
    return kSteps[std::size(kSteps) - 1].score;
}

int AddCarrot::moneyStep(int counter) {
    for (const Step& step : kSteps) {
        if (counter > step.above) return step.money;
    }
    return kSteps[std::size(kSteps) - 1].money;
}

AddCarrot* AddCarrot::create(int amount, int kind, CCLabelBMFont* target) {
    auto* layer = new AddCarrot;
    if (layer->init(amount, kind, target)) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun AddCarrot::Create Error!");
    delete layer;
    return nullptr;
}

AddCarrot::~AddCarrot() {
    if (m_target) m_target->release();
}

bool AddCarrot::init(int amount, int kind, CCLabelBMFont* target) {
    if (!CCLayer::init() || target == nullptr || kind < kMoneyCarrot || kind > kScoreCount) {
        return false;
    }
    m_target = target;
    m_target->retain();
    m_kind = kind;
    m_amount = amount;
    const bool score = kind == kScoreCarrot || kind == kScoreCount;
    (score ? m_scoreCounter : m_moneyCounter) = amount;

    if (kind == kMoneyCarrot || kind == kScoreCarrot) {
        m_carrot = Pictures::sprite(kind == kMoneyCarrot ? "common_jinluobo.png" : "common_huluobo.png");
        addChild(m_carrot, 1, 1);
        m_plusLabel = Pictures::label("+" + std::to_string(amount), 40, CCSizeZero, kCCTextAlignmentCenter);
        m_plusLabel->setColor(ccc3(255, 140, 0));
        m_plusLabel->setPosition(ccp(0, 20));
        addChild(m_plusLabel, 2);

        const CCPoint to = ccpSub(target->getPosition(), ccp(480, 320));
        CCArray* flight = CCArray::create();
        flight->addObject(CCScaleTo::create(0.25f, 2.0f));
        flight->addObject(CCScaleTo::create(0.25f, 1.0f));
        flight->addObject(CCSpawn::createWithTwoActions(CCMoveTo::create(0.5f, to), CCFadeOut::create(0.5f)));
        flight->addObject(CCDelayTime::create(0.5f));
        flight->addObject(CCCallFunc::create(this, callfunc_selector(AddCarrot::arrived)));
        m_carrot->runAction(CCSequence::create(flight));
        m_plusLabel->runAction(CCSpawn::createWithTwoActions(CCMoveBy::create(1.0f, ccp(0, 100)),
                                                             CCFadeOut::create(1.0f)));
    }
    m_counting = true;
    schedule(schedule_selector(AddCarrot::countUp), kStepSeconds);
    return true;
}

int AddCarrot::total() const {
    const UserInfo& user = GameData::instance().user;
    return m_kind == kScoreCarrot || m_kind == kScoreCount ? user.score : user.money;
}

void AddCarrot::showTotal() {
    m_target->setString(std::to_string(total()).c_str());
    m_counting = false;
    unschedule(schedule_selector(AddCarrot::countUp));
}

void AddCarrot::countUp(float) {
    const bool score = m_kind == kScoreCarrot || m_kind == kScoreCount;
    int& counter = score ? m_scoreCounter : m_moneyCounter;
    counter -= score ? scoreStep(counter) : moneyStep(counter);
    const int shown = total() - counter;
    if (counter <= 0 || shown < 0) {
        showTotal();
        return;
    }
    m_target->setString(std::to_string(shown).c_str());
}

void AddCarrot::arrived() {
    // The number must not stay half counted when the carrot leaves first.
    if (m_counting) showTotal();
    const int kind = m_kind;
    const int amount = m_amount;
    // Removing may release this layer while its own action runs: only locals below.
    retain();
    removeFromParentAndCleanup(true);
    autorelease();
    if (kind == kScoreCarrot || GameData::instance().user.infoFilled) {
        return;
    }
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (scene == nullptr) {
        return;
    }
    LocalText& text = LocalText::instance();
    CMyMessageBox* box = CMyMessageBox::create("", fillText(text.text("SaveDetailInfo"), {std::to_string(amount)}),
                                               text.text("yes"), text.text("no"), "", PrizeMoneyLink::instance(), 0,
                                               callfunc_selector(PrizeMoneyLink::open), nullptr, nullptr, nullptr,
                                               false);
    if (box) {
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        box->setPosition(ccp(window.width / 2, window.height / 2));
        scene->addChild(box, 99);
    }
}
