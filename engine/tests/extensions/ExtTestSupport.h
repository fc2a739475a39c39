// Common set-up of the extension tests: a reset engine on the manual clock with the null renderer,
// a recording audio back end, the default click sound and a capture of the engine log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SampleFiles.h"
#include "SimpleAudioEngine.h"
#include "audio/RecordingAudioBackend.h"
#include "base/CCConsole.h"
#include "extensions/gui/ClickSound.h"
#include "testing/EngineTesting.h"

namespace exttest {

inline std::string samples(const std::string& relative) { return brindle::samples::file(relative); }

class ExtensionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::testing::resetEngine();
        auto backend = std::make_unique<CocosDenshion::RecordingAudioBackend>();
        audio = backend.get();
        CocosDenshion::SimpleAudioEngine::sharedEngine()->setBackend(std::move(backend));
        cocos2d::extension::resetClickSoundHook();
        cocos2d::CCLogSetSink([this](const std::string& line) { log.push_back(line); });
    }
    void TearDown() override
    {
        cocos2d::CCLogSetSink(nullptr);
        cocos2d::extension::resetClickSoundHook();
        CocosDenshion::SimpleAudioEngine::end();
        engine::testing::resetEngine();
    }
    // True when some log line holds every one of the pieces.
    bool logged(std::initializer_list<std::string> pieces) const
    {
        for (const auto& line : log) {
            bool all = true;
            for (const auto& piece : pieces)
                all = all && line.find(piece) != std::string::npos;
            if (all)
                return true;
        }
        return false;
    }

    CocosDenshion::RecordingAudioBackend* audio = nullptr;
    std::vector<std::string> log;
};

} // namespace exttest
