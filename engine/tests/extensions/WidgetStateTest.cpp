#include "ExtTestSupport.h"
#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIButton.h"
#include "extensions/gui/UIHelper.h"
#include "extensions/gui/UILayer.h"
#include "extensions/gui/UITextField.h"
#include "nodes/CCScene.h"

using namespace cocos2d;
using namespace cocos2d::extension;
namespace et = engine::testing;

namespace {

class FieldEvents : public CCObject {
public:
    void onField(CCObject*, TextFiledEventType type) { events.push_back(type); }
    std::vector<int> events;
};

class WidgetStateTest : public exttest::ExtensionTest {};

TEST_F(WidgetStateTest, ButtonShowsThePictureOfItsState)
{
    SKIP_WITHOUT_SAMPLES();
    UIButton* button = UIButton::create();
    const std::string dir = exttest::samples("cocostudio-ui/examples/Test/UIResForEditor/Button/");
    button->loadTextures((dir + "button_country_n.png").c_str(), (dir + "button_country_p.png").c_str(),
                         (dir + "button_country_un.png").c_str());
    EXPECT_FLOAT_EQ(button->getSize().width, 78); // follows the normal picture
    auto visiblePictures = [&] {
        int count = 0;
        for (CCObject* child : *static_cast<CCNode*>(button)->CCNode::getChildren())
            count += static_cast<CCNode*>(child)->isVisible() && static_cast<CCNode*>(child)->getContentSize().width > 60;
        return count;
    };
    EXPECT_EQ(visiblePictures(), 1);
    button->setFocused(true); // pressed
    EXPECT_EQ(visiblePictures(), 1);
    button->setFocused(false);
    button->setBright(false); // disabled look
    EXPECT_EQ(visiblePictures(), 1);
    button->setTitleText("Go");
    EXPECT_STREQ(button->getTitleText(), "Go");
}

TEST_F(WidgetStateTest, PercentPositionsFollowTheParent)
{
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonText(
        R"({"version":"1.2.0.0","widgetTree":{"classname":"Panel","options":{"name":"root","width":400,"height":200},
        "children":[{"classname":"Panel","options":{"name":"half","positionType":1,"positionPercentX":0.5,"positionPercentY":0.25,
        "sizeType":1,"sizePercentX":0.5,"sizePercentY":0.5}}]}})",
        "percent.ExportJson", "");
    ASSERT_NE(root, nullptr);
    CCScene* scene = CCScene::create();
    UILayer* layer = UILayer::create();
    layer->addWidget(root);
    scene->addChild(layer);
    et::runScene(scene);
    UIWidget* half = UIHelper::seekWidgetByName(root, "half");
    ASSERT_NE(half, nullptr);
    EXPECT_FLOAT_EQ(half->getPositionX(), 200);
    EXPECT_FLOAT_EQ(half->getPositionY(), 50);
    EXPECT_FLOAT_EQ(half->getSize().width, 200);
    root->setSize(CCSize(800, 400));
    EXPECT_FLOAT_EQ(half->getPositionX(), 400);
    EXPECT_FLOAT_EQ(half->getSize().height, 200);
}

TEST_F(WidgetStateTest, TextFieldAttachesOnTouchAndKeepsItsLimit)
{
    CCScene* scene = CCScene::create();
    UILayer* layer = UILayer::create();
    UITextField* field = UITextField::create();
    field->setName("field");
    field->setPlaceHolder("name");
    field->setTouchSize(CCSize(200, 40));
    field->setPosition(CCPoint(300, 300));
    field->setMaxLengthEnabled(true);
    field->setMaxLength(3);
    FieldEvents events;
    field->addEventListenerTextField(&events, textfieldeventselector(FieldEvents::onField));
    layer->addWidget(field);
    scene->addChild(layer);
    et::runScene(scene);
    et::tap(300, 300);
    for (const char* key : {"a", "b", "c", "d"})
        et::typeText(key);
    et::pressBackspace();
    EXPECT_STREQ(field->getStringValue(), "ab");
    EXPECT_EQ(events.events, (std::vector<int>{TEXTFIELD_EVENT_ATTACH_WITH_IME, TEXTFIELD_EVENT_INSERT_TEXT,
                                               TEXTFIELD_EVENT_INSERT_TEXT, TEXTFIELD_EVENT_INSERT_TEXT,
                                               TEXTFIELD_EVENT_DELETE_BACKWARD}));
    field->setText("\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97\xE5\x85\xB8"); // four characters, cut to three
    EXPECT_STREQ(field->getStringValue(), "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97");
    field->didNotSelectSelf();
    EXPECT_EQ(events.events.back(), TEXTFIELD_EVENT_DETACH_WITH_IME);
}

} // namespace
