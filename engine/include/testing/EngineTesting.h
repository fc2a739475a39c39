// Helpers for headless tests of engine users: the manual clock, injected input at design
// coordinates (y up, as touches report them), tag-path look-up and a text dump of the node tree.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "base/CCGeometry.h"

namespace cocos2d {
class CCNode;
class CCScene;
} // namespace cocos2d

namespace engine::testing {

// Director back to a clean, stopped state on the manual clock, with the null renderer.
void resetEngine();
// Runs the scene as the first scene and steps one frame so it has entered.
void runScene(cocos2d::CCScene* scene);
void stepFrames(int frames, float dt = 1.0f / 60.0f);
// Frames of 1/60 s covering at least `seconds`.
void stepSeconds(float seconds);

void touchBegan(float x, float y, int id = 0);
void touchMoved(float x, float y, int id = 0);
void touchEnded(float x, float y, int id = 0);
void touchCancelled(float x, float y, int id = 0);
// Began then ended at the same point, no frame in between.
void tap(float x, float y, int id = 0);
void pressBack();
void pressMenu();
// Notches away from the user are positive; each is 120.
void wheel(int notches);
// Delivered to the input method (the attached text field), if one is installed.
void typeText(const std::string& utf8);
void pressBackspace();
void pressEnter();

// Follows getChildByTag from root; null if any step is missing.
cocos2d::CCNode* findByTagPath(cocos2d::CCNode* root, std::initializer_list<int> tags);
cocos2d::CCNode* findByTagPath(cocos2d::CCNode* root, const std::vector<int>& tags);
// One line per node, two spaces of indent per level, children in draw order:
//   ClassName tag=3 z=0 pos=(10,20) scale=(1,1) visible=1 opacity=255 text="..."
// (opacity only for nodes with colour, text only when debugText() is not empty).
std::string dumpTree(cocos2d::CCNode* root);
// The class name used in dumps (without namespace).
std::string className(const cocos2d::CCNode* node);

} // namespace engine::testing
