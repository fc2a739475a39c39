#include "menu/MenuScenes.h"

#include "app/SceneDirector.h"
#include "menu/CMyCollectionScene.h"
#include "menu/CRankLayer.h"
#include "menu/CReceiveMoneyLayer.h"
#include "menu/CSignLayer.h"
#include "menu/CTaskLayer.h"
#include "menu/CTreasureLayer.h"

void registerMenuScenes() {
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(4, &CRankLayer::scene);
    director.registerScene(5, &CSignLayer::scene);
    director.registerScene(7, &CTreasureLayer::scene);
    director.registerScene(8, &CMyCollectionScene::scene);
    director.registerScene(CTaskLayer::kScene, &CTaskLayer::scene);
    director.registerScene(18, &CReceiveMoneyLayer::scene);
}
