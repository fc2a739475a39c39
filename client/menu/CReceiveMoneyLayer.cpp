#include "menu/CReceiveMoneyLayer.h"

#include "account/AccountForm.h"
#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "widgets/CInputBox.h"

#include <algorithm>
#include <cstdlib>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kFontSize = 35;
constexpr float kBoxHeight = 72;
constexpr int kCursorLift = 6;
// Code and address boxes see touches before the pickers and the form's buttons.
constexpr int kRaisedOffset = 641;
constexpr int kTitleZ = 10, kMoneyZ = 100, kBoxZ = 5, kLabelZ = 6;
constexpr size_t kMostNameBytes = 18;
const ccColor3B kTitleColour = {250, 200, 50};
const ccColor3B kInputColour = {60, 30, 10};
const ccColor3B kLabelColour = {60, 30, 10};
const ccColor3B kCountdownColour = {255, 255, 255};

std::string text(const char* key) { return LocalText::instance().text(key); }

bool onlyDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool hasSpace(const std::string& s) {
    if (s.find_first_of(" \t") != std::string::npos) return true;
    return s.find("\xE3\x80\x80") != std::string::npos; // the ideographic space
}

struct PickerButton {
    const char* name;
    int mode;
    CCPoint offset;
};

const PickerButton kPickers[] = {
    {"shengbtn", listView::Province, {275, 240}}, {"shibtn", listView::City, {280, 240}},
    {"yearbtn", listView::Year, {145, 240}},      {"monthbtn", listView::MonthOfYear, {100, 240}},
    {"daybtn", listView::DayOfMonth, {100, 240}},
};

const char* const kChoiceFields[] = {"shengfield", "shifield", "yearfield", "monthfield", "dayfield"};

} // namespace

CCScene* CReceiveMoneyLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CReceiveMoneyLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CReceiveMoneyLayer* CReceiveMoneyLayer::create() {
    auto* layer = new CReceiveMoneyLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CReceiveMoneyLayer::Create Error!");
    return nullptr;
}

UIWidget* CReceiveMoneyLayer::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

CCLabelTTF* CReceiveMoneyLayer::choiceLabel(int mode) const {
    return mode >= 0 && mode < 5 ? m_choices[mode] : nullptr;
}

listView* CReceiveMoneyLayer::openPickerView() const {
    return dynamic_cast<listView*>(const_cast<CReceiveMoneyLayer*>(this)->getChildByTag(kPickerTag));
}

void CReceiveMoneyLayer::onEnter() {
    CCLayer::onEnter();
    // Back from a fade: the form keeps what was typed.
    if (m_ui) return;
    build();
}

void CReceiveMoneyLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kPickerGuardPriority, true);
}

bool CReceiveMoneyLayer::ccTouchBegan(CCTouch* touch, CCEvent*) {
    listView* picker = openPickerView();
    return picker && picker->boundingBox().containsPoint(convertToNodeSpace(touch->getLocation()));
}

