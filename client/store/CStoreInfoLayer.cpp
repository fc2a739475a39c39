#include "store/CStoreInfoLayer.h"

#include "account/AccountForm.h"
#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "menu/AccountPrompt.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "store/CBaseStoreInfoLayer.h"
#include "widgets/CImageView.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <algorithm>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kFontSize = 35;
constexpr float kFieldHeight = 58;
constexpr float kFieldInset = 14;
constexpr float kCaptionScale = 0.85f;
constexpr float kCaptionRight = 470;
constexpr int kAccountBytes = 40;
constexpr int kReceiverBytes = 30;
constexpr int kAddressBytes = 200;
constexpr int kMostPieces = 99;
const ccColor3B kInputColour = {60, 30, 10};
const ccColor3B kCaptionColour = {110, 60, 20};
const ccColor3B kTitleColour = {250, 200, 50};

std::string text(const char* key) { return LocalText::instance().text(key); }

bool isDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

CStoreInfoLayer* CStoreInfoLayer::create(const GoodsInfo& goods, int mode, int extra) {
    auto* layer = new CStoreInfoLayer;
    if (layer->initWith(goods, mode, extra)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CStoreInfoLayer::Create Error!");
    return nullptr;
}

CCNode* CStoreInfoLayer::make(const GoodsInfo& goods, int mode, int extra) { return create(goods, mode, extra); }

CStoreInfoLayer::Delivery CStoreInfoLayer::deliveryOf(int goodsTypeId) {
    if (goodsTypeId == 0) return kTelephone;
    if (goodsTypeId >= 4 && goodsTypeId <= 6) return kPost;
    return kAccount;
}

UIWidget* CStoreInfoLayer::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

bool CStoreInfoLayer::initWith(const GoodsInfo& goods, int mode, int extra) {
    if (!CCLayer::init()) return false;
    m_goods = goods;
    m_mode = mode;
    m_extra = extra;
    m_messageText = text("exchangeSmsText");
    setTouchEnabled(true);
    m_ui = UILayer::create();
    // Ahead of every touch handler of the store below, behind the boxes and input boxes on top.
    m_ui->setTouchPriority(kUiPriority);
    addChild(m_ui);
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("showgoods.ExportJson");
    if (root == nullptr) {
        // Still a dialog the player can leave: the back button is all it needs.
        ClientLog::write("exchange: showgoods.ExportJson cannot be read");
        return true;
    }
    m_ui->addWidget(root);
    for (const char* name : {"backbtn", "jianbtn", "jiabtn", "messagebtn", "exchangebtn"}) {
        if (UIWidget* button = widget(name)) {
            button->setTouchEnabled(true);
            button->addTouchEventListener(this, toucheventselector(CStoreInfoLayer::onButton));
        } else {
            ClientLog::write("exchange: showgoods.ExportJson has no %s", name);
        }
    }
    // Until the detail is in there is nothing to choose or exchange.
    for (const char* name : {"jianbtn", "jiabtn", "jianbg", "jiabg", "numberlabel", "messagebtn", "exchangebtn"}) {
        if (UIWidget* w = widget(name)) w->setVisible(false);
    }
    return true;
}

void CStoreInfoLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kBlockPriority, true);
}

void CStoreInfoLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    if (m_detailAsked) return;
    m_detailAsked = true;
    CBaseStoreInfoLayer::load(this, m_goods.goodsId);
}

void CStoreInfoLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* button = dynamic_cast<UIWidget*>(sender);
    if (button == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = button->getName();
    if (name == "backbtn") {
        close();
    } else if (!m_built) {
        return;
    } else if (name == "jianbtn") {
        lowerCount();
    } else if (name == "jiabtn") {
        raiseCount();
    } else if (name == "messagebtn") {
        askMessage();
    } else if (name == "exchangebtn") {
        exchange();
    }
}

void CStoreInfoLayer::close() {
    if (m_closed) return;
    m_closed = true;
    for (CInputBox* box : m_boxes) box->setAttached(false);
    SceneDirector::instance().closeStoreInfo();
    retain();
    removeFromParentAndCleanup(true);
    autorelease();
}

