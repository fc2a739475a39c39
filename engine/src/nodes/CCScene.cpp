#include "nodes/CCScene.h"

#include "director/CCDirector.h"

namespace cocos2d {

CCScene::CCScene()
{
    m_ignoreAnchorPointForPosition = true;
    setAnchorPoint(CCPoint(0.5f, 0.5f));
}

bool CCScene::init()
{
    setContentSize(CCDirector::sharedDirector()->getWinSize());
    return true;
}

CCScene* CCScene::create()
{
    auto* scene = new CCScene();
    if (scene->init()) {
        scene->autorelease();
        return scene;
    }
    delete scene;
    return nullptr;
}

} // namespace cocos2d