void CReceiveMoneyLayer::build() {
    setTouchEnabled(true);
    if (CCLabelBMFont* title = CCLabelBMFont::create(text("ReceiveMoneyTitle").c_str(), "Chinese.fnt")) {
        title->setColor(kTitleColour);
        title->setScale(1.2f);
        title->setPosition(ccp(535, 580));
        addChild(title, kTitleZ);
    }
    const int money = GameData::instance().user.money;
    if (CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(money).c_str(), "NumFont.fnt")) {
        label->setAnchorPoint(ccp(0, 0.5f));
        label->setPosition(ccp(125, 580));
        addChild(label, kMoneyZ);
    }

    m_ui = UILayer::create();
    m_ui->setTouchPriority(kUiPriority);
    addChild(m_ui);
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("ReceiveMoney.ExportJson");
    if (root == nullptr) {
        ClientLog::write("claim form: ReceiveMoney.ExportJson cannot be read");
        return;
    }
    m_ui->addWidget(root);

    m_manMark = widget("manselectedimage");
    m_ladyMark = widget("ladyselectedimage");
    if (m_manMark) m_manMark->setVisible(false);
    if (m_ladyMark) m_ladyMark->setVisible(false);

    m_nameBox = addInputBox("namefield", 200, static_cast<int>(kMostNameBytes), 10, false);
    m_qqBox = addInputBox("qqfield", 230, 12, 10, false);
    m_codeBox = addInputBox("yanzhengfield", 140, 4, 10, true);
    m_addressBox = addInputBox("detailedinformationfield", 600, 50, 5, true);

    for (int mode = 0; mode < 5; ++mode) m_choices[mode] = addLabelLeftOf(kChoiceFields[mode], 20);
    if (UIWidget* phone = widget("phonenumberlabel")) phone->setVisible(false);
    m_phoneLabel = addLabelLeftOf("phonenumberlabel", 20);
    if (m_phoneLabel) m_phoneLabel->setString(UserSession::instance().storedUserName().c_str());

    for (const char* name : {"backbtn", "yanzhengbtn", "lingqubtn", "manselectedbtn", "ladyselectedbtn", "shengbtn",
                             "shibtn", "yearbtn", "monthbtn", "daybtn"}) {
        if (UIWidget* button = widget(name)) {
            button->setTouchEnabled(true);
            button->addTouchEventListener(this, toucheventselector(CReceiveMoneyLayer::onButton));
        } else {
            ClientLog::write("claim form: ReceiveMoney.ExportJson has no %s", name);
        }
    }
    m_codeButton = widget("yanzhengbtn");
    m_saveButton = widget("lingqubtn");

    m_countdownLabel = CCLabelTTF::create(fillText(text("resend"), {std::to_string(kCountdownSeconds)}).c_str(),
                                          "simhei.ttf", 24);
    if (m_countdownLabel) {
        m_countdownLabel->setColor(kCountdownColour);
        if (UIWidget* place = widget("yanzhenglabel")) m_countdownLabel->setPosition(place->getWorldPosition());
        m_countdownLabel->setVisible(false);
        addChild(m_countdownLabel, kLabelZ);
    }
}

CInputBox* CReceiveMoneyLayer::addInputBox(const char* fieldName, float width, int maxLength, float distance,
                                           bool raised) {
    UIWidget* field = widget(fieldName);
    if (field == nullptr) {
        ClientLog::write("claim form: ReceiveMoney.ExportJson has no %s", fieldName);
        return nullptr;
    }
    auto* box = new CInputBox;
    box->autorelease();
    if (!box->init(CCSizeMake(width, kBoxHeight), kFontSize, kInputColour, CInputBox::kPlain)) return nullptr;
    box->setMaxLength(maxLength);
    box->setPlaceHolder(" ");
    box->moveCursorY(kCursorLift);
    // The cursor belongs with the text, not at the box's bottom edge, and shows on the light field.
    box->moveCursorY(static_cast<int>(kBoxHeight / 2) - 5);
    if (box->cursor()) box->cursor()->setColor(kInputColour);
    if (raised) box->setPriorityOffset(kRaisedOffset);
    const CCRect area = CCRectApplyAffineTransform(field->getLocalBounds(), field->nodeToWorldTransform());
    box->setPosition(ccp(area.getMinX() + distance + width / 2, area.getMidY()));
    addChild(box, kBoxZ);
    return box;
}

CCLabelTTF* CReceiveMoneyLayer::addLabelLeftOf(const char* widgetName, float gap) {
    UIWidget* place = widget(widgetName);
    if (place == nullptr) {
        ClientLog::write("claim form: ReceiveMoney.ExportJson has no %s", widgetName);
        return nullptr;
    }
    CCLabelTTF* label = CCLabelTTF::create("", "simhei.ttf", 30);
    if (label == nullptr) return nullptr;
    label->setColor(kLabelColour);
    label->setAnchorPoint(ccp(1, 0.5f));
    const CCPoint at = place->getWorldPosition();
    label->setPosition(ccp(at.x - gap, at.y));
    addChild(label, kLabelZ);
    return label;
}

void CReceiveMoneyLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* button = dynamic_cast<UIWidget*>(sender);
    if (button == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = button->getName();
    if (name == "backbtn") {
        SceneDirector::instance().showStore();
    } else if (name == "yanzhengbtn") {
        requestAuthCode();
    } else if (name == "lingqubtn") {
        saveReceiveInfo();
    } else if (name == "manselectedbtn") {
        chooseSex(1);
    } else if (name == "ladyselectedbtn") {
        chooseSex(0);
    } else {
        for (const PickerButton& picker : kPickers) {
            if (name == picker.name) openPicker(picker.mode);
        }
    }
}

void CReceiveMoneyLayer::chooseSex(int sex) {
    m_sex = sex == 1 ? 1 : 0;
    if (m_manMark) m_manMark->setVisible(m_sex == 1);
    if (m_ladyMark) m_ladyMark->setVisible(m_sex == 0);
}

