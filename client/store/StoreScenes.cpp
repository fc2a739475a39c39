#include "store/StoreScenes.h"

#include "app/SceneDirector.h"
#include "store/CStoreAccountLayer.h"
#include "store/CStoreHudongLayer.h"
#include "store/CStoreLayer.h"

void registerStoreScenes() {
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(CStoreLayer::kSceneId, &CStoreLayer::scene);
    director.registerScene(CStoreAccountLayer::kSceneId, &CStoreAccountLayer::scene);
    director.registerScene(CStoreHudongLayer::kSceneId, &CStoreHudongLayer::scene);
}
