#include "director/CCTransitionFade.h"

#include "actions/CCCallFunc.h"
#include "actions/CCFadeIn.h"
#include "actions/CCFadeOut.h"
#include "actions/CCSequence.h"
#include "nodes/CCLayerColor.h"

namespace cocos2d {

CCTransitionFade* CCTransitionFade::create(float duration, CCScene* scene, const ccColor3B& color)
{
    auto* transition = new CCTransitionFade();
    if (transition->initWithDuration(duration, scene, color)) {
        transition->autorelease();
        return transition;
    }
    delete transition;
    return nullptr;
}

CCTransitionFade* CCTransitionFade::create(float duration, CCScene* scene)
{
    return create(duration, scene, ccBLACK);
}

bool CCTransitionFade::initWithDuration(float t, CCScene* scene, const ccColor3B& color)
{
    if (!CCTransitionScene::initWithDuration(t, scene))
        return false;
    m_tColor = ccc4(color.r, color.g, color.b, 0);
    return true;
}

bool CCTransitionFade::initWithDuration(float t, CCScene* scene)
{
    return initWithDuration(t, scene, ccBLACK);
}

void CCTransitionFade::onEnter()
{
    CCTransitionScene::onEnter();
    CCLayerColor* layer = CCLayerColor::create(m_tColor);
    m_pInScene->setVisible(false);
    addChild(layer, 2, kSceneFade);
    CCFiniteTimeAction* sequence = CCSequence::create(
        CCFadeIn::create(m_fDuration / 2), CCCallFunc::create(this, callfunc_selector(CCTransitionScene::hideOutShowIn)),
        CCFadeOut::create(m_fDuration / 2), CCCallFunc::create(this, callfunc_selector(CCTransitionScene::finish)),
        nullptr);
    layer->runAction(sequence);
}

void CCTransitionFade::onExit()
{
    CCTransitionScene::onExit();
    removeChildByTag(kSceneFade, false);
}

} // namespace cocos2d
