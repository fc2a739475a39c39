#include "app/AppDelegate.h"

#include "account/StartScenes.h"
#include "app/ClientLog.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "net/NetManager.h"

#include "SimpleAudioEngine.h"
#include "platform/CCEGLView.h"

USING_NS_CC;

const std::vector<std::string>& AppDelegate::searchPaths() {
    static const std::vector<std::string> paths = {"config", "images_1440X960", "fonts", "sound", "sound/effect",
                                                   "sound/effect/Play"};
    return paths;
}

AppDelegate::AppDelegate(CommandLine options) : m_options(std::move(options)) {
    setLoopHook([this](double elapsed) { onLoop(elapsed); });
}

AppDelegate::~AppDelegate() { CocosDenshion::SimpleAudioEngine::end(); }

bool AppDelegate::applicationDidFinishLaunching() {
    CCDirector* director = CCDirector::sharedDirector();
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    director->setOpenGLView(view);
    view->setDesignResolutionSize(kDesignWidth, kDesignHeight, kResolutionExactFit);
    CCFileUtils* files = CCFileUtils::sharedFileUtils();
    for (const std::string& path : searchPaths()) {
        files->addSearchPath(path.c_str());
    }
    director->setDisplayStats(false);
    director->setAnimationInterval(1.0 / 60);
    SoundManager::installClickSound();
    registerStartScenes();
    SceneDirector::instance().showLogo();
    return true;
}

void AppDelegate::applicationDidEnterBackground() {
    CCDirector::sharedDirector()->stopAnimation();
    CocosDenshion::SimpleAudioEngine::sharedEngine()->pauseBackgroundMusic();
}

void AppDelegate::applicationWillEnterForeground() {
    CCDirector::sharedDirector()->startAnimation();
    CocosDenshion::SimpleAudioEngine::sharedEngine()->resumeBackgroundMusic();
    NetManager::instance().sendHeartbeat(true);
}

void AppDelegate::onLoop(double elapsed) {
    if (!m_options.screenshotFile.empty() && !m_screenshotTaken && elapsed >= m_options.screenshotAt) {
        m_screenshotTaken = true;
        CCEGLView::sharedOpenGLView()->requestScreenshot(m_options.screenshotFile);
        ClientLog::write("screenshot to %s", m_options.screenshotFile.c_str());
    }
    if (m_options.quitAfter >= 0 && elapsed >= m_options.quitAfter) {
        CCDirector::sharedDirector()->end();
    }
}
