// The click every layout widget listener and control-button action makes, just before it runs.
//
// By default the engine plays kClickSoundFile through SimpleAudioEngine; the game installs its own hook
// (its sound manager, which obeys the player's effect switch).
#pragma once

#include <functional>

namespace cocos2d::extension {

constexpr const char* kClickSoundFile = "buttonT.mp3";

void setClickSoundHook(std::function<void()> hook);
// Back to the default (the effect played through SimpleAudioEngine).
void resetClickSoundHook();
// Plays the click now (through the hook); a null hook set by setClickSoundHook(nullptr) plays nothing.
void playClickSound();

} // namespace cocos2d::extension
