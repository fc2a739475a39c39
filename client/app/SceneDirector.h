// The only way to change scene: one switch operation per scene id, a 0.18 s fade, and the current
// and previous scene ids that screens reached from several places read.
//
// Screens register the function that makes their scene; a switch to an id without one is logged
// and changes nothing.
#pragma once

#include "net/ResponseRecords.h"

#include <functional>
#include <map>

namespace cocos2d {
class CCNode;
class CCScene;
} // namespace cocos2d

class SceneDirector {
public:
    using SceneFactory = std::function<cocos2d::CCScene*()>;
    // The store's exchange layer laid over the running scene (goods, mode, extra).
    using StoreInfoFactory = std::function<cocos2d::CCNode*(const GoodsInfo& goods, int mode, int extra)>;
    // The team screen, handed its team and mode after the scene is made.
    using TeamInfoFactory = std::function<cocos2d::CCScene*(const TeamInfo& team, int mode)>;

    static SceneDirector& instance();

    void registerScene(int id, SceneFactory factory);
    void registerStoreInfo(StoreInfoFactory factory) { m_storeInfo = std::move(factory); }
    void registerTeamInfo(TeamInfoFactory factory) { m_teamInfo = std::move(factory); }
    bool isAvailable(int id) const;

    void showLogo() { switchTo(0); }
    void showLoading() { switchTo(1); }
    void showMain() { switchTo(2); }
    void showPlay() { switchTo(3); }
    void showRank() { switchTo(4); }
    void showSign() { switchTo(5); }
    void showStore() { switchTo(6); }
    void showTreasure() { switchTo(7); }
    void showCollection() { switchTo(8); }
    void showStoreInfo(const GoodsInfo& goods, int mode, int extra);
    // The exchange layer is going: its black cover leaves the running scene and the scene id goes
    // back to the one under the layer, so that screen takes its answers again.
    void closeStoreInfo();
    void showStoreAccount() { switchTo(10); }
    void showStoreHudong() { switchTo(11); }
    void showTask() { switchTo(12); }
    void showUserInfo() { switchTo(13); }
    void showRegister() { switchTo(14); }
    void showChangePassword() { switchTo(15); }
    void showChangeUserInfo() { switchTo(16); }
    void showEvent() { switchTo(17); }
    void showReceiveMoney() { switchTo(18); }
    void showContestHall() { switchTo(21); }
    void showContestPlay() { switchTo(22); }
    void showDoublesHall() { switchTo(23); }
    void showContestRank() { switchTo(24); }
    void showTeamList() { switchTo(25); }
    void showTeamInfo(const TeamInfo& team, int mode);
    void showChallengeHall() { switchTo(28); }
    void showExamHall() { switchTo(29); }

    // Any plain switch by id (every id but 9 and 26). False when the id has no scene.
    bool switchTo(int id);

    cocos2d::CCScene* currentScene() const { return m_currentScene; }
    int currentSceneId() const { return m_currentSceneId; }
    int previousSceneId() const { return m_previousSceneId; }

    // Back to the state of process start, keeping the registered scenes (tests).
    void reset();

private:
    SceneDirector() = default;
    void updatePrevious(int id);
    void present(cocos2d::CCScene* scene, int id);

    cocos2d::CCScene* m_currentScene = nullptr;
    int m_currentSceneId = -1;
    int m_previousSceneId = -1;
    int m_underStoreInfoId = -1;
    std::map<int, SceneFactory> m_factories;
    StoreInfoFactory m_storeInfo;
    TeamInfoFactory m_teamInfo;
};
