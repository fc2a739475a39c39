// The one-button message boxes of the server link, placed at the window centre.
#pragma once

#include <string>

namespace cocos2d {
class CCNode;
class CCPoint;
} // namespace cocos2d

class NetNotices {
public:
    // A box with the text of key and one "sure" button; autoreleased, not yet added.
    static cocos2d::CCNode* makeNetworkBox(const char* key);
    // Adds it with z-order 99 and the tag (kCCNodeTagInvalid for none).
    static void addNetworkBox(cocos2d::CCNode* parent, const char* key, int tag);
    // A box with a ready text and one "sure" button.
    static void addTextBox(cocos2d::CCNode* parent, const std::string& text, int tag);
    // The user-information screen's own busy overlay (tag 1008), on the scene or on its screen.
    static void removeUserScreenOverlay(cocos2d::CCNode* scene);
    static cocos2d::CCPoint windowCentre();
};
