#include "testing/EngineTesting.h"

#include <cmath>
#include <cxxabi.h>
#include <memory>
#include <sstream>
#include <typeinfo>

#include "base/CCAutoreleasePool.h"
#include "director/CCDirector.h"
#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"
#include "nodes/CCScene.h"
#include "render/Renderer.h"
#include "touch/CCKeypadDispatcher.h"
#include "touch/CCMouseWheelDispatcher.h"
#include "touch/CCTextInputRouter.h"
#include "touch/CCTouchDispatcher.h"

using namespace cocos2d;

namespace engine::testing {

namespace {
constexpr float kFrame = 1.0f / 60.0f;

CCTouchDispatcher* touches()
{
    return CCDirector::sharedDirector()->getTouchDispatcher();
}

std::string formatNumber(float value)
{
    std::ostringstream out;
    // Round to 1/1000 so float noise does not leak into dumps.
    float rounded = std::round(value * 1000.0f) / 1000.0f;
    if (rounded == 0)
        rounded = 0; // no "-0"
    out << rounded;
    return out.str();
}

void dumpNode(CCNode* node, int depth, std::ostringstream& out)
{
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << className(node) << " tag=" << node->getTag()
        << " z=" << node->getZOrder() << " pos=(" << formatNumber(node->getPositionX()) << ","
        << formatNumber(node->getPositionY()) << ") scale=(" << formatNumber(node->getScaleX()) << ","
        << formatNumber(node->getScaleY()) << ") visible=" << (node->isVisible() ? 1 : 0);
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(node))
        out << " opacity=" << static_cast<int>(rgba->getOpacity());
    std::string text = node->debugText();
    if (!text.empty())
        out << " text=\"" << text << "\"";
    out << "\n";
    node->sortAllChildren();
    if (CCArray* children = node->getChildren())
        for (CCObject* child : *children)
            dumpNode(static_cast<CCNode*>(child), depth + 1, out);
}
} // namespace

void resetEngine()
{
    Renderer::setCurrent(nullptr);
    CCDirector* director = CCDirector::sharedDirector();
    director->reset();
    director->setManualClock(true);
}

void runScene(CCScene* scene)
{
    CCDirector* director = CCDirector::sharedDirector();
    director->setManualClock(true);
    if (director->getRunningScene())
        director->replaceScene(scene);
    else
        director->runWithScene(scene);
    director->stepFrame(kFrame);
}

void stepFrames(int frames, float dt)
{
    CCDirector* director = CCDirector::sharedDirector();
    for (int i = 0; i < frames; ++i)
        director->stepFrame(dt);
}

void stepSeconds(float seconds)
{
    stepFrames(static_cast<int>(std::ceil(seconds / kFrame - 1e-4f)));
}

void touchBegan(float x, float y, int id)
{
    touches()->handleTouchAtLocation(CCTOUCHBEGAN, id, CCPoint(x, y));
}

void touchMoved(float x, float y, int id)
{
    touches()->handleTouchAtLocation(CCTOUCHMOVED, id, CCPoint(x, y));
}

void touchEnded(float x, float y, int id)
{
    touches()->handleTouchAtLocation(CCTOUCHENDED, id, CCPoint(x, y));
}

void touchCancelled(float x, float y, int id)
{
    touches()->handleTouchAtLocation(CCTOUCHCANCELLED, id, CCPoint(x, y));
}

void tap(float x, float y, int id)
{
    touchBegan(x, y, id);
    touchEnded(x, y, id);
}

void pressBack()
{
    CCDirector::sharedDirector()->getKeypadDispatcher()->dispatchKeypadMSG(kTypeBackClicked);
}

void pressMenu()
{
    CCDirector::sharedDirector()->getKeypadDispatcher()->dispatchKeypadMSG(kTypeMenuClicked);
}

void wheel(int notches)
{
    CCMouseWheelDispatcher* dispatcher = CCDirector::sharedDirector()->getMouseWheelDispatcher();
    const int step = notches >= 0 ? 1 : -1;
    for (int i = 0; i != notches; i += step)
        dispatcher->dispatchWheel(step * kCCMouseWheelNotch);
}

void typeText(const std::string& utf8)
{
    CCTextInputRouter::insertText(utf8.c_str(), static_cast<int>(utf8.size()));
}

void pressBackspace()
{
    CCTextInputRouter::deleteBackward();
}

void pressEnter()
{
    CCTextInputRouter::insertText("\n", 1);
}

CCNode* findByTagPath(CCNode* root, std::initializer_list<int> tags)
{
    return findByTagPath(root, std::vector<int>(tags));
}

CCNode* findByTagPath(CCNode* root, const std::vector<int>& tags)
{
    CCNode* node = root;
    for (int tag : tags) {
        if (!node)
            return nullptr;
        node = node->getChildByTag(tag);
    }
    return node;
}

std::string className(const CCNode* node)
{
    if (!node)
        return "null";
    const char* mangled = typeid(*node).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const std::size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

std::string dumpTree(CCNode* root)
{
    std::ostringstream out;
    if (root)
        dumpNode(root, 0, out);
    return out.str();
}

} // namespace engine::testing