void CStoreInfoLayer::onDetail(int code) {
    if (code != 0) {
        ClientLog::write("exchange: no detail for goods %d (code %d)", m_goods.goodsId, code);
        showNotice(text("goodsDetailFail"));
        return;
    }
    if (m_built) return;
    const GoodsDetail& detail = GameData::instance().goodsDetail;
    if (detail.goodsId != 0 && detail.goodsId != m_goods.goodsId) {
        ClientLog::write("exchange: detail of goods %d for goods %d; ignored", detail.goodsId, m_goods.goodsId);
        return;
    }
    m_limit = std::min(detail.number, kMostPieces);
    if (m_limit < 1) {
        // Nothing may be taken at all: the count shows 0 and the exchange says so.
        ClientLog::write("exchange: goods %d allows %d pieces", m_goods.goodsId, detail.number);
        m_limit = 0;
        m_count = 0;
    }
    m_built = true;
    buildCommonPart();
    buildForm();
}

void CStoreInfoLayer::caption(const char* key, float y) {
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) return;
    label->setColor(kCaptionColour);
    label->setScale(kCaptionScale);
    label->setAnchorPoint(ccp(1, 0.5f));
    label->setPosition(ccp(kCaptionRight, y));
    addChild(label, 3);
}

void CStoreInfoLayer::buildCommonPart() {
    const GoodsDetail& detail = GameData::instance().goodsDetail;
    if (auto* name = dynamic_cast<UILabel*>(widget("namelabel"))) name->setText(m_goods.goodsName.c_str());
    if (auto* price = dynamic_cast<UILabel*>(widget("pricelabel"))) {
        const std::string shown =
            m_goods.scorePrice > 0
                ? fillText(text("goodsPriceBoth"), {std::to_string(m_goods.moneyPrice), std::to_string(m_goods.scorePrice)})
                : fillText(text("goodsPriceMoney"), {std::to_string(m_goods.moneyPrice)});
        price->setText(shown.c_str());
    }
    if (auto* limit = dynamic_cast<UILabel*>(widget("changelabel"))) {
        limit->setText(fillText(text("exchangeLimit"), {std::to_string(m_limit)}).c_str());
    }
    if (auto* describe = dynamic_cast<UILabel*>(widget("messagelabel"))) describe->setText(detail.describe.c_str());
    m_countLabel = dynamic_cast<UILabel*>(widget("numberlabel"));
    for (const char* name : {"jianbtn", "jiabtn", "jianbg", "jiabg", "numberlabel", "exchangebtn"}) {
        if (UIWidget* w = widget(name)) w->setVisible(true);
    }
    // A text message only goes with telephone credit.
    if (UIWidget* message = widget("messagebtn")) {
        message->setVisible(delivery() == kTelephone);
        message->setTouchEnabled(delivery() == kTelephone);
        // Alone, the exchange button takes the middle.
        UIWidget* exchange = widget("exchangebtn");
        if (exchange && delivery() != kTelephone) {
            exchange->setPositionX(exchange->getPositionX() - (exchange->getPositionX() - message->getPositionX()) / 2);
        }
    }
    showCount();

    const std::pair<const char*, const char*> captions[] = {
        {"shopName", "namelabel"}, {"shopMoney", "pricelabel"}, {"number", "numberlabel"}, {"shopInfo", nullptr}};
    for (const auto& [key, beside] : captions) {
        UIWidget* w = beside ? widget(beside) : widget("messagelabel");
        if (w == nullptr) continue;
        const float y = beside ? w->getWorldPosition().y : w->getWorldPosition().y - 14;
        caption(key, y);
    }
    if (UIWidget* frame = widget("picframe")) {
        CCSprite* picture = Pictures::sprite("showgoods.png");
        picture->setScale(0.6f);
        picture->setPosition(frame->getWorldPosition());
        addChild(picture, 2);
        // The goods' own picture from the server covers the gift once it has arrived.
        if (!m_goods.goodsImg.empty()) {
            // Shown only once loaded: no dark square over the gift while it loads, or if it never does.
            // The view tells nobody (the dialog may be closed before the answer comes); it is watched.
            m_ownPicture = CImageView::create(m_goods.goodsImg, "progress.png", CCSizeMake(180, 200));
            if (m_ownPicture != nullptr) {
                m_ownPicture->setPosition(frame->getWorldPosition());
                m_ownPicture->setVisible(m_ownPicture->isLoaded());
                addChild(m_ownPicture, 3);
                if (!m_ownPicture->isLoaded()) schedule(schedule_selector(CStoreInfoLayer::watchPicture), 0.1f);
            }
        }
    }
    if (UIWidget* button = widget("exchangebtn")) {
        if (CCLabelBMFont* title = CCLabelBMFont::create(text("ExChange").c_str(), "Chinese.fnt")) {
            title->setColor(kTitleColour);
            title->setScale(1.0f / std::max(0.1f, button->getScale()));
            const CCSize size = button->getContentSize();
            title->setPosition(ccp(size.width / 2, size.height / 2));
            button->addNode(title, 5);
        }
    }
}

