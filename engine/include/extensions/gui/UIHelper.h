// Look-ups in a widget tree: depth-first pre-order from the given root (the root itself first); with
// duplicate names or tags the first one found wins. Only widgets count, not their pictures.
#pragma once

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class UIHelper {
public:
    // 2.2.1 called these through instance(); both spellings work.
    static UIHelper* instance();
    static UIWidget* seekWidgetByName(UIWidget* root, const char* name);
    static UIWidget* seekWidgetByTag(UIWidget* root, int tag);
    static UIWidget* seekActionWidgetByActionTag(UIWidget* root, int tag);
    // 2.2.0 spelling of GUIReader::widgetFromJsonFile.
    static UIWidget* createWidgetFromJsonFile(const char* fileName);
    // Widgets in the tree, root included.
    static int countWidgets(UIWidget* root);
};

} // namespace cocos2d::extension
