#include "store/CStoreTilePage.h"

#include "app/ClientLog.h"
#include "app/SceneDirector.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsLayer.h"
#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kGridZ = 2, kPagerZ = 3, kLabelZ = 3, kTitleZ = 1;
// The bar's buttons and page field are drawn right of its origin; this centres them under the panel.
const CCPoint kPagerAt = ccp(-50, 8);
const ccColor3B kEmptyColour = {150, 110, 70};

} // namespace

UIWidget* CStoreTilePage::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

void CStoreTilePage::build(const char* layoutFile, const char* titlePicture, const char* logName,
                           const std::string& emptyText) {
    m_logName = logName;
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(layoutFile)) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("%s: %s cannot be read", logName, layoutFile);
    }
    if (UIWidget* back = widget("backbtn")) {
        back->setTouchEnabled(true);
        back->addTouchEventListener(this, toucheventselector(CStoreTilePage::onBack));
    } else {
        ClientLog::write("%s: %s has no backbtn", logName, layoutFile);
    }
    // The layout may draw its own title; otherwise the page puts the picture where the label is.
    UIWidget* label = widget("shoujilabel");
    if (widget("title") == nullptr && label != nullptr) {
        CCSprite* title = Pictures::sprite(titlePicture);
        title->setScale(0.6667f);
        title->setPosition(label->getParent()->convertToWorldSpace(label->getPosition()));
        addChild(title, kTitleZ);
    }

    CCSize size = CCSizeMake(740, 408);
    CCPoint at = ccp(110, 124);
    if (UIWidget* host = widget("goodsview")) {
        size = host->getSize();
        at = host->getParent()->convertToWorldSpace(host->getPosition());
    } else {
        ClientLog::write("%s: %s has no goodsview", logName, layoutFile);
    }
    m_grid = CGoodsGrid::create(size);
    m_grid->setPosition(at);
    m_grid->setPageHandler([this](int page, int count) { onGridPage(page, count); });
    addChild(m_grid, kGridZ);

    m_emptyLabel = Pictures::label(emptyText, 30, CCSizeMake(size.width - 80, 0), kCCTextAlignmentCenter);
    m_emptyLabel->setColor(kEmptyColour);
    m_emptyLabel->setPosition(ccp(at.x + size.width / 2, at.y + size.height / 2));
    m_emptyLabel->setVisible(false);
    addChild(m_emptyLabel, kLabelZ);

    m_pager = CPageController::create();
    if (m_pager) {
        m_pager->setDelegate(this);
        m_pager->setPosition(kPagerAt);
        addChild(m_pager, kPagerZ);
    }
    m_grid->setEntries(0, nullptr);
}

void CStoreTilePage::showEntries(int count, const std::function<CGoodsLayer*(int)>& make) {
    if (m_emptyLabel) m_emptyLabel->setVisible(count <= 0);
    if (m_grid) m_grid->setEntries(count, make);
}

bool CStoreTilePage::answerWanted(int sceneId) const {
    return SceneDirector::instance().currentSceneId() == sceneId && isRunning();
}

void CStoreTilePage::onPageChanged(int page, int) {
    // The bar reports its page also when it could not move; the grid refuses pages it lacks.
    if (m_grid && page != m_grid->currentPage()) m_grid->showPage(page);
}

void CStoreTilePage::onGridPage(int page, int pageCount) {
    if (m_pager == nullptr) return;
    m_pager->setPageCount(pageCount);
    m_pager->setCurrentPage(page);
}

void CStoreTilePage::onBack(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) SceneDirector::instance().switchTo(kStoreScene);
}
