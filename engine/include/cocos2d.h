// Everything of the engine core, as the cocos2d-x 2.2 "cocos2d.h".
#pragma once

#include "base/CCAffineTransform.h"
#include "base/CCArray.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCBool.h"
#include "base/CCConsole.h"
#include "base/CCDictionary.h"
#include "base/CCDouble.h"
#include "base/CCFloat.h"
#include "base/CCGeometry.h"
#include "base/CCInteger.h"
#include "base/CCObject.h"
#include "base/CCPointExtension.h"
#include "base/CCSet.h"
#include "base/CCString.h"
#include "base/ccMacros.h"
#include "base/ccTypes.h"
#include "nodes/CCCamera.h"
#include "nodes/CCLayer.h"
#include "nodes/CCLayerColor.h"
#include "nodes/CCLayerRGBA.h"
#include "nodes/CCNode.h"
#include "nodes/CCNodeRGBA.h"
#include "nodes/CCRGBAProtocol.h"
#include "nodes/CCScene.h"
#include "actions/CCAction.h"
#include "actions/CCActionCamera.h"
#include "actions/CCActionEase.h"
#include "actions/CCActionInstant.h"
#include "actions/CCActionInterval.h"
#include "actions/CCActionManager.h"
#include "actions/CCBezierBy.h"
#include "actions/CCBezierTo.h"
#include "actions/CCBlink.h"
#include "actions/CCCallFunc.h"
#include "actions/CCCallFuncN.h"
#include "actions/CCCallFuncND.h"
#include "actions/CCCallFuncO.h"
#include "actions/CCCardinalSplineBy.h"
#include "actions/CCCardinalSplineTo.h"
#include "actions/CCCatmullRomBy.h"
#include "actions/CCCatmullRomTo.h"
#include "actions/CCDelayTime.h"
#include "actions/CCEaseBackIn.h"
#include "actions/CCEaseBackInOut.h"
#include "actions/CCEaseBackOut.h"
#include "actions/CCEaseBounce.h"
#include "actions/CCEaseBounceIn.h"
#include "actions/CCEaseBounceInOut.h"
#include "actions/CCEaseBounceOut.h"
#include "actions/CCEaseElastic.h"
#include "actions/CCEaseElasticIn.h"
#include "actions/CCEaseElasticInOut.h"
#include "actions/CCEaseElasticOut.h"
#include "actions/CCEaseExponentialIn.h"
#include "actions/CCEaseExponentialInOut.h"
#include "actions/CCEaseExponentialOut.h"
#include "actions/CCEaseIn.h"
#include "actions/CCEaseInOut.h"
#include "actions/CCEaseOut.h"
#include "actions/CCEaseRateAction.h"
#include "actions/CCEaseSineIn.h"
#include "actions/CCEaseSineInOut.h"
#include "actions/CCEaseSineOut.h"
#include "actions/CCFadeIn.h"
#include "actions/CCFadeOut.h"
#include "actions/CCFadeTo.h"
#include "actions/CCFiniteTimeAction.h"
#include "actions/CCFlipX.h"
#include "actions/CCFlipY.h"
#include "actions/CCFlippable.h"
#include "actions/CCHide.h"
#include "actions/CCJumpBy.h"
#include "actions/CCJumpTo.h"
#include "actions/CCMoveBy.h"
#include "actions/CCMoveTo.h"
#include "actions/CCOrbitCamera.h"
#include "actions/CCPlace.h"
#include "actions/CCPointArray.h"
#include "actions/CCRemoveSelf.h"
#include "actions/CCRepeat.h"
#include "actions/CCRepeatForever.h"
#include "actions/CCReverseTime.h"
#include "actions/CCRotateBy.h"
#include "actions/CCRotateTo.h"
#include "actions/CCScaleBy.h"
#include "actions/CCScaleTo.h"
#include "actions/CCSequence.h"
#include "actions/CCShow.h"
#include "actions/CCSkewBy.h"
#include "actions/CCSkewTo.h"
#include "actions/CCSpawn.h"
#include "actions/CCSpeed.h"
#include "actions/CCTargetedAction.h"
#include "actions/CCTintBy.h"
#include "actions/CCTintTo.h"
#include "actions/CCToggleVisibility.h"
#include "director/CCDirector.h"
#include "director/CCEGLViewProtocol.h"
#include "director/CCScheduler.h"
#include "director/CCTimer.h"
#include "director/CCTransitionFade.h"
#include "director/CCTransitionScene.h"
#include "touch/CCEvent.h"
#include "touch/CCKeypadDelegate.h"
#include "touch/CCKeypadDispatcher.h"
#include "touch/CCMouseWheelDispatcher.h"
#include "touch/CCTextInputRouter.h"
#include "touch/CCTouch.h"
#include "touch/CCTouchDelegateProtocol.h"
#include "touch/CCTouchDispatcher.h"
#include "touch/CCTouchHandler.h"