void CReceiveMoneyLayer::openPicker(int mode) {
    const PickerButton* entry = nullptr;
    for (const PickerButton& picker : kPickers) {
        if (picker.mode == mode) entry = &picker;
    }
    UIWidget* button = entry ? widget(entry->name) : nullptr;
    if (button == nullptr) return;
    if (CCNode* old = getChildByTag(kPickerTag)) old->removeFromParentAndCleanup(true);
    if (mode == listView::Province && m_choices[1]) m_choices[1]->setString("");
    if (mode == listView::MonthOfYear && m_choices[4]) m_choices[4]->setString("");
    listView* picker = listView::create();
    if (picker == nullptr) return;
    picker->setDelegate(this);
    CCSize size = listView::sizeFor(mode);
    // The card follows the cells, whose texts stand in their middle, whatever the list's own width.
    size.width = listView::kCellWidth;
    picker->setContentSize(size);
    CCLayerColor* frame = CCLayerColor::create(ccc4(160, 98, 42, 255), size.width + 16, size.height + 6);
    frame->setPosition(ccp(-8, -3));
    picker->addChild(frame, -2);
    CCLayerColor* card = CCLayerColor::create(ccc4(255, 248, 232, 255), size.width + 10, size.height);
    card->setPosition(ccp(-5, 0));
    picker->addChild(card, -1);
    picker->fill(mode, 0);
    const CCPoint at = button->getWorldPosition();
    picker->setPosition(ccp(at.x - entry->offset.x, at.y - entry->offset.y));
    addChild(picker, kPickerZ, kPickerTag);
}

void CReceiveMoneyLayer::onListChosen(int mode, std::string chosen) {
    if (CCLabelTTF* label = choiceLabel(mode)) label->setString(chosen.c_str());
    // A tap on the list may also have landed on a box under it.
    for (CInputBox* box : {m_nameBox, m_qqBox, m_codeBox, m_addressBox}) {
        if (box) box->setAttached(false);
    }
    if (CCNode* picker = getChildByTag(kPickerTag)) {
        // Its table is still handling this touch: let it go at the end of the frame.
        picker->retain();
        picker->removeFromParentAndCleanup(true);
        picker->autorelease();
    }
}

bool CReceiveMoneyLayer::checkForm() {
    const std::string name = m_nameBox ? m_nameBox->getText() : "";
    const std::string qq = m_qqBox ? m_qqBox->getText() : "";
    const std::string address = m_addressBox ? m_addressBox->getText() : "";
    auto chosen = [this](int mode) { return m_choices[mode] ? std::string(m_choices[mode]->getString()) : ""; };
    const char* fault = nullptr;
    if (name.empty()) {
        fault = "verifyName";
    } else if (name.size() > kMostNameBytes || hasSpace(name)) {
        fault = "nameHaveSpace";
    } else if (onlyDigits(name)) {
        fault = "nameMustNotDigit";
    } else if (m_sex != 0 && m_sex != 1) {
        fault = "verifySex";
    } else if (qq.size() < 5 || qq.size() > 11) {
        fault = "verifyQQ";
    } else if (!onlyDigits(qq)) {
        fault = "qqMustDigit";
    } else if (chosen(2).empty() || chosen(3).empty() || chosen(4).empty()) {
        fault = "verifyBirth";
    } else if (chosen(0).empty() || chosen(1).empty() || address.empty()) {
        fault = "verifyAddr";
    } else if (onlyDigits(address)) {
        fault = "detailNotDigit";
    }
    if (fault == nullptr) return true;
    showBox(fault);
    return false;
}

void CReceiveMoneyLayer::requestAuthCode() {
    if (m_running || !checkForm()) return;
    RequestCatalogue::authCode({this, net_selector(CReceiveMoneyLayer::onAuthCode),
                                net_selector(CReceiveMoneyLayer::onRequestFailed)});
    m_countdown = kCountdownSeconds;
    showCountdownText(fillText(text("resend"), {std::to_string(m_countdown)}));
    showCountdown(true);
}

void CReceiveMoneyLayer::showCountdownText(const std::string& shown) {
    if (m_countdownLabel == nullptr) return;
    m_countdownLabel->setString(shown.c_str());
    // The longest text still fits on the button.
    const float room =
        m_codeButton
            ? CCRectApplyAffineTransform(m_codeButton->getLocalBounds(), m_codeButton->nodeToWorldTransform()).size.width - 16
            : 0;
    const float width = m_countdownLabel->getContentSize().width;
    m_countdownLabel->setScale(room > 0 && width > room ? room / width : 1.0f);
}

