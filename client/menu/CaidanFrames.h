// The treasure figures' pictures: which frames of the "Caidan" sheet each kind plays, and those
// frames cut from the sheet's texture by the rectangles its "frames" dictionary names. The
// rotated marks are fixed here rather than read from the sheet, so they must agree with how the
// sheet was packed.
#pragma once

#include "cocos2d.h"

#include <string>
#include <vector>

class CaidanFrames {
public:
    // Kinds 1..12 are the zodiac animals, 13 the score carrot, 14 the golden carrot.
    static constexpr int kFirstKind = 1, kLastZodiac = 12, kScoreCarrot = 13, kGoldCarrot = 14;
    static bool isKnownKind(int kind) { return kind >= kFirstKind && kind <= kGoldCarrot; }
    static bool isZodiac(int kind) { return kind >= kFirstKind && kind <= kLastZodiac; }

    // The frame names of one pass of the kind's animation, in playing order; empty for an
    // unknown kind. Zodiac animals step 1, 2, 3 and back to 2; carrots 1, 2, 3.
    static std::vector<std::string> animationNames(int kind);
    // Whether the step-th frame (0-based, in animation order) of the kind is stored turned.
    static bool isRotated(int kind, int step);
    // The card picture of a zodiac kind in the collection; "" for carrots and unknown kinds.
    static std::string collectionPicture(int kind);

    // "{{x,y},{w,h}}" with four decimal numbers, spaces allowed around them; false for anything else
    // (and for negative or empty sizes).
    static bool parseRect(const std::string& text, cocos2d::CCRect* out);

    // The kind's animation frames (autoreleased array of CCSpriteFrame) cut from the sheet; null,
    // with a log line, when the sheet or its texture cannot be read, a frame name is missing, or a
    // rectangle is malformed.
    static cocos2d::CCArray* cut(int kind, const std::string& plist = "Caidan.plist");
};