// The rendering side, included as its headers exist.
#if __has_include("render/Renderer.h")
#include "render/Renderer.h"
#endif
#if __has_include("render/Mat4.h")
#include "render/Mat4.h"
#endif
#if __has_include("sprites/CCTexture2D.h")
#include "sprites/CCTexture2D.h"
#endif
#if __has_include("sprites/CCTextureCache.h")
#include "sprites/CCTextureCache.h"
#endif
#if __has_include("sprites/CCSpriteFrame.h")
#include "sprites/CCSpriteFrame.h"
#endif
#if __has_include("sprites/CCSpriteFrameCache.h")
#include "sprites/CCSpriteFrameCache.h"
#endif
#if __has_include("sprites/CCSprite.h")
#include "sprites/CCSprite.h"
#endif
#if __has_include("sprites/CCSpriteBatchNode.h")
#include "sprites/CCSpriteBatchNode.h"
#endif
#if __has_include("sprites/CCAnimation.h")
#include "sprites/CCAnimation.h"
#endif
#if __has_include("sprites/CCAnimationFrame.h")
#include "sprites/CCAnimationFrame.h"
#endif
#if __has_include("sprites/CCAnimationCache.h")
#include "sprites/CCAnimationCache.h"
#endif
#if __has_include("sprites/CCAnimate.h")
#include "sprites/CCAnimate.h"
#endif
#if __has_include("sprites/CCDrawNode.h")
#include "sprites/CCDrawNode.h"
#endif
#if __has_include("sprites/CCClippingNode.h")
#include "sprites/CCClippingNode.h"
#endif
#if __has_include("sprites/CCRenderTexture.h")
#include "sprites/CCRenderTexture.h"
#endif
#if __has_include("sprites/CCParticleSystem.h")
#include "sprites/CCParticleSystem.h"
#endif
#if __has_include("sprites/CCParticleSystemQuad.h")
#include "sprites/CCParticleSystemQuad.h"
#endif
#if __has_include("sprites/CCParticleExamples.h")
#include "sprites/CCParticleExamples.h"
#endif
#if __has_include("sprites/CCMotionStreak.h")
#include "sprites/CCMotionStreak.h"
#endif
#if __has_include("sprites/CCProgressTimer.h")
#include "sprites/CCProgressTimer.h"
#endif
#if __has_include("sprites/CCProgressTo.h")
#include "sprites/CCProgressTo.h"
#endif
#if __has_include("sprites/CCProgressFromTo.h")
#include "sprites/CCProgressFromTo.h"
#endif
#if __has_include("labels/CCLabelTTF.h")
#include "labels/CCLabelTTF.h"
#endif
#if __has_include("labels/CCLabelBMFont.h")
#include "labels/CCLabelBMFont.h"
#endif
#if __has_include("labels/CCLabelAtlas.h")
#include "labels/CCLabelAtlas.h"
#endif
#if __has_include("labels/CCTextFieldTTF.h")
#include "labels/CCTextFieldTTF.h"
#endif
#if __has_include("labels/CCIMEDelegate.h")
#include "labels/CCIMEDelegate.h"
#endif
#if __has_include("labels/CCIMEDispatcher.h")
#include "labels/CCIMEDispatcher.h"
#endif
#if __has_include("menu/CCMenu.h")
#include "menu/CCMenu.h"
#endif
#if __has_include("menu/CCMenuItem.h")
#include "menu/CCMenuItem.h"
#endif
#if __has_include("menu/CCMenuItemLabel.h")
#include "menu/CCMenuItemLabel.h"
#endif
#if __has_include("menu/CCMenuItemFont.h")
#include "menu/CCMenuItemFont.h"
#endif
#if __has_include("menu/CCMenuItemSprite.h")
#include "menu/CCMenuItemSprite.h"
#endif
#if __has_include("menu/CCMenuItemImage.h")
#include "menu/CCMenuItemImage.h"
#endif
#if __has_include("menu/CCMenuItemToggle.h")
#include "menu/CCMenuItemToggle.h"
#endif
#if __has_include("support/CCUserDefault.h")
#include "support/CCUserDefault.h"
#endif
#if __has_include("support/CCFileUtils.h")
#include "support/CCFileUtils.h"
#endif
#if __has_include("support/CCNS.h")
#include "support/CCNS.h"
#endif
#if __has_include("support/CCSAXParser.h")
#include "support/CCSAXParser.h"
#endif
#if __has_include("platform/CCImage.h")
#include "platform/CCImage.h"
#endif
#if __has_include("platform/CCEGLView.h")
#include "platform/CCEGLView.h"
#endif
#if __has_include("platform/CCApplication.h")
#include "platform/CCApplication.h"
#endif
#if __has_include("platform/CCApplicationProtocol.h")
#include "platform/CCApplicationProtocol.h"
#endif
#if __has_include("platform/CCCommon.h")
#include "platform/CCCommon.h"
#endif

// Core nodes that cocos2d-x 2.2 ships in its main header, though ours live with the extensions.
#if __has_include("extensions/CCClippingNode.h")
#include "extensions/CCClippingNode.h"
#endif
#if __has_include("extensions/CCDrawNode.h")
#include "extensions/CCDrawNode.h"
#endif
#if __has_include("extensions/CCIMEDelegate.h")
#include "extensions/CCIMEDelegate.h"
#endif
#if __has_include("extensions/CCIMEDispatcher.h")
#include "extensions/CCIMEDispatcher.h"
#endif
#if __has_include("extensions/CCMotionStreak.h")
#include "extensions/CCMotionStreak.h"
#endif
#if __has_include("extensions/CCParticleSystem.h")
#include "extensions/CCParticleSystem.h"
#endif
#if __has_include("extensions/CCParticleSystemQuad.h")
#include "extensions/CCParticleSystemQuad.h"
#endif
#if __has_include("extensions/CCParticleExamples.h")
#include "extensions/CCParticleExamples.h"
#endif
#if __has_include("extensions/CCParticleBatchNode.h")
#include "extensions/CCParticleBatchNode.h"
#endif
#if __has_include("extensions/CCRenderTexture.h")
#include "extensions/CCRenderTexture.h"
#endif
#if __has_include("extensions/CCTextFieldTTF.h")
#include "extensions/CCTextFieldTTF.h"
#endif

#include "testing/EngineTesting.h"
