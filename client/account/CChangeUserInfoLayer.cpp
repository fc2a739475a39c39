#include "account/CChangeUserInfoLayer.h"

#include "account/AccountForm.h"
#include "account/ProfileStatistics.h"
#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "widgets/CInputBox.h"
#include "widgets/CInputRecommenderLayer.h"
#include "widgets/CMyMessageBox.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <regex>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kFontSize = 25;
constexpr float kFieldInset = 10;
constexpr float kListButtonShift = 90;
constexpr int kRefereesTag = 10089;
const ccColor3B kInputColour = {60, 30, 10};
const ccColor3B kButtonTextColour = {250, 200, 50};

std::string text(const char* key) { return LocalText::instance().text(key); }

// Length of the well-formed UTF-8 character at s[i], 0 when the bytes there are not one.
size_t utf8Length(const std::string& s, size_t i) {
    const auto at = [&s](size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
    const auto cont = [&at](size_t k) { return (at(k) & 0xC0) == 0x80; };
    const unsigned lead = at(i);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return cont(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned second = at(i + 1);
        const bool ok = lead == 0xE0 ? (second >= 0xA0 && second <= 0xBF)   // no overlong forms
                        : lead == 0xED ? (second >= 0x80 && second <= 0x9F) // no surrogates
                                       : cont(i + 1);
        return ok && cont(i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned second = at(i + 1);
        const bool ok = lead == 0xF0 ? (second >= 0x90 && second <= 0xBF)
                        : lead == 0xF4 ? (second >= 0x80 && second <= 0x8F) // not above U+10FFFF
                                       : cont(i + 1);
        return ok && cont(i + 2) && cont(i + 3) ? 4 : 0;
    }
    return 0;
}

} // namespace

CCScene* CChangeUserInfoLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CChangeUserInfoLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CChangeUserInfoLayer* CChangeUserInfoLayer::create() {
    auto* layer = new CChangeUserInfoLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CChangeUserInfoLayer::Create Error!");
    return nullptr;
}

int CChangeUserInfoLayer::checkNickname(const std::string& nickname) {
    if (nickname.empty() || nickname.size() > 18) return 1;
    for (size_t i = 0; i < nickname.size();) {
        const size_t length = utf8Length(nickname, i);
        if (length == 0) return 1;
        const auto byte = static_cast<unsigned char>(nickname[i]);
        if (length == 1 && (byte <= 0x20 || byte == 0x7F || byte == '<' || byte == '>')) return 1;
        // The ideographic space is a space too, however wide.
        if (nickname.compare(i, length, "\xE3\x80\x80") == 0) return 1;
        i += length;
    }
    return 0;
}

int CChangeUserInfoLayer::checkEmail(const std::string& email) {
    if (email.empty()) return 0; // the address is optional
    static const std::regex pattern(R"(([0-9A-Za-z\-_\.]+)@([0-9a-z]+\.[a-z]{2,3}(\.[a-z]{2})?))");
    return std::regex_match(email, pattern) ? 0 : 1;
}

UIWidget* CChangeUserInfoLayer::widget(const char* name) const {
    return m_ui ? m_ui->getWidgetByName(name) : nullptr;
}

CCNode* CChangeUserInfoLayer::statisticsPanel() { return getChildByTag(kStatisticsTag); }

void CChangeUserInfoLayer::onEnter() {
    CCLayer::onEnter();
    // Back from a fade or a dialog: the screen is built once.
    if (m_ui) return;
    m_ui = UILayer::create();
    addChild(m_ui);
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("personalinfor.ExportJson");
    if (root == nullptr) {
        ClientLog::write("profile: personalinfor.ExportJson cannot be read");
        return;
    }
    m_ui->addWidget(root);
    for (const char* name : {"backbtn", "savebtn", "cancelbtn", "btn_tuijianren"}) {
        if (UIWidget* button = widget(name)) {
            button->setTouchEnabled(true);
            button->addTouchEventListener(this, toucheventselector(CChangeUserInfoLayer::onButton));
        } else {
            ClientLog::write("profile: personalinfor.ExportJson has no %s", name);
        }
    }
    if (UIWidget* save = widget("savelabel")) {
        if (CCLabelBMFont* label = CCLabelBMFont::create(text("save").c_str(), "Chinese.fnt")) {
            label->setColor(kButtonTextColour);
            save->addNode(label, 5);
        }
    }
    m_listLabel = labelOnButton("cancelbtn", "cancellabel", "BeiTuijianXiangQing");
    m_referrerLabel = labelOnButton("btn_tuijianren", "Label_tuijianren", "Tuijianren");

    const UserInfo& user = GameData::instance().user;
    m_nicknameBox = addInputBox("nicknamebg", 11, "InputNickName", user.nickname);
    m_emailBox = addInputBox("emailbg", 19, "InputEmail", user.email);
    addNumberLabel("jinluobobg", user.money, kMoneyTag);
    addNumberLabel("luobobg", user.score, kScoreTag);
    if (user.referrerId > 0) arrangeForReferrer();
    RequestCatalogue::referralStats({this, net_selector(CChangeUserInfoLayer::onStatistics), nullptr});
}

CCLabelBMFont* CChangeUserInfoLayer::labelOnButton(const char* buttonName, const char* labelName, const char* key) {
    UIWidget* button = widget(buttonName);
    UIWidget* place = widget(labelName);
    if (button == nullptr) return nullptr;
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) return nullptr;
    label->setColor(kButtonTextColour);
    // A child of its button, so it moves and hides with it; the button is drawn scaled, the title not.
    if (button->getScale() > 0) label->setScale(0.8f / button->getScale());
    if (place) {
        place->setVisible(false);
        label->setPosition(button->convertToNodeSpace(place->getParent()->convertToWorldSpace(place->getPosition())));
    }
    button->addNode(label, 5);
    return label;
}

