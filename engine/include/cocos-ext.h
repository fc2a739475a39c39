// The extensions of cocos2d-x 2.2 as the game uses them: CocoStudio layouts and widgets, armatures,
// scroll and table views, nine-slice sprites, control buttons, plus the other extension nodes
// (particles, clipping, render textures, draw nodes, motion streaks, text fields) that live in our
// extensions library.
#pragma once

#include "cocos2d.h"

#include "extensions/CCIMEDelegate.h"
#include "extensions/CCIMEDispatcher.h"
#include "extensions/CCParticleBatchNode.h"
#include "extensions/CCParticleExamples.h"
#include "extensions/CCParticleSystem.h"
#include "extensions/CCParticleSystemQuad.h"
#include "extensions/CCTextFieldTTF.h"
#include "extensions/armature/CCArmature.h"
#include "extensions/armature/CCArmatureAnimation.h"
#include "extensions/armature/CCArmatureDataManager.h"
#include "extensions/armature/CCBone.h"
#include "extensions/control/CCScale9Sprite.h"
#include "extensions/gui/ClickSound.h"
#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIButton.h"
#include "extensions/gui/UICheckBox.h"
#include "extensions/gui/UIHelper.h"
#include "extensions/gui/UIImageView.h"
#include "extensions/gui/UILabel.h"
#include "extensions/gui/UILabelAtlas.h"
#include "extensions/gui/UILabelBMFont.h"
#include "extensions/gui/UILayer.h"
#include "extensions/gui/UILayout.h"
#include "extensions/gui/UIListView.h"
#include "extensions/gui/UILoadingBar.h"
#include "extensions/gui/UIPageView.h"
#include "extensions/gui/UIScrollView.h"
#include "extensions/gui/UISlider.h"
#include "extensions/gui/UITextField.h"
#if __has_include("extensions/control/CCControlButton.h")
#include "extensions/control/CCControlButton.h"
#endif
#if __has_include("extensions/table/CCTableView.h")
#include "extensions/table/CCScrollView.h"
#include "extensions/table/CCTableView.h"
#include "extensions/table/CCTableViewCell.h"
#endif
#if __has_include("extensions/CCClippingNode.h")
#include "extensions/CCClippingNode.h"
#endif
#if __has_include("extensions/CCRenderTexture.h")
#include "extensions/CCRenderTexture.h"
#endif
#if __has_include("extensions/CCDrawNode.h")
#include "extensions/CCDrawNode.h"
#endif
#if __has_include("extensions/CCMotionStreak.h")
#include "extensions/CCMotionStreak.h"
#endif

#define NS_CC_EXT_BEGIN namespace cocos2d { namespace extension {
#define NS_CC_EXT_END } }
#define USING_NS_CC_EXT using namespace cocos2d::extension

// The 2.2.2/2.2.3 spellings of the widget classes.
namespace cocos2d::ui {
using Widget = extension::UIWidget;
using Button = extension::UIButton;
using ImageView = extension::UIImageView;
using Label = extension::UILabel;
using LabelAtlas = extension::UILabelAtlas;
using LabelBMFont = extension::UILabelBMFont;
using Layout = extension::UILayout;
using ScrollView = extension::UIScrollView;
using ListView = extension::UIListView;
using PageView = extension::UIPageView;
using CheckBox = extension::UICheckBox;
using TextField = extension::UITextField;
using LoadingBar = extension::UILoadingBar;
using Slider = extension::UISlider;
using TouchGroup = extension::UILayer;
using Helper = extension::UIHelper;
} // namespace cocos2d::ui
