#include "widgets/CContactPage.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/Platform.h"

USING_NS_CC;
USING_NS_CC_EXT;

CContactPage* CContactPage::create() {
    CContactPage* page = new CContactPage;
    if (page->init()) {
        page->autorelease();
        return page;
    }
    delete page;
    ClientLog::write("Fun CContactPage::Create Error!");
    return nullptr;
}

void CContactPage::setLabel(const char* name, const std::string& text) {
    if (auto* label = dynamic_cast<UILabel*>(getWidgetByName(name))) label->setText(text.c_str());
}

bool CContactPage::init() {
    if (!UILayer::init()) return false;
    // Above the menu's own layout layer, so the page gets its touches first.
    setTouchPriority(-200);
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("ours.ExportJson");
    if (!root) {
        ClientLog::write("contact page: ours.ExportJson cannot be read");
        return false;
    }
    addWidget(root);
    if (UIWidget* back = getWidgetByName("backbtn")) {
        back->addTouchEventListener(this, toucheventselector(CContactPage::onBack));
    }
    const LocalText& texts = LocalText::instance();
    setLabel("Label_640_0", texts.text("ContectUs"));
    setLabel("Label_640_2", texts.text("weixin"));
    setLabel("Label_640_1", texts.text("weibo"));
    setLabel("Label_640", kPhone1);
    setLabel("Label_640_3", kPhone2);
    std::string version = texts.text("versionNameLable");
    // The text is data, not a format: only its "%s" is filled in.
    if (const size_t at = version.find("%s"); at != std::string::npos) {
        version.replace(at, 2, clientVersion());
    } else {
        version += clientVersion();
    }
    setLabel("versionNameLable", version);
    return true;
}

void CContactPage::onBack(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) removeFromParent();
}
