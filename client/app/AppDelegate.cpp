#include "app/AppDelegate.h"

#include "account/StartScenes.h"
#include "app/ClientLog.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "contest/ContestScenes.h"
#include "menu/MenuScenes.h"
#include "net/NetManager.h"
#include "quiz/QuizScenes.h"
#include "store/StoreInfoScenes.h"
#include "store/StoreScenes.h"

#include "SimpleAudioEngine.h"
#include "platform/CCEGLView.h"
#include "touch/CCTextInputRouter.h"

#include <SDL.h>

#include <algorithm>

USING_NS_CC;

const std::vector<std::string>& AppDelegate::searchPaths() {
    static const std::vector<std::string> paths = {"config", "images_1440X960", "fonts", "sound", "sound/effect",
                                                   "sound/effect/Play"};
    return paths;
}

AppDelegate::AppDelegate(CommandLine options) : m_options(std::move(options)) {
    auto byTime = [](const auto& a, const auto& b) { return a.at < b.at; };
    std::stable_sort(m_options.screenshots.begin(), m_options.screenshots.end(), byTime);
    std::stable_sort(m_options.taps.begin(), m_options.taps.end(), byTime);
    m_screenshotsTaken.assign(m_options.screenshots.size(), false);
    m_tapsDone.assign(m_options.taps.size(), false);
    m_typingsDone.assign(m_options.typings.size(), false);
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
    registerQuizScenes();
    registerContestScenes();
    registerMenuScenes();
    registerStoreInfoOverlay();
    registerStoreScenes();
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

void AppDelegate::tapAt(float x, float y) {
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    int width = 0, height = 0;
    SDL_GetWindowSize(view->window(), &width, &height);
    SDL_Event event{};
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = static_cast<int>(x * static_cast<float>(width) / kDesignWidth);
    event.button.y = static_cast<int>((kDesignHeight - y) * static_cast<float>(height) / kDesignHeight);
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.state = SDL_PRESSED;
    view->handleEvent(event);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.state = SDL_RELEASED;
    view->handleEvent(event);
}

double AppDelegate::dueAt(double at, int scene) const {
    if (scene < 0) return at;
    const auto shown = m_sceneFirstShown.find(scene);
    return shown == m_sceneFirstShown.end() ? -1 : shown->second + at;
}

void AppDelegate::onLoop(double elapsed) {
    const int scene = SceneDirector::instance().currentSceneId();
    if (scene >= 0) m_sceneFirstShown.try_emplace(scene, elapsed); // no node made once it is known
    // One picture per pass at most: a request saves the frame being drawn next. Of those due, the
    // earliest goes first.
    std::size_t shot = m_options.screenshots.size();
    double shotDue = 0;
    for (std::size_t i = 0; i < m_options.screenshots.size(); ++i) {
        const double due = dueAt(m_options.screenshots[i].at, m_options.screenshots[i].scene);
        if (!m_screenshotsTaken[i] && due >= 0 && elapsed >= due && (shot == m_options.screenshots.size() || due < shotDue)) {
            shot = i;
            shotDue = due;
        }
    }
    if (shot < m_options.screenshots.size()) {
        m_screenshotsTaken[shot] = true;
        const std::string& file = m_options.screenshots[shot].file;
        CCEGLView::sharedOpenGLView()->requestScreenshot(file);
        ClientLog::write("screenshot to %s", file.c_str());
    }
    // Taps and typing due in one pass (a slow frame can make several due at once) go in the order
    // they were given times, so a field is tapped before the text meant for it arrives.
    struct DueInput {
        double due;
        bool typing;
        std::size_t index;
    };
    std::vector<DueInput> due;
    for (std::size_t i = 0; i < m_options.taps.size(); ++i) {
        const double at = dueAt(m_options.taps[i].at, m_options.taps[i].scene);
        if (!m_tapsDone[i] && at >= 0 && elapsed >= at) due.push_back({at, false, i});
    }
    for (std::size_t i = 0; i < m_options.typings.size(); ++i) {
        const double at = dueAt(m_options.typings[i].at, m_options.typings[i].scene);
        if (!m_typingsDone[i] && at >= 0 && elapsed >= at) due.push_back({at, true, i});
    }
    std::stable_sort(due.begin(), due.end(), [](const DueInput& a, const DueInput& b) { return a.due < b.due; });
    for (const DueInput& input : due) {
        if (input.typing) {
            m_typingsDone[input.index] = true;
            const CommandLine::Typing& typing = m_options.typings[input.index];
            ClientLog::write("typing %zu bytes", typing.text.size());
            CCTextInputRouter::insertText(typing.text.c_str(), static_cast<int>(typing.text.size()));
        } else {
            m_tapsDone[input.index] = true;
            const CommandLine::Tap& tap = m_options.taps[input.index];
            ClientLog::write("tap at %.0f,%.0f", tap.x, tap.y);
            tapAt(tap.x, tap.y);
        }
    }
    if (m_options.quitOnScene >= 0 && m_sceneSeenAt < 0 &&
        SceneDirector::instance().currentSceneId() == m_options.quitOnScene) {
        m_sceneSeenAt = elapsed;
    }
    const bool sceneDone = m_sceneSeenAt >= 0 && elapsed >= m_sceneSeenAt + 1.0;
    const double quitDue = m_options.quitAfter >= 0 ? dueAt(m_options.quitAfter, m_options.quitAfterScene) : -1;
    if (sceneDone || (quitDue >= 0 && elapsed >= quitDue)) {
        CCDirector::sharedDirector()->end();
    }
}
