// Shared pieces of the client tests: a clean client per test, a fake platform, captured log lines,
// a scene on stage, and pictures of known sizes in the frame cache.
#pragma once

#include "app/Platform.h"
#include "app/VideoPlayer.h"

#include "cocos2d.h"
#include "audio/RecordingAudioBackend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test_support {

class ClientEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    // Closes the fonts the labels opened, so the leak checker sees only our own objects.
    void TearDown() override;
};

// Records what the game asked of the platform.
class FakePlatform : public Platform {
public:
    class Video : public VideoPlayer {
    public:
        void playVideo(const std::string& path) override { m_path = path, m_has = true; }
        void pauseVideo(bool) override {}
        void stopVideo() override { m_has = false; }
        bool hasPlayer() const override { return m_has; }
        std::string m_path;
        bool m_has = false;
    };

    std::string deviceIdentity() override { return identity; }
    bool isNetworkAlive() override { return networkAlive; }
    std::string tempFolder() override { return temp; }
    void clearFolder(const std::string& folder) override { cleared.push_back(folder); }
    void openUrl(const std::string& url) override { opened.push_back(url); }
    void closeGameWindow() override { closed += 1; }
    VideoPlayer& videoPlayer() override { return video; }

    std::string identity = "A1B2C3D4E5F6ABCD";
    bool networkAlive = true;
    std::string temp;
    std::vector<std::string> cleared, opened;
    int closed = 0;
    Video video;
};

// Base fixture: fresh engine, singletons back to their start state, fake platform installed,
// a scratch folder as writable path, log lines captured.
class ClientTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a scene, registers it as scene id and switches to it so it is on stage.
    cocos2d::CCScene* enterScene(int id = 2);
    bool logged(const std::string& part) const;
    CocosDenshion::RecordingAudioBackend& audio();
    // Replaces the text dictionary (JSON of key -> {"chinese", "english"}).
    static void setTexts(const std::string& json);
    // Standard texts: each key's Chinese text is "<key>-zh".
    static void setStandardTexts();
    // The game's own texts ("config.conf" of the generated resources), so screens read as players
    // see them.
    static void setGameTexts();
    // The generated pictures, fonts and texts on the search path, and the sheets the loading
    // screen puts in the frame cache before any play.
    static void useGameResources();

    FakePlatform* m_platform = nullptr;
    std::string m_folder;
    std::vector<std::string> m_log;
};

// A plain RGBA texture of the size under the frame name, so boxes get real button sizes.
void addPicture(const std::string& frameName, int width, int height);
// The text of a box's message: searches labels in the subtree.
bool treeContainsText(cocos2d::CCNode* root, const std::string& text);

// A node's position in the scene (its parent's space to world space).
cocos2d::CCPoint worldOf(cocos2d::CCNode* node);
// A tap on the node's position, as a player's finger would land on it.
void tapNode(cocos2d::CCNode* node);

// The children of parent that are of class T, in child order (none for a null parent).
template <typename T> std::vector<T*> childrenOf(cocos2d::CCNode* parent) {
    std::vector<T*> found;
    cocos2d::CCArray* children = parent ? parent->getChildren() : nullptr;
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (T* node = dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(children->objectAtIndex(i)))) found.push_back(node);
    }
    return found;
}

} // namespace test_support
