// Layout reader on arbitrary bytes: must never crash, whatever the widget tree says.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"
#include "extensions/gui/GUIReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool quiet = [] {
        cocos2d::CCLogSetSink([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    std::string text(reinterpret_cast<const char*>(data), size);
    cocos2d::extension::GUIReader::shareReader()->widgetFromJsonText(text, "fuzz.ExportJson", "/nonexistent/");
    cocos2d::CCPoolManager::sharedPoolManager()->pop();
    return 0;
}
