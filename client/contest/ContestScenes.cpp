#include "contest/ContestScenes.h"

#include "app/SceneDirector.h"
#include "contest/ContestPushRouter.h"

void registerContestScenes() {
    ContestPushRouter::install();
}