CInputBox* CChangeUserInfoLayer::addInputBox(const char* backgroundName, int maxLength, const char* placeholderKey,
                                             const std::string& shown) {
    AccountForm::FieldBox options;
    options.fontSize = kFontSize;
    options.maxLength = maxLength;
    options.placeholderKey = placeholderKey;
    options.inset = kFieldInset;
    options.colour = kInputColour;
    CInputBox* box = AccountForm::addFieldBox(this, widget(backgroundName), options);
    if (box) box->setText(shown);
    return box;
}

void CChangeUserInfoLayer::addNumberLabel(const char* iconName, int value, int tag) {
    UIWidget* icon = widget(iconName);
    if (icon == nullptr) {
        ClientLog::write("profile: personalinfor.ExportJson has no %s", iconName);
        return;
    }
    CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(value).c_str(), "NumFont.fnt");
    if (label == nullptr) return;
    const CCPoint at = icon->getParent()->convertToWorldSpace(icon->getPosition());
    label->setPosition(ccp(at.x - 90, at.y));
    addChild(label, 99, tag);
}

void CChangeUserInfoLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* button = dynamic_cast<UIWidget*>(sender);
    if (button == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = button->getName();
    if (name == "backbtn") {
        SceneDirector::instance().showUserInfo();
    } else if (name == "savebtn") {
        saveProfile();
    } else if (name == "cancelbtn") {
        requestReferredFriends();
    } else if (name == "btn_tuijianren") {
        openReferrerDialog();
    }
}

void CChangeUserInfoLayer::showBox(const char* key) { AccountForm::showNoticeKey(this, key); }

void CChangeUserInfoLayer::saveProfile() {
    const std::string nickname = m_nicknameBox ? m_nicknameBox->getText() : "";
    const std::string email = m_emailBox ? m_emailBox->getText() : "";
    if (checkNickname(nickname) != 0) {
        showBox("NickNameLengthFalse");
        return;
    }
    if (checkEmail(email) != 0) {
        showBox("EmailFaise");
        return;
    }
    const UserInfo& user = GameData::instance().user;
    if (nickname == user.nickname && email == user.email) {
        showBox("nochangeInfo");
        return;
    }
    RequestCatalogue::changeUserInfo(nickname, email, user.tel, "", Json::Value(0), user.sex,
                                     {this, net_selector(CChangeUserInfoLayer::onProfileSaved),
                                      net_selector(CChangeUserInfoLayer::onProfileStatus)});
}

void CChangeUserInfoLayer::onProfileSaved(int code) {
    if (code == 0) {
        showBox("changeInfoSel");
        // The answer is the new player record: the panel's nickname line follows it.
        if (statisticsPanel()) onStatistics(m_statisticsCode);
    } else if (code == 1) {
        // A refusal is no success: say so, and the typed values stay for another try.
        showBox("changeInfoFail");
    } else {
        ClientLog::write("profile: save answered with code %d", code);
    }
}

