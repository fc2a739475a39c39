#include "contest/ContestScenes.h"

#include "app/SceneDirector.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/ContestPushRouter.h"

void registerContestScenes() {
    ContestPushRouter::install();
    CHD_CQuestionMission::install();
    SceneDirector::instance().registerScene(22, &CHD_PlayLayer::scene);
}
