#include "GalleryScene.h"

#include <cmath>
#include <string>

#include "cocos-ext.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace demo {

namespace {

class GalleryLayer : public CCLayer, public CCTableViewDataSource, public CCTableViewDelegate {
public:
    CREATE_FUNC(GalleryLayer);

    bool init() override
    {
        if (!CCLayer::init())
            return false;
        CCFileUtils* files = CCFileUtils::sharedFileUtils();
        std::string root = files->getResourceRoot();
        if (!root.empty() && root.back() != '/')
            root += '/';
        addChild(CCLayerColor::create(ccc4(40, 44, 52, 255)), -10);

        addLayout(root);
        addArmature(root);
        addParticles(root);
        addClipping(root);
        addControlButton(root);
        addTable();
        addTextField();
        addStreak(root);
        scheduleUpdate();
        return true;
    }

    // --- table
    unsigned int numberOfCellsInTableView(CCTableView*) override { return 30; }
    CCSize tableCellSizeForIndex(CCTableView*, unsigned int) override { return CCSize(200, 32); }
    CCTableViewCell* tableCellAtIndex(CCTableView* table, unsigned int idx) override
    {
        CCTableViewCell* cell = table->dequeueCell();
        if (!cell) {
            cell = CCTableViewCell::create();
            CCLayerColor* band = CCLayerColor::create(ccc4(70, 90, 120, 255), 196, 28);
            band->setPosition(CCPoint(2, 2));
            cell->addChild(band, 0, 1);
            CCLabelTTF* label = CCLabelTTF::create("", "Arial", 18);
            label->setPosition(CCPoint(100, 16));
            cell->addChild(label, 1, 2);
        }
        static_cast<CCLabelTTF*>(cell->getChildByTag(2))->setString(("Row " + std::to_string(idx)).c_str());
        return cell;
    }
    void tableCellTouched(CCTableView*, CCTableViewCell* cell) override
    {
        m_status->setString(("Table: row " + std::to_string(cell->getIdx())).c_str());
    }

private:
    void caption(const char* text, float x, float y)
    {
        CCLabelTTF* label = CCLabelTTF::create(text, "Arial", 16);
        label->setPosition(CCPoint(x, y));
        label->setColor(ccc3(200, 200, 200));
        addChild(label, 20);
    }

    void addLayout(const std::string& root)
    {
        UILayer* ui = UILayer::create();
        UIWidget* layout = GUIReader::shareReader()->widgetFromJsonFile((root + "cocostudio-ui/startMenu/startMenu_1.json").c_str());
        if (layout) {
            layout->setScale(0.4f);
            layout->setPosition(CCPoint(0, 384));
            ui->addWidget(layout);
            if (UIWidget* button = UIHelper::seekWidgetByName(layout, "Button"))
                button->addTouchEventListener(this, toucheventselector(GalleryLayer::onLayoutButton));
        }
        addChild(ui, 5);
        caption("CocoStudio layout", 190, 372);
        m_status = CCLabelTTF::create("Tap the layout button or a table row", "Arial", 18);
        m_status->setPosition(CCPoint(480, 620));
        addChild(m_status, 20);
    }

    void onLayoutButton(CCObject*, TouchEventType type)
    {
        if (type == TOUCH_EVENT_ENDED)
            m_status->setString(("Layout button pressed " + std::to_string(++m_presses) + "x").c_str());
    }

    void addArmature(const std::string& root)
    {
        CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo(
            (root + "cocostudio-armature/HeroAnimation/HeroAnimation.ExportJson").c_str());
        if (CCArmature* hero = CCArmature::create("HeroAnimation")) {
            hero->setPosition(CCPoint(560, 400));
            hero->setScale(0.8f);
            hero->getAnimation()->play("run");
            addChild(hero, 2);
        }
        caption("Armature", 560, 372);
    }

    void addParticles(const std::string& root)
    {
        if (CCParticleSystemQuad* phoenix = CCParticleSystemQuad::create((root + "particles/Phoenix.plist").c_str())) {
            phoenix->setPosition(CCPoint(840, 470));
            phoenix->setScale(0.6f);
            addChild(phoenix, 2);
        }
        caption("Particles", 840, 372);
    }

    void addClipping(const std::string& root)
    {
        CCSprite* stencil = CCSprite::create((root + "cocostudio-ui/CocoGUISample/ccicon.png").c_str());
        if (!stencil)
            return;
        stencil->setScale(1.8f);
        stencil->setPosition(CCPoint(110, 190));
        CCClippingNode* clip = CCClippingNode::create(stencil);
        clip->setInverted(true);
        clip->setAlphaThreshold(0.05f);
        CCLayerColor* content = CCLayerColor::create(ccc4(230, 120, 40, 255), 200, 150);
        content->setPosition(CCPoint(10, 115));
        clip->addChild(content);
        addChild(clip, 2);
        caption("Inverted clipping", 110, 100);
    }

    void addControlButton(const std::string& root)
    {
        CCScale9Sprite* background =
            CCScale9Sprite::create((root + "cocostudio-ui/ScrollView_Both/buttonBackground.png").c_str());
        if (!background)
            return;
        CCControlButton* button = CCControlButton::create(CCLabelTTF::create("Nine-slice", "Arial", 22), background);
        button->setPreferredSize(CCSize(200, 60));
        button->setPosition(CCPoint(330, 190));
        button->addTargetWithActionForControlEvents(this, cccontrol_selector(GalleryLayer::onControl),
                                                    CCControlEventTouchUpInside);
        addChild(button, 3);
        caption("Control button", 330, 140);
    }

    void onControl(CCObject*, CCControlEvent) { m_status->setString("Nine-slice button pressed"); }

    void addTable()
    {
        CCTableView* table = CCTableView::create(this, CCSize(200, 200));
        table->setDelegate(this);
        table->setVerticalFillOrder(kCCTableViewFillTopDown);
        table->setPosition(CCPoint(470, 90));
        table->reloadData();
        addChild(table, 3);
        caption("Table view", 570, 70);
    }

    void addTextField()
    {
        CCLayerColor* box = CCLayerColor::create(ccc4(255, 255, 255, 40), 240, 40);
        box->setPosition(CCPoint(720, 250));
        addChild(box, 1);
        m_field = CCTextFieldTTF::textFieldWithPlaceHolder("type here", "Arial", 24);
        m_field->setPosition(CCPoint(840, 270));
        addChild(m_field, 3);
        m_field->attachWithIME();
        caption("Text field", 840, 230);
    }

    void addStreak(const std::string& root)
    {
        m_streak = CCMotionStreak::create(0.6f, 3, 16, ccc3(120, 220, 255),
                                          (root + "particles/particleTexture.png").c_str());
        if (m_streak)
            addChild(m_streak, 4);
        caption("Motion streak", 840, 70);
    }

    void update(float dt) override
    {
        m_time += dt;
        if (m_streak)
            m_streak->setPosition(CCPoint(840 + 70 * std::cos(m_time * 3), 150 + 50 * std::sin(m_time * 3)));
    }

    CCLabelTTF* m_status = nullptr;
    CCTextFieldTTF* m_field = nullptr;
    CCMotionStreak* m_streak = nullptr;
    float m_time = 0;
    int m_presses = 0;
};

} // namespace

CCScene* createGalleryScene()
{
    CCScene* scene = CCScene::create();
    scene->addChild(GalleryLayer::create());
    return scene;
}

} // namespace demo
