#include "contest/ContestScenes.h"

#include "app/SceneDirector.h"
#include "contest/CCHD_Mainlayer.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_ChallengeLayer.h"
#include "contest/CHD_DoublesLayer.h"
#include "contest/CHD_ExamLayer.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/CHD_TeamLayer.h"
#include "contest/CHD_RankOfHDLayer.h"
#include "contest/ContestPushRouter.h"

void registerContestScenes() {
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(21, &CCHD_Mainlayer::scene);
    director.registerScene(22, &CHD_PlayLayer::scene);
    director.registerScene(23, &CHD_DoublesLayer::scene);
    director.registerScene(25, &CHD_TeamLayer::scene);
    director.registerTeamInfo(&CHD_TeamInfoLayer::scene);
    director.registerScene(24, &CHD_RankOfHDLayer::scene);
    director.registerScene(28, &CHD_ChallengeLayer::scene);
    director.registerScene(29, &CHD_ExamLayer::scene);
    ContestPushRouter::install();
    // Questions may be pushed while the face-off is still up, before the play scene enters.
    CHD_CQuestionMission::install();
}
