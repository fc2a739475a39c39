#include "contest/CHD_CreateTeamLayer.h"

#include "account/AccountForm.h"
#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/HallRules.h"
#include "contest/TeamRules.h"
#include "net/RequestCatalogue.h"
#include "widgets/CInputBox.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kHintZ = 5, kBoxZ = 100;
constexpr float kHintWidth = 500;
const ccColor3B kHintColour = {110, 60, 20};

const char* answerKey(int code) {
    switch (code) {
    case 1: return "DuplicateNames";
    case 2: return "createTeamOVreTime";
    case 3: return "HDMoneyNEnough";
    default: return "HDopfail";
    }
}

} // namespace

CHD_CreateTeamLayer* CHD_CreateTeamLayer::create() {
    auto* layer = new CHD_CreateTeamLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_CreateTeamLayer::Create Error!");
    return nullptr;
}

UIWidget* CHD_CreateTeamLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

bool CHD_CreateTeamLayer::init() {
    if (!CCLayer::init()) return false;
    m_uiRoot = UILayer::create();
    // The dialog's full-window panel takes the touches the team list under it would get.
    m_uiRoot->setTouchPriority(kTouchPriority);
    addChild(m_uiRoot);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_TeamBuild.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("create team: PK_TeamBuild.ExportJson cannot be read");
    }
    for (const char* name : {"backbtn", "buildbtn"}) {
        UIWidget* w = widget(name);
        if (w == nullptr) {
            ClientLog::write("create team: no widget %s", name);
            continue;
        }
        w->setTouchEnabled(true);
        w->addTouchEventListener(this, toucheventselector(CHD_CreateTeamLayer::onButton));
    }
    team_rules::caption(widget("buildbtn"), LocalText::instance().text("create"), "simhei.ttf", 30);
    AccountForm::FieldBox options;
    options.fontSize = 35;
    options.maxLength = kMostTypedBytes;
    options.placeholderKey = "teamNameHolder";
    options.colour = ccc3(60, 30, 10);
    options.cursorOnText = true;
    m_nameBox = AccountForm::addFieldBox(this, widget("namebg"), options);
    addHints();
    return true;
}

void CHD_CreateTeamLayer::addHints() {
    const LocalText& texts = LocalText::instance();
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    const std::pair<const char*, float> lines[] = {{"CreateTeamCast1", 320}, {"CreateTeamCast2", 260}};
    for (const auto& [key, y] : lines) {
        CCLabelTTF* hint = CCLabelTTF::create(texts.text(key).c_str(), "simhei.ttf", 30, CCSizeMake(kHintWidth, 0),
                                              kCCTextAlignmentLeft);
        if (hint == nullptr) continue;
        hint->setColor(kHintColour);
        hint->setScale(0.8f);
        hint->setPosition(ccp(size.width / 2, y));
        addChild(hint, kHintZ);
    }
}

void CHD_CreateTeamLayer::onButton(CCObject* sender, TouchEventType type) {
    const std::string name = hall_rules::endedButton(sender, type);
    if (name == "backbtn") {
        close();
    } else if (name == "buildbtn") {
        submit();
    }
}

void CHD_CreateTeamLayer::submit() {
    const std::string name = m_nameBox ? m_nameBox->getText() : "";
    const LocalText& texts = LocalText::instance();
    if (!team_rules::validName(name)) {
        hall_rules::showBox(this, texts.text("teamNameErroe"), nullptr, nullptr, false, nullptr, kBoxZ, -1,
                            texts.text("tips"));
        return;
    }
    if (m_nameBox) m_nameBox->setAttached(false);
    RequestCatalogue::createTeam(name, "", {this, net_selector(CHD_CreateTeamLayer::onCreateAnswer),
                                            net_selector(CHD_CreateTeamLayer::onRequestFailed)});
}

void CHD_CreateTeamLayer::onCreateAnswer(int code) {
    if (code == 0) {
        SceneDirector::instance().switchTo(team_rules::kTeamListScene);
        return;
    }
    if (code < 0) return;
    hall_rules::showBox(this, LocalText::instance().text(answerKey(code)), this,
                        callfunc_selector(CHD_CreateTeamLayer::closeToList), false, nullptr, kBoxZ);
}

void CHD_CreateTeamLayer::closeToList() {
    SceneDirector::instance().switchTo(team_rules::kTeamListScene);
    close();
}

void CHD_CreateTeamLayer::close() {
    if (m_nameBox) m_nameBox->setAttached(false);
    removeFromParent();
}
