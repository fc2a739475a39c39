#include "app/SceneDirector.h"

#include "app/ClientLog.h"

#include "cocos2d.h"

USING_NS_CC;

namespace {

constexpr float kFadeSeconds = 0.18f;
constexpr int kStoreInfoScene = 9;
constexpr int kTeamInfoScene = 26;
constexpr int kStoreInfoShadeTag = 102;
constexpr int kStoreInfoLayerTag = 101;

} // namespace

SceneDirector& SceneDirector::instance() {
    static SceneDirector* director = new SceneDirector;
    return *director;
}

void SceneDirector::registerScene(int id, SceneFactory factory) { m_factories[id] = std::move(factory); }

bool SceneDirector::isAvailable(int id) const {
    if (id == kStoreInfoScene) return static_cast<bool>(m_storeInfo);
    if (id == kTeamInfoScene) return static_cast<bool>(m_teamInfo);
    auto found = m_factories.find(id);
    return found != m_factories.end() && found->second;
}

void SceneDirector::reset() {
    m_currentScene = nullptr;
    m_currentSceneId = -1;
    m_previousSceneId = -1;
    m_underStoreInfoId = -1;
}

void SceneDirector::updatePrevious(int id) {
    const int current = m_currentSceneId;
    switch (id) {
    case 3:
    case 22:
        m_previousSceneId = current;
        break;
    case 6:
        if (current == 2 || current == 3 || current == 10 || current == 11) {
            m_previousSceneId = current;
        }
        break;
    case 24:
        if (current != 24) {
            m_previousSceneId = current;
        }
        break;
    default:
        break;
    }
}

void SceneDirector::present(CCScene* scene, int id) {
    m_currentSceneId = id;
    m_currentScene = scene;
    CCDirector* director = CCDirector::sharedDirector();
    ClientLog::write("SceneDirector: switch to scene %d", id);
    if (director->getRunningScene() != nullptr || director->getNextScene() != nullptr) {
        director->replaceScene(CCTransitionFade::create(kFadeSeconds, scene));
    } else {
        director->runWithScene(scene);
    }
}

bool SceneDirector::switchTo(int id) {
    if (id == kStoreInfoScene || id == kTeamInfoScene || !isAvailable(id)) {
        ClientLog::write("SceneDirector: scene %d is not available; staying on scene %d", id, m_currentSceneId);
        return false;
    }
    CCScene* scene = m_factories[id]();
    if (scene == nullptr) {
        ClientLog::write("SceneDirector: scene %d could not be made; staying on scene %d", id, m_currentSceneId);
        return false;
    }
    updatePrevious(id);
    present(scene, id);
    return true;
}

void SceneDirector::showTeamInfo(const TeamInfo& team, int mode) {
    if (!m_teamInfo) {
        ClientLog::write("SceneDirector: scene %d is not available; staying on scene %d", kTeamInfoScene,
                         m_currentSceneId);
        return;
    }
    CCScene* scene = m_teamInfo(team, mode);
    if (scene == nullptr) {
        ClientLog::write("SceneDirector: scene %d could not be made", kTeamInfoScene);
        return;
    }
    present(scene, kTeamInfoScene);
}

void SceneDirector::showStoreInfo(const GoodsInfo& goods, int mode, int extra) {
    CCScene* running = CCDirector::sharedDirector()->getRunningScene();
    if (running == nullptr) {
        running = m_currentScene;
    }
    if (!m_storeInfo || running == nullptr) {
        ClientLog::write("SceneDirector: scene %d is not available; staying on scene %d", kStoreInfoScene,
                         m_currentSceneId);
        return;
    }
    CCNode* layer = m_storeInfo(goods, mode, extra);
    if (layer == nullptr) {
        ClientLog::write("SceneDirector: scene %d could not be made", kStoreInfoScene);
        return;
    }
    ClientLog::write("SceneDirector: switch to scene %d over the running scene", kStoreInfoScene);
    if (m_currentSceneId != kStoreInfoScene) m_underStoreInfoId = m_currentSceneId;
    m_currentSceneId = kStoreInfoScene;
    running->addChild(CCLayerColor::create(ccc4(0, 0, 0, 255)), 0, kStoreInfoShadeTag);
    running->addChild(layer, 0, kStoreInfoLayerTag);
    m_currentScene = running;
}

void SceneDirector::closeStoreInfo() {
    if (CCScene* running = CCDirector::sharedDirector()->getRunningScene()) {
        if (running->getChildByTag(kStoreInfoShadeTag)) running->removeChildByTag(kStoreInfoShadeTag, true);
    }
    // A switch made while the layer was open stays as it is.
    if (m_currentSceneId == kStoreInfoScene) {
        ClientLog::write("SceneDirector: back to scene %d from scene %d", m_underStoreInfoId, kStoreInfoScene);
        m_currentSceneId = m_underStoreInfoId;
    }
}
