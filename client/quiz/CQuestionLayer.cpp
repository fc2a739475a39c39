#include "quiz/CQuestionLayer.h"

USING_NS_CC;

bool isInside(CCNode* node, const CCPoint& point) {
    if (node == nullptr) {
        return false;
    }
    const CCPoint at = node->getPosition();
    const CCSize size = node->getContentSize();
    const int x = static_cast<int>(at.x);
    const int y = static_cast<int>(at.y);
    const float halfWidth = static_cast<float>(static_cast<int>(size.width)) / 2;
    const float halfHeight = static_cast<float>(static_cast<int>(size.height)) / 2;
    return point.x >= x - halfWidth && point.x <= x + halfWidth && point.y >= y - halfHeight &&
           point.y <= y + halfHeight;
}