void CStoreInfoLayer::watchPicture(float) {
    if (m_ownPicture != nullptr && m_ownPicture->isLoaded()) {
        m_ownPicture->setVisible(true);
        unschedule(schedule_selector(CStoreInfoLayer::watchPicture));
    }
}

CInputBox* CStoreInfoLayer::addField(float x, float y, float width, int maxLength, const char* placeholderKey) {
    UIWidget* view = widget("view1");
    if (view == nullptr) {
        ClientLog::write("exchange: showgoods.ExportJson has no view1");
        return nullptr;
    }
    UIImageView* field = UIImageView::create();
    field->setScale9Enabled(true);
    field->loadTexture("common_textField.png", UI_TEX_TYPE_PLIST);
    field->setCapInsets(CCRectMake(30, 30, 340, 40));
    field->setSize(CCSizeMake(width, kFieldHeight));
    field->setPosition(ccp(x, y));
    view->addChild(field);
    AccountForm::FieldBox options;
    options.fontSize = kFontSize;
    options.maxLength = maxLength;
    options.placeholderKey = placeholderKey;
    options.inset = kFieldInset;
    options.colour = kInputColour;
    options.cursorOnText = true;
    CInputBox* box = AccountForm::addFieldBox(this, field, options);
    if (box) m_boxes.push_back(box);
    return box;
}

void CStoreInfoLayer::buildForm() {
    UIWidget* view = widget("view1");
    const float width = view ? view->getSize().width : 820;
    const float height = view ? view->getSize().height : 140;
    const float half = (width - 40) / 2;
    switch (delivery()) {
    case kTelephone:
        addField(half / 2 + 10, height / 2, half, kTelephoneLength, "inputTel");
        addField(width - half / 2 - 10, height / 2, half, kTelephoneLength, "reTel");
        break;
    case kAccount:
        addField(half / 2 + 10, height / 2, half, kAccountBytes, "inputAccount");
        addField(width - half / 2 - 10, height / 2, half, kAccountBytes, "reAccount");
        break;
    case kPost: {
        const float nameWidth = 300;
        const float addressWidth = width - nameWidth - 40;
        addField(nameWidth / 2 + 10, height * 3 / 4, nameWidth, kReceiverBytes, "userName");
        addField(width - addressWidth / 2 - 10, height * 3 / 4, addressWidth, kAddressBytes, "userAddress");
        addField(half / 2 + 10, height / 4, half, kTelephoneLength, "inputTel");
        addField(width - half / 2 - 10, height / 4, half, kTelephoneLength, "reTel");
        break;
    }
    }
}

void CStoreInfoLayer::showCount() {
    if (m_countLabel) m_countLabel->setText(std::to_string(m_count).c_str());
}

void CStoreInfoLayer::lowerCount() {
    if (m_count > 1) m_count -= 1;
    showCount();
}

void CStoreInfoLayer::raiseCount() {
    if (m_count < m_limit) m_count += 1;
    showCount();
}

void CStoreInfoLayer::askMessage() {
    CCNode* parent = getParent() ? getParent() : this;
    CMyMessageBox* box = CMyMessageBox::create(text("tips"), text("smsContent") + m_messageText, text("yes"), "",
                                               text("no"), this, 0, callfunc_selector(CStoreInfoLayer::messageYes),
                                               nullptr, callfunc_selector(CStoreInfoLayer::messageNo), nullptr, false);
    if (box == nullptr) return;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    parent->addChild(box, kBoxZ);
}

void CStoreInfoLayer::messageYes() { m_messageFlag = true; }

void CStoreInfoLayer::messageNo() { m_messageFlag = false; }

void CStoreInfoLayer::openClaimForm() { SceneDirector::instance().showReceiveMoney(); }