void CChangeUserInfoLayer::onProfileStatus(int status) {
    ClientLog::write("profile: the save request ended with status %d", status);
}

void CChangeUserInfoLayer::onStatistics(int code) {
    m_statisticsCode = code;
    if (CCNode* old = statisticsPanel()) old->removeFromParentAndCleanup(true);
    if (code != 0) ClientLog::write("profile: no statistics (code %d)", code);
    const GameData& data = GameData::instance();
    addChild(profile_statistics::build(data.user, data.referralStats, code == 0), 3, kStatisticsTag);
}

void CChangeUserInfoLayer::openReferrerDialog() {
    if (getChildByTag(kReferrerDialogTag)) return;
    CInputRecommenderLayer* dialog =
        CInputRecommenderLayer::create(text("InputRecommendCode"), this,
                                       callfunc_selector(CChangeUserInfoLayer::sendReferrer), nullptr,
                                       CInputRecommenderLayer::kCodeEntry);
    if (dialog) addChild(dialog, kReferrerDialogZ, kReferrerDialogTag);
}

void CChangeUserInfoLayer::sendReferrer() {
    auto* dialog = dynamic_cast<CInputRecommenderLayer*>(getChildByTag(kReferrerDialogTag));
    if (dialog == nullptr) return;
    // The dialog let only digits through; leading zeros are no part of the number.
    const std::string code = dialog->inputText();
    const long long number = std::strtoll(code.c_str(), nullptr, 10);
    if (number <= 0 || number > INT_MAX) {
        // No player has such a number: refused as the server would refuse it.
        ClientLog::write("profile: referrer code %s is out of range", code.c_str());
        onReferrerSet(1);
        return;
    }
    RequestCatalogue::setReferrer(static_cast<int>(number),
                                  {this, net_selector(CChangeUserInfoLayer::onReferrerSet), nullptr});
}

void CChangeUserInfoLayer::onReferrerSet(int code) {
    if (CCNode* dialog = getChildByTag(kReferrerDialogTag)) dialog->removeFromParentAndCleanup(true);
    if (code == 0) {
        showBox("TuiJianMaYanZhengSuccess");
        arrangeForReferrer();
    } else if (code == 1) {
        showBox("TuiJianMaYanZhengFailed");
    }
}

void CChangeUserInfoLayer::arrangeForReferrer() {
    if (m_referrerArranged) return;
    m_referrerArranged = true;
    if (UIWidget* referrer = widget("btn_tuijianren")) {
        referrer->setEnabled(false);
        referrer->setTouchEnabled(false);
        referrer->setVisible(false);
    }
    if (m_referrerLabel) m_referrerLabel->setVisible(false);
    // Its label is its child and follows it.
    if (UIWidget* list = widget("cancelbtn")) list->setPositionX(list->getPositionX() + kListButtonShift);
}

void CChangeUserInfoLayer::requestReferredFriends() {
    m_referralPage = 0;
    m_gatheredRows.clear();
    RequestCatalogue::referralList(m_referralPage,
                                   {this, net_selector(CChangeUserInfoLayer::onReferredFriends), nullptr});
}

void CChangeUserInfoLayer::onReferredFriends(int code) {
    if (code != 1) return;
    const std::vector<ReferralItem>& items = GameData::instance().referrals;
    for (const ReferralItem& item : items) m_gatheredRows.push_back(CRefereesInfoLayer::rowOf(item));
    if (static_cast<int>(items.size()) >= kReferralPageSize) {
        if (m_referralPage + 1 < kMostReferralPages) {
            m_referralPage += 1;
            RequestCatalogue::referralList(m_referralPage,
                                           {this, net_selector(CChangeUserInfoLayer::onReferredFriends), nullptr});
            return;
        }
        ClientLog::write("profile: the referral list still goes on after %d pages; showing what came",
                         kMostReferralPages);
    }
    showReferees();
}

void CChangeUserInfoLayer::showReferees() {
    if (CCNode* old = getChildByTag(kRefereesTag)) old->removeFromParentAndCleanup(true);
    CRefereesInfoLayer* table = CRefereesInfoLayer::Create();
    if (table == nullptr) return;
    addChild(table, kRefereesZ, kRefereesTag);
    table->setRows(m_gatheredRows);
}
