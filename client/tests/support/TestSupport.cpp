#include "support/TestSupport.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/QuizData.h"

#include "SimpleAudioEngine.h"
#include "labels/TTFRenderer.h"
#include "testing/EngineTesting.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

USING_NS_CC;

namespace test_support {

void ClientEnvironment::SetUp() {
    CCDirector::sharedDirector()->setManualClock(true);
}

void ClientEnvironment::TearDown() { TTFRenderer::closeFonts(); }

namespace {
std::string makeScratchFolder() {
    static std::atomic<int> counter{0};
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("brindle-client-test-" + std::to_string(::getpid()) + "-" +
                               std::to_string(counter++)))
                                 .string() +
                             "/";
    std::filesystem::create_directories(path);
    return path;
}
} // namespace

void ClientTest::SetUp() {
    engine::testing::resetEngine();
    m_log.clear();
    ClientLog::setSink([this](const std::string& line) { m_log.push_back(line); });
    m_folder = makeScratchFolder();
    CCFileUtils::sharedFileUtils()->setWritablePath(m_folder);
    // The game's fonts are generated assets; tests stand an installed font in for "simhei.ttf".
    const std::string resources = m_folder + "resources/";
    std::filesystem::create_directories(resources);
    for (const char* font : {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
        std::error_code error;
        if (std::filesystem::exists(font)) {
            std::filesystem::create_symlink(font, resources + "simhei.ttf", error);
            break;
        }
    }
    CCFileUtils::sharedFileUtils()->setResourceRoot(resources);
    CCUserDefault::purgeSharedUserDefault();
    auto platform = std::make_unique<FakePlatform>();
    platform->temp = m_folder + "BrindleTemp/";
    std::filesystem::create_directories(platform->temp);
    m_platform = platform.get();
    Platform::install(std::move(platform));
    CocosDenshion::SimpleAudioEngine::sharedEngine()->setBackend(
        std::make_unique<CocosDenshion::RecordingAudioBackend>());
    SoundManager::instance().reload();
    SceneDirector::instance().reset();
    GameData::instance().reset();
    QuizData::instance().reset();
    UserSession::instance().reset();
    NetManager::instance().resetForTesting();
    setStandardTexts();
}

void ClientTest::TearDown() {
    engine::testing::resetEngine();
    SceneDirector::instance().reset();
    ClientLog::setSink({});
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

CocosDenshion::RecordingAudioBackend& ClientTest::audio() {
    return *static_cast<CocosDenshion::RecordingAudioBackend*>(
        CocosDenshion::SimpleAudioEngine::sharedEngine()->backend());
}

CCScene* ClientTest::enterScene(int id) {
    SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
    SceneDirector::instance().switchTo(id);
    engine::testing::stepFrames(2);
    return SceneDirector::instance().currentScene();
}

bool ClientTest::logged(const std::string& part) const {
    for (const std::string& line : m_log) {
        if (line.find(part) != std::string::npos) return true;
    }
    return false;
}

void ClientTest::setTexts(const std::string& json) { LocalText::instance().setContent(json); }

void ClientTest::setGameTexts() {
    std::ifstream file(std::string(BRINDLE_RESOURCES_DIR) + "/config/config.conf", std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    setTexts(content.str());
}

void ClientTest::useGameResources() {
    const std::string root = std::string(BRINDLE_RESOURCES_DIR) + "/";
    for (const char* folder : {"images_1440X960/", "fonts/", "config/"}) {
        CCFileUtils::sharedFileUtils()->addSearchPath((root + folder).c_str());
    }
    for (const char* sheet : {"UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist"}) {
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
    }
}

void ClientTest::setStandardTexts() {
    std::string json = "{";
    const char* keys[] = {"sure", "cancel", "tips", "haveNoNet", "netFail", "theNetIsDie", "timeOut",
                          "loginRisk", "gameWillBegin", "PasswordError", "UserNameError", "UserNameNoExist",
                          "Yes", "No"};
    bool first = true;
    for (const char* key : keys) {
        json += std::string(first ? "" : ",") + "\"" + key + "\":{\"chinese\":\"" + key + "-zh\",\"english\":\"" +
                key + "-en\"}";
        first = false;
    }
    json += "}";
    setTexts(json);
}

void addPicture(const std::string& frameName, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 4), 255);
    auto* texture = new CCTexture2D;
    texture->initWithData(pixels.data(), kCCTexture2DPixelFormat_RGBA8888, width, height,
                          CCSizeMake(width, height));
    texture->autorelease();
    CCSpriteFrame* frame = CCSpriteFrame::createWithTexture(texture, CCRectMake(0, 0, width, height));
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFrame(frame, frameName.c_str());
}

bool treeContainsText(CCNode* root, const std::string& text) {
    return engine::testing::dumpTree(root).find("text=\"" + text + "\"") != std::string::npos;
}

CCPoint worldOf(CCNode* node) { return node->getParent()->convertToWorldSpace(node->getPosition()); }

void tapNode(CCNode* node) {
    const CCPoint at = worldOf(node);
    engine::testing::tap(at.x, at.y);
}

} // namespace test_support