bool CStoreInfoLayer::passesAccountChecks() {
    CCNode* parent = getParent() ? getParent() : this;
    if (AccountPrompt::showIfDue(parent, "noRegisterChangeTip", kBoxZ)) return false;
    if (GameData::instance().user.infoFilled) return true;
    CMyMessageBox* box = CMyMessageBox::create("", text("receiveMoneyTip"), text("receiveMoneyNow"), "",
                                               text("nextTime"), this, 0,
                                               callfunc_selector(CStoreInfoLayer::openClaimForm), nullptr, nullptr,
                                               nullptr, false);
    if (box) {
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        box->setPosition(ccp(window.width / 2, window.height / 2));
        parent->addChild(box, kBoxZ);
    }
    return false;
}

bool CStoreInfoLayer::telephoneFieldsValid(CInputBox* first, CInputBox* second) const {
    if (first == nullptr || second == nullptr) return false;
    const std::string number = first->getText();
    // A mobile number is eleven digits; anything else would only come back refused.
    return static_cast<int>(number.size()) == kTelephoneLength && isDigits(number) && number == second->getText();
}

void CStoreInfoLayer::exchange() {
    if (!m_built || !passesAccountChecks()) return;
    auto box = [this](size_t i) { return i < m_boxes.size() ? m_boxes[i] : nullptr; };
    Json::Value extra(Json::objectValue);
    switch (delivery()) {
    case kTelephone:
        if (!telephoneFieldsValid(box(0), box(1))) {
            showNotice(text("inpTelAndReTel"));
            return;
        }
        if (m_count <= 0) {
            showNotice(text("CannotBeZero"));
            return;
        }
        if (m_messageFlag) extra["address"] = m_messageText;
        send(box(0)->getText(), extra);
        break;
    case kAccount: {
        if (box(0) == nullptr || box(1) == nullptr || box(0)->getText() != box(1)->getText()) {
            showNotice(text("inpAccountAndReAccount"));
            return;
        }
        if (box(0)->getText().empty()) {
            showNotice(text("inputAccount"));
            return;
        }
        if (m_count <= 0) {
            showNotice(text("CannotBeZero"));
            return;
        }
        send(box(0)->getText(), extra);
        break;
    }
    case kPost:
        if (box(0) == nullptr || box(1) == nullptr || box(0)->getText().empty() || box(1)->getText().empty()) {
            showNotice(text("inputNameAddress"));
            return;
        }
        if (!telephoneFieldsValid(box(2), box(3))) {
            showNotice(text("inpTelAndReTel"));
            return;
        }
        if (m_count <= 0) {
            showNotice(text("CannotBeZero"));
            return;
        }
        extra["name"] = box(0)->getText();
        extra["address"] = box(1)->getText();
        send(box(2)->getText(), extra);
        break;
    }
}

void CStoreInfoLayer::send(const std::string& extraInfo, const Json::Value& extra) {
    for (CInputBox* box : m_boxes) box->setAttached(false);
    RequestCatalogue::exchangeGoods(m_goods.goodsId, m_count, extraInfo, extra,
                                    {this, net_selector(CStoreInfoLayer::onExchanged),
                                     net_selector(CStoreInfoLayer::onExchangeFailed)});
}

void CStoreInfoLayer::onExchanged(int code) {
    const std::string tip = GameData::instance().exchangeTip;
    if (!tip.empty()) {
        showNotice(tip);
    } else {
        ClientLog::write("exchange: the answer (code %d) brought no text", code);
        showNotice(text(code == 0 ? "exchangeDone" : "exchangeRefused"));
    }
    if (code == 0) refreshMoneyBelow();
}

void CStoreInfoLayer::onExchangeFailed(int status) {
    ClientLog::write("exchange: the exchange request ended with status %d", status);
}

void CStoreInfoLayer::refreshMoneyBelow() {
    CCNode* scene = getParent();
    CCArray* children = scene ? scene->getChildren() : nullptr;
    const UserInfo& user = GameData::instance().user;
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (auto* view = dynamic_cast<StoreMoneyView*>(static_cast<CCObject*>(children->objectAtIndex(i)))) {
            view->showMoney(user.money, user.score);
        }
    }
}

void CStoreInfoLayer::showNotice(const std::string& message) { AccountForm::showNotice(this, message); }
