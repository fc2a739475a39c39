#include "account/AccountForm.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include <algorithm>

USING_NS_CC;
USING_NS_CC_EXT;

namespace AccountForm {

namespace {

const ccColor3B kTitleColour = {250, 200, 50};
const ccColor3B kTextColour = {0, 0, 0};

CCNode* noticeParent(CCNode* screen) {
    if (screen == nullptr) return nullptr;
    return screen->getParent() ? screen->getParent() : screen;
}

} // namespace

CInputBox* addFieldBox(CCNode* parent, UIWidget* field, const FieldBox& options) {
    if (parent == nullptr || field == nullptr) {
        ClientLog::write("account form: an input field is missing from the layout");
        return nullptr;
    }
    // The field in the parent's space, whatever its anchor and scale.
    const CCRect area = CCRectApplyAffineTransform(field->getLocalBounds(), field->nodeToWorldTransform());
    const float width = std::max(60.0f, area.size.width - 2 * options.inset);
    const float height = std::max(40.0f, area.size.height - 6);
    auto* box = new CInputBox;
    box->autorelease();
    if (!box->init(CCSizeMake(width, height), options.fontSize, options.colour, options.mode)) {
        ClientLog::write("account form: an input box could not be made");
        return nullptr;
    }
    box->setMaxLength(options.maxLength);
    box->setPlaceHolder(LocalText::instance().text(options.placeholderKey));
    box->moveCursorY(options.cursorDy);
    if (options.cursorOnText) {
        box->moveCursorY(static_cast<int>(height / 2) - 5);
        if (box->cursor()) box->cursor()->setColor(options.colour);
    }
    // The box lays itself out around its centre.
    box->setPosition(ccp(area.getMinX() + options.inset + width / 2, area.getMidY()));
    parent->addChild(box, 5);
    return box;
}

void titleWidget(UIWidget* widget, const char* key, UIWidget* button) {
    if (widget == nullptr) {
        ClientLog::write("account form: no widget for the title %s", key);
        return;
    }
    CCLabelBMFont* label = CCLabelBMFont::create(LocalText::instance().text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) {
        ClientLog::write("account form: Chinese.fnt cannot be read");
        return;
    }
    label->setColor(kTitleColour);
    if (button) {
        const float room = CCRectApplyAffineTransform(button->getLocalBounds(), button->nodeToWorldTransform())
                               .size.width * 0.8f;
        const float width = label->getContentSize().width;
        if (width > room && room > 0) label->setScale(room / width);
    }
    const CCRect bounds = widget->getLocalBounds();
    label->setPosition(ccp(bounds.getMidX(), bounds.getMidY()));
    widget->addNode(label, 5);
}

CMyMessageBox* showNotice(CCNode* screen, const std::string& text, SEL_CallFunc onSure) {
    CCNode* parent = noticeParent(screen);
    if (parent == nullptr) return nullptr;
    if (parent->getChildByTag(kNoticeTag)) parent->removeChildByTag(kNoticeTag);
    // With the screen as target and no handler, "sure" still closes the box.
    CMyMessageBox* box = CMyMessageBox::create("", text, "", LocalText::instance().text("sure"), "", screen, 0,
                                               nullptr, onSure, nullptr, nullptr, false);
    if (box == nullptr) return nullptr;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    parent->addChild(box, kNoticeZ, kNoticeTag);
    return box;
}

CMyMessageBox* showNoticeKey(CCNode* screen, const char* key, SEL_CallFunc onSure) {
    return showNotice(screen, LocalText::instance().text(key), onSure);
}

CMyMessageBox* currentNotice(CCNode* screen) {
    CCNode* parent = noticeParent(screen);
    return parent ? dynamic_cast<CMyMessageBox*>(parent->getChildByTag(kNoticeTag)) : nullptr;
}

bool noticeShown(CCNode* screen, const std::string& text) {
    CCNode* parent = noticeParent(screen);
    CCArray* children = parent ? parent->getChildren() : nullptr;
    for (unsigned i = 0; children && i < children->count(); ++i) {
        auto* box = dynamic_cast<CMyMessageBox*>(static_cast<CCObject*>(children->objectAtIndex(i)));
        if (box && box->messageText() == text) return true;
    }
    return false;
}

} // namespace AccountForm
