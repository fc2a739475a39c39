// Pieces the account forms share: an input box laid over a field of the layout, a "Chinese.fnt"
// button title, and the one-button notice boxes (tag 298) the forms refuse input with.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CInputBox;
class CMyMessageBox;

namespace AccountForm {

constexpr int kNoticeTag = 298;
constexpr int kNoticeZ = 99;

struct FieldBox {
    int mode = 1; // CInputBox::kPlain or kPassword
    int fontSize = 35;
    int maxLength = 11;
    const char* placeholderKey = "";
    // How far the text starts inside the field's left edge.
    float inset = 20;
    int cursorDy = 10;
    cocos2d::ccColor3B colour = {0, 0, 0};
    // The box draws its cursor for a text line near its bottom edge: on a tall field, lift it to
    // the centred text and give it the text's colour (the default white vanishes on light fields).
    bool cursorOnText = false;
};

// An input box over the field widget, added to parent (which must stand at the origin, as the
// layout's root does). Null, with a log line, when the layout has no such field.
CInputBox* addFieldBox(cocos2d::CCNode* parent, cocos2d::extension::UIWidget* field, const FieldBox& options);

// The localized text in "Chinese.fnt", gold, centred on the widget; made smaller where it would
// crowd the edges of the button it names.
void titleWidget(cocos2d::extension::UIWidget* widget, const char* key,
                 cocos2d::extension::UIWidget* button = nullptr);

// A box with the text and one "sure" button at the window centre, on the scene that holds screen
// (so a keystroke in any input box clears it), replacing an earlier notice. onSure runs on
// screen when given.
CMyMessageBox* showNotice(cocos2d::CCNode* screen, const std::string& text,
                          cocos2d::SEL_CallFunc onSure = nullptr);
// The same with a localized key.
CMyMessageBox* showNoticeKey(cocos2d::CCNode* screen, const char* key, cocos2d::SEL_CallFunc onSure = nullptr);
// The notice on screen's scene, if one is up.
CMyMessageBox* currentNotice(cocos2d::CCNode* screen);
// Whether a box with this text stands on screen's scene, whoever put it there.
bool noticeShown(cocos2d::CCNode* screen, const std::string& text);

} // namespace AccountForm
