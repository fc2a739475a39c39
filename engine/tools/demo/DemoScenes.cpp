#include "DemoScenes.h"

#include "DemoLayer.h"

using namespace cocos2d;

namespace demo {

namespace {

CCLabelTTF* ttf(const char* text, float size, CCPoint pos, CCNode* parent)
{
    CCLabelTTF* label = CCLabelTTF::create(text, "Arial", size);
    if (label) {
        label->setPosition(pos);
        parent->addChild(label, 5);
    }
    return label;
}

CCFiniteTimeAction* backAndForth(CCPoint a, CCPoint b, float seconds)
{
    return CCSequence::create(CCEaseInOut::create(CCMoveTo::create(seconds, b), 2.0f),
                              CCEaseInOut::create(CCMoveTo::create(seconds, a), 2.0f), nullptr);
}

DemoLayer* baseLayer(CCScene* scene, ccColor4B background, std::function<CCScene*()> other)
{
    scene->addChild(CCLayerColor::create(background));
    auto* layer = new DemoLayer();
    layer->initWithSwitch(std::move(other));
    layer->autorelease();
    scene->addChild(layer);
    return layer;
}

} // namespace

CCScene* createSpritesScene()
{
    CCSpriteFrameCache* frames = CCSpriteFrameCache::sharedSpriteFrameCache();
    frames->addSpriteFramesWithFile("grossini.plist");
    frames->addSpriteFramesWithFile("grossini-generic.plist");
    frames->addSpriteFramesWithFile("ui.plist");

    CCScene* scene = CCScene::create();
    DemoLayer* layer = baseLayer(scene, ccc4(36, 58, 92, 255), createTextScene);
    ttf("精灵与动作 · Sprites and actions", 36, CCPoint(480, 596), layer);

    // A dancer: frame animation plus an eased walk back and forth.
    if (CCSprite* dancer = CCSprite::createWithSpriteFrameName("grossini_dance_01.png")) {
        CCArray* dance = CCArray::create();
        for (int i = 1; i <= 14; ++i)
            if (CCSpriteFrame* f = frames->spriteFrameByName(CCString::createWithFormat("grossini_dance_%02d.png", i)->getCString()))
                dance->addObject(f);
        dancer->setPosition(CCPoint(140, 400));
        dancer->runAction(CCRepeatForever::create(CCAnimate::create(CCAnimation::createWithSpriteFrames(dance, 0.1f))));
        dancer->runAction(CCRepeatForever::create(
            static_cast<CCActionInterval*>(backAndForth(CCPoint(140, 400), CCPoint(420, 400), 2.0f))));
        layer->addChild(dancer, 2);
    }

    // Rotated frames of the generic sheet in one batch, pulsing with a back-out easing.
    if (CCSpriteFrame* first = frames->spriteFrameByName("grossini_dance_generic_01.png")) {
        CCSpriteBatchNode* batch = CCSpriteBatchNode::createWithTexture(first->getTexture());
        for (int i = 0; i < 5; ++i) {
            CCSprite* s = CCSprite::createWithSpriteFrameName(
                CCString::createWithFormat("grossini_dance_generic_%02d.png", i + 1)->getCString());
            if (!s)
                continue;
            s->setPosition(CCPoint(560 + 80 * i, 380));
            s->setScale(0.8f);
            s->runAction(CCRepeatForever::create(CCSequence::create(
                CCDelayTime::create(0.15f * i), CCEaseBackOut::create(CCScaleTo::create(0.6f, 1.1f)),
                CCEaseBackOut::create(CCScaleTo::create(0.6f, 0.8f)), nullptr)));
            batch->addChild(s);
        }
        layer->addChild(batch, 2);
    }

    // A coin that runs a sequence ending in a callback.
    if (CCSprite* coin = CCSprite::createWithSpriteFrameName("coin.png")) {
        coin->setPosition(CCPoint(140, 250));
        coin->setScale(2.0f);
        coin->runAction(CCSequence::create(CCMoveBy::create(1.2f, CCPoint(280, 0)), CCRotateBy::create(0.6f, 360),
                                           CCCallFunc::create(layer, callfunc_selector(DemoLayer::sequenceDone)),
                                           nullptr));
        layer->addChild(coin, 3);
    }

    if (CCLabelBMFont* bm = CCLabelBMFont::create("BMFont: Hello, Brindle!", "futura.fnt")) {
        bm->setPosition(CCPoint(720, 250));
        bm->setColor(ccc3(255, 220, 120));
        layer->addChild(bm, 4);
    }

    CCLabelTTF* status = ttf("点击空白处切换场景 · tap anywhere to switch", 22, CCPoint(480, 30), layer);
    layer->setStatus(status);

    CCMenuItemLabel* play = CCMenuItemLabel::create(CCLabelTTF::create("开始 Play", "Arial", 30), layer,
                                                    menu_selector(DemoLayer::menuPressed));
    CCMenuItemSprite* button = CCMenuItemSprite::create(CCSprite::createWithSpriteFrameName("button_normal.png"),
                                                        CCSprite::createWithSpriteFrameName("button_actived.png"),
                                                        layer, menu_selector(DemoLayer::menuPressed));
    CCMenu* menu = CCMenu::create();
    if (play) {
        play->setTag(1);
        menu->addChild(play);
    }
    if (button) {
        button->setTag(2);
        button->setScale(3.0f);
        menu->addChild(button);
    }
    menu->alignItemsHorizontallyWithPadding(60);
    menu->setPosition(CCPoint(480, 120));
    layer->addChild(menu, 6);
    return scene;
}

CCScene* createTextScene()
{
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("ui.plist");
    CCScene* scene = CCScene::create();
    DemoLayer* layer = baseLayer(scene, ccc4(92, 40, 62, 255), createSpritesScene);
    ttf("文字 · Text", 36, CCPoint(480, 596), layer);

    CCLayerColor* box = CCLayerColor::create(ccc4(255, 255, 255, 40), 420, 220);
    box->setPosition(CCPoint(40, 300));
    layer->addChild(box, 1);
    CCLabelTTF* paragraph = CCLabelTTF::create(
        "小兔子在胡萝卜田里跳来跳去，真开心！The rabbit hops through the carrot field and wraps at the box edge.",
        "Arial", 24, CCSize(420, 220), kCCTextAlignmentLeft, kCCVerticalTextAlignmentTop);
    if (paragraph) {
        paragraph->setAnchorPoint(CCPoint(0, 0));
        paragraph->setPosition(CCPoint(40, 300));
        layer->addChild(paragraph, 2);
    }

    CCLayerColor* box2 = CCLayerColor::create(ccc4(255, 255, 255, 40), 400, 120);
    box2->setPosition(CCPoint(520, 400));
    layer->addChild(box2, 1);
    CCLabelTTF* right = CCLabelTTF::create("右对齐，垂直居中\nright, centred", "Arial", 26, CCSize(400, 120),
                                           kCCTextAlignmentRight, kCCVerticalTextAlignmentCenter);
    if (right) {
        right->setPosition(CCPoint(720, 460));
        right->setColor(ccc3(255, 230, 150));
        layer->addChild(right, 2);
    }

    if (CCLabelBMFont* bm = CCLabelBMFont::create("美好的一天 · Ça va? 好!", "arial-unicode-26.fnt", 400,
                                                  kCCTextAlignmentCenter)) {
        bm->setPosition(CCPoint(720, 320));
        layer->addChild(bm, 2);
        bm->runAction(CCRepeatForever::create(CCSequence::create(CCTintTo::create(1.0f, 120, 255, 160),
                                                                 CCTintTo::create(1.0f, 255, 255, 255), nullptr)));
    }

    const char* icons[] = {"coin.png", "crystal.png", "item_bg.png", "dialog_corner.png"};
    for (int i = 0; i < 4; ++i) {
        if (CCSprite* s = CCSprite::createWithSpriteFrameName(icons[i])) {
            s->setPosition(CCPoint(120 + 110 * i, 200));
            s->setScale(2.0f);
            s->runAction(CCRepeatForever::create(CCRotateBy::create(3.0f + i, 360)));
            layer->addChild(s, 2);
        }
    }

    CCMenuItemFont::setFontName("Arial");
    CCMenuItemFont::setFontSize(28);
    CCMenuItemFont* font = CCMenuItemFont::create("字体按钮 Font item", layer, menu_selector(DemoLayer::menuPressed));
    CCMenuItemImage* close =
        CCMenuItemImage::create("CloseNormal.png", "CloseSelected.png", layer, menu_selector(DemoLayer::menuPressed));
    CCMenu* menu = CCMenu::create();
    if (font) {
        font->setTag(3);
        menu->addChild(font);
    }
    if (close) {
        close->setTag(4);
        close->setScale(1.5f);
        menu->addChild(close);
    }
    menu->alignItemsHorizontallyWithPadding(40);
    menu->setPosition(CCPoint(700, 200));
    layer->addChild(menu, 6);

    CCLabelTTF* status = ttf("点击空白处返回 · tap anywhere to go back", 22, CCPoint(480, 30), layer);
    layer->setStatus(status);
    return scene;
}

} // namespace demo