void CReceiveMoneyLayer::showCountdown(bool shown) {
    if (UIWidget* caption = widget("yanzhenglabel")) caption->setVisible(!shown);
    if (m_countdownLabel) m_countdownLabel->setVisible(shown);
}

void CReceiveMoneyLayer::setCodeButtonTouchable(bool touchable) {
    if (m_codeButton == nullptr) return;
    m_codeButton->setTouchEnabled(touchable);
    // Greyed while it rests, so the player sees why a tap does nothing.
    m_codeButton->setColor(touchable ? ccc3(255, 255, 255) : ccc3(150, 150, 150));
}

void CReceiveMoneyLayer::onAuthCode(int code) {
    if (code == 0) {
        ClientLog::write("requestAuthcodeDataSucceed");
        setCodeButtonTouchable(false);
        m_running = true;
        schedule(schedule_selector(CReceiveMoneyLayer::countdownTick), 1.0f);
        showBox("sendauthcodeSuccess");
    } else if (code == 1) {
        // No countdown runs: the button's own caption comes back, the countdown text stays as it was.
        showCountdown(false);
        showBox("sendTimesOver10");
    }
}

void CReceiveMoneyLayer::countdownTick(float) {
    if (!m_running) return;
    m_countdown = std::max(0, m_countdown - 1);
    if (m_countdown > 0) {
        showCountdownText(fillText(text("resend"), {std::to_string(m_countdown)}));
        return;
    }
    m_running = false;
    showCountdownText(text("resendover"));
    setCodeButtonTouchable(true);
    unschedule(schedule_selector(CReceiveMoneyLayer::countdownTick));
}

int CReceiveMoneyLayer::birthdayOf(const std::string& year, const std::string& month, const std::string& day) {
    const long y = std::strtol(year.c_str(), nullptr, 10);
    const long m = std::strtol(month.c_str(), nullptr, 10);
    const long d = std::strtol(day.c_str(), nullptr, 10);
    return static_cast<int>(y * 10000 + m * 100 + d);
}

void CReceiveMoneyLayer::saveReceiveInfo() {
    if (!checkForm()) return;
    const std::string code = m_codeBox ? m_codeBox->getText() : "";
    if (code.empty()) {
        showBox("verifyYanzhengma");
        return;
    }
    if (!onlyDigits(code) || code.size() < 4) {
        showBox("yanzhengMustDigit");
        return;
    }
    for (CInputBox* box : {m_nameBox, m_qqBox, m_codeBox, m_addressBox}) {
        if (box) box->setAttached(false);
    }
    Json::Value fields(Json::objectValue);
    fields["name"] = m_nameBox->getText();
    fields["sex"] = m_sex;
    fields["birthday"] = birthdayOf(m_choices[2]->getString(), m_choices[3]->getString(), m_choices[4]->getString());
    fields["job"] = "nujob";
    fields["province"] = m_choices[0]->getString();
    fields["city"] = m_choices[1]->getString();
    fields["fulladdress"] = m_addressBox->getText();
    fields["qq"] = m_qqBox->getText();
    fields["authcode"] = static_cast<int>(std::strtol(code.c_str(), nullptr, 10));
    RequestCatalogue::saveReceiveInfo(fields, {this, net_selector(CReceiveMoneyLayer::onInfoSaved),
                                               net_selector(CReceiveMoneyLayer::onRequestFailed)});
}

void CReceiveMoneyLayer::onInfoSaved(int code) {
    ClientLog::write("requestAuthcodeDataSucceed, %d", code);
    if (code == 0) {
        showBox("SaveDetailInfoSel", callfunc_selector(CReceiveMoneyLayer::openStore));
    } else if (code == 1) {
        showBox("SaveDetailInfofail");
    }
}

void CReceiveMoneyLayer::onRequestFailed(int) {
    ClientLog::write("requestAuthcodeDataFailed");
    // No code went out, so no countdown either.
    if (!m_running) showCountdown(false);
}

void CReceiveMoneyLayer::openStore() { SceneDirector::instance().showStore(); }

void CReceiveMoneyLayer::showBox(const char* key, SEL_CallFunc onSure) {
    AccountForm::showNoticeKey(this, key, onSure);
}
