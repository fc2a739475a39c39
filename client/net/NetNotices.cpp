#include "net/NetNotices.h"

#include "app/LocalText.h"
#include "net/NetTypes.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;

CCPoint NetNotices::windowCentre() {
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    return ccp(size.width / 2, size.height / 2);
}

namespace {

// Network boxes have no handlers, but a box without target ignores its buttons: this one lets
// "sure" close them.
CCObject* noticeTarget() {
    static CCObject* target = new CCObject;
    return target;
}

CMyMessageBox* makeBox(const std::string& text) {
    CMyMessageBox* box = CMyMessageBox::create("", text, "", LocalText::instance().text("sure"), "", noticeTarget(), 0,
                                               nullptr, nullptr, nullptr, nullptr, false);
    if (box) {
        box->setPosition(NetNotices::windowCentre());
    }
    return box;
}

} // namespace

CCNode* NetNotices::makeNetworkBox(const char* key) { return makeBox(LocalText::instance().text(key)); }

void NetNotices::addNetworkBox(CCNode* parent, const char* key, int tag) {
    if (CCNode* box = makeNetworkBox(key)) {
        parent->addChild(box, kNetworkBoxZ, tag);
    }
}

void NetNotices::addTextBox(CCNode* parent, const std::string& text, int tag) {
    if (CCNode* box = makeBox(text)) {
        parent->addChild(box, kNetworkBoxZ, tag);
    }
}

void NetNotices::removeUserScreenOverlay(CCNode* scene) {
    if (scene == nullptr) {
        return;
    }
    if (scene->getChildByTag(kUserSceneCoverTag)) {
        scene->removeChildByTag(kUserSceneCoverTag);
        return;
    }
    CCArray* children = scene->getChildren();
    if (children == nullptr) {
        return;
    }
    for (unsigned i = 0; i < children->count(); ++i) {
        auto* child = static_cast<CCNode*>(children->objectAtIndex(i));
        if (child->getChildByTag(kUserSceneCoverTag)) {
            child->removeChildByTag(kUserSceneCoverTag);
            return;
        }
    }
}
