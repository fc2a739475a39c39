// Column and row layout of CCMenu's items around the menu's origin.
#include "menu/CCMenu.h"

namespace cocos2d {

namespace {
template <typename F>
void forEachChild(CCArray* children, F f)
{
    if (children)
        for (unsigned i = 0; i < children->count(); ++i)
            f(static_cast<CCNode*>(children->objectAtIndex(i)));
}
} // namespace

void CCMenu::alignItemsVertically()
{
    alignItemsVerticallyWithPadding(5.0f);
}

void CCMenu::alignItemsVerticallyWithPadding(float padding)
{
    float height = -padding;
    forEachChild(m_children, [&](CCNode* c) { height += c->getContentSize().height * c->getScaleY() + padding; });
    float y = height / 2.0f;
    forEachChild(m_children, [&](CCNode* c) {
        const float h = c->getContentSize().height * c->getScaleY();
        c->setPosition(CCPoint(0, y - h / 2.0f));
        y -= h + padding;
    });
}

void CCMenu::alignItemsHorizontally()
{
    alignItemsHorizontallyWithPadding(5.0f);
}

void CCMenu::alignItemsHorizontallyWithPadding(float padding)
{
    float width = -padding;
    forEachChild(m_children, [&](CCNode* c) { width += c->getContentSize().width * c->getScaleX() + padding; });
    float x = -width / 2.0f;
    forEachChild(m_children, [&](CCNode* c) {
        const float w = c->getContentSize().width * c->getScaleX();
        c->setPosition(CCPoint(x + w / 2.0f, 0));
        x += w + padding;
    });
}

} // namespace cocos2d
