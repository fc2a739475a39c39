#include "extensions/gui/ClickSound.h"

#include "SimpleAudioEngine.h"

namespace cocos2d::extension {

namespace {
void playDefault() { CocosDenshion::SimpleAudioEngine::sharedEngine()->playEffect(kClickSoundFile, false); }

std::function<void()>& hook()
{
    static std::function<void()> current = playDefault;
    return current;
}
} // namespace

void setClickSoundHook(std::function<void()> newHook) { hook() = std::move(newHook); }
void resetClickSoundHook() { hook() = playDefault; }

void playClickSound()
{
    // Copy: the hook may replace itself while it runs.
    std::function<void()> current = hook();
    if (current)
        current();
}

} // namespace cocos2d::extension
