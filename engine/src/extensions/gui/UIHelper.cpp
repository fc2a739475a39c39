#include "extensions/gui/UIHelper.h"

#include <cstring>
#include <functional>

#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIScrollView.h"

namespace cocos2d::extension {

namespace {
UIWidget* seek(UIWidget* root, const std::function<bool(UIWidget*)>& match)
{
    if (!root)
        return nullptr;
    // A scroll view's inner container is machinery, not a widget of the layout.
    auto* scroller = dynamic_cast<UIScrollView*>(root->getParent());
    bool inner = scroller && scroller->getInnerContainer() == root;
    if (!inner && match(root))
        return root;
    if (CCArray* children = root->getChildren())
        for (unsigned int i = 0; i < children->count(); ++i)
            if (auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i)))
                if (UIWidget* found = seek(child, match))
                    return found;
    return nullptr;
}
} // namespace

UIHelper* UIHelper::instance()
{
    static UIHelper helper;
    return &helper;
}

UIWidget* UIHelper::seekWidgetByName(UIWidget* root, const char* name)
{
    if (!name)
        return nullptr;
    return seek(root, [name](UIWidget* w) { return std::strcmp(w->getName(), name) == 0; });
}

UIWidget* UIHelper::seekWidgetByTag(UIWidget* root, int tag)
{
    return seek(root, [tag](UIWidget* w) { return w->getTag() == tag; });
}

UIWidget* UIHelper::seekActionWidgetByActionTag(UIWidget* root, int tag)
{
    return seek(root, [tag](UIWidget* w) { return w->getActionTag() == tag; });
}

UIWidget* UIHelper::createWidgetFromJsonFile(const char* fileName)
{
    return GUIReader::shareReader()->widgetFromJsonFile(fileName);
}

int UIHelper::countWidgets(UIWidget* root)
{
    int count = 0;
    seek(root, [&count](UIWidget*) {
        ++count;
        return false;
    });
    return count;
}

} // namespace cocos2d::extension
